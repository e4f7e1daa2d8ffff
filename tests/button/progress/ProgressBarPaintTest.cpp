#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <string>

#include "ErrorInfo.h"
#include "GdiTestSupport.h"
#include "ProgressBarFixture.h"
#include "ProgressLayout.h"
#include "ProgressText.h"

namespace {

constexpr COLORREF kBar = RGB(0x20, 0x40, 0x80);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kW = 200;
constexpr int kH = 24;
constexpr int kMid = kH / 2;  // a row inside every look's fill

// A bar 200 x 24 in the test colour, showing scrolling at value percent.
struct Painted : kxtest::LooseProgressBar {
    Painted(long scrolling, double value, long orientation = kxOrientationHorizontal, int width = kW,
            int height = kH)
        : LooseProgressBar(width, height) {
        bar->put_Color(kBar);
        bar->put_Orientation(static_cast<kxOrientation>(orientation));
        Show(scrolling, value);
    }
    // Pixels of the colour in columns from .. to, rows 3 .. H - 4.
    int Count(COLORREF colour, int from, int to) const {
        int n = 0;
        for (int y = 3; y < kH - 3; ++y)
            for (int x = from; x <= to; ++x) n += At(x, y) == colour;
        return n;
    }
    // Columns of one row, as a readable string of the columns where the colour is found.
    std::string ColumnsOf(COLORREF colour, int row, int from, int to) const {
        std::string out;
        for (int x = from; x <= to; ++x)
            if (At(x, row) == colour) out += std::to_string(x) + " ";
        return out;
    }
};

COLORREF Dark(COLORREF c, int weight) {
    auto ch = [weight](int v) { return static_cast<BYTE>(std::lround(v * weight / 255.0)); };
    return RGB(ch(GetRValue(c)), ch(GetGValue(c)), ch(GetBValue(c)));
}

// Where the block looks end their fill; a share that is not a number counts as none, so the
// separator walk that follows the layout always ends.
TEST(ProgressBarPaintTest, BlockLayoutRoundsDownToWholeSteps) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float percent;
        bool standard, vertical;
        long right, top;
    };
    const Case cases[] = {
        {0, true, false, 3, 0},      {50, true, false, 99, 0},    {50, false, false, 103, 0},
        {100, true, false, 203, 0},  {nan, true, false, 3, 0},    {-inf, true, false, 3, 0},
        {inf, true, false, 203, 0},  {0, true, true, 200, 200},   {50, false, true, 200, 98},
        {nan, true, true, 200, 200}, {inf, false, true, 200, -4},
    };
    for (const Case& c : cases) {
        const kx::BlockLayout layout = kx::LayoutBlocks(c.percent, 200, 200, c.standard, c.vertical);
        EXPECT_EQ(layout.right, c.right) << c.percent << (c.standard ? " standard" : " smooth");
        EXPECT_EQ(layout.top, c.top) << c.percent << (c.vertical ? " vertical" : " horizontal");
        EXPECT_EQ(layout.Step(), c.standard ? 8 : 2);
    }
}

TEST(ProgressBarPaintTest, StandardAtZeroShowsOneSixPixelBlock) {
    Painted p(kxScrollingStandard, 0);
    EXPECT_EQ(p.ColumnsOf(kBar, kMid, 3, 20), "4 5 6 7 8 9 ");
    EXPECT_EQ(p.At(10, kMid), kWhite);
    EXPECT_EQ(p.At(11, kMid), kWhite);
}

TEST(ProgressBarPaintTest, SmoothAtZeroShowsColumnsFourToEleven) {
    Painted p(kxScrollingSmooth, 0);
    EXPECT_EQ(p.ColumnsOf(kBar, kMid, 3, 20), "4 5 6 7 8 9 10 11 ");
}

// x = round(197 x 50 / 98 + 3) = 104, fill right 99: white gaps at 10-11, 18-19 ... 98-99.
TEST(ProgressBarPaintTest, StandardAtHalfEndsInWholeBlocksWithWhiteGaps) {
    Painted p(kxScrollingStandard, 50);
    std::string gaps;
    for (int x = 4; x <= 120; ++x)
        if (p.At(x, kMid) == kWhite && p.At(x - 1, kMid) == kBar) gaps += std::to_string(x) + " ";
    EXPECT_EQ(gaps, "10 18 26 34 42 50 58 66 74 82 90 98 ");
    EXPECT_EQ(p.At(97, kMid), kBar);
    EXPECT_EQ(p.At(99, kMid), kWhite);
    EXPECT_EQ(p.At(100, kMid), kWhite);
    // The light edges: a ramp from Light(150) at row 3 into the bar colour.
    EXPECT_EQ(p.At(20, 3), kxtest::Lighten(kBar, 150));
    EXPECT_EQ(p.At(20, kH - 4), kxtest::Lighten(kBar, 150));
}

TEST(ProgressBarPaintTest, VerticalLooksGrowFromTheBottom) {
    Painted zero(kxScrollingStandard, 0, kxOrientationVertical, 24, 200);
    for (int y = 3; y < 197; ++y) ASSERT_EQ(zero.At(12, y), kWhite) << y;
    Painted half(kxScrollingSmooth, 50, kxOrientationVertical, 24, 200);
    // y = round(200 x (1 - 50 / 98)) = 98: the bar fills rows 98 .. 199 between the edges.
    EXPECT_EQ(half.At(12, 97), kWhite);
    EXPECT_EQ(half.At(12, 98), kBar);
    EXPECT_EQ(half.At(12, 190), kBar);
    EXPECT_EQ(half.At(4, 150), kxtest::Lighten(kBar, 150));
}

// Fill right 103 at 50 %: blocks at round(80.5) = 80, 92 and 104, each ten columns shading rightward.
TEST(ProgressBarPaintTest, SearchBlocksMoveTowardTheFillEdge) {
    Painted p(kxScrollingSearch, 50);
    EXPECT_EQ(p.At(79, kMid), kWhite);
    EXPECT_EQ(p.At(80, kMid), kxtest::Lighten(kBar, 220));
    EXPECT_EQ(p.At(89, kMid), kxtest::Lighten(kBar, 200));
    EXPECT_EQ(p.At(90, kMid), kWhite);
    EXPECT_EQ(p.At(92, kMid), kxtest::Lighten(kBar, 180));
    EXPECT_EQ(p.At(104, kMid), kxtest::Lighten(kBar, 140));
    EXPECT_EQ(p.At(113, kMid), kxtest::Lighten(kBar, 120));
    Painted zero(kxScrollingSearch, 0);
    for (int x = 3; x < kW - 3; ++x) ASSERT_EQ(zero.At(x, kMid), kWhite) << x;
}

// The block looks and Metallic end with the bevel: its lines, the outline and all 24 corner pixels.
TEST(ProgressBarPaintTest, BevelFrameCornersAndLines) {
    struct Pixel {
        int x, y;
        COLORREF colour;
    };
    const int w = kW, h = kH;
    const Pixel pixels[] = {
        // corners, in drawing order
        {0, 0, 0xFFFFFF}, {0, 1, 0xA6ABAC}, {0, 2, 0x7D7E7F}, {1, 0, 0xA7ABAC}, {1, 1, 0x777777},
        {2, 0, 0x7D7E7F}, {2, 2, 0xBEBEBE},
        {0, h - 1, 0xFFFFFF}, {1, h - 1, 0xA6ABAC}, {2, h - 1, 0x7D7E7F}, {0, h - 3, 0x7D7E7F},
        {0, h - 2, 0xA7ABAC}, {1, h - 2, 0x777777},
        {w - 1, 0, 0xFFFFFF}, {w - 1, 1, 0xBEBEBE}, {w - 1, 2, 0x7D7E7F}, {w - 2, 2, 0xBEBEBE},
        {w - 2, 1, 0x686868},
        {w - 1, h - 1, 0xFFFFFF}, {w - 1, h - 2, 0xBEBEBE}, {w - 1, h - 3, 0x7D7E7F}, {w - 2, h - 2, 0x777777},
        {w - 2, h - 1, 0xBEBEBE}, {w - 3, h - 1, 0x7D7E7F},
        // outline and bevel lines
        {50, 0, 0x686868}, {50, h - 1, 0x686868}, {w - 1, 10, 0x686868}, {0, 10, 0x686868},
        {50, 1, 0xBEBEBE}, {50, h - 2, 0xEFEFEF}, {1, 10, 0xBEBEBE}, {2, 10, 0xEFEFEF}, {50, 2, 0xEFEFEF},
        {w - 2, 10, 0xEFEFEF}, {w - 3, 1, 0xBEBEBE}, {1, h - 3, 0xBEBEBE},
    };
    for (long look : {0L, 1L, 2L, 9L, 23L}) {  // Standard, Smooth, Search, Metallic, outside the looks
        for (double value : {0.0, 100.0}) {
            Painted p(look, value);
            for (const Pixel& px : pixels)
                EXPECT_EQ(p.At(px.x, px.y), px.colour) << "look " << look << " at " << value << ": " << px.x << ","
                                                       << px.y;
        }
    }
}

TEST(ProgressBarPaintTest, OutsideTheTenLooksPaintsLikeSmooth) {
    Painted smooth(kxScrollingSmooth, 60);
    Painted other(23, 60);
    for (int x = 0; x < kW; ++x)
        for (int y : {1, 5, kMid, kH - 2}) ASSERT_EQ(other.At(x, y), smooth.At(x, y)) << x << "," << y;
}

// Only the block looks turn: OfficeXP stays horizontal.
TEST(ProgressBarPaintTest, OfficeXPReachesTheLastColumnAtFullAndIgnoresOrientation) {
    Painted p(kxScrollingOfficeXP, 100, kxOrientationVertical);
    EXPECT_EQ(p.At(0, kMid), kxtest::Lighten(kBar, 100));
    EXPECT_EQ(p.At(1, kMid), kxtest::Lighten(kBar, 180));
    EXPECT_EQ(p.At(kW - 1, kMid), kxtest::Lighten(kBar, 180));
    EXPECT_EQ(p.At(kW / 2, 0), kxtest::Lighten(kBar, 100));
}

// 98 ramp steps from column 2: Light(140) on the left, Light(200) at the fill edge (column 100).
TEST(ProgressBarPaintTest, PastelRampEndsAtTheFillEdge) {
    Painted p(kxScrollingPastel, 50);
    EXPECT_EQ(p.At(2, kMid), kxtest::Lighten(kBar, 140));
    EXPECT_EQ(p.At(100, kMid), kxtest::Lighten(kBar, 200));
    EXPECT_EQ(p.At(101, kMid), kWhite);
}

// Divisor 101: at 100 % on 202 columns the edge line stands at column 200.
TEST(ProgressBarPaintTest, JavTEdgeUsesTheDivisorOneHundredAndOne) {
    Painted p(kxScrollingJavT, 100, kxOrientationHorizontal, 202, kH);
    EXPECT_EQ(p.At(200, kMid), kxtest::Lighten(kBar, 25));
    EXPECT_EQ(p.At(201, kMid), kxtest::Lighten(kBar, 10));
    EXPECT_EQ(p.At(3, 3), kxtest::Lighten(kBar, 250));
    EXPECT_EQ(p.At(3, 2), kBar) << "the track starts in the bar colour";
}

TEST(ProgressBarPaintTest, MediaPlayerOnBlackRampsToItsEndColour) {
    Painted p(kxScrollingMediaPlayer, 100);
    EXPECT_EQ(p.At(0, kMid), Dark(kBar, 200));
    EXPECT_EQ(p.At(1, kMid), kBlack);
    EXPECT_EQ(p.At(2, kMid), kBlack);
    EXPECT_EQ(p.At(kW - 3, kMid), kxtest::Lighten(Dark(kBar, 100), 10));
    Painted zero(kxScrollingMediaPlayer, 0);
    EXPECT_EQ(zero.At(kW / 2, kMid), kBlack);
}

// Hatch lines in the bar colour, gaps in Light(140): also after a paint that left a transparent
// background behind. kxSolid fills plainly; a style the platform does not know leaves the ground; a
// style beyond 16 bits is stored but fails the paint with an overflow.
TEST(ProgressBarPaintTest, CustomBrushGapsAndStyles) {
    auto count = [](const Painted& p, COLORREF colour) {
        int n = 0;
        for (int x = 3; x < 70; ++x)  // left of the centred text
            for (int y = 3; y < kH - 3; ++y) n += p.At(x, y) == colour;
        return n;
    };
    Painted p(kxScrollingCustomBrush, 50);
    p.bar->put_kxBrushStyle(kxCross);
    p.bar->put_ShowText(VARIANT_TRUE);
    const int lines = count(p, kBar);
    const int gaps = count(p, kxtest::Lighten(kBar, 140));
    EXPECT_GT(lines, 0);
    EXPECT_GT(gaps, lines);
    p.bar->put_ShowText(VARIANT_FALSE);
    EXPECT_EQ(count(p, kxtest::Lighten(kBar, 140)), gaps);

    p.bar->put_kxBrushStyle(kxSolid);
    p.bar->DrawProgressBar();
    EXPECT_EQ(count(p, kBar), 67 * (kH - 6));
    for (long unknown : {40L, -1L, 32767L}) {
        p.bar->put_kxBrushStyle(static_cast<kxBrushStyle>(unknown));
        EXPECT_EQ(p.bar->DrawProgressBar(), S_OK) << unknown;
        EXPECT_EQ(count(p, kWhite), 67 * (kH - 6)) << unknown;
    }
    for (long tooWide : {32768L, 70000L, -32769L}) {
        EXPECT_EQ(p.bar->put_kxBrushStyle(static_cast<kxBrushStyle>(tooWide)), S_OK) << tooWide;
        EXPECT_EQ(p.bar->DrawProgressBar(), kx::ErrorHResult(kx::kErrOverflow)) << tooWide;
        EXPECT_EQ(p.bar->BrushStyle(), tooWide);
    }
    p.bar->put_Scrolling(kxScrollingSmooth);
    EXPECT_EQ(p.bar->DrawProgressBar(), S_OK) << "only the hatch takes the style";
}

// At 0 % the fill rectangles end left of their start: nothing may appear mirrored over the edge.
TEST(ProgressBarPaintTest, AnEmptyFillPaintsNothingLeftOfItsStart) {
    Painted office(kxScrollingOfficeXP, 0);
    EXPECT_EQ(office.At(0, kMid), kxtest::Lighten(kBar, 100));
    EXPECT_EQ(office.At(1, kMid), kWhite);
    Painted custom(kxScrollingCustomBrush, 0);
    custom.bar->put_kxBrushStyle(kxSolid);
    custom.bar->DrawProgressBar();
    EXPECT_EQ(custom.Count(kBar, 0, kW - 1), 0);
}

TEST(ProgressBarPaintTest, PictureTilesTheFilledPartOnly) {
    Painted p(kxScrollingPicture, 0);
    IPictureDisp* picture = kxtest::SolidPicture(RGB(200, 0, 0));
    p.bar->putref_Image(picture);
    picture->Release();
    EXPECT_EQ(p.ColumnsOf(RGB(200, 0, 0), kMid, 0, kW - 1), "");
    p.bar->put_Value(50);
    // round(50 / 101 x 200) = 99 columns from column 2.
    EXPECT_EQ(p.At(2, kMid), RGB(200, 0, 0));
    EXPECT_EQ(p.At(100, kMid), RGB(200, 0, 0));
    EXPECT_NE(p.At(101, kMid), RGB(200, 0, 0));
    IPictureDisp* none = nullptr;
    p.bar->putref_Image(nullptr);
    p.bar->get_Image(&none);
    EXPECT_EQ(none, nullptr);
}

TEST(ProgressBarPaintTest, MetallicTrackAndFill) {
    Painted p(kxScrollingMetallic, 50);
    // F = round(0.5 x 196) = 98, h = round(10.5) = 10: the fill's lower half ends in the bar colour at
    // row 20, the track's in silver; columns 2 .. 97 are filled.
    const COLORREF silver = RGB(0xC0, 0xC0, 0xC0);
    EXPECT_EQ(p.At(50, 20), kBar);
    EXPECT_EQ(p.At(97, 20), kBar);
    EXPECT_EQ(p.At(98, 20), silver);
    EXPECT_EQ(p.At(150, 15), silver);
    EXPECT_EQ(p.At(150, 2), 0xEFEFEFu) << "the bevel line over the track";
}

// The part of the text over the fill shows in the contrast colour, the rest in the text colour.
TEST(ProgressBarPaintTest, MediaPlayerAndMetallicSplitTheTextAtTheFillEdge) {
    struct Case {
        long scrolling;
        COLORREF over;  // text over the fill
        COLORREF rest;
    };
    const Case cases[] = {
        {kxScrollingMediaPlayer, kxtest::Lighten(kBar, 80), RGB(0xC0, 0xC0, 0xC0)},
        {kxScrollingMetallic, kWhite, RGB(0xFF, 0, 0)},
    };
    for (const Case& c : cases) {
        Painted p(c.scrolling, 0);
        p.bar->put_ForeColor(RGB(0xFF, 0, 0));
        BSTR text = SysAllocString(L"MMMMMMMMMM");
        p.bar->put_Text(text);
        SysFreeString(text);
        p.bar->put_ShowText(VARIANT_TRUE);
        p.bar->put_Value(50);  // the fill edge at column 100, inside the centred text
        EXPECT_GT(p.Count(c.over, 40, 99), 0) << c.scrolling;
        EXPECT_GT(p.Count(c.rest, 101, 160), 0) << c.scrolling;
        EXPECT_EQ(p.Count(c.rest, 40, 99), 0) << c.scrolling;
        EXPECT_EQ(p.Count(c.over, 101, 160), 0) << c.scrolling;
        p.bar->put_Value(0);
        EXPECT_EQ(p.Count(c.over, 40, 160), 0) << c.scrolling << " nothing over an empty fill";
        EXPECT_GT(p.Count(c.rest, 40, 160), 0) << c.scrolling;
        p.bar->put_Value(100);
        EXPECT_EQ(p.Count(c.rest, 40, 160), 0) << c.scrolling << " nothing outside a full fill";
        EXPECT_GT(p.Count(c.over, 40, 160), 0) << c.scrolling;
    }
}

TEST(ProgressBarPaintTest, CaptionTextRoundsTheShareHalfToEven) {
    struct Case {
        long scrolling;
        const wchar_t* text;
        float percent;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {kxScrollingStandard, L"", 42.5f, L"42 %"},     {kxScrollingStandard, L"", 43.5f, L"44 %"},
        {kxScrollingPastel, L" Copy ", 7, L"Copy  7 %"}, {kxScrollingSearch, L" Searching.. ", 50, L"Searching.."},
        {kxScrollingSearch, L"", 50, L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kx::ProgressCaptionText(c.scrolling, c.text, c.percent), c.expected);
}

TEST(ProgressBarPaintTest, DrawLineLeavesOutItsEndPoint) {
    kxtest::Canvas canvas(20, 3, 32, kWhite);
    kxtest::LooseProgressBar p;
    EXPECT_EQ(p.bar->DrawLine(0, 0, 10, 0, kx::LongFromHandle(canvas.dc()), 0x80000008), S_OK);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(canvas.Mismatches([&](int x, int y) { return y == 0 && x < 10 ? text : kWhite; }), "");
}

// n counts steps: X 0 with X2 3 draws four lines; X2 0 one line in the first colour; a negative n none.
// DrawGradient with the rectangle and context given as values (the member takes them by reference).
HRESULT DrawGradient(kxtest::LooseProgressBar& p, LONG* first, LONG* last, LONG x, LONG y, LONG x2, LONG y2, LONG dc,
                     VARIANT_BOOL* vertical) {
    return p.bar->DrawGradient(first, last, &x, &y, &x2, &y2, &dc, vertical);
}

TEST(ProgressBarPaintTest, DrawGradientStepsAndColourWriteBack) {
    kxtest::LooseProgressBar p;
    struct Case {
        long x, x2;
        int firstColumn, lastColumn;  // lastColumn < firstColumn: nothing drawn
    };
    const Case cases[] = {{0, 3, 0, 3}, {5, 0, 5, 5}, {5, -1, 0, -1}};
    for (const Case& c : cases) {
        kxtest::Canvas canvas(12, 12, 32, kWhite);
        LONG first = RGB(0, 0, 0), last = RGB(0, 0, 255);
        VARIANT_BOOL vertical = VARIANT_TRUE;
        EXPECT_EQ(DrawGradient(p, &first, &last, c.x, 0, c.x2, 10, kx::LongFromHandle(canvas.dc()), &vertical),
                  S_OK);
        for (int x = 0; x < 12; ++x) {
            const bool drawn = x >= c.firstColumn && x <= c.lastColumn;
            EXPECT_EQ(canvas.At(x, 5) != kWhite, drawn) << c.x << "/" << c.x2 << " column " << x;
            EXPECT_EQ(canvas.At(x, 10), kWhite) << "row Y2 is not drawn";
        }
        if (c.lastColumn >= c.firstColumn) {
            EXPECT_EQ(canvas.At(c.firstColumn, 5), kBlack);
        }
    }
    kxtest::Canvas canvas(4, 4, 32, kWhite);
    LONG first = static_cast<LONG>(0x8000000D), last = static_cast<LONG>(0x80000005);
    DrawGradient(p, &first, &last, 0, 0, 3, 3, kx::LongFromHandle(canvas.dc()), nullptr);
    EXPECT_EQ(static_cast<COLORREF>(first), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(static_cast<COLORREF>(last), GetSysColor(COLOR_WINDOW));
}

// A ramp of two billion steps draws only what the context can show, at once.
TEST(ProgressBarPaintTest, AHugeRampEndsQuickly) {
    kxtest::LooseProgressBar p;
    kxtest::Canvas canvas(16, 16, 32, kWhite);
    const auto start = std::chrono::steady_clock::now();
    LONG first = RGB(255, 0, 0), last = RGB(0, 0, 255);
    VARIANT_BOOL vertical = VARIANT_TRUE;
    EXPECT_EQ(DrawGradient(p, &first, &last, -2000000000, 0, 2147483647, 16, kx::LongFromHandle(canvas.dc()),
                                  &vertical),
              S_OK);
    vertical = VARIANT_FALSE;
    EXPECT_EQ(DrawGradient(p, &first, &last, 0, 5, 16, 2147483647, kx::LongFromHandle(canvas.dc()), &vertical),
              S_OK);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_NE(canvas.At(0, 0), kWhite);
}

TEST(ProgressBarPaintTest, PDrawWithItsDefaultsCopiesTheWholeBuffer) {
    Painted p(kxScrollingSmooth, 100);
    kxtest::Canvas target(kW, kH, 32, RGB(1, 2, 3));
    VARIANT arg;
    arg.vt = VT_I4;
    arg.lVal = kx::LongFromHandle(target.dc());
    DISPPARAMS params = {&arg, nullptr, 1, 0};
    ASSERT_EQ(p.Dispatch()->Invoke(0x60030023, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                                   nullptr, nullptr),
              S_OK);
    EXPECT_EQ(target.Mismatches([&](int x, int y) { return p.At(x, y); }), "");
}

// The buffer grows with the control and never shrinks; the hdc let ignores its argument.
TEST(ProgressBarPaintTest, TheBackBufferGrowsAndNeverShrinks) {
    kxtest::LooseProgressBar p(300, 30);
    EXPECT_EQ(p.bar->BackBuffer().Width(), 300);
    EXPECT_EQ(kx::LongFromHandle(p.Dc()), kx::LongFromHandle(p.bar->BackBuffer().Dc()));
    p.Resize(400, 40);
    EXPECT_EQ(p.bar->BackBuffer().Width(), 400);
    EXPECT_EQ(p.bar->BackBuffer().Height(), 40);
    p.Resize(50, 10);
    EXPECT_EQ(p.bar->BackBuffer().Width(), 400);
    EXPECT_EQ(p.bar->BackBuffer().Height(), 40);
    const HDC kept = p.Dc();
    p.bar->put_hdc(12345);
    EXPECT_EQ(p.Dc(), kept);
    EXPECT_EQ(p.bar->DrawProgressBar(), S_OK);
}

TEST(ProgressBarPaintTest, TenThousandValuesKeepTheGdiObjectCountFlat) {
    Painted p(kxScrollingStandard, 0);
    p.bar->put_ShowText(VARIANT_TRUE);
    for (long look = 0; look <= 9; ++look) p.Show(look, look * 10);  // every look once before counting
    const DWORD before = kxtest::GdiObjectCount();
    for (int i = 0; i < 10000; ++i) {
        if (i % 1000 == 0) p.bar->put_Scrolling(static_cast<kxScrolling>(i / 1000));
        p.bar->put_Value(i % 101);
    }
    EXPECT_LE(kxtest::GdiObjectCount(), before + 2);
}

}  // namespace
