// The Plastik look with BackColor RGB(200, 200, 200) and ForeColor RGB(40, 80, 160) on 17-pixel bars.
#include <gtest/gtest.h>

#include "ScrollLookFixture.h"

namespace {

using kxtest::LookBar;
using kxtest::PixelCase;

const COLORREF kFace = GetSysColor(COLOR_BTNFACE);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kChevron = RGB(0, 0, 32);
constexpr COLORREF kGripDark = RGB(152, 152, 152);

LookBar Bar(bool vertical) {
    return LookBar(kxSBPlastik, vertical, RGB(200, 200, 200), RGB(40, 80, 160));
}

// The 17 x 17 face of the first arrow: gradient rows 3 .. 13 from top, edge lines, the eight-sided outline
// and the three pixels outside each cut corner.
void ExpectFace(const LookBar& s, COLORREF top, COLORREF outline, COLORREF edge, COLORREF shade, const char* look) {
    const PixelCase cases[] = {
        {"gradient first row", 0, 1, 3, top},      {"gradient first row", 0, 15, 3, top},
        {"shade row 1", 0, 2, 1, shade},           {"shade row 1", 0, 14, 1, shade},
        {"E row 2", 0, 1, 2, edge},                {"E row 2", 0, 15, 2, edge},
        {"E row 15", 0, 2, 15, edge},              {"E row 15", 0, 14, 15, edge},
        {"shade row 14", 0, 1, 14, shade},         {"shade row 14", 0, 15, 14, shade},
        {"outline top", 0, 2, 0, outline},         {"outline top", 0, 14, 0, outline},
        {"outline cut", 0, 15, 1, outline},        {"outline right", 0, 16, 2, outline},
        {"outline right", 0, 16, 14, outline},     {"outline bottom", 0, 14, 16, outline},
        {"outline bottom", 0, 2, 16, outline},     {"outline left", 0, 0, 14, outline},
        {"outline cut", 0, 1, 1, outline},         {"outside corner", 0, 0, 0, kFace},
        {"outside corner", 0, 1, 0, kFace},        {"outside corner", 0, 0, 1, kFace},
        {"outside corner", 0, 16, 0, kFace},       {"outside corner", 0, 15, 0, kFace},
        {"outside corner", 0, 16, 16, kFace},      {"outside corner", 0, 0, 16, kFace},
    };
    kxtest::ExpectPixels(s, cases, look);
}

TEST(ScrollPlastik, EnabledVerticalBar) {
    LookBar s = Bar(true);
    ExpectFace(s, RGB(229, 229, 229), RGB(171, 171, 171), RGB(24, 64, 144), RGB(19, 59, 139), "normal");
    const PixelCase cases[] = {
        {"apex", 0, 8, 5, kChevron},          {"left arm", 0, 4, 9, kChevron},  {"right arm", 0, 12, 9, kChevron},
        {"down apex", 1, 8, 11, kChevron},    {"grip light row 6", 2, 4, 6, kWhite},
        {"grip light row 12", 2, 11, 12, kWhite}, {"grip dark row 7", 2, 5, 7, kGripDark},
        {"grip dark row 13", 2, 12, 13, kGripDark},
    };
    kxtest::ExpectPixels(s, cases, "normal");
    for (const POINT end : {POINT{3, 10}, POINT{4, 11}, POINT{13, 10}, POINT{12, 11}})
        EXPECT_NE(kxtest::Rgb(s.BoxAt(0, end.x, end.y)), kxtest::Rgb(kChevron)) << end.x << "," << end.y;
    EXPECT_NE(kxtest::Rgb(s.BoxAt(2, 12, 6)), kxtest::Rgb(kWhite)) << "light lines end at column 11";
    EXPECT_EQ(kxtest::Rgb(s.TrackAt(16, 100)),
              kxtest::Rgb(kxtest::GradientPixel(0, 0, 17, 200, RGB(245, 245, 240), RGB(250, 250, 250), false, 16, 100)))
        << "the track runs across a vertical bar";
}

TEST(ScrollPlastik, HorizontalGripAndTrackAlongTheBar) {
    LookBar s = Bar(false);
    const PixelCase cases[] = {
        {"left apex", 0, 5, 8, kChevron},           {"right apex", 1, 11, 8, kChevron},
        {"grip light column 6", 2, 6, 5, kWhite},   {"grip light column 12", 2, 12, 11, kWhite},
        {"grip dark column 7", 2, 7, 6, kGripDark}, {"grip dark column 13", 2, 13, 12, kGripDark},
        {"track", kxtest::kTrack, 100, 0,
         kxtest::GradientPixel(0, 0, 200, 17, RGB(245, 245, 240), RGB(250, 250, 250), false, 100, 0)},
    };
    kxtest::ExpectPixels(s, cases, "horizontal");
    EXPECT_NE(kxtest::Rgb(s.BoxAt(2, 6, 12)), kxtest::Rgb(kWhite)) << "light lines end at row 11";
}

TEST(ScrollPlastik, DisabledBarDrawsEdgesChevronsAndGripInBackShades) {
    LookBar s = Bar(true);
    s.Enable(false);
    ExpectFace(s, RGB(229, 229, 229), RGB(171, 171, 171), RGB(152, 152, 152), RGB(147, 147, 147), "disabled");
    const PixelCase cases[] = {
        {"chevron", 0, 8, 5, RGB(152, 152, 152)},
        {"grip light", 2, 4, 6, RGB(136, 136, 136)},
    };
    kxtest::ExpectPixels(s, cases, "disabled");
    EXPECT_NE(kxtest::Rgb(s.BoxAt(2, 5, 7)), kxtest::Rgb(kGripDark)) << "no dark grip lines";
}

TEST(ScrollPlastik, HotAndPressedParts) {
    {
        LookBar s = Bar(true);
        s.Hover(0);
        ExpectFace(s, RGB(229, 229, 229), RGB(171, 171, 171), RGB(24, 64, 144), RGB(19, 59, 139), "hot arrow");
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(0, 8, 5)), kxtest::Rgb(RGB(72, 112, 192))) << "hot chevron";
    }
    {
        LookBar s = Bar(true);
        s.Press(0);
        ExpectFace(s, RGB(123, 123, 123), RGB(123, 123, 123), RGB(24, 64, 144), RGB(19, 59, 139), "pressed arrow");
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(0, 8, 5)), kxtest::Rgb(kChevron)) << "pressed chevron";
        s.Release(0);
    }
    {
        LookBar s = Bar(true);
        s.Hover(2);
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(2, 4, 6)), kxtest::Rgb(RGB(56, 96, 176))) << "hot grip light";
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(2, 5, 7)), kxtest::Rgb(kGripDark)) << "hot grip dark";
    }
    {
        LookBar s = Bar(true);
        s.Press(2);
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(2, 4, 6)), kxtest::Rgb(kWhite)) << "pressed grip light";
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(2, 1, 3)), kxtest::Rgb(RGB(123, 123, 123))) << "pressed face top";
        s.Release(2);
    }
}

}  // namespace
