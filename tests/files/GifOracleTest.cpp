// The decoder's composed frames against ImageMagick's, byte for byte, on files ImageMagick made
// (the gif_corpus fixture), and a picture of both side by side.
#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "GifDecoder.h"
#include "PngFile.h"
#include "TestSupport.h"

namespace {

std::vector<uint8_t> ReadWholeFile(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

TEST(GifOracleTest, FramesEqualImageMagicksCoalescedFrames) {
    const std::wstring folder = kxtest::EnvironmentPath(L"KX_GIF_CORPUS");
    ASSERT_FALSE(folder.empty());
    const struct {
        const wchar_t* name;
        int frames;
        // Disposal "previous" on the first frame: this decoder restores the black canvas it started
        // with, ImageMagick keeps the first frame. Outside each later frame the screen is black here.
        bool previousIsTheBlackStart;
    } cases[] = {
        {L"colours-2", 1, false},         {L"colours-16", 1, false}, {L"colours-256", 1, false},
        {L"interlaced", 1, false},        {L"transparent", 2, false}, {L"dispose-undefined", 3, false},
        {L"dispose-none", 3, false},      {L"dispose-background", 3, false}, {L"dispose-previous", 3, true},
    };
    for (const auto& c : cases) {
        kx::GifDecoder decoder;
        decoder.Reset();
        decoder.Open(std::make_unique<kx::MemoryByteSource>(ReadWholeFile(folder + L"\\" + c.name + L".gif")));
        int frame = 0;
        for (; decoder.MoveNext(); ++frame) {
            const std::vector<uint8_t> expected =
                ReadWholeFile(folder + L"\\" + c.name + L"-" + std::to_wstring(frame) + L".rgb");
            const kx::GifCanvas& canvas = decoder.Canvas();
            ASSERT_EQ(size_t(canvas.Width()) * canvas.Height() * 3, expected.size()) << c.name;
            const kx::GifImageDescriptor& d = decoder.Descriptor();
            int differ = 0;
            for (int y = 0; y < canvas.Height(); ++y)
                for (int x = 0; x < canvas.Width(); ++x) {
                    const uint8_t* got = canvas.Display() + y * canvas.RowBytes() + x * 3;
                    const uint8_t* want = expected.data() + (y * canvas.Width() + x) * 3;
                    const bool inFrame = x >= d.left && x < d.left + d.width && y >= d.top && y < d.top + d.height;
                    const uint8_t black[3] = {0, 0, 0};
                    if (c.previousIsTheBlackStart && frame > 0 && !inFrame) want = black;
                    differ += got[2] != want[0] || got[1] != want[1] || got[0] != want[2];
                }
            EXPECT_EQ(0, differ) << c.name << " frame " << frame;
        }
        EXPECT_EQ(c.frames, frame) << c.name;
    }
}

constexpr int kScale = 3;

// Draws top-down blue-green-red rows, each padded to 4 bytes, enlarged kScale times.
void DrawRows(HDC dc, int x, int y, int width, int height, const uint8_t* rows) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(dc, x, y, width * kScale, height * kScale, 0, 0, width, height, rows, &info, DIB_RGB_COLORS,
                  SRCCOPY);
}

// ImageMagick's unpadded red-green-blue pixels as the rows DrawRows takes.
std::vector<uint8_t> AsDibRows(const std::vector<uint8_t>& rgb, int width, int height) {
    const size_t rowBytes = (size_t(width) * 3 + 3) & ~size_t{3};
    std::vector<uint8_t> rows(rowBytes * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) {
                const size_t from = (size_t(y) * width + x) * 3 + c;
                if (from < rgb.size()) rows[rowBytes * y + x * 3 + 2 - c] = rgb[from];
            }
    return rows;
}

// Each disposal method's frames as this decoder composes them, with ImageMagick's below, for people
// to compare: disposal-gallery.png beside the test program.
TEST(GifOracleTest, DisposalGallery) {
    const std::wstring folder = kxtest::EnvironmentPath(L"KX_GIF_CORPUS");
    ASSERT_FALSE(folder.empty());
    const wchar_t* names[] = {L"dispose-undefined", L"dispose-none", L"dispose-background", L"dispose-previous"};
    constexpr int kFrames = 3, kW = 40 * kScale, kH = 30 * kScale, kMargin = 10, kLabel = 130;
    const int rows = 2 * static_cast<int>(std::size(names));
    kxtest::Canvas gallery(kLabel + kFrames * (kW + kMargin) + kMargin, rows * (kH + kMargin) + kMargin, 32,
                           RGB(0xE0, 0xE0, 0xE0));
    SetBkMode(gallery.dc(), TRANSPARENT);
    int row = 0;
    for (const wchar_t* name : names) {
        const int top = kMargin + row * (kH + kMargin);
        TextOutW(gallery.dc(), kMargin, top, name, static_cast<int>(wcslen(name)));
        TextOutW(gallery.dc(), kMargin, top + 18, L"Korvix32", 8);
        TextOutW(gallery.dc(), kMargin, top + kH + kMargin, L"ImageMagick", 11);
        kx::GifDecoder decoder;
        decoder.Reset();
        decoder.Open(std::make_unique<kx::MemoryByteSource>(ReadWholeFile(folder + L"\\" + name + L".gif")));
        for (int frame = 0; frame < kFrames && decoder.MoveNext(); ++frame) {
            const kx::GifCanvas& canvas = decoder.Canvas();
            const int left = kLabel + frame * (kW + kMargin);
            DrawRows(gallery.dc(), left, top, canvas.Width(), canvas.Height(), canvas.Display());
            const std::vector<uint8_t> theirs = AsDibRows(
                ReadWholeFile(folder + L"\\" + name + L"-" + std::to_wstring(frame) + L".rgb"), canvas.Width(),
                canvas.Height());
            DrawRows(gallery.dc(), left, top + kH + kMargin, canvas.Width(), canvas.Height(), theirs.data());
        }
        row += 2;
    }
    GdiFlush();
    HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(gallery.dc(), OBJ_BITMAP));
    EXPECT_TRUE(kxtest::SavePng(picture, kxtest::BesideThisProgram(L"disposal-gallery.png")));
}

}  // namespace
