#include <gtest/gtest.h>

#include <olectl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "PictureObjects.h"
#include "PictureSaving.h"
#include "TestSupport.h"

namespace {

using kxtest::Dib;
using kxtest::GdiObjectCount;
using kxtest::ScratchFolder;

constexpr COLORREF kTop = RGB(220, 30, 30);
constexpr COLORREF kMiddle = RGB(250, 250, 250);
constexpr COLORREF kBottom = RGB(30, 30, 220);

// A picture whose top rows, middle and bottom rows differ, so a picture upside down shows.
kx::PictureRef BandedPicture(int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(y < height / 5 ? kTop : y >= height * 4 / 5 ? kBottom : kMiddle);
    Dib dib(width, height, 32, pixels);
    return kx::PictureFromBitmap(dib.Release(), nullptr);
}

COLORREF ExpectedBand(int y, int height) { return y < height / 5 ? kTop : y >= height * 4 / 5 ? kBottom : kMiddle; }

int ChannelDistance(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

bool RunsOnWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// The logical screen size at the start of a GIF file: width and height, 16 bits each, low byte first.
std::string GifScreenSize(int width, int height) {
    return {static_cast<char>(width & 255), static_cast<char>(width >> 8), static_cast<char>(height & 255),
            static_cast<char>(height >> 8)};
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string FileBytes(const std::wstring& path, size_t count) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::string bytes(count, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return bytes;
}

// A picture file read back through GDI+.
class DecodedImage {
public:
    explicit DecodedImage(const std::wstring& path) { Gdiplus::DllExports::GdipLoadImageFromFile(path.c_str(), &image_); }
    ~DecodedImage() {
        if (image_) Gdiplus::DllExports::GdipDisposeImage(image_);
    }
    DecodedImage(const DecodedImage&) = delete;
    DecodedImage& operator=(const DecodedImage&) = delete;

    bool loaded() const { return image_ != nullptr; }
    SIZE size() const {
        UINT width = 0, height = 0;
        Gdiplus::DllExports::GdipGetImageWidth(image_, &width);
        Gdiplus::DllExports::GdipGetImageHeight(image_, &height);
        return {static_cast<LONG>(width), static_cast<LONG>(height)};
    }
    COLORREF At(int x, int y) const {
        Gdiplus::ARGB argb = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(image_), x, y, &argb);
        return RGB((argb >> 16) & 255, (argb >> 8) & 255, argb & 255);
    }
    // The largest channel difference from the banded picture, leaving out rows near the band edges.
    int LargestDistanceFromBands(int edgeRows) const {
        const SIZE s = size();
        const auto nearEdge = [&](int y) {
            for (const int edge : {static_cast<int>(s.cy / 5), static_cast<int>(s.cy * 4 / 5)})
                if (y >= edge - edgeRows && y < edge + edgeRows) return true;
            return false;
        };
        int largest = 0;
        for (int y = 0; y < s.cy; ++y)
            for (int x = 0; x < s.cx && !nearEdge(y); ++x)
                largest = std::max(largest, ChannelDistance(At(x, y), ExpectedBand(y, s.cy)));
        return largest;
    }

private:
    Gdiplus::GpImage* image_ = nullptr;
};

class PictureSaving : public ::testing::Test {
protected:
    // The first screen device context and GDI+ session of a process keep objects of their own for good.
    static void SetUpTestSuite() {
        const ScratchFolder folder;
        kx::SavePictureFile(folder.File(L"warm-up.jpg"), 90, BandedPicture(5, 5).get(), L"image/jpeg", 32);
    }
    void SetUp() override { ASSERT_TRUE(kx::StartGdiplus(token_)); }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

    ScratchFolder folder_;

private:
    ULONG_PTR token_ = 0;
};

TEST_F(PictureSaving, EachTypeDecodesAgainUprightAtItsSize) {
    struct Case {
        const wchar_t* mime;
        short bitCount;
        int width, height;
        const char* signature;
        int edgeRows, tolerance;  // JPEG blurs the band edges
    };
    const Case cases[] = {
        {L"image/jpeg", 32, 100, 50, "\xFF\xD8", 8, 24},
        {L"image/jpeg", 24, 100, 50, "\xFF\xD8", 8, 24},
        {L"image/gif", 32, 100, 50, "GIF8", 0, 0},
        {L"image/bmp", 32, 100, 50, "BM", 0, 0},
        {L"image/bmp", 24, 33, 7, "BM", 0, 0},  // rows padded to 4 bytes
        {L"image/bmp", 16, 33, 7, "BM", 0, 8},  // five bits per channel
        {L"image/tiff", 24, 100, 50, "II*", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mime " << std::string(c.mime, c.mime + wcslen(c.mime)) << ", "
                                        << c.bitCount << " bits, " << c.width << " x " << c.height);
        const kx::PictureRef picture = BandedPicture(c.width, c.height);
        const std::wstring path = folder_.File(L"saved" + std::to_wstring(&c - cases));
        EXPECT_TRUE(kx::SavePictureFile(path, 90, picture.get(), c.mime, c.bitCount));
        EXPECT_EQ(c.signature, FileBytes(path, strlen(c.signature)));
        if (RunsOnWine() && std::wstring(c.mime) == L"image/gif") {
            // Wine's GIF encoder writes a frame without pixels for a bitmap that has no palette: only the size.
            EXPECT_EQ(GifScreenSize(c.width, c.height), FileBytes(path, 10).substr(6));
            continue;
        }
        const DecodedImage image(path);
        ASSERT_TRUE(image.loaded());
        EXPECT_EQ(c.width, image.size().cx);
        EXPECT_EQ(c.height, image.size().cy);
        EXPECT_LE(ChannelDistance(kTop, image.At(c.width / 2, 0)), 40) << "top row";
        EXPECT_LE(ChannelDistance(kBottom, image.At(c.width / 2, c.height - 1)), 40) << "bottom row";
        EXPECT_LE(image.LargestDistanceFromBands(c.edgeRows), c.tolerance);
    }
}

TEST_F(PictureSaving, ABitmapFileKeepsTheBitCount) {
    for (const short bitCount : {16, 24, 32}) {
        const kx::PictureRef picture = BandedPicture(10, 10);
        const std::wstring path = folder_.File(L"depth" + std::to_wstring(bitCount) + L".bmp");
        ASSERT_TRUE(kx::SavePictureFile(path, 100, picture.get(), L"image/bmp", bitCount));
        const std::string header = FileBytes(path, 30);
        ASSERT_EQ(30u, header.size());
        EXPECT_EQ(bitCount, static_cast<BYTE>(header[28]) | static_cast<BYTE>(header[29]) << 8);
    }
}

TEST_F(PictureSaving, MimeTypesMatchWithoutRegardToCase) {
    for (const wchar_t* mime : {L"image/jpeg", L"image/gif", L"image/bmp", L"image/tiff"}) {
        CLSID small = {}, capital = {};
        const long position = kx::FindEncoderClsid(mime, small);
        std::wstring upper(mime);
        CharUpperW(upper.data());
        EXPECT_GT(position, 0);
        EXPECT_EQ(position, kx::FindEncoderClsid(upper, capital));
        EXPECT_TRUE(IsEqualCLSID(small, capital));
    }
    const kx::PictureRef picture = BandedPicture(100, 50);
    const std::wstring path = folder_.File(L"capitals.jpg");
    EXPECT_TRUE(kx::SavePictureFile(path, 90, picture.get(), L"IMAGE/JPEG", 32));
    EXPECT_EQ("\xFF\xD8", FileBytes(path, 2));
}

TEST_F(PictureSaving, AnUnknownMimeTypeFindsNoEncoderAndWritesNothing) {
    const CLSID untouched = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    for (const wchar_t* mime : {L"image/x-none", L"", L"image/jpeg "}) {
        CLSID clsid = untouched;
        EXPECT_EQ(-1, kx::FindEncoderClsid(mime, clsid));
        EXPECT_TRUE(IsEqualCLSID(untouched, clsid));
        const kx::PictureRef picture = BandedPicture(8, 8);
        const std::wstring path = folder_.File(L"unknown");
        EXPECT_FALSE(kx::SavePictureFile(path, 90, picture.get(), mime, 32));
        EXPECT_FALSE(FileExists(path));
    }
}

// An icon has no bitmap of its own, and a picture may hold no bitmap at all.
TEST_F(PictureSaving, PicturesWithoutBitmapPixelsWriteNothingAndLeakNothing) {
    const HICON icon = CreateIcon(nullptr, 8, 8, 1, 1, std::vector<BYTE>(16, 0xFF).data(), std::vector<BYTE>(16).data());
    PICTDESC iconDesc = {sizeof(PICTDESC), PICTYPE_ICON};
    iconDesc.icon.hicon = icon;
    IPicture* iconPicture = nullptr;
    ASSERT_EQ(S_OK, OleCreatePictureIndirect(&iconDesc, IID_IPicture, TRUE, reinterpret_cast<void**>(&iconPicture)));
    const kx::PictureRef pictures[] = {kx::PictureRef(iconPicture), kx::PictureFromBitmap(nullptr, nullptr)};
    const DWORD before = GdiObjectCount();
    for (const auto& picture : pictures) {
        ASSERT_TRUE(picture);
        const std::wstring path = folder_.File(L"empty.jpg");
        EXPECT_FALSE(kx::SavePictureFile(path, 90, picture.get(), L"image/jpeg", 32));
        EXPECT_FALSE(FileExists(path));
    }
    EXPECT_FALSE(kx::SavePictureFile(folder_.File(L"none.jpg"), 90, nullptr, L"image/jpeg", 32));
    EXPECT_EQ(before, GdiObjectCount());
}

// Depths below 16 bits would read a colour table the header does not carry.
TEST_F(PictureSaving, BitCountsThatNeedAColourTableWriteNothing) {
    for (const short bitCount : {0, 1, 4, 8, 15, 33, -32}) {
        const kx::PictureRef picture = BandedPicture(8, 8);
        const std::wstring path = folder_.File(L"depth.bmp");
        EXPECT_FALSE(kx::SavePictureFile(path, 90, picture.get(), L"image/bmp", bitCount)) << bitCount;
        EXPECT_FALSE(FileExists(path)) << bitCount;
    }
}

bool FailingStart(ULONG_PTR& token) {
    token = 0;
    return false;
}

TEST_F(PictureSaving, AFailedStartOfGdiplusWritesNothingAndReleasesEverything) {
    const kx::PictureRef picture = BandedPicture(40, 20);
    const DWORD before = GdiObjectCount();
    const std::wstring path = folder_.File(L"nostart.jpg");
    EXPECT_FALSE(kx::SavePictureFile(path, 90, picture.get(), L"image/jpeg", 32, &FailingStart));
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(before, GdiObjectCount());
    // This test's own session is still running: encoders are still there.
    CLSID clsid = {};
    EXPECT_GT(kx::FindEncoderClsid(L"image/jpeg", clsid), 0);
}

TEST_F(PictureSaving, ASaveReleasesItsObjects) {
    const kx::PictureRef picture = BandedPicture(40, 20);
    const DWORD before = GdiObjectCount();
    EXPECT_TRUE(kx::SavePictureFile(folder_.File(L"a.bmp"), 90, picture.get(), L"image/bmp", 24));
    EXPECT_EQ(before, GdiObjectCount());
}

TEST_F(PictureSaving, AnUnwritablePathWritesNothing) {
    const kx::PictureRef picture = BandedPicture(8, 8);
    const std::wstring path = folder_.File(L"missing\\folder\\a.jpg");
    EXPECT_FALSE(kx::SavePictureFile(path, 90, picture.get(), L"image/jpeg", 32));
    EXPECT_FALSE(FileExists(path));
}

TEST(PictureSavingText, GuidsAndWideStrings) {
    const GUID quality = kx::GuidFromString(L"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}");
    EXPECT_EQ(0x1D5BE4B5u, quality.Data1);
    EXPECT_EQ(0xFA4A, quality.Data2);
    EXPECT_EQ(0xEB, quality.Data4[7]);
    EXPECT_TRUE(IsEqualGUID(GUID{}, kx::GuidFromString(L"not a guid")));
    EXPECT_EQ(L"", kx::StringFromWidePointer(nullptr));
    EXPECT_EQ(L"", kx::StringFromWidePointer(L""));
    EXPECT_EQ(L"image/gif", kx::StringFromWidePointer(L"image/gif"));
}

}  // namespace
