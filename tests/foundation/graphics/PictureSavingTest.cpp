#include <gtest/gtest.h>

#include <olectl.h>
#include <shlwapi.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ColorIndexing.h"
#include "ErrorInfo.h"
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

// A picture file read back through OLE's picture loader, which reads BMP, GIF and JPEG.
SIZE OlePictureSize(const std::wstring& path) {
    const std::string bytes = FileBytes(path, 1 << 20);
    IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    if (!stream) return {};
    IPicture* picture = nullptr;
    SIZE size = {};
    if (SUCCEEDED(OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture)))) {
        size = kx::BitmapSize(kx::PictureHandle(picture));
        picture->Release();
    }
    stream->Release();
    return size;
}

// The error number a save fails with; 0 when it succeeds.
int SaveError(const std::wstring& path, IPicture* picture, const std::wstring& mime, short bitCount,
              kx::GdiplusStarter start = &kx::StartGdiplus) {
    try {
        kx::SavePictureFile(path, 90, picture, mime, bitCount, start);
        return 0;
    } catch (const kx::Error& e) {
        return e.number;
    }
}

class PictureSaving : public ::testing::Test {
protected:
    // The first screen device context and GDI+ session of a process keep objects of their own for good.
    static void SetUpTestSuite() {
        const ScratchFolder folder;
        SaveError(folder.File(L"warm-up.gif"), BandedPicture(5, 5).get(), L"image/gif", 32);
    }
    void SetUp() override { ASSERT_TRUE(kx::StartGdiplus(token_)); }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

    ScratchFolder folder_;

private:
    ULONG_PTR token_ = 0;
};

// Every format at every bit count opens again in the platform's decoders, upright, at its size.
TEST_F(PictureSaving, EachTypeAndBitCountDecodesAgainUprightAtItsSize) {
    struct Format {
        const wchar_t* mime;
        const char* signature;
        bool olePicture;        // OLE's loader reads it too
        int edgeRows, tolerance;  // JPEG blurs the band edges
    };
    const Format formats[] = {
        {L"image/jpeg", "\xFF\xD8", true, 8, 24},
        {L"image/gif", "GIF8", true, 0, 0},
        {L"image/bmp", "BM", true, 0, 0},
        {L"image/tiff", "II*", false, 0, 0},
    };
    struct Shape {
        int width, height;
    };
    const Shape shapes[] = {{100, 50}, {33, 7}};  // the second has rows padded to 4 bytes
    for (const Format& f : formats) {
        for (const short bitCount : {16, 24, 32}) {
            for (const Shape& shape : shapes) {
                SCOPED_TRACE(testing::Message() << "mime " << std::string(f.mime, f.mime + wcslen(f.mime)) << ", "
                                                << bitCount << " bits, " << shape.width << " x " << shape.height);
                const kx::PictureRef picture = BandedPicture(shape.width, shape.height);
                const std::wstring path = folder_.File(L"saved");
                ASSERT_EQ(0, SaveError(path, picture.get(), f.mime, bitCount));
                EXPECT_EQ(f.signature, FileBytes(path, strlen(f.signature)));
                const DecodedImage image(path);
                ASSERT_TRUE(image.loaded());
                EXPECT_EQ(shape.width, image.size().cx);
                EXPECT_EQ(shape.height, image.size().cy);
                const int tolerance = f.tolerance + (bitCount == 16 ? 8 : 0);  // five bits per channel
                EXPECT_LE(ChannelDistance(kTop, image.At(shape.width / 2, 0)), 40) << "top row";
                EXPECT_LE(ChannelDistance(kBottom, image.At(shape.width / 2, shape.height - 1)), 40) << "bottom row";
                EXPECT_LE(image.LargestDistanceFromBands(f.edgeRows), tolerance);
                if (f.olePicture) {
                    const SIZE size = OlePictureSize(path);
                    EXPECT_EQ(shape.width, size.cx);
                    EXPECT_EQ(shape.height, size.cy);
                }
            }
        }
    }
}

// More colours than a GIF palette holds: each comes back as the nearest colour of the 6 x 6 x 6 cube.
TEST_F(PictureSaving, ARichPictureSavedAsGifKeepsEveryColourWithinHalfACubeStep) {
    constexpr int kSide = 64;
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) pixels.push_back(RGB(x * 4, y * 4, 128));
    const kx::PictureRef picture = kx::PictureFromBitmap(Dib(kSide, kSide, 32, pixels).Release(), nullptr);
    const std::wstring path = folder_.File(L"rich.gif");
    ASSERT_EQ(0, SaveError(path, picture.get(), L"image/gif", 32));
    const DecodedImage image(path);
    ASSERT_TRUE(image.loaded());
    int largest = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            largest = std::max(largest, ChannelDistance(pixels[y * kSide + x], image.At(x, y)));
    EXPECT_LE(largest, 26);
}

TEST_F(PictureSaving, ABitmapFileKeepsTheBitCount) {
    for (const short bitCount : {16, 24, 32}) {
        const kx::PictureRef picture = BandedPicture(10, 10);
        const std::wstring path = folder_.File(L"depth" + std::to_wstring(bitCount) + L".bmp");
        ASSERT_EQ(0, SaveError(path, picture.get(), L"image/bmp", bitCount));
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
    const std::wstring path = folder_.File(L"capitals.gif");
    EXPECT_EQ(0, SaveError(path, picture.get(), L"IMAGE/GIF", 32));
    EXPECT_TRUE(DecodedImage(path).loaded());
}

// A save that cannot make a readable file fails with a number and leaves the file as it was: a new one
// absent, an old one untouched.
TEST_F(PictureSaving, FailuresRaiseTheirNumberAndLeaveTheFileAsItWas) {
    const HICON icon = CreateIcon(nullptr, 8, 8, 1, 1, std::vector<BYTE>(16, 0xFF).data(), std::vector<BYTE>(16).data());
    PICTDESC iconDesc = {sizeof(PICTDESC), PICTYPE_ICON};
    iconDesc.icon.hicon = icon;
    IPicture* iconPicture = nullptr;
    ASSERT_EQ(S_OK, OleCreatePictureIndirect(&iconDesc, IID_IPicture, TRUE, reinterpret_cast<void**>(&iconPicture)));
    const kx::PictureRef noBitmaps[] = {kx::PictureRef(iconPicture), kx::PictureFromBitmap(nullptr, nullptr)};
    const kx::PictureRef banded = BandedPicture(8, 8);
    struct Case {
        const char* name;
        IPicture* picture;
        const wchar_t* mime;
        short bitCount;
        int error;
    };
    const Case cases[] = {
        {"an icon has no bitmap of its own", noBitmaps[0].get(), L"image/jpeg", 32, kx::kErrInvalidPicture},
        {"a picture without a bitmap", noBitmaps[1].get(), L"image/jpeg", 32, kx::kErrInvalidPicture},
        {"no picture", nullptr, L"image/jpeg", 32, kx::kErrInvalidPicture},
        {"an unknown MIME type", banded.get(), L"image/x-none", 32, kx::kErrInvalidCall},
        {"an empty MIME type", banded.get(), L"", 32, kx::kErrInvalidCall},
        {"a MIME type with a blank", banded.get(), L"image/jpeg ", 32, kx::kErrInvalidCall},
        // Depths below 16 bits would read a colour table the header does not carry.
        {"0 bits", banded.get(), L"image/bmp", 0, kx::kErrInvalidCall},
        {"8 bits", banded.get(), L"image/gif", 8, kx::kErrInvalidCall},
        {"15 bits", banded.get(), L"image/bmp", 15, kx::kErrInvalidCall},
        {"33 bits", banded.get(), L"image/bmp", 33, kx::kErrInvalidCall},
        {"-32 bits", banded.get(), L"image/bmp", -32, kx::kErrInvalidCall},
    };
    const DWORD before = GdiObjectCount();
    for (const Case& c : cases) {
        const std::wstring fresh = folder_.File(L"fresh"), old = folder_.File(L"old");
        std::ofstream(std::filesystem::path(old), std::ios::binary) << "old";
        EXPECT_EQ(c.error, SaveError(fresh, c.picture, c.mime, c.bitCount)) << c.name;
        EXPECT_EQ(c.error, SaveError(old, c.picture, c.mime, c.bitCount)) << c.name;
        EXPECT_FALSE(FileExists(fresh)) << c.name;
        EXPECT_EQ("old", FileBytes(old, 10)) << c.name;
    }
    EXPECT_EQ(before, GdiObjectCount());
    CLSID untouched = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}}, clsid = untouched;
    EXPECT_EQ(-1, kx::FindEncoderClsid(L"image/x-none", clsid));
    EXPECT_TRUE(IsEqualCLSID(untouched, clsid));
}

bool FailingStart(ULONG_PTR& token) {
    token = 0;
    return false;
}

TEST_F(PictureSaving, AFailedStartOfGdiplusWritesNothingAndReleasesEverything) {
    const kx::PictureRef picture = BandedPicture(40, 20);
    const DWORD before = GdiObjectCount();
    const std::wstring path = folder_.File(L"nostart.jpg");
    EXPECT_EQ(kx::kErrInvalidCall, SaveError(path, picture.get(), L"image/jpeg", 32, &FailingStart));
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(before, GdiObjectCount());
    // This test's own session is still running: encoders are still there.
    CLSID clsid = {};
    EXPECT_GT(kx::FindEncoderClsid(L"image/jpeg", clsid), 0);
}

TEST_F(PictureSaving, ASaveReleasesItsObjects) {
    const kx::PictureRef picture = BandedPicture(40, 20);
    const DWORD before = GdiObjectCount();
    EXPECT_EQ(0, SaveError(folder_.File(L"a.bmp"), picture.get(), L"image/bmp", 24));
    EXPECT_EQ(0, SaveError(folder_.File(L"a.gif"), picture.get(), L"image/gif", 16));
    EXPECT_EQ(before, GdiObjectCount());
}

TEST_F(PictureSaving, AnUnwritablePathFailsWithTheFileErrors) {
    const kx::PictureRef picture = BandedPicture(8, 8);
    const std::wstring path = folder_.File(L"missing\\folder\\a.jpg");
    EXPECT_EQ(kx::kErrPathNotFound, SaveError(path, picture.get(), L"image/jpeg", 32));
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(kx::kErrPermissionDenied, SaveError(folder_.path(), picture.get(), L"image/jpeg", 32))
        << "a folder of that name";
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

// Up to 256 colours keep their values; one more and every pixel takes its nearest colour of the cube.
TEST(ColorIndexing, ExactPaletteUpTo256ColoursThenTheCube) {
    std::vector<std::uint32_t> pixels;
    for (std::uint32_t i = 0; i < 256; ++i) pixels.push_back(0xFF000000 | i << 8 | (255 - i));
    pixels.push_back(pixels.front());
    kx::IndexedPixels exact = kx::IndexColors(pixels);
    ASSERT_EQ(256u, exact.palette.size());
    ASSERT_EQ(pixels.size(), exact.indices.size());
    for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(pixels[i] & 0xFFFFFF, exact.palette[exact.indices[i]]);
    EXPECT_EQ(exact.indices.front(), exact.indices.back()) << "a colour seen again keeps its index";

    pixels.push_back(0x123456);
    const kx::IndexedPixels cube = kx::IndexColors(pixels);
    ASSERT_EQ(216u, cube.palette.size());
    ASSERT_EQ(pixels.size(), cube.indices.size());
    const struct {
        std::uint32_t pixel, nearest;
    } cases[] = {{0x000000, 0x000000}, {0xFFFFFF, 0xFFFFFF}, {0x192633, 0x003333}, {0x1A1A1A, 0x333333},
                 {0x80FF00, 0x99FF00}, {0x123456, 0x003366}};
    for (const auto& c : cases) {
        pixels.back() = c.pixel;
        const kx::IndexedPixels mapped = kx::IndexColors(pixels);
        EXPECT_EQ(c.nearest, mapped.palette[mapped.indices.back()]) << std::hex << c.pixel;
    }
}

}  // namespace
