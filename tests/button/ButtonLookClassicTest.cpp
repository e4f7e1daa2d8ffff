#include <windows.h>
#include <uxtheme.h>
#include <vsstyle.h>

#include "ButtonLookTestSupport.h"
#include "DrawingModule.h"

// Normal, Soft, Flat, Java, OfficeXP and WindowsTheme.
namespace {

using namespace looktest;

constexpr int kW = 40, kH = 20;

// True when every pixel of the canvas has one colour.
bool Plain(const kxtest::Canvas& canvas, COLORREF color) {
    return canvas.Mismatches([color](int, int) { return color; }).empty();
}

// The width of the edge in pixels: 2 for EDGE_RAISED and EDGE_SUNKEN, 1 for a single border, 0 for none.
TEST(ButtonLookClassic, EdgeLooksShowTheirSurfaceAndEdgeByState) {
    const COLORREF back = 0x203040, highlight = 0x405060;
    struct Case {
        const char* name;
        kx::LookPainter look;
        long state;
        COLORREF surface;
        int edge;
    } const cases[] = {
        {"Normal normal", kx::PaintNormalLook, kx::kLookNormal, back, 2},
        {"Normal disabled", kx::PaintNormalLook, kx::kLookDisabled, highlight, 2},
        {"Normal pressed", kx::PaintNormalLook, kx::kLookPressed, highlight, 2},
        {"Soft normal", kx::PaintSoftLook, kx::kLookNormal, back, 1},
        {"Soft hot", kx::PaintSoftLook, kx::kLookHot, highlight, 1},
        {"Soft pressed", kx::PaintSoftLook, kx::kLookPressed, highlight, 1},
        {"Soft disabled", kx::PaintSoftLook, kx::kLookDisabled, back, 0},
        {"Flat normal", kx::PaintFlatLook, kx::kLookNormal, back, 0},
        {"Flat hot", kx::PaintFlatLook, kx::kLookHot, highlight, 1},
        {"Flat pressed", kx::PaintFlatLook, kx::kLookPressed, highlight, 1},
        {"Flat disabled", kx::PaintFlatLook, kx::kLookDisabled, back, 0},
    };
    for (const Case& c : cases) {
        const auto canvas = Painted(c.look, CustomFace(c.state, back, highlight), kW, kH);
        EXPECT_EQ(c.surface, canvas->At(kW / 2, kH / 2)) << c.name;
        EXPECT_EQ(c.edge == 0, Plain(*canvas, c.surface)) << c.name;
        if (c.edge == 0) continue;
        EXPECT_NE(c.surface, canvas->At(0, kH / 2)) << c.name;
        EXPECT_EQ(c.edge == 1, canvas->At(1, kH / 2) == c.surface) << c.name << ": edge width";
        EXPECT_EQ(c.surface, canvas->At(2, kH / 2)) << c.name;
    }
}

// Pressed edges are sunken: shadow at the top left; raised ones are light there.
TEST(ButtonLookClassic, PressedEdgesAreSunken) {
    for (kx::LookPainter look : {kx::PaintNormalLook, kx::PaintSoftLook, kx::PaintFlatLook}) {
        const auto pressed = Painted(look, Face(kx::kLookPressed), kW, kH);
        const auto hot = Painted(look, Face(kx::kLookHot), kW, kH);
        EXPECT_EQ(Sys(COLOR_BTNSHADOW), pressed->At(0, 0));
        EXPECT_NE(Sys(COLOR_BTNSHADOW), hot->At(0, 0));
    }
}

// With custom colours the face is HighlightColor pressed and its mix with the back colour hot.
TEST(ButtonLookClassic, JavaRingsAndFaceByState) {
    const COLORREF shadow = Sys(COLOR_BTNSHADOW), window = Sys(COLOR_WINDOW), face = Sys(COLOR_BTNFACE);
    const COLORREF hotFace = static_cast<COLORREF>(kx::MixColors(shadow, face));
    const COLORREF mix = static_cast<COLORREF>(kx::MixColors(window, shadow));
    const COLORREF back = 0x204060, highlight = 0x6080A0;
    struct Case {
        kx::ButtonFace look;
        COLORREF surface, inner;
    } const cases[] = {{Face(kx::kLookNormal), face, face},
                       {Face(kx::kLookHot), face, hotFace},
                       {Face(kx::kLookPressed), face, shadow},
                       {Face(kx::kLookDisabled), face, face},
                       {CustomFace(kx::kLookNormal, back, highlight), back, back},
                       {CustomFace(kx::kLookHot, back, highlight), back, 0x406080},
                       {CustomFace(kx::kLookPressed, back, highlight), back, highlight}};
    for (const Case& c : cases) {
        const auto canvas = Painted(kx::PaintJavaLook, c.look, kW, kH);
        const std::vector<Pixel> table = {
            {10, 10, c.inner},     {3, 3, c.inner},       {kW - 5, kH - 5, c.inner}, {kW - 4, kH - 4, c.surface},
            {0, 0, shadow},        {0, 5, shadow},        {kW - 2, 5, shadow},       {5, kH - 2, shadow},
            {1, 1, window},        {kW - 1, 5, window},   {5, kH - 1, window},       {0, kH - 1, c.inner},
            {kW - 1, 0, c.inner},  {1, kH - 2, mix},      {kW - 2, 1, mix},          {2, 2, c.surface}};
        EXPECT_EQ("", looktest::Differences(*canvas, table)) << c.look.state << c.look.useCustomColors;
    }
}

TEST(ButtonLookClassic, OfficeXPFillsAndFramesWithLightenedColours) {
    const COLORREF hc = 0xC56A31;
    struct Case {
        long state;
        std::vector<Pixel> table;
    } const cases[] = {
        {kx::kLookHot,
         {{0, 0, hc}, {kW - 1, kH - 1, hc}, {kW - 1, 5, hc}, {5, 5, 0xEDD0BF}, {kW - 2, kH - 2, 0xEDD0BF}}},
        {kx::kLookPressed, {{0, 0, hc}, {5, kH - 1, hc}, {5, 5, 0xE2B498}}},
        {kx::kLookNormal, {{0, 0, 0x8F8F8F}, {kW - 1, kH - 1, 0x8F8F8F}}},
        {kx::kLookDisabled, {{5, 5, 0x8F8F8F}}},
    };
    for (const Case& c : cases) {
        const auto canvas = Painted(kx::PaintOfficeXPLook, CustomFace(c.state, 0x808080, hc), kW, kH);
        EXPECT_EQ("", looktest::Differences(*canvas, c.table)) << c.state;
    }
}

// Whether a theme draws depends on the system; without one the look says so and draws only the face colour.
TEST(ButtonLookClassic, WindowsThemeDrawsThroughTheThemeOrReportsThatItCannot) {
    bool drawn = false;
    const auto canvas = Painted(kx::PaintWindowsThemeLook, Face(kx::kLookNormal, true), kW, kH, &drawn);
    if (drawn) {
        EXPECT_FALSE(Plain(*canvas, Sys(COLOR_BTNFACE))) << "the theme's push button";
    } else {
        EXPECT_TRUE(Plain(*canvas, Sys(COLOR_BTNFACE)));
    }
    RecordProperty("themed", drawn ? "yes" : "no");
}

// The theme's push button over the whole surface, in the theme state the look should pick.
TEST(ButtonLookClassic, WindowsThemeDrawsTheStateAndAFocusedNormalButtonAsTheDefault) {
    const HTHEME theme = OpenThemeData(nullptr, L"Button");
    if (!theme) GTEST_SKIP() << "no visual styles on this system";
    struct Case {
        long state;
        bool focus;
        int themeState;  // PBS_NORMAL 1, PBS_HOT 2, PBS_PRESSED 3, PBS_DISABLED 4, PBS_DEFAULTED 5
    } const cases[] = {{kx::kLookNormal, false, 1}, {kx::kLookNormal, true, 5}, {kx::kLookHot, true, 2},
                       {kx::kLookPressed, true, 3}, {kx::kLookDisabled, true, 4}};
    for (const Case& c : cases) {
        bool drawn = false;
        const auto canvas = Painted(kx::PaintWindowsThemeLook, Face(c.state, c.focus), kW, kH, &drawn);
        kxtest::Canvas expected(kW, kH, 32, Sys(COLOR_BTNFACE));
        const RECT all = {0, 0, kW, kH};
        DrawThemeBackground(theme, expected.dc(), BP_PUSHBUTTON, c.themeState, &all, &all);
        EXPECT_TRUE(drawn) << c.state;
        EXPECT_EQ("", canvas->Mismatches([&](int x, int y) { return expected.At(x, y); })) << c.state << c.focus;
    }
    const auto normal = Painted(kx::PaintWindowsThemeLook, Face(kx::kLookNormal), kW, kH);
    const auto focused = Painted(kx::PaintWindowsThemeLook, Face(kx::kLookNormal, true), kW, kH);
    EXPECT_NE("", normal->Mismatches([&](int x, int y) { return focused->At(x, y); })) << "the default button differs";
    CloseThemeData(theme);
}

TEST(ButtonLookClassic, ThemedPainterAnswersFalseForAClassWithoutTheme) {
    kxtest::Canvas canvas(kW, kH, 32, looktest::kUntouched);
    const kx::ButtonPainter painter(canvas.dc(), kW, kH);
    EXPECT_FALSE(painter.Themed(L"NoSuchThemeClass", 1, 1));
    EXPECT_TRUE(Plain(canvas, looktest::kUntouched));
}

}  // namespace
