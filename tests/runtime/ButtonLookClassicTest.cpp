#include "ButtonLookTestSupport.h"
#include "DrawingModule.h"

// Normal, Soft, Flat, Java, OfficeXP and WindowsTheme.
namespace {

using looktest::CustomFace;
using looktest::Face;
using looktest::Painted;
using looktest::Pixel;
using looktest::Sys;

constexpr int kW = 40, kH = 20;

// True when every pixel of the canvas has one colour.
bool Plain(const kxtest::Canvas& canvas, COLORREF color) {
    return canvas.Mismatches([color](int, int) { return color; }).empty();
}

TEST(ButtonLookClassic, EdgeLooksShowTheirSurfaceAndEdgeByState) {
    const COLORREF back = 0x203040, highlight = 0x405060;
    struct Case {
        const char* name;
        kx::LookPainter look;
        long state;
        COLORREF surface;
        bool edge;
    } const cases[] = {
        {"Normal normal", kx::PaintNormalLook, kx::kLookNormal, back, true},
        {"Normal disabled", kx::PaintNormalLook, kx::kLookDisabled, highlight, true},
        {"Normal pressed", kx::PaintNormalLook, kx::kLookPressed, highlight, true},
        {"Soft normal", kx::PaintSoftLook, kx::kLookNormal, back, true},
        {"Soft hot", kx::PaintSoftLook, kx::kLookHot, highlight, true},
        {"Soft disabled", kx::PaintSoftLook, kx::kLookDisabled, back, false},
        {"Flat normal", kx::PaintFlatLook, kx::kLookNormal, back, false},
        {"Flat hot", kx::PaintFlatLook, kx::kLookHot, highlight, true},
        {"Flat pressed", kx::PaintFlatLook, kx::kLookPressed, highlight, true},
        {"Flat disabled", kx::PaintFlatLook, kx::kLookDisabled, back, false},
    };
    for (const Case& c : cases) {
        const auto canvas = Painted(c.look, CustomFace(c.state, back, highlight), kW, kH);
        EXPECT_EQ(c.surface, canvas->At(kW / 2, kH / 2)) << c.name;
        EXPECT_EQ(!c.edge, Plain(*canvas, c.surface)) << c.name;
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

TEST(ButtonLookClassic, JavaRingsAndFaceByState) {
    const COLORREF shadow = Sys(COLOR_BTNSHADOW), window = Sys(COLOR_WINDOW), face = Sys(COLOR_BTNFACE);
    const COLORREF hotFace = static_cast<COLORREF>(kx::MixColors(shadow, face));
    const COLORREF mix = static_cast<COLORREF>(kx::MixColors(window, shadow));
    struct Case {
        long state;
        COLORREF inner;
    } const cases[] = {{kx::kLookNormal, face}, {kx::kLookHot, hotFace}, {kx::kLookPressed, shadow},
                       {kx::kLookDisabled, face}};
    for (const Case& c : cases) {
        const auto canvas = Painted(kx::PaintJavaLook, Face(c.state), kW, kH);
        const std::vector<Pixel> table = {
            {10, 10, c.inner},     {3, 3, c.inner},       {kW - 5, kH - 5, c.inner}, {kW - 4, kH - 4, face},
            {0, 0, shadow},        {0, 5, shadow},        {kW - 2, 5, shadow},       {5, kH - 2, shadow},
            {1, 1, window},        {kW - 1, 5, window},   {5, kH - 1, window},       {0, kH - 1, c.inner},
            {kW - 1, 0, c.inner},  {1, kH - 2, mix},      {kW - 2, 1, mix},          {2, 2, face}};
        EXPECT_EQ("", looktest::Differences(*canvas, table)) << c.state;
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

}  // namespace
