// The Galaxy look with BackColor RGB(200, 200, 200) and a black ForeColor on 17-pixel bars.
#include <gtest/gtest.h>

#include "ScrollLookFixture.h"

namespace {

using kxtest::LookBar;
using kxtest::Offset;
using kxtest::PixelCase;

const COLORREF kFace = GetSysColor(COLOR_BTNFACE);
constexpr COLORREF kBack = RGB(200, 200, 200);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGripDark = RGB(152, 152, 152);

LookBar Bar(bool vertical) {
    return LookBar(kxSBGalaxy, vertical, kBack, kBlack);
}

TEST(ScrollGalaxy, NormalFaceChevronAndGrip) {
    LookBar s = Bar(true);
    const PixelCase cases[] = {
        {"gradient first row", 0, 2, 2, Offset(kBack, 29)}, {"highlight left", 0, 1, 2, Offset(kBack, 80)},
        {"highlight top", 0, 2, 1, Offset(kBack, 80)},      {"shadow right", 0, 15, 2, Offset(kBack, -8)},
        {"shadow bottom", 0, 2, 15, Offset(kBack, -8)},     {"outline", 0, 2, 0, Offset(kBack, -29)},
        {"outline cut", 0, 15, 1, Offset(kBack, -29)},      {"cut corner", 0, 16, 0, kFace},
        {"cut corner", 0, 15, 0, kFace},                    {"cut corner", 0, 16, 1, kFace},
        {"apex, black - 128", 0, 8, 5, kBlack},             {"down apex", 1, 8, 11, kBlack},
        {"grip light", 2, 4, 6, kWhite},                    {"grip light last", 2, 10, 12, kWhite},
        {"grip dark", 2, 5, 7, kGripDark},                  {"grip dark last", 2, 11, 13, kGripDark},
    };
    kxtest::ExpectPixels(s, cases, "normal");
    EXPECT_NE(kxtest::Rgb(s.BoxAt(2, 11, 6)), kxtest::Rgb(kWhite)) << "light lines end at column 10";
    EXPECT_NE(kxtest::Rgb(s.BoxAt(0, 3, 10)), kxtest::Rgb(kBlack)) << "stroke end left out";
}

TEST(ScrollGalaxy, HorizontalGripColumns) {
    LookBar s = Bar(false);
    const PixelCase cases[] = {
        {"left apex", 0, 5, 8, kBlack},  {"right apex", 1, 11, 8, kBlack},
        {"light column 6", 2, 6, 5, kWhite}, {"light column 6 end", 2, 6, 10, kWhite},
        {"dark column 7", 2, 7, 6, kGripDark}, {"dark column 7 end", 2, 7, 11, kGripDark},
    };
    kxtest::ExpectPixels(s, cases, "horizontal");
    EXPECT_NE(kxtest::Rgb(s.BoxAt(2, 6, 11)), kxtest::Rgb(kWhite));
}

TEST(ScrollGalaxy, DisabledChevronsOnly) {
    LookBar s = Bar(true);
    s.Enable(false);
    const PixelCase cases[] = {
        {"chevron", 0, 8, 5, Offset(kBack, -48)}, {"chevron", 1, 8, 11, Offset(kBack, -48)},
        {"face as enabled", 0, 2, 2, Offset(kBack, 29)}, {"grip as enabled", 2, 5, 7, kGripDark},
    };
    kxtest::ExpectPixels(s, cases, "disabled");
}

TEST(ScrollGalaxy, HotChevronAndPressedFace) {
    {
        LookBar s = Bar(true);
        s.Hover(1);
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(1, 8, 11)), kxtest::Rgb(RGB(128, 128, 128))) << "hot chevron on black";
    }
    {
        LookBar s = Bar(true);
        s.Press(2);
        const COLORREF base = Offset(kBack, -5);
        const PixelCase cases[] = {
            {"button face row 2", 2, 3, 2, kFace},
            {"button face row h - 3", 2, 3, s.BoxHeight(2) - 3, kFace},
            {"pressed gradient first row", 2, 3, 3, Offset(base, -29)},
            {"pressed highlight", 2, 1, 3, Offset(base, 80)},
            {"grip unchanged", 2, 5, 7, kGripDark},
        };
        kxtest::ExpectPixels(s, cases, "pressed thumb");
        s.Release(2);
    }
}

}  // namespace
