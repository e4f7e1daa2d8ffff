#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "LabelFixture.h"

namespace {

using kxtest::LooseLabel;
using kxtest::PixelBounds;
using kxtest::SetCaption;

COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }
COLORREF Light() { return GetSysColor(COLOR_3DHILIGHT); }
COLORREF Dark() { return GetSysColor(COLOR_3DDKSHADOW); }

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

bool Blank(const LooseLabel& l) {
    const RECT box = PixelBounds(l, [](COLORREF c) { return c != Face(); });
    return box.right < box.left;
}

struct Expected {
    int x, y;  // negative: from the right or bottom edge (-1 the last pixel)
    COLORREF (*colour)();
};

struct BorderCase {
    kxlBorderStyle style;
    std::vector<Expected> pixels;
};

// The border lines by their pixels: the corners a plain line leaves out keep the ground.
TEST(LabelPaintTest, BorderStyles) {
    const BorderCase cases[] = {
        {kxlbNone, {{0, 0, Face}, {-1, -1, Face}, {3, 3, Face}}},
        {kxlbFlat, {{0, 0, Dark}, {-2, -2, Dark}, {-2, 0, Dark}, {0, -2, Dark}, {-1, -1, Face}, {1, 1, Face}}},
        {kxlbRaised,
         {{0, 0, Light}, {1, 1, Light}, {-2, 0, Light}, {-1, -1, Dark}, {-2, -2, Dark}, {-1, 1, Dark},
          {-1, 0, Face}, {0, -1, Face}, {2, 2, Face}, {3, 3, Face}}},
        {kxlbRaisedSunken,
         {{0, 0, Light}, {1, 1, Light}, {3, 3, Dark}, {4, 3, Dark}, {-1, -1, Dark}, {-2, -2, Dark},
          {-4, -4, Light}, {-5, -4, Light}, {2, 2, Face}, {-3, -3, Face}, {-1, 0, Face}}},
        {kxlbSunkenRaised,
         {{0, 0, Dark}, {1, 1, Dark}, {3, 3, Light}, {-1, -1, Light}, {-2, -2, Light}, {-4, -4, Dark},
          {2, 2, Face}, {-1, 0, Face}}},
    };
    LooseLabel l(120, 40);
    l.label->put_BorderStyle(kxlbNone);
    ASSERT_EQ(120, l.Width());
    for (const BorderCase& c : cases) {
        l.label->put_BorderStyle(c.style);
        for (const Expected& e : c.pixels) {
            const int x = e.x < 0 ? l.Width() + e.x : e.x;
            const int y = e.y < 0 ? l.Height() + e.y : e.y;
            EXPECT_EQ(e.colour(), l.At(x, y)) << "style " << c.style << " at (" << x << "," << y << ")";
        }
    }
}

// Sunken is the picture box's own sunken edge: its client area loses two pixels on each side.
TEST(LabelPaintTest, SunkenIsThePictureBoxEdge) {
    LooseLabel l(120, 40);
    EXPECT_EQ(116, l.Width());
    EXPECT_EQ(36, l.Height());
    EXPECT_EQ(Face(), l.At(0, 0));
    l.label->put_BorderStyle(kxlbRaised);
    EXPECT_EQ(120, l.Width());
}

TEST(LabelPaintTest, GradientGrounds) {
    LooseLabel l(100, 60);
    l.label->put_BorderStyle(kxlbNone);
    SetCaption(l.label, L"");
    l.label->put_FirstColor(RGB(255, 0, 0));
    l.label->put_SecondColor(RGB(0, 0, 255));
    l.label->put_BackStyle(kxfGradiantUpDown);
    EXPECT_TRUE(Near(RGB(255, 0, 0), l.At(50, 0), 8));
    EXPECT_TRUE(Near(RGB(0, 0, 255), l.At(50, 59), 8));
    EXPECT_EQ(l.At(0, 30), l.At(99, 30)) << "rows are one colour";
    l.label->put_BackStyle(kxfGradiantLeftRight);
    EXPECT_TRUE(Near(RGB(255, 0, 0), l.At(0, 30), 8));
    EXPECT_TRUE(Near(RGB(0, 0, 255), l.At(99, 30), 8));
    EXPECT_EQ(l.At(50, 0), l.At(50, 59)) << "columns are one colour";
    l.label->put_BackStyle(static_cast<kxFrameBackStyle>(3));
    EXPECT_TRUE(Blank(l)) << "no gradient outside 1..2";
}

// The plain ground shows BackColor (a new label's is the picture box's own button face).
TEST(LabelPaintTest, PlainGroundShowsTheBackColour) {
    LooseLabel l(60, 20);
    l.label->put_BorderStyle(kxlbNone);
    SetCaption(l.label, L"");
    EXPECT_EQ(Face(), l.At(30, 10));
    l.label->put_BackColor(RGB(10, 200, 30));
    EXPECT_EQ(RGB(10, 200, 30), l.At(30, 10));
}

bool Inked(COLORREF c) { return c != Face(); }

// Degree 0 runs right from the top-left corner; 90 runs up from 1.01 x its width.
TEST(LabelPaintTest, TextAtZeroAndNinetyDegrees) {
    LooseLabel l(160, 160);
    l.Plain(L"WWWWW");
    const RECT flat = PixelBounds(l, Inked);
    ASSERT_LE(flat.left, flat.right);
    EXPECT_LE(flat.left, 2);
    EXPECT_LE(flat.top, 6);
    const LONG width = flat.right - flat.left + 1;
    const LONG height = flat.bottom - flat.top + 1;
    EXPECT_GT(width, 2 * height);

    l.label->put_Degree(90);
    const RECT up = PixelBounds(l, Inked);
    EXPECT_NEAR(width, up.bottom - up.top + 1, 3) << "the same line stood up";
    EXPECT_NEAR(height, up.right - up.left + 1, 3);
    EXPECT_LE(up.left, 6);
    EXPECT_NEAR(flat.right + 1, up.bottom + 1, 4) << "starts at 1.01 x the width, rounded";
}

// Text colours as pure channels so that edge blending cannot be taken for either colour.
bool Fore(COLORREF c) { return c == RGB(240, 0, 0); }
bool Shade(COLORREF c) { return c == RGB(120, 0, 0); }

TEST(LabelPaintTest, RaisedAndSunkenTextCarryAHalfShadeOnePixelAway) {
    LooseLabel l(160, 40);
    l.Plain(L"HIH", 20);
    l.label->put_BackColor(RGB(0, 0, 0));
    l.label->put_ForeColor(RGB(240, 0, 0));
    l.label->put_BalanceX(4);
    l.label->put_BalanceY(4);
    EXPECT_EQ(-1, PixelBounds(l, Shade).right) << "normal text has no shade";
    const RECT plain = PixelBounds(l, Fore);

    l.label->put_TextStyle(kxlRaised);
    const RECT raisedShade = PixelBounds(l, Shade);
    EXPECT_EQ(plain.right + 1, raisedShade.right);
    EXPECT_EQ(plain.bottom + 1, raisedShade.bottom);
    EXPECT_EQ(plain.left, PixelBounds(l, Fore).left) << "the text itself stays";

    l.label->put_TextStyle(kxlSunken);
    const RECT sunkenShade = PixelBounds(l, Shade);
    EXPECT_EQ(plain.left - 1, sunkenShade.left);
    EXPECT_EQ(plain.top - 1, sunkenShade.top);

    l.label->put_TextStyle(static_cast<kxlTextStyle>(3));
    EXPECT_EQ(-1, PixelBounds(l, [](COLORREF c) { return c != RGB(0, 0, 0); }).right) << "no text outside 0..2";
}

// Right and centre alignment place an unrotated line; a rotated line ignores them.
TEST(LabelPaintTest, AlignmentAndBalance) {
    LooseLabel l(200, 30);
    l.Plain(L"Abjad");
    const RECT left = PixelBounds(l, Inked);
    l.label->put_Alignment(1);
    const RECT right = PixelBounds(l, Inked);
    EXPECT_GE(right.right, 195);
    EXPECT_NEAR(right.right - right.left, left.right - left.left, 1);
    l.label->put_Alignment(2);
    const RECT centre = PixelBounds(l, Inked);
    EXPECT_NEAR(100, (centre.left + centre.right) / 2, 3);
    l.label->put_Alignment(0);
    l.label->put_BalanceX(7);
    l.label->put_BalanceY(3);
    const RECT moved = PixelBounds(l, Inked);
    EXPECT_EQ(left.left + 7, moved.left);
    EXPECT_EQ(left.top + 3, moved.top);
}

TEST(LabelPaintTest, AlignmentDoesNothingOnARotatedLine) {
    LooseLabel l(120, 120);
    l.Plain(L"Abjad");
    l.label->put_Degree(30);
    const RECT left = PixelBounds(l, Inked);
    l.label->put_Alignment(2);
    const RECT centre = PixelBounds(l, Inked);
    EXPECT_EQ(left.left, centre.left);
    EXPECT_EQ(left.top, centre.top);
}

// Above 180 the stored angle itself is lowered by the redraw; a negative one is kept.
TEST(LabelPaintTest, DegreeAbove180IsDrawnAndKeptAs180) {
    LooseLabel l(160, 60);
    l.Plain(L"WWW");
    l.label->put_Degree(180);
    const RECT at180 = PixelBounds(l, Inked);
    l.label->put_Degree(200);
    short degree = 0;
    l.label->get_Degree(&degree);
    EXPECT_EQ(180, degree);
    const RECT at200 = PixelBounds(l, Inked);
    EXPECT_EQ(at180.left, at200.left);
    EXPECT_EQ(at180.bottom, at200.bottom);
    l.label->put_Degree(-30);
    l.label->get_Degree(&degree);
    EXPECT_EQ(-30, degree);
}

TEST(LabelPaintTest, AnEmptyCaptionDrawsNothing) {
    LooseLabel l(100, 30);
    l.Plain(L"");
    for (long alignment : {0, 1, 2}) {
        l.label->put_Alignment(alignment);
        EXPECT_TRUE(Blank(l)) << alignment;
    }
}

// The picture at its own size from (PictureX, PictureY), blended by Alpha, its mask colour left out.
TEST(LabelPaintTest, PictureAtItsPlaceWithAlphaAndMask) {
    LooseLabel l(60, 30);
    l.Plain(L"");
    IPictureDisp* green = kxtest::SolidPicture(RGB(0, 200, 0));
    l.label->putref_Picture(green);
    l.label->put_PictureX(10);
    l.label->put_PictureY(5);
    EXPECT_EQ(RGB(0, 200, 0), l.At(10, 5));
    EXPECT_EQ(RGB(0, 200, 0), l.At(17, 12));
    EXPECT_EQ(Face(), l.At(9, 5));
    EXPECT_EQ(Face(), l.At(18, 12));
    l.label->put_MaskColor(RGB(0, 200, 0));
    EXPECT_EQ(RGB(0, 200, 0), l.At(12, 7)) << "the mask needs UseMaskColor";
    l.label->put_UseMaskColor(VARIANT_TRUE);
    EXPECT_EQ(Face(), l.At(12, 7));
    l.label->put_MaskColor(0x8000000F);
    EXPECT_EQ(RGB(0, 200, 0), l.At(12, 7)) << "a system colour matches no pixel";
    l.label->put_UseMaskColor(VARIANT_FALSE);
    l.label->put_BackColor(RGB(0, 0, 0));
    l.label->put_Alpha(128);
    EXPECT_TRUE(Near(RGB(0, 100, 0), l.At(12, 7), 2));
    green->Release();
}

// Alpha is clamped by drawing a picture; without one it keeps what was set.
TEST(LabelPaintTest, AlphaIsClampedOnlyWhenAPictureIsDrawn) {
    LooseLabel l(40, 20);
    l.label->put_Alpha(300);
    LONG alpha = 0;
    l.label->get_Alpha(&alpha);
    EXPECT_EQ(300, alpha) << "the new label's picture is empty";
    IPictureDisp* picture = kxtest::SolidPicture(RGB(1, 2, 3));
    l.label->putref_Picture(picture);
    picture->Release();
    l.label->get_Alpha(&alpha);
    EXPECT_EQ(255, alpha);
    l.label->put_Alpha(-4);
    l.label->get_Alpha(&alpha);
    EXPECT_EQ(0, alpha);
}

// An icon has no bitmap size: nothing of it is drawn and the rest of the label is.
TEST(LabelPaintTest, AnIconPictureDrawsNothing) {
    LooseLabel l(60, 30);
    l.Plain(L"");
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_ICON};
    desc.icon.hicon = LoadIconW(nullptr, IDI_APPLICATION);
    IPictureDisp* icon = nullptr;
    ASSERT_EQ(S_OK, OleCreatePictureIndirect(&desc, IID_IPictureDisp, FALSE, reinterpret_cast<void**>(&icon)));
    l.label->putref_Picture(icon);
    icon->Release();
    EXPECT_TRUE(Blank(l));
}

TEST(LabelPaintTest, GdiObjectsStayFlatOver1000Refreshes) {
    LooseLabel l(150, 50);
    l.Plain(L"\u0627\u0628\u062c\u062f");
    l.label->put_Degree(30);
    l.label->put_TextStyle(kxlRaised);
    l.label->put_BorderStyle(kxlbRaisedSunken);
    l.label->put_BackStyle(kxfGradiantLeftRight);
    IPictureDisp* picture = kxtest::SolidPicture(RGB(0, 200, 0));
    l.label->putref_Picture(picture);
    picture->Release();
    l.label->put_UseMaskColor(VARIANT_TRUE);
    l.label->put_Alpha(100);
    l.label->Refresh();
    const DWORD before = kxtest::GdiObjectCount();
    for (int i = 0; i < 1000; ++i) l.label->Refresh();
    l.label->put_BorderStyle(kxlbSunken);
    for (int i = 0; i < 10; ++i) l.label->Refresh();
    l.label->put_BorderStyle(kxlbRaisedSunken);
    EXPECT_EQ(before, kxtest::GdiObjectCount());
}

// Setters that only store: the picture is not redrawn by them.
TEST(LabelPaintTest, CanGetFocusAndThePointerDoNotRedraw) {
    LooseLabel l(60, 20);
    l.Plain(L"");
    SetPixel(l.Dc(), 5, 5, RGB(1, 2, 3));
    l.label->put_CanGetFocus(VARIANT_TRUE);
    l.label->put_MousePointer(2);
    l.label->putref_MouseIcon(nullptr);
    EXPECT_EQ(RGB(1, 2, 3), l.At(5, 5));
    l.label->put_PictureX(0);
    EXPECT_EQ(Face(), l.At(5, 5));
}

}  // namespace
