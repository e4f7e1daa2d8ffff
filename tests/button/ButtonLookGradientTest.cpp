#include "ButtonLookTestSupport.h"

namespace {

using namespace looktest;

// Every pixel of the outermost ring but the four corners, and the inner edges, of a Vista face.
std::vector<Pixel> VistaRing(int w, int h, COLORREF border, COLORREF light, COLORREF shade) {
    const int r = w - 1, b = h - 1;
    return {{1, 0, border},     {r - 1, 0, border},     {r, 1, border},     {r, b - 1, border},
            {r - 1, b, border}, {1, b, border},         {0, b - 1, border}, {0, 1, border},
            {w / 2, 0, border}, {0, h / 2, border},     {2, 1, light},      {r - 2, 1, light},
            {1, 2, light},      {1, b - 2, light},      {2, b - 1, shade},  {r - 2, b - 1, shade},
            {r - 1, 2, shade},  {r - 1, b - 2, shade}};
}

TEST(ButtonLookVista, BorderAndInnerEdgesFollowBaseFocusAndState) {
    const int w = 60, h = 24;
    const COLORREF face = Sys(COLOR_BTNFACE);
    const COLORREF hotBase = Plus(Sys(COLOR_INACTIVECAPTION), 48);
    const COLORREF dim = Plus(face, -16);
    struct Case {
        const char* name;
        kx::ButtonFace face;
        COLORREF base;
        long border, light, shade;
    } const cases[] = {
        {"normal", Face(kx::kLookNormal), face, -64, 64, 32},
        {"focused", Face(kx::kLookNormal, true), face, -128, 32, 16},
        {"hot", Face(kx::kLookHot), hotBase, -64, 64, 32},
        {"pressed and focused", Face(kx::kLookPressed, true), face, -128, 32, 16},
        {"disabled and focused", Face(kx::kLookDisabled, true), dim, -64, 32, 16},
        {"custom hot", CustomFace(kx::kLookHot, 0x303030, 0x806040), 0x806040, -64, 64, 32},
        {"custom normal", CustomFace(kx::kLookNormal, 0x303030, 0x806040), 0x303030, -64, 64, 32},
    };
    for (const Case& c : cases) {
        const auto canvas = Painted(kx::PaintVistaLook, c.face, w, h);
        const auto table = VistaRing(w, h, Plus(c.base, c.border), Plus(c.base, c.light), Plus(c.base, c.shade));
        EXPECT_EQ("", looktest::Differences(*canvas, table)) << c.name;
        EXPECT_EQ(c.base, canvas->At(w / 2, h / 2)) << c.name << ": the lower gradient starts at the base";
    }
}

// The corners keep the gradient; the upper half starts light (16 darker when pressed).
TEST(ButtonLookVista, CornersShowTheGradientAndAnOddHeightSplitsAtHalf) {
    const int w = 40, h = 23;
    const COLORREF base = 0x404040;
    const auto normal = Painted(kx::PaintVistaLook, CustomFace(kx::kLookNormal, base, 0), w, h);
    const auto pressed = Painted(kx::PaintVistaLook, CustomFace(kx::kLookPressed, base, 0), w, h);
    EXPECT_EQ(Plus(base, 48), normal->At(0, 0));
    EXPECT_EQ(Plus(base, 48), normal->At(w - 1, 0));
    EXPECT_EQ(Plus(base, 32), pressed->At(0, 0));
    EXPECT_EQ(base, normal->At(20, 11)) << "the lower gradient covers rows H/2 to H - 1";
    EXPECT_NE(base, normal->At(20, 10)) << "the upper gradient ends above row H/2";
    EXPECT_NE(Plus(base, -64), normal->At(0, h - 1));
}

TEST(ButtonLookOffice2003, FrameColourByStateFocusAndColours) {
    const int w = 50, h = 20;
    const COLORREF caption = Sys(COLOR_ACTIVECAPTION);
    struct Case {
        const char* name;
        kx::ButtonFace face;
        COLORREF frame;
    } const cases[] = {
        {"normal", Face(kx::kLookNormal), caption},
        {"focused", Face(kx::kLookNormal, true), 0x46AAE6},
        {"hot and focused", Face(kx::kLookHot, true), caption},
        {"pressed", Face(kx::kLookPressed), caption},
        {"disabled", Face(kx::kLookDisabled, true), Sys(COLOR_GRAYTEXT)},
        {"custom normal", CustomFace(kx::kLookNormal, 0x205080, 0x102030), 0x205080},
        {"custom focused", CustomFace(kx::kLookNormal, 0x205080, 0x102030, true), 0x102030},
        {"custom hot", CustomFace(kx::kLookHot, 0x205080, 0x102030), 0x205080},
        {"custom disabled", CustomFace(kx::kLookDisabled, 0x205080, 0x102030), Sys(COLOR_GRAYTEXT)},
    };
    for (const Case& c : cases) {
        const auto canvas = Painted(kx::PaintOffice2003Look, c.face, w, h);
        const std::vector<Pixel> ring = {{0, 0, c.frame}, {25, 0, c.frame}, {w - 1, 0, c.frame}, {w - 1, 10, c.frame},
                                         {w - 1, h - 1, c.frame}, {25, h - 1, c.frame}, {0, h - 1, c.frame},
                                         {0, 10, c.frame}};
        EXPECT_EQ("", looktest::Differences(*canvas, ring)) << c.name;
    }
}

TEST(ButtonLookOffice2003, GradientRunsTopToBottomAndWhiteHighlightGivesPlainWhite) {
    const int w = 50, h = 20;
    const auto hot = Painted(kx::PaintOffice2003Look, Face(kx::kLookHot), w, h);
    const auto pressed = Painted(kx::PaintOffice2003Look, Face(kx::kLookPressed), w, h);
    EXPECT_GT(GetBValue(hot->At(25, 1)), GetBValue(hot->At(25, h - 2))) << "pale yellow to orange";
    EXPECT_LT(GetBValue(pressed->At(25, 1)), GetBValue(pressed->At(25, h - 2))) << "orange to pale yellow";
    for (long state : {kx::kLookHot, kx::kLookPressed}) {
        const auto white = Painted(kx::PaintOffice2003Look, CustomFace(state, 0x808080, 0xFFFFFF), w, h);
        EXPECT_EQ(0xFFFFFFu, white->At(25, 1));
        EXPECT_EQ(0xFFFFFFu, white->At(25, 10));
        EXPECT_EQ(0xFFFFFFu, white->At(25, h - 2));
        EXPECT_EQ(0x808080u, white->At(25, 0)) << "the frame keeps BackColor";
    }
}

}  // namespace
