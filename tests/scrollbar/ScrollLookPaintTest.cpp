// The Normal, Soft, Flat, Java and Office XP looks, pixel by pixel on 17-pixel bars: bevel rings and their
// double clamping, glyph points, hot and pressed looks, Java's etched outline, Office XP's tiles.
#include <gtest/gtest.h>

#include <algorithm>

#include "GdiTestSupport.h"
#include "ScrollBarFixture.h"

namespace {

using kxtest::LooseScrollBar;

COLORREF Offset(COLORREF c, int n) {
    auto ch = [n](int v) { return static_cast<BYTE>(std::clamp(v + n, 0, 255)); };
    return RGB(ch(GetRValue(c)), ch(GetGValue(c)), ch(GetBValue(c)));
}

COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }

struct Pixel {
    int part;  // 0..2 a box, 3 the track
    int x, y;
    COLORREF colour;
};

void ExpectPixels(const LooseScrollBar& s, std::initializer_list<Pixel> pixels, const char* what) {
    for (const Pixel& p : pixels) {
        const COLORREF got = p.part == 3 ? s.TrackAt(p.x, p.y) : s.BoxAt(p.part, p.x, p.y);
        EXPECT_EQ(got, p.colour) << what << ": part " << p.part << " at (" << p.x << ", " << p.y << ")";
    }
}

void Dress(LooseScrollBar& s, kxScrollStyle style, COLORREF back, COLORREF fore, bool horizontal = false) {
    s.bar->put_Style(style);
    s.bar->put_BackColor(back);
    s.bar->put_ForeColor(fore);
    if (horizontal) s.bar->put_Direction(kxSBHorizontal);
}

TEST(ScrollLookPaint, NormalBevelsTwoRingsWithTheirShadesClampedTwice) {
    LooseScrollBar s(17, 300);
    const COLORREF back = RGB(50, 120, 230), fore = RGB(10, 20, 30);
    Dress(s, kxSBNormal, back, fore);
    const COLORREF light = Offset(back, 16), dark = Offset(back, -80);
    ExpectPixels(s, {
        {0, 0, 0, Offset(light, 5)},  {0, 8, 0, Offset(light, 5)},  {0, 0, 8, Offset(light, 5)},
        {0, 16, 0, Offset(dark, 5)},  {0, 16, 8, Offset(dark, 5)},  {0, 0, 16, Offset(dark, 5)},
        {0, 16, 16, Offset(dark, 5)}, {0, 1, 1, Offset(light, 15)}, {0, 15, 8, Offset(dark, -15)},
        {0, 8, 15, Offset(dark, -15)}, {0, 2, 2, Face()},          // the box's own button face inside
        {0, 8, 6, fore}, {0, 8, 9, fore}, {0, 8, 4, Face()},        // the up glyph
        {1, 8, 7, fore}, {1, 8, 10, fore}, {1, 8, 12, Face()},      // down, at the first box's centre
        {2, 0, 0, Offset(light, 5)}, {2, 8, 8, Face()},             // the thumb: no glyph
        {3, 0, 100, dark}, {3, 16, 100, dark},                      // the track's long borders
    }, "normal");
    EXPECT_EQ(GetRValue(Offset(dark, 5)), 5) << "50 - 80 clamps to 0, then + 5";
}

TEST(ScrollLookPaint, NormalHotArrowsPaleTheirGlyphAndPressedBoxesShowAFlatFrame) {
    LooseScrollBar s(17, 300);
    const COLORREF back = Face();
    Dress(s, kxSBNormal, back, RGB(0, 0, 0));
    s.Hover(0);
    EXPECT_EQ(s.bar->HitState(), 1);
    ExpectPixels(s, {{0, 8, 8, RGB(128, 128, 128)}, {0, 0, 0, Offset(Offset(back, 16), 5)}}, "hot");
    s.PressRight(1);
    EXPECT_EQ(s.bar->HitState(), 4);
    const COLORREF frame = Offset(Offset(back, -80), 5);
    ExpectPixels(s, {{1, 0, 0, frame}, {1, 16, 16, frame}, {1, 16, 0, frame}, {1, 1, 1, back},
                     {1, 8, 8, RGB(0, 0, 0)}}, "pressed");
}

TEST(ScrollLookPaint, SoftKeepsOneRingAndOffsetsItsHotGlyph) {
    LooseScrollBar s(17, 300);
    const COLORREF back = RGB(200, 200, 200);
    Dress(s, kxSBSoft, back, RGB(100, 100, 100));
    ExpectPixels(s, {{0, 0, 0, Offset(Offset(back, 16), 5)}, {0, 16, 16, Offset(Offset(back, -80), 5)},
                     {0, 1, 1, Face()}, {0, 8, 8, RGB(100, 100, 100)}}, "soft");
    s.Hover(1);
    ExpectPixels(s, {{1, 8, 8, RGB(228, 228, 228)}}, "soft hot");
}

TEST(ScrollLookPaint, FlatRingsBordersAndGlyphsInOneEdgeColourAndBlackWhenHot) {
    LooseScrollBar s(17, 300);
    const COLORREF back = RGB(90, 140, 200);
    Dress(s, kxSBFlat, back, RGB(255, 0, 0));
    const COLORREF edge = Offset(back, -80);
    ExpectPixels(s, {{0, 0, 0, Offset(edge, 5)}, {0, 16, 16, Offset(edge, 5)}, {0, 8, 8, edge},
                     {3, 0, 100, edge}, {3, 8, 100, back}}, "flat");
    s.Hover(0);
    ExpectPixels(s, {{0, 8, 8, RGB(0, 0, 0)}, {0, 0, 0, Offset(edge, 5)}}, "flat hot");
    const COLORREF top = s.BoxAt(0, 3, 1), bottom = s.BoxAt(0, 3, 15);
    EXPECT_GT(GetRValue(top), GetRValue(bottom)) << "lighter at the top";
}

TEST(ScrollLookPaint, DisabledBarsDrawTheirGlyphsInBackColorLess48) {
    for (kxScrollStyle style : {kxSBNormal, kxSBSoft, kxSBJava, kxSBOfficeXP}) {
        LooseScrollBar s(17, 300);
        const COLORREF back = RGB(150, 160, 170);
        Dress(s, style, back, RGB(0, 0, 255));
        s.bar->put_Enabled(VARIANT_FALSE);
        ExpectPixels(s, {{0, 8, 8, Offset(back, -48)}, {1, 8, 8, Offset(back, -48)}}, "disabled");
    }
}

TEST(ScrollLookPaint, HorizontalBarsTurnTheGlyphsAndBorders) {
    LooseScrollBar s(300, 17);
    const COLORREF fore = RGB(0, 0, 0);
    Dress(s, kxSBNormal, Face(), fore, true);
    const COLORREF dark = Offset(Face(), -80);
    EXPECT_EQ(s.bar->Box(1).Left(), 283);
    ExpectPixels(s, {{0, 6, 8, fore}, {0, 4, 8, Face()}, {1, 10, 8, fore}, {1, 12, 8, Face()},
                     {3, 100, 0, dark}, {3, 100, 16, dark}}, "horizontal");
}

TEST(ScrollLookPaint, JavaEtchesEveryBoxAndInsetsTheThumb) {
    LooseScrollBar s(17, 300);
    Dress(s, kxSBJava, Face(), RGB(0, 0, 0));
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), window = GetSysColor(COLOR_WINDOW);
    const auto mix = [](COLORREF a, COLORREF b) {
        auto half = [](int x, int y) { return static_cast<BYTE>((x + y) / 2 + (((x + y) & 1) && (((x + y) / 2) & 1))); };
        return RGB(half(GetRValue(a), GetRValue(b)), half(GetGValue(a), GetGValue(b)), half(GetBValue(a), GetBValue(b)));
    };
    kx::PictureBox& thumb = s.bar->Box(2);
    EXPECT_EQ(thumb.Left(), 2);
    EXPECT_EQ(thumb.Width(), 13);
    ExpectPixels(s, {{0, 0, 0, shadow}, {0, 15, 5, shadow}, {0, 5, 15, shadow}, {0, 1, 1, window},
                     {0, 16, 5, window}, {0, 5, 16, window}, {0, 0, 16, Face()}, {0, 16, 0, Face()},
                     {0, 1, 15, mix(window, shadow)}, {0, 15, 1, mix(window, shadow)}, {0, 8, 8, RGB(0, 0, 0)},
                     {3, 0, 17, shadow}, {3, 1, 18, window}, {3, 0, 100, shadow}}, "java");
    s.Hover(2);
    ExpectPixels(s, {{2, 2, 2, shadow}, {2, 9, 20, shadow}, {2, 0, 0, shadow}}, "java hot thumb");
    s.PressRight(0);
    ExpectPixels(s, {{0, 2, 2, GetSysColor(COLOR_3DDKSHADOW)}, {0, 8, 8, RGB(0, 0, 0)}}, "java pressed");
}

TEST(ScrollLookPaint, OfficeXPTilesAndItsBlueHotAndPressedBoxes) {
    LooseScrollBar s(17, 300);
    Dress(s, kxSBOfficeXP, RGB(255, 0, 0), RGB(0, 0, 0));
    const COLORREF face = Offset(Face(), 5), edge = Offset(Face(), -16);
    EXPECT_EQ(s.bar->Box(2).Left(), 1);
    EXPECT_EQ(s.bar->Box(2).Width(), 15);
    ExpectPixels(s, {{0, 0, 0, edge}, {0, 16, 16, edge}, {0, 3, 1, face}, {0, 8, 7, RGB(0, 0, 0)},
                     {3, 0, 100, edge}, {3, 16, 100, edge}, {2, 3, 3, face}}, "office xp");
    s.Hover(0);
    ExpectPixels(s, {{0, 0, 0, RGB(125, 170, 215)}, {0, 3, 1, RGB(125, 170, 215)}}, "hot");
    s.PressRight(2);
    ExpectPixels(s, {{2, 0, 0, RGB(49, 106, 197)}, {2, 5, 5, RGB(49, 106, 197)}}, "pressed");

    LooseScrollBar h(300, 17);
    Dress(h, kxSBOfficeXP, Face(), RGB(0, 0, 0), true);
    h.Hover(1);
    ExpectPixels(h, {{1, 0, 0, RGB(109, 154, 199)}, {1, 3, 1, RGB(130, 175, 220)}}, "horizontal hot");
}

// Each arrow's triangle lies within its points' bounds about the centre (8, 8) of a 17 x 17 box: x 4..12 and
// y 5..10 (up), 6..11 (down), turned for the left and right ones, with its middle column or row filled.
TEST(ScrollLookPaint, GlyphsFillTheirTrianglesAndNothingOutside) {
    const struct {
        kxScrollDirection direction;
        int part;
        RECT bounds;        // inclusive
        POINT filled[2];
    } cases[] = {
        {kxSBVertical, 0, {4, 5, 12, 10}, {{8, 6}, {8, 9}}},
        {kxSBVertical, 1, {4, 6, 12, 11}, {{8, 7}, {8, 10}}},
        {kxSBHorizontal, 0, {5, 4, 10, 12}, {{6, 8}, {9, 8}}},
        {kxSBHorizontal, 1, {6, 4, 11, 12}, {{7, 8}, {10, 8}}},
    };
    for (const auto& c : cases) {
        const bool vertical = c.direction == kxSBVertical;
        LooseScrollBar s(vertical ? 17 : 300, vertical ? 300 : 17);
        Dress(s, kxSBFlat, Face(), 0, !vertical);
        s.Hover(c.part);  // the hot Flat glyph is black, the only black on the box
        int inside = 0;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 17; ++x) {
                if (s.BoxAt(c.part, x, y) != 0) continue;
                const bool within = x >= c.bounds.left && x <= c.bounds.right && y >= c.bounds.top && y <= c.bounds.bottom;
                EXPECT_TRUE(within) << c.direction << "/" << c.part << " at (" << x << ", " << y << ")";
                inside += within;
            }
        EXPECT_GE(inside, 12) << c.direction << "/" << c.part;
        for (const POINT& p : c.filled) EXPECT_EQ(s.BoxAt(c.part, p.x, p.y), 0u) << p.x << ", " << p.y;
    }
}

// An untranslatable ForeColor (-1) reaches the glyph brush as white.
TEST(ScrollLookPaint, AnUntranslatableGlyphColourDrawsWhite) {
    LooseScrollBar s(17, 300);
    Dress(s, kxSBNormal, Face(), 0x80FFFFFF);
    ExpectPixels(s, {{0, 8, 8, RGB(255, 255, 255)}}, "white glyph");
}

// 1,000 cycles of repaint, hover, press and release over the five looks.
TEST(ScrollLookPaint, RepaintsAndHoverCyclesHoldNoDrawingObjects) {
    for (kxScrollStyle style : {kxSBNormal, kxSBSoft, kxSBFlat, kxSBJava, kxSBOfficeXP}) {
        LooseScrollBar s(17, 200);
        s.bar->put_Style(style);
        s.bar->Refresh();
        const DWORD before = kxtest::GdiObjectCount();
        for (int i = 0; i < 200; ++i) {
            s.bar->put_Value(i % 100);
            s.Hover(i % 3);
            s.PressRight(i % 3);
            s.ToBox(i % 3, WM_RBUTTONUP);
        }
        EXPECT_EQ(kxtest::GdiObjectCount(), before) << style;
    }
}

TEST(ScrollLookPaint, TinyAndHugeBarsPaintWithoutFailing) {
    for (auto size : {std::pair{0, 0}, std::pair{1, 1}, std::pair{1, 5000}, std::pair{5000, 3}}) {
        for (kxScrollStyle style : {kxSBNormal, kxSBFlat, kxSBJava, kxSBOfficeXP}) {
            LooseScrollBar s(size.first, size.second);
            EXPECT_EQ(s.bar->put_Style(style), S_OK);
            EXPECT_EQ(s.bar->put_Direction(kxSBHorizontal), S_OK);
            EXPECT_EQ(s.bar->Refresh(), S_OK);
            s.Hover(2);
        }
    }
}

}  // namespace
