#include "ButtonLookTestSupport.h"

namespace {

using namespace looktest;

constexpr int kW = 75, kH = 23, kR = kW - 1, kB = kH - 1;

// Border, corner shading and the untouched corners shared by the fixed normal and pressed faces.
std::vector<Pixel> FixedCorners() {
    const COLORREF face = Sys(COLOR_BTNFACE);
    return {{0, 0, face},       {kR, 0, face},           {0, kB, face},           {kR, kB, face},
            {5, 0, 0x743C00},   {0, 5, 0x743C00},        {kR, 5, 0x743C00},       {5, kB, 0x743C00},
            {1, 1, 0x906E48},   {kR - 1, kB - 1, 0x906E48}, {0, 1, 0xA28B6A},     {1, 0, 0xA28B6A},
            {kR, kB - 1, 0xA28B6A}, {kR - 1, kB, 0xA28B6A}};
}

std::vector<Pixel> Joined(std::vector<Pixel> a, const std::vector<Pixel>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ButtonLookWindowsXP, FixedColourFaces) {
    struct Case {
        const char* name;
        kx::ButtonFace face;
        std::vector<Pixel> table;
    } const cases[] = {
        {"normal", Face(kx::kLookNormal),
         Joined(FixedCorners(), {{5, 1, 0xFBFCFC}, {5, 3, 0xF6F6F6}, {5, kB - 1, 0xD0D9DD}, {kR - 2, 3, 0xFAFBFB},
                                 {kR - 1, 3, 0xF2F4F5}, {1, 2, 0xCAC7BF}, {kR - 2, kB - 1, 0xCAC7BF}})},
        {"hot", Face(kx::kLookHot),
         Joined(FixedCorners(), {{5, 1, 0xCFF0FF}, {5, 2, 0x89D8FD}, {5, kB - 2, 0x30B3F8}, {5, kB - 1, 0x1097E5},
                                 {1, 2, 0x89D8FD}, {2, kB - 2, 0x30B3F8}, {kR - 1, 2, 0x89D8FD}})},
        {"hot and focused", Face(kx::kLookHot, true), {{5, 1, 0xCFF0FF}, {5, kB - 1, 0x1097E5}}},
        {"focused, ShowFocus false", Face(kx::kLookNormal, true),
         Joined(FixedCorners(), {{5, 1, 0xFFE7CE}, {5, 2, 0xF6D4BC}, {5, kB - 2, 0xE4AD89}, {5, kB - 1, 0xEE8269},
                                 {1, 2, 0xF6D4BC}, {kR - 2, kB - 2, 0xE4AD89}})},
        {"pressed", Face(kx::kLookPressed, true),
         Joined(FixedCorners(), {{5, 1, 0xC1CCD1}, {1, 3, 0xCED8DA}, {2, 4, 0xCED8DA}, {1, kB - 1, 0x906E48},
                                 {1, 2, 0xCAC7BF}, {5, kB - 1, 0xE8ECED}})},
        {"disabled and focused", Face(kx::kLookDisabled, true),
         {{0, 0, 0xBAC7C9}, {kR, kB, 0xBAC7C9}, {5, 0, 0xBAC7C9}, {5, 5, 0xEAF4F5}, {1, 1, 0xC7D5D8},
          {0, 1, 0xC7D5D8}, {kR - 1, kB, 0xC7D5D8}, {kR - 1, kB - 1, 0xC7D5D8}, {1, 2, 0xEAF4F5}}},
    };
    for (const Case& c : cases) {
        const auto canvas = Painted(kx::PaintWindowsXPLook, c.face, kW, kH);
        EXPECT_EQ("", looktest::Differences(*canvas, c.table)) << c.name;
    }
}

TEST(ButtonLookWindowsXP, CustomColourFaces) {
    const COLORREF highlight = 0xC56A31;
    kx::ButtonFace focusShown = CustomFace(kx::kLookNormal, 0xFFFFFF, highlight, true);
    focusShown.showFocus = true;
    const COLORREF system = Sys(COLOR_HIGHLIGHT);
    struct Case {
        const char* name;
        kx::ButtonFace face;
        std::vector<Pixel> table;
    } const cases[] = {
        {"white", CustomFace(kx::kLookNormal, 0xFFFFFF, highlight),
         {{0, 0, 0xFFFFFF}, {0, kB, 0xFFFFFF}, {kR, 0, 0x7F7F7F}, {kR, kB, 0x7F7F7F}, {5, 0, 0x7F7F7F},
          {1, 1, 0x7F7F7F}, {1, 0, 0xEAEAEA}, {0, kB - 1, 0xEAEAEA}, {5, 1, 0xFFFFFF}, {5, kB - 1, 0xDADADA},
          {1, 2, 0xFFFFFF}, {kR - 1, 3, 0xF8F8F8}, {kR - 1, kB - 2, 0xDFDFDF}}},
        {"black", CustomFace(kx::kLookNormal, 0x000000, highlight),
         {{5, 0, 0x000000}, {5, kB - 1, 0x000000}, {kR - 1, 5, 0x000000}, {1, 2, 0x020202}, {1, 3, 0x141414},
          {1, kB - 2, 0x000000}}},
        {"focused without ShowFocus", CustomFace(kx::kLookNormal, 0xFFFFFF, highlight, true),
         {{5, 1, 0xFFFFFF}, {5, kB - 1, 0xDADADA}}},
        {"focused with ShowFocus", focusShown,
         {{5, 1, Plus(system, 85)}, {5, 2, Plus(system, 69)}, {5, kB - 2, Plus(system, 16)}, {5, kB - 1, system},
          {1, 2, Plus(system, 69)}, {kR - 1, kB - 2, Plus(system, 16)}}},
        {"hot", CustomFace(kx::kLookHot, 0xFFFFFF, highlight),
         {{5, 1, Plus(highlight, 85)}, {5, kB - 1, highlight}, {kR - 2, 2, Plus(highlight, 69)}}},
        {"pressed", CustomFace(kx::kLookPressed, 0x808080, highlight),
         {{0, 0, kUntouched}, {kR, kB, kUntouched}, {5, 0, 0x000000}, {1, 1, 0x202020}, {0, 1, 0x000000},
          {1, 2, 0x505050}, {kR - 1, kB - 2, 0x929292}, {5, 1, 0x5B5B5B}}},
        {"disabled", CustomFace(kx::kLookDisabled, 0x808080, highlight),
         {{0, 0, 0x404040}, {5, 5, 0x808080}, {1, 1, 0x4B4B4B}, {kR - 1, 0, 0x4B4B4B}}},
    };
    for (const Case& c : cases) {
        const auto canvas = Painted(kx::PaintWindowsXPLook, c.face, kW, kH);
        EXPECT_EQ("", looktest::Differences(*canvas, c.table)) << c.name;
    }
}

}  // namespace
