// The Office 2003 look in the colours the Style let gives: BackColor RGB(170, 200, 250), ForeColor
// RGB(255, 225, 120), on 17-pixel bars.
#include <gtest/gtest.h>

#include "ScrollLookFixture.h"

namespace {

using kxtest::LookBar;
using kxtest::PixelCase;

struct Look {
    const char* name;
    COLORREF top, bottom, outline, chevron, gripLight, gripDark;
};

const Look kNormal = {"normal", RGB(165, 195, 245), RGB(191, 221, 255), RGB(149, 179, 229), RGB(42, 72, 122),
                      RGB(255, 255, 255), RGB(122, 152, 202)};
const Look kHot = {"hot", RGB(255, 241, 136), RGB(207, 177, 72), RGB(234, 204, 99), RGB(127, 97, 0),
                   RGB(255, 225, 128), RGB(127, 97, 0)};
const Look kPressed = {"pressed", RGB(207, 177, 72), RGB(255, 241, 136), RGB(234, 204, 99), RGB(127, 97, 0),
                       RGB(255, 225, 128), RGB(127, 97, 0)};
const Look kDisabled = {"disabled", RGB(225, 225, 225), RGB(251, 251, 251), RGB(209, 209, 209), RGB(102, 102, 102),
                        RGB(255, 255, 255), RGB(182, 182, 182)};

// One box of a 17-pixel vertical bar: the face gradient over the whole box, the outline on its outermost
// pixels, the chevron's apex or the grip.
void ExpectBox(const LookBar& s, int part, const Look& look) {
    const int w = s.BoxWidth(part), h = s.BoxHeight(part);
    const PixelCase cases[] = {
        {"outline", part, 0, 0, look.outline},         {"outline", part, w - 1, h - 1, look.outline},
        {"outline", part, w / 2, 0, look.outline},     {"outline", part, 0, h / 2, look.outline},
        {"face", part, 2, 2, kxtest::GradientPixel(0, 0, w, h, look.top, look.bottom, true, 2, 2)},
        {"face", part, 2, h - 2, kxtest::GradientPixel(0, 0, w, h, look.top, look.bottom, true, 2, h - 2)},
    };
    kxtest::ExpectPixels(s, cases, look.name);
    if (part == 2) {
        const PixelCase grip[] = {
            {"grip light", 2, 5, 6, look.gripLight}, {"grip light", 2, 10, 12, look.gripLight},
            {"grip dark", 2, 6, 7, look.gripDark},   {"grip dark", 2, 11, 13, look.gripDark},
        };
        kxtest::ExpectPixels(s, grip, look.name);
    } else {
        EXPECT_EQ(kxtest::Rgb(s.BoxAt(part, 8, part == 0 ? 5 : 11)), kxtest::Rgb(look.chevron)) << look.name;
    }
}

TEST(ScrollOffice2003, NormalAndDisabledBars) {
    for (const Look* look : {&kNormal, &kDisabled}) {
        LookBar s(kxSBOffice2003, true);
        s.Enable(look == &kNormal);
        for (int part : {0, 1, 2}) ExpectBox(s, part, *look);
        EXPECT_EQ(kxtest::Rgb(s.TrackAt(0, 100)), kxtest::Rgb(RGB(245, 245, 240))) << look->name << " track";
    }
}

TEST(ScrollOffice2003, HotAndPressedBoxesInForeColorShades) {
    for (const Look* look : {&kHot, &kPressed})
        for (int part : {0, 1, 2}) {
            LookBar s(kxSBOffice2003, true);
            look == &kHot ? s.Hover(part) : s.Press(part);
            ExpectBox(s, part, *look);
            if (look == &kPressed) s.Release(part);
        }
}

TEST(ScrollOffice2003, ChevronStrokesBothWays) {
    const struct {
        bool vertical;
        int part;
        POINT painted[6];
        POINT ends[3];
    } cases[] = {
        {true, 0, {{8, 5}, {8, 6}, {8, 7}, {4, 9}, {5, 10}, {12, 9}}, {{3, 10}, {13, 10}, {12, 11}}},
        {true, 1, {{8, 11}, {8, 10}, {8, 9}, {4, 7}, {5, 6}, {12, 7}}, {{3, 6}, {13, 6}, {12, 5}}},
        {false, 0, {{5, 8}, {6, 8}, {7, 8}, {9, 4}, {10, 5}, {9, 12}}, {{10, 3}, {10, 13}, {11, 12}}},
    };
    for (const auto& c : cases) {
        LookBar s(kxSBOffice2003, c.vertical);
        for (const POINT p : c.painted)
            EXPECT_EQ(kxtest::Rgb(s.BoxAt(c.part, p.x, p.y)), kxtest::Rgb(kNormal.chevron)) << p.x << "," << p.y;
        for (const POINT p : c.ends)
            EXPECT_NE(kxtest::Rgb(s.BoxAt(c.part, p.x, p.y)), kxtest::Rgb(kNormal.chevron)) << p.x << "," << p.y;
    }
}

TEST(ScrollOffice2003, HorizontalTrackRunsAcrossTheBar) {
    LookBar s(kxSBOffice2003, false);
    EXPECT_EQ(kxtest::Rgb(s.TrackAt(100, 0)), kxtest::Rgb(RGB(245, 245, 240)));
    EXPECT_EQ(kxtest::Rgb(s.TrackAt(100, 16)),
              kxtest::Rgb(kxtest::GradientPixel(0, 0, 200, 17, RGB(245, 245, 240), RGB(250, 250, 250), true, 100, 16)));
}

}  // namespace
