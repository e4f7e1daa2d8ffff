#include <gtest/gtest.h>

#include <olectl.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "ClassicRuntime.h"
#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "GdiTestSupport.h"

namespace {

using kxtest::Dib;
using kxtest::GdiObjectCount;

constexpr COLORREF kBackground = 0x00336699;
constexpr COLORREF kMagenta = 0x00FF00FF;

// The error number a call throws, 0 when it returns.
int ThrownError(const std::function<void()>& call) {
    try {
        call();
    } catch (const kx::Error& e) {
        return e.number;
    }
    return 0;
}

struct Canvas : kxtest::Canvas {
    explicit Canvas(int width, int height, int bitsPerPixel = 32, COLORREF background = kBackground)
        : kxtest::Canvas(width, height, bitsPerPixel, background) {}
    std::string MismatchesFromBackground() const {
        return Mismatches([](int, int) { return kBackground; });
    }
};

int ChannelDistance(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

COLORREF GrayOf(COLORREF c) {
    const BYTE gray = static_cast<BYTE>((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3);
    return RGB(gray, gray, gray);
}

// A 6 x 4 icon: the left three columns transparent (black in its colour bitmap), the right three coloured.
class TestIcon {
public:
    TestIcon() {
        const WORD maskRows[4] = {0x00E0, 0x00E0, 0x00E0, 0x00E0};  // 1 = transparent; rows are word-aligned
        const HBITMAP mask = CreateBitmap(6, 4, 1, 1, maskRows);
        const Dib color(6, 4, 24, Pixels());
        ICONINFO info = {TRUE, 0, 0, mask, color.bitmap()};
        icon_ = CreateIconIndirect(&info);
        DeleteObject(mask);
    }
    ~TestIcon() {
        if (icon_) DestroyIcon(icon_);
    }
    TestIcon(const TestIcon&) = delete;
    TestIcon& operator=(const TestIcon&) = delete;
    HICON icon() const { return icon_; }
    HICON Release() { return std::exchange(icon_, nullptr); }

    static bool Transparent(int x) { return x < 3; }
    static std::vector<COLORREF> Pixels() {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x) pixels.push_back(Transparent(x) ? 0 : RGB(40 * x, 60 * y, 200));
        return pixels;
    }

private:
    HICON icon_ = nullptr;
};

struct ReleasePicture {
    void operator()(IPicture* picture) const { picture->Release(); }
};
using Picture = std::unique_ptr<IPicture, ReleasePicture>;

// A picture that owns the bitmap or icon of desc.
Picture PictureOf(PICTDESC desc) {
    desc.cbSizeofstruct = sizeof desc;
    IPicture* picture = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPicture, TRUE, reinterpret_cast<void**>(&picture));
    return Picture(picture);
}

Picture IconPicture(HICON icon) {
    PICTDESC desc = {sizeof desc, PICTYPE_ICON};
    desc.icon.hicon = icon;
    return PictureOf(desc);
}

HGDIOBJ HandleOf(IPicture* picture) {
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    return reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

// The pixels of a picture's bottom-up DIB section, row by row from the top, checked for size and depth.
std::vector<COLORREF> PicturePixels(IPicture* picture, int width, int height, int bitsPerPixel) {
    DIBSECTION section = {};
    EXPECT_EQ(static_cast<int>(sizeof section), GetObjectW(HandleOf(picture), sizeof section, &section));
    const BITMAP& bitmap = section.dsBm;
    EXPECT_EQ((std::vector<LONG>{width, height, bitsPerPixel}),
              (std::vector<LONG>{bitmap.bmWidth, bitmap.bmHeight, bitmap.bmBitsPixel}));
    std::vector<COLORREF> pixels;
    if (bitmap.bmWidth != width || bitmap.bmHeight != height || !bitmap.bmBits) return pixels;
    const int bytes = bitsPerPixel / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const BYTE* row = static_cast<const BYTE*>(bitmap.bmBits) + (height - 1 - y) * bitmap.bmWidthBytes;
            const BYTE* p = row + x * bytes;
            pixels.push_back(bytes >= 3 ? RGB(p[2], p[1], p[0]) : p[0]);
        }
    return pixels;
}

// ---- Colour arithmetic ---------------------------------------------------------------------------------------

TEST(ColorArithmetic, SplitColorTranslatesIntoTheCallersVariable) {
    const long buttonFace = static_cast<long>(GetSysColor(COLOR_BTNFACE));
    struct Case {
        long color, written;
        short red, green, blue;
    } cases[] = {
        {0x00102030, 0x00102030, 0x30, 0x20, 0x10},
        {static_cast<long>(0x8000000F), buttonFace, GetRValue(buttonFace), GetGValue(buttonFace),
         GetBValue(buttonFace)},
        {0x12345678, -1, 255, 0, 0},  // no such colour: the failed translation splits as -1
    };
    for (const auto& c : cases) {
        long color = c.color;
        short red = -7, green = -7, blue = -7;
        kx::SplitColor(color, red, green, blue);
        EXPECT_EQ(c.written, color) << std::hex << c.color;
        EXPECT_EQ((std::vector<short>{c.red, c.green, c.blue}), (std::vector<short>{red, green, blue}))
            << std::hex << c.color;
    }
}

TEST(ColorArithmetic, AdjustColorScalesOrMovesChannelsAndClamps) {
    const long buttonFace = static_cast<long>(GetSysColor(COLOR_BTNFACE));
    struct Case {
        long color;
        short red, green, blue;
        bool percent;
        long expected, written;
    } cases[] = {
        {0x00808080, 50, 50, 50, true, 0x00404040, 0x00808080},
        {0x000005FF, 50, 50, 50, true, 0x00000280, 0x000005FF},  // 127.5 -> 128, 2.5 -> 2
        {0x00808080, -200, -200, -200, false, 0x00000000, 0x00808080},
        {0x00808080, 200, 200, 200, false, 0x00FFFFFF, 0x00808080},
        {0x00102030, 1, 2, 3, false, 0x00132231, 0x00102030},
        {0x00FFFF00, 32767, 100, 100, true, 0x00FFFF00, 0x00FFFF00},  // 327.67 x a zero channel fits
        {0x00000000, -32768, 0, 0, false, 0x00000000, 0x00000000},
        {static_cast<long>(0x8000000F), 0, 0, 0, false, buttonFace, buttonFace},
        {0x12345678, 0, 0, 0, false, 0x000000FF, -1},
    };
    for (const auto& c : cases) {
        long color = c.color;
        EXPECT_EQ(c.expected, kx::AdjustColor(color, c.red, c.green, c.blue, c.percent)) << std::hex << c.color;
        EXPECT_EQ(c.written, color) << std::hex << c.color;
    }
}

TEST(ColorArithmetic, AdjustColorOverflowsOutsideSixteenBits) {
    struct Case {
        short amount;
        bool percent;
    } cases[] = {{32767, false}, {32767, true}, {-32768, true}};
    for (const auto& c : cases) {
        long color = 0x000000FF;
        EXPECT_EQ(kx::kErrOverflow, ThrownError([&] { kx::AdjustColor(color, c.amount, 0, 0, c.percent); }))
            << c.amount << " " << c.percent;
    }
}

TEST(ColorArithmetic, ColorOffsetTranslatesShiftsAndClamps) {
    struct Case {
        long color, offset, expected;
    } cases[] = {
        {0x00102030, 16, 0x00203040},
        {0x00FFFFFF, 10, 0x00FFFFFF},
        {0x00000000, -10, 0x00000000},
        {0x00FF0080, -0x80, 0x007F0000},
        {0x00000000, 2147483647, 0x00FFFFFF},
        {0x12345678, 0, 0x00FFFFFF},  // failed translation: 255, 255, 255
        {static_cast<long>(0x80000005), 0, static_cast<long>(GetSysColor(COLOR_WINDOW))},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, kx::ColorOffset(c.color, c.offset)) << std::hex << c.color;
    EXPECT_EQ(kx::kErrOverflow, ThrownError([] { kx::ColorOffset(0x000000FF, 2147483647); }));
}

TEST(ColorArithmetic, LightenColorMovesTowardWhiteWithoutTranslating) {
    struct Case {
        long color, amount, expected;
    } cases[] = {
        {0x00000000, 255, 0x00FFFFFF},
        {0x00FF0000, 0, 0x00FF0000},
        {0x0000FF00, 128, 0x0080FF80},
        {0x00000064, 50, 0x00323282},  // 100 * 205 \ 255 = 80 (truncated), + 50
        {0x00000000, 300, 0x00FFFFFF},  // upper clamp
        {0x00000000, -10, -10 - 2560 - 655360},  // no lower clamp
        {0x00000000, 2147483647, 0x00FFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, kx::LightenColor(c.color, c.amount)) << std::hex << c.color << " " << c.amount;
    EXPECT_EQ(kx::kErrOverflow, ThrownError([] { kx::LightenColor(0, -2147483647); }));
    EXPECT_EQ(kx::kErrOverflow, ThrownError([] { kx::LightenColor(0x000000FF, 2147483647); }));
}

TEST(ColorArithmetic, MixColorsRoundsHalvesToEven) {
    struct Case {
        long first, second, expected;
    } cases[] = {
        {0x00000000, 0x00FFFFFF, 0x00808080},
        {0x00000201, 0x00000302, 0x00000202},  // 1.5 -> 2, 2.5 -> 2
        {0x00000001, 0x00000000, 0x00000000},  // 0.5 -> 0
        {0x00102030, 0x00102030, 0x00102030},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, kx::MixColors(c.first, c.second)) << std::hex << c.first;
}

// ---- Drawing: every routine leaves the process's GDI object count as it found it -----------------------------

class Drawing : public ::testing::Test {
protected:
    // The platform makes some objects once per process (display driver, icon support): let it first.
    static void SetUpTestSuite() {
        DeleteDC(CreateCompatibleDC(nullptr));
        TestIcon icon;
        const Picture picture = IconPicture(icon.Release());
    }
    void SetUp() override { before_ = GdiObjectCount(); }
    void TearDown() override { EXPECT_EQ(before_, GdiObjectCount()) << "GDI objects leaked"; }

private:
    DWORD before_ = 0;
};

TEST_F(Drawing, CountsGdiObjects) {
    const std::function<HGDIOBJ()> makers[] = {
        [] { return HGDIOBJ(CreateSolidBrush(0)); },
        [] { return HGDIOBJ(CreatePen(PS_SOLID, 1, 0)); },
        [] { return HGDIOBJ(CreateBitmap(2, 2, 1, 32, nullptr)); },
    };
    for (const auto& make : makers) {
        const DWORD before = GdiObjectCount();
        const HGDIOBJ object = make();
        EXPECT_EQ(before + 1, GdiObjectCount());
        DeleteObject(object);
        EXPECT_EQ(before, GdiObjectCount());
    }
    const DWORD before = GdiObjectCount();
    const HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(before + 1, GdiObjectCount());
    DeleteDC(dc);
}

TEST_F(Drawing, DrawFrameRectCoversBothCorners) {
    struct Case {
        long x, y, width, height;
    } cases[] = {{0, 0, 10, 5}, {3, 2, 4, 4}, {12, 9, -6, -4}};
    for (const auto& c : cases) {
        Canvas canvas(16, 12);
        kx::DrawFrameRect(canvas.dc(), c.x, c.y, c.width, c.height, 0x000000FF);
        const long left = std::min(c.x, c.x + c.width), right = std::max(c.x, c.x + c.width);
        const long top = std::min(c.y, c.y + c.height), bottom = std::max(c.y, c.y + c.height);
        EXPECT_EQ("", canvas.Mismatches([&](int x, int y) {
            const bool column = (x == left || x == right) && y >= top && y <= bottom;
            const bool row = (y == top || y == bottom) && x >= left && x <= right;
            return column || row ? 0x000000FF : kBackground;
        })) << c.x << "," << c.y << " " << c.width << "x" << c.height;
    }
}

TEST_F(Drawing, FillRectColorPaintsExactlyWidthByHeight) {
    struct Case {
        long x, y, width, height;
    } cases[] = {{2, 3, 4, 5}, {0, 0, 16, 12}, {5, 5, 0, 3}};
    for (const auto& c : cases) {
        Canvas canvas(16, 12, 24);
        kx::FillRectColor(canvas.dc(), c.x, c.y, c.width, c.height, 0x0000FF00);
        EXPECT_EQ("", canvas.Mismatches([&](int x, int y) {
            const bool inside = x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height;
            return inside ? 0x0000FF00 : kBackground;
        })) << c.x << "," << c.y << " " << c.width << "x" << c.height;
    }
}

TEST_F(Drawing, RectangleRoutinesOverflowBeforeDrawing) {
    Canvas canvas(4, 4);
    EXPECT_EQ(kx::kErrOverflow, ThrownError([&] { kx::DrawFrameRect(canvas.dc(), 2147483647, 0, 1, 1, 0); }));
    EXPECT_EQ(kx::kErrOverflow, ThrownError([&] { kx::FillRectColor(canvas.dc(), 0, -2147483647, 1, -2, 0); }));
    EXPECT_EQ("", canvas.MismatchesFromBackground());
}

TEST_F(Drawing, DrawGradientPutsTheFirstColourLeftOrTop) {
    const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
    struct Case {
        long first, second;
        bool vertical;
        COLORREF firstShown;
    } cases[] = {
        {0x000000FF, 0x00FF0000, false, 0x000000FF},
        {0x00FF0000, 0x000000FF, true, 0x00FF0000},
        {0x00FFFFFF, 0x00000000, false, 0x00FFFFFF},  // vertex channels carry the value in the high byte
        {static_cast<long>(0x8000000F), 0x00000000, true, buttonFace},
        {0x12345678, 0x00FFFFFF, false, 0x000000FF},  // failed translation draws red
    };
    for (const auto& c : cases) {
        Canvas canvas(64, 64);
        kx::DrawGradient(canvas.dc(), 0, 0, 64, 64, c.first, c.second, 255, 255, c.vertical);
        const COLORREF start = canvas.At(0, 0);
        const COLORREF end = c.vertical ? canvas.At(0, 63) : canvas.At(63, 0);
        const COLORREF across = c.vertical ? canvas.At(63, 0) : canvas.At(0, 63);
        EXPECT_LE(ChannelDistance(start, c.firstShown), 2) << std::hex << c.first << " got " << start;
        EXPECT_LE(ChannelDistance(end, kx::TranslateOleColor(c.second)), 8) << std::hex << c.second << " got " << end;
        EXPECT_EQ(start, across) << std::hex << c.first;
    }
}

// A 4 x 3 picture with magenta at its top-left corner and once more inside.
const std::vector<COLORREF> kPicture = {
    kMagenta,   0x00000080, 0x00008000, 0x00800000,  //
    0x00101010, 0x00202020, kMagenta,   0x00404040,  //
    0x00FFFFFF, 0x00000000, 0x00C0C0C0, 0x00123456,
};

TEST_F(Drawing, DrawFullPictureMasksScalesCropsAndWritesBack) {
    struct Case {
        const char* name;
        long x1, y1, x2, y2, mask, alpha;
        long maskAfter, alphaAfter;
        int scale;                     // pixels per picture pixel
        long shownWidth, shownHeight;  // 0: nothing shown
        bool masked;
    } cases[] = {
        {"own size", 5, 4, 0, 0, kx::kNoMask, 255, kx::kNoMask, 255, 1, 4, 3, false},
        {"corner mask", 5, 4, 0, 0, kx::kMaskFromCorner, 255, kMagenta, 255, 1, 4, 3, true},
        {"given mask", 5, 4, 0, 0, kMagenta, 255, kMagenta, 255, 1, 4, 3, true},
        {"alpha above 255", 5, 4, 0, 0, kx::kNoMask, 300, kx::kNoMask, 255, 1, 4, 3, false},
        {"alpha 0", 5, 4, 0, 0, kx::kNoMask, 0, kx::kNoMask, 0, 1, 0, 0, false},
        {"alpha below 0", 5, 4, 0, 0, kx::kNoMask, -5, kx::kNoMask, 0, 1, 0, 0, false},
        {"unmasked crops", 5, 4, 7, 6, kx::kNoMask, 255, kx::kNoMask, 255, 1, 2, 2, false},
        {"masked stretches", 2, 2, 10, 8, kMagenta, 255, kMagenta, 255, 2, 8, 6, true},
    };
    for (int bits : {24, 32}) {
        for (const auto& c : cases) {
            const Dib picture(4, 3, 24, kPicture, false);
            Canvas canvas(16, 12, bits);
            long mask = c.mask, alpha = c.alpha;
            kx::DrawFullPicture(canvas.dc(), picture.bitmap(), c.x1, c.y1, c.x2, c.y2, mask, alpha);
            EXPECT_EQ(c.maskAfter, mask) << c.name;
            EXPECT_EQ(c.alphaAfter, alpha) << c.name;
            EXPECT_EQ("", canvas.Mismatches([&](int x, int y) {
                const int dx = x - c.x1, dy = y - c.y1;
                if (dx < 0 || dy < 0 || dx >= c.shownWidth || dy >= c.shownHeight) return kBackground;
                const COLORREF color = kPicture[(dy / c.scale) * 4 + dx / c.scale];
                return c.masked && color == kMagenta ? kBackground : color;
            })) << c.name << " on " << bits << " bits";
        }
    }
}

TEST_F(Drawing, DrawFullPictureBlendsAtHalfAlpha) {
    const Dib white(2, 2, 24, std::vector<COLORREF>(4, 0x00FFFFFF));
    Canvas canvas(4, 4, 32, 0x00000000);
    long mask = kx::kNoMask, alpha = 128;
    kx::DrawFullPicture(canvas.dc(), white.bitmap(), 1, 1, 0, 0, mask, alpha);
    EXPECT_LE(ChannelDistance(canvas.At(1, 1), 0x00808080), 2) << std::hex << canvas.At(1, 1);
    EXPECT_EQ(0x00000000u, canvas.At(0, 0));
}

TEST_F(Drawing, DrawFullPictureOverflowsWithoutWritingBack) {
    const Dib picture(4, 3, 24, kPicture);
    Canvas canvas(4, 4);
    struct Case {
        long x1, x2;
    } cases[] = {{2147483647, 0}, {-2147483647, 5}};
    for (const auto& c : cases) {
        long mask = kx::kMaskFromCorner, alpha = 300;
        EXPECT_EQ(kx::kErrOverflow, ThrownError([&] {
                      kx::DrawFullPicture(canvas.dc(), picture.bitmap(), c.x1, 0, c.x2, 0, mask, alpha);
                  }));
        EXPECT_EQ(kx::kMaskFromCorner, mask);
        EXPECT_EQ(300, alpha);
    }
    EXPECT_EQ("", canvas.MismatchesFromBackground());
}

// A 3-pixel-wide 24-bit picture: each bottom-up row carries 3 padding bytes.
const std::vector<COLORREF> kColors = {
    0x00102030, 0x000000FF, 0x0000FFFF,  //
    0x00010203, 0x00FFFFFF, 0x00FE0000,  // last pixel of the last row: 254 / 3 truncates to 84
};

TEST_F(Drawing, DrawGrayScaleGraysEveryPixelOfABitmap) {
    struct Case {
        long left, top, width, height;
        int scale;
    } cases[] = {{2, 1, -1, -1, 1}, {0, 0, 6, 4, 2}};
    for (int bits : {24, 32}) {
        for (const auto& c : cases) {
            const Dib picture(3, 2, 24, kColors, false);
            const std::vector<BYTE> original = picture.Bytes();
            Canvas canvas(8, 6, bits);
            EXPECT_TRUE(kx::DrawGrayScale(canvas.dc(), picture.bitmap(), c.left, c.top, c.width, c.height));
            EXPECT_EQ("", canvas.Mismatches([&](int x, int y) {
                const int dx = x - c.left, dy = y - c.top;
                if (dx < 0 || dy < 0 || dx >= 3 * c.scale || dy >= 2 * c.scale) return kBackground;
                return GrayOf(kColors[(dy / c.scale) * 3 + dx / c.scale]);
            })) << c.width << " on " << bits << " bits";
            EXPECT_EQ(original, picture.Bytes()) << "the source is left alone";
        }
    }
}

TEST_F(Drawing, DrawGrayScaleDrawsAnIconThroughItsMask) {
    const TestIcon icon;
    Canvas canvas(10, 8);
    EXPECT_TRUE(kx::DrawGrayScale(canvas.dc(), icon.icon(), 2, 3, -1, -1));
    const auto pixels = TestIcon::Pixels();
    EXPECT_EQ("", canvas.Mismatches([&](int x, int y) {
        const int dx = x - 2, dy = y - 3;
        if (dx < 0 || dy < 0 || dx >= 6 || dy >= 4 || TestIcon::Transparent(dx)) return kBackground;
        return GrayOf(pixels[dy * 6 + dx]);
    }));
}

TEST_F(Drawing, DrawGrayScaleOfNoImageDrawsNothing) {
    Canvas canvas(4, 4);
    EXPECT_FALSE(kx::DrawGrayScale(canvas.dc(), nullptr, 0, 0, -1, -1));
    EXPECT_EQ("", canvas.MismatchesFromBackground());
}

TEST_F(Drawing, CreateDIBPictureGivesABlackPictureThatOwnsItsBitmap) {
    struct Case {
        long width, height, bits;
    } cases[] = {{5, 3, 24}, {5, 3, 32}, {7, 2, 8}};
    for (const auto& c : cases) {
        IPicture* picture = kx::CreateDIBPicture(c.width, c.height, c.bits);
        ASSERT_NE(nullptr, picture) << c.bits;
        SHORT type = 0;
        picture->get_Type(&type);
        EXPECT_EQ(PICTYPE_BITMAP, type);
        const HGDIOBJ bitmap = HandleOf(picture);
        EXPECT_EQ(std::vector<COLORREF>(c.width * c.height, 0), PicturePixels(picture, c.width, c.height, c.bits));
        picture->Release();
        EXPECT_EQ(0u, GetObjectType(bitmap)) << "the picture frees its bitmap";
    }
}

TEST_F(Drawing, CreateDIBPictureOfNoBitmapIsNone) {
    struct Case {
        long width, height, bits;
    } cases[] = {{0, 3, 24}, {5, 0, 24}, {5, 3, 0}, {5, 3, 7}, {5, 3, 65560}, {5, 3, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(nullptr, kx::CreateDIBPicture(c.width, c.height, c.bits))
            << c.width << "x" << c.height << " " << c.bits;
}

TEST_F(Drawing, GrayImageOfAnIconIsBlackWhereTransparent) {
    TestIcon icon;
    const Picture source = IconPicture(icon.Release());
    ASSERT_TRUE(source);
    const Picture gray(kx::GrayImage(source.get()));
    ASSERT_TRUE(gray);
    std::vector<COLORREF> expected;
    const auto pixels = TestIcon::Pixels();
    for (size_t i = 0; i < pixels.size(); ++i) expected.push_back(GrayOf(pixels[i]));  // black stays black
    EXPECT_EQ(expected, PicturePixels(gray.get(), 6, 4, 24));
}

TEST_F(Drawing, GrayImageOfABitmapIsAGrayCopy) {
    EXPECT_EQ(nullptr, kx::GrayImage(nullptr));
    Dib color(3, 2, 24, kColors);
    PICTDESC desc = {};
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = color.Release();
    const Picture source = PictureOf(desc);
    ASSERT_TRUE(source);
    const Picture gray(kx::GrayImage(source.get()));
    ASSERT_TRUE(gray);
    std::vector<COLORREF> expected;
    for (COLORREF c : kColors) expected.push_back(GrayOf(c));
    EXPECT_EQ(expected, PicturePixels(gray.get(), 3, 2, 24));
    EXPECT_EQ(kColors[5], color.At(2, 1)) << "the source is left alone";
}

// ---- Waits ---------------------------------------------------------------------------------------------------

// A message-only window counting the WM_APP messages it receives.
class MessageCounter {
public:
    MessageCounter() {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = Procedure;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"KxWaitCounter";
        RegisterClassW(&cls);
        hwnd_ = CreateWindowExW(0, cls.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance,
                                nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MessageCounter() { DestroyWindow(hwnd_); }
    void Post() { PostMessageW(hwnd_, WM_APP, 0, 0); }
    int count() const { return count_; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_APP) ++reinterpret_cast<MessageCounter*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))->count_;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
    int count_ = 0;
};

TEST(Wait, ProcessesMessagesOnlyForAPositiveWaitWithoutSleep) {
    MessageCounter counter;
    counter.Post();
    struct Case {
        float seconds;
        bool sleep;
        int processed;
    } cases[] = {
        {0.0f, false, 0},
        {-1.0f, false, 0},
        {std::numeric_limits<float>::quiet_NaN(), false, 0},  // returns instead of waiting forever
        {0.01f, true, 0},
        {0.00001f, false, 1},
    };
    for (const auto& c : cases) {
        kx::Wait(c.seconds, c.sleep);
        EXPECT_EQ(c.processed, counter.count()) << c.seconds << " " << c.sleep;
    }
}

TEST(Wait, LastsAtLeastTheRequestedTime) {
    for (bool sleep : {false, true}) {
        const double start = kx::MonotonicSeconds();
        kx::Wait(0.05f, sleep);
        const double elapsed = kx::MonotonicSeconds() - start;
        EXPECT_GE(elapsed, sleep ? 0.045 : 0.05) << sleep;  // Sleep counts in whole clock ticks
        EXPECT_LT(elapsed, 2.0) << sleep;
    }
}

TEST(Wait, SleepAboveTheLongRangeOfMillisecondsOverflows) {
    for (float seconds : {2147483.75f, 2147484.0f, std::numeric_limits<float>::infinity()})
        EXPECT_EQ(kx::kErrOverflow, ThrownError([&] { kx::Wait(seconds, true); })) << seconds;
}

}  // namespace
