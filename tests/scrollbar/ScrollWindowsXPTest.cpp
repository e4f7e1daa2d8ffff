// The Windows XP look on 17-pixel bars in the colours the Style let gives: BackColor RGB(170, 200, 250).
#include <gtest/gtest.h>

#include "Rounding.h"
#include "ScrollLookFixture.h"

namespace {

using kxtest::kTrack;
using kxtest::LookBar;
using kxtest::PixelCase;

const COLORREF kFace = GetSysColor(COLOR_BTNFACE);  // what clearing a box leaves
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(240, 240, 240);
constexpr COLORREF kChevron = RGB(42, 72, 122);
constexpr COLORREF kGripDark = RGB(122, 152, 202);

// The face steps each leave their own first pixel; their colours are offsets of the face colour C.
struct FaceColours {
    COLORREF f6, f7, f8, f9, f11, f12, f13;
};

FaceColours FaceOf(COLORREF c) {
    using kxtest::Offset;
    return {Offset(c, 4), Offset(c, -13), Offset(c, 6), Offset(c, -3), Offset(c, -32), Offset(c, -53), Offset(c, -5)};
}

void ExpectFace(const LookBar& s, int part, const FaceColours& f, const char* look) {
    const int w = s.BoxWidth(part), h = s.BoxHeight(part);
    const int m = static_cast<int>(kx::RoundHalfEven(w / 2.0));
    const PixelCase cases[] = {
        {"F2 white", part, 5, 0, kWhite},       {"F3 white", part, 0, 5, kWhite},
        {"F4 white", part, w - 2, 5, kWhite},   {"F5 white", part, 5, h - 2, kWhite},
        {"F6 first row", part, 1, 2, f.f6},      {"F7 first row", part, w - 3, 2, f.f7},
        {"F8 first column", part, 2, 1, f.f8},   {"F9 first column", part, 2, h - 3, f.f9},
        {"F10", part, 1, 1, kGrey},              {"F10", part, w - 3, 1, kGrey},
        {"F10", part, 1, h - 3, kGrey},          {"F10", part, w - 3, h - 3, kGrey},
        {"F11 first column", part, 1, h - 1, f.f11}, {"F12 first column (M)", part, m, h - 1, f.f12},
        {"F13 first row", part, w - 1, 1, f.f13},
        {"no step", part, w - 1, 0, kFace},      {"no step", part, w - 1, h - 2, kFace},
        {"no step", part, 0, h - 1, kFace},      {"no step", part, w - 2, h - 1, kFace},
        {"no step", part, w - 1, h - 1, kFace},
    };
    kxtest::ExpectPixels(s, cases, look);
}

// F1 seen where nothing covers it: the box's column 3 holds the gradient from top to bottom.
void ExpectMainGradient(const LookBar& s, int part, COLORREF top, COLORREF bottom, const char* look) {
    const int w = s.BoxWidth(part), h = s.BoxHeight(part);
    for (int y : {3, 4, h - 4})
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(part, 3, y)),
                  kxtest::Rgb(kxtest::GradientPixel(0, 0, w - 1, h - 1, top, bottom, true, 3, y)))
            << look << " F1 row " << y;
}

constexpr COLORREF kBack = RGB(170, 200, 250);

TEST(ScrollWindowsXP, NormalVerticalBar) {
    LookBar s(kxSBWindowsXP, true);
    for (int part : {0, 1}) ExpectFace(s, part, FaceOf(kBack), "normal");
    ExpectMainGradient(s, 0, RGB(199, 229, 255), RGB(141, 171, 221), "normal");
    EXPECT_EQ(s.BoxWidth(2), 16) << "thumb one pixel narrower than the bar";
    const PixelCase cases[] = {
        {"up chevron apex", 0, 7, 5, kChevron},    {"up chevron arm", 0, 4, 10, kChevron},
        {"down chevron apex", 1, 7, 11, kChevron}, {"grip light", 2, 4, 6, kWhite},
        {"grip dark", 2, 5, 7, kGripDark},         {"grip dark", 2, 10, 13, kGripDark},
        {"track left edge", kTrack, 0, 100, RGB(245, 245, 240)},
    };
    kxtest::ExpectPixels(s, cases, "normal");
    EXPECT_NE(kxtest::Rgb(s.BoxAt(0, 2, 10)), kxtest::Rgb(kChevron)) << "a chevron stroke's end is left out";
    EXPECT_NE(kxtest::Rgb(s.BoxAt(2, 10, 6)), kxtest::Rgb(kWhite)) << "the light grip line's end is left out";
    EXPECT_EQ(kxtest::Rgb(s.TrackAt(16, 40)),
              kxtest::Rgb(kxtest::GradientPixel(0, 0, 17, 200, RGB(245, 245, 240), RGB(250, 250, 250), false, 16, 40)))
        << "the track's column beside the thumb";
}

TEST(ScrollWindowsXP, HorizontalApexesAndGrip) {
    LookBar s(kxSBWindowsXP, false);
    EXPECT_EQ(s.BoxHeight(2), 16);
    const PixelCase cases[] = {
        {"left chevron apex", 0, 5, 8, kChevron},  {"right chevron apex", 1, 11, 8, kChevron},
        {"grip light column", 2, 6, 5, kWhite},    {"grip dark column", 2, 7, 6, kGripDark},
        {"track", kTrack, 100, 16, kxtest::GradientPixel(0, 0, 200, 17, RGB(245, 245, 240), RGB(250, 250, 250),
                                                          false, 100, 16)},
    };
    kxtest::ExpectPixels(s, cases, "horizontal");
}

TEST(ScrollWindowsXP, HotAndPressedFacesKeepTheGlyphColours) {
    const COLORREF hot = kxtest::Offset(kBack, 16), pressed = kxtest::Offset(kBack, -48);
    const struct {
        const char* look;
        bool pressed;
        FaceColours face;
        COLORREF top, bottom;
    } looks[] = {
        {"hot", false, FaceOf(hot), kxtest::Offset(hot, 29), kxtest::Offset(hot, -29)},
        {"pressed", true, FaceOf(pressed), RGB(93, 123, 173), RGB(151, 181, 231)},
    };
    for (const auto& l : looks) {
        for (int part : {0, 1, 2}) {
            LookBar s(kxSBWindowsXP, true);
            const COLORREF otherBefore = s.BoxAt((part + 1) % 3, 3, 3);
            l.pressed ? s.Press(part) : s.Hover(part);
            EXPECT_EQ(s.bar->HitState(), 1 + 2 * part + (l.pressed ? 1 : 0)) << l.look;
            if (part < 2) {
                ExpectFace(s, part, l.face, l.look);
                ExpectMainGradient(s, part, l.top, l.bottom, l.look);
                EXPECT_EQ(kxtest::Rgb(s.BoxAt(part, 7, part == 0 ? 5 : 11)), kxtest::Rgb(kChevron)) << l.look;
            } else {
                EXPECT_EQ(kxtest::Rgb(s.BoxAt(2, 4, 6)), kxtest::Rgb(kWhite)) << l.look << " grip";
                EXPECT_EQ(kxtest::Rgb(s.BoxAt(2, 5, 7)), kxtest::Rgb(kGripDark)) << l.look << " grip";
            }
            EXPECT_EQ(s.BoxAt((part + 1) % 3, 3, 3), otherBefore) << l.look << ": only the one box repaints";
            if (l.pressed) s.Release(part);
        }
    }
}

TEST(ScrollWindowsXP, DisabledBarsDrawOnLightGreyAndKeepBackColor) {
    for (bool vertical : {true, false}) {
        LookBar s(kxSBWindowsXP, vertical);
        s.Enable(false);
        const char* which = vertical ? "disabled vertical" : "disabled horizontal";
        ExpectMainGradient(s, 0, kWhite, RGB(211, 211, 211), which);
        const COLORREF chevron = vertical ? RGB(112, 112, 112) : RGB(192, 192, 192);
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(0, vertical ? 7 : 5, vertical ? 5 : 8)), kxtest::Rgb(chevron)) << which;
        const COLORREF light = s.BoxAt(2, vertical ? 4 : 6, vertical ? 6 : 5);
        const COLORREF dark = s.BoxAt(2, vertical ? 5 : 7, vertical ? 7 : 6);
        if (vertical) {
            EXPECT_EQ(kxtest::Rgb(light), kxtest::Rgb(kWhite)) << which;
            EXPECT_EQ(kxtest::Rgb(dark), kxtest::Rgb(RGB(192, 192, 192))) << which;
        } else {
            EXPECT_NE(kxtest::Rgb(light), kxtest::Rgb(kWhite)) << which << ": no grip";
            EXPECT_NE(kxtest::Rgb(dark), kxtest::Rgb(RGB(192, 192, 192))) << which << ": no grip";
        }
        OLE_COLOR back = 0;
        s.bar->get_BackColor(&back);
        EXPECT_EQ(back, 0xFAC8AAu) << which;
        EXPECT_EQ(kxtest::Rgb(s.TrackAt(vertical ? 0 : 100, vertical ? 100 : 0)),
                  kxtest::Rgb(kxtest::GradientPixel(0, 0, vertical ? 17 : 200, vertical ? 200 : 17, RGB(245, 245, 240),
                                                    RGB(250, 250, 250), false, vertical ? 0 : 100, vertical ? 100 : 0)))
            << which << ": the track is not cleared in grey";
    }
}

// M = nearest(W / 2), halves to even: where the bottom shadow turns from darkening to lightening.
TEST(ScrollWindowsXP, ShadowMiddleForWidths16To19) {
    const struct {
        int width, m;
    } cases[] = {{16, 8}, {17, 8}, {19, 10}};
    for (const auto& c : cases) {
        LookBar s(kxSBWindowsXP, true, c.width);
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(0, c.m, 16)), kxtest::Rgb(RGB(117, 147, 197))) << "width " << c.width;
        EXPECT_NE(kxtest::Rgb(s.BoxAt(0, c.m - 1, 16)), kxtest::Rgb(RGB(117, 147, 197))) << "width " << c.width;
    }
}

}  // namespace
