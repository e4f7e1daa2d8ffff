// The decoder's composed frames against ImageMagick's, byte for byte, on files ImageMagick made
// (the gif_corpus fixture).
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "GifDecoder.h"
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
        {L"interlaced", 1, false},        {L"transparent", 2, false}, {L"dispose-background", 3, false},
        {L"dispose-previous", 3, true},
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

}  // namespace
