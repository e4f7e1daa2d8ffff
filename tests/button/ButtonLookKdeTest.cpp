#include "ButtonLookTestSupport.h"

// Plastik, Galaxy and Keramik.
namespace {

using namespace looktest;

constexpr int kW = 70, kH = 24, kR = kW - 1, kB = kH - 1;

struct Case {
    const char* name;
    kx::ButtonFace face;
    std::vector<Pixel> table;
};

void Check(kx::LookPainter look, const Case& c, int w = kW, int h = kH) {
    const auto canvas = Painted(look, c.face, w, h);
    EXPECT_EQ("", looktest::Differences(*canvas, c.table)) << c.name;
}

TEST(ButtonLookPlastik, FacesBordersAndHighlightBands) {
    const COLORREF hl = 0x804020;
    const Case cases[] = {
        {"white", CustomFace(kx::kLookNormal, 0xFFFFFF, hl),
         {{0, 0, 0xFFFFFF}, {5, 5, 0xFCFCFC}, {5, 0, 0x9F9F9F}, {kR, 0, 0x9F9F9F}, {kR, kB, 0x9F9F9F},
          {1, 1, 0x9F9F9F}, {1, 0, 0xEAEAEA}, {0, kB - 1, 0xEAEAEA}, {1, 2, 0xFFFFFF}, {1, kB - 2, 0xEAEAEA},
          {kR - 1, 2, 0xFAFAFA}, {kR - 1, kB - 2, 0xDFDFDF}, {5, 1, 0xFFFFFF}, {5, kB - 1, 0xDADADA}}},
        {"focused", CustomFace(kx::kLookNormal, 0x808080, hl, true),
         {{5, 1, Plus(hl, 21)}, {1, 2, Plus(hl, 21)}, {kR - 1, 2, Plus(hl, 21)}, {1, kB - 2, Plus(hl, -5)},
          {5, kB - 1, Plus(hl, -21)}, {1, 3, 0x9B9B9B}}},
        {"hot", CustomFace(kx::kLookHot, 0x808080, hl),
         {{0, 0, 0x989898}, {5, 1, Plus(hl, 21)}, {5, kB - 1, Plus(hl, -21)}, {5, 0, 0x383838}, {1, 0, 0x6B6B6B}}},
        {"pressed and focused", CustomFace(kx::kLookPressed, 0x808080, hl, true),
         {{0, 0, kUntouched}, {0, kB, kUntouched}, {kR, 0, 0x171717}, {5, 1, 0x6B6B6B}, {5, kB - 1, 0x888888},
          {5, kB, 0x171717}, {1, 2, 0x575757}, {kR - 1, 2, 0x626262}, {1, 0, 0x6B6B6B}}},
        {"disabled", CustomFace(kx::kLookDisabled, 0x808080, hl, true),
         {{0, 0, 0x929292}, {1, 0, 0x858585}, {kR, kB - 1, 0x858585}, {5, 1, 0x959595}, {5, kB - 1, 0x5B5B5B}}},
    };
    for (const Case& c : cases) Check(kx::PaintPlastikLook, c);
    // Three pixels wide, both side ramps fall in column 1: the pressed face draws the left one last.
    Check(kx::PaintPlastikLook, {"pressed, three wide", CustomFace(kx::kLookPressed, 0x808080, hl), {{1, 5, 0x5B5B5B}}},
          3, kH);
}

TEST(ButtonLookGalaxy, BorderShadowAndLightLines) {
    const COLORREF hl = 0x406080;
    const Case cases[] = {
        {"white", CustomFace(kx::kLookNormal, 0xFFFFFF, hl),
         {{5, 1, 0xFFFFFF}, {1, 5, 0xFFFFFF}, {5, 0, 0xCFCFCF}, {kR - 1, 5, 0xCFCFCF}, {1, 1, 0xCFCFCF},
          {5, kB, 0xE4E4E4}, {kR, 5, 0xE4E4E4}, {kR - 3, kB, 0xE4E4E4}, {kR, kB - 3, 0xE4E4E4},
          {kR - 2, kB, 0xF3F3F3}, {kR - 1, kB - 1, 0xF3F3F3}, {kR, kB - 2, 0xF3F3F3}, {0, 0, 0xFFFFFF}}},
        {"white focused", CustomFace(kx::kLookNormal, 0xFFFFFF, hl, true),
         {{5, 0, 0x9F9F9F}, {5, kB, 0xB4B4B4}, {kR - 2, kB, 0xC3C3C3}}},
        {"white pressed and focused", CustomFace(kx::kLookPressed, 0xFFFFFF, hl, true),
         {{5, 0, 0xCFCFCF}, {5, 1, hl}, {1, 5, hl}, {5, kB - 2, Plus(hl, 96)}, {kR - 2, 5, hl}}},
        {"black", CustomFace(kx::kLookNormal, 0x000000, hl),
         {{5, 1, 0x606060}, {5, 0, 0x000000}, {5, kB, 0x151515}, {kR - 2, kB, 0x242424}, {kR - 2, 5, 0x000000},
          {5, 2, 0x0F0F0F}, {5, kB - 2, 0x000000}}},
        {"disabled", CustomFace(kx::kLookDisabled, 0x000000, hl),
         {{kR - 2, 5, hl}, {5, 0, 0x000000}, {0, 0, hl}}},
    };
    for (const Case& c : cases) Check(kx::PaintGalaxyLook, c);
}

TEST(ButtonLookKeramik, FaceColourByStateAloneAndFocusChangesNothing) {
    const struct {
        long state;
        COLORREF face;
    } faces[] = {{kx::kLookNormal, 0x717171}, {kx::kLookHot, 0x818181}, {kx::kLookPressed, 0x989898},
                 {kx::kLookDisabled, 0x8F8F8F}};
    for (const auto& f : faces) {
        const auto plain = Painted(kx::PaintKeramikLook, CustomFace(f.state, 0x808080, 0x808080), kW, kH);
        const auto focused = Painted(kx::PaintKeramikLook, CustomFace(f.state, 0x808080, 0x808080, true), kW, kH);
        EXPECT_EQ(f.face, plain->At(1, 8)) << f.state;
        EXPECT_EQ(f.face, plain->At(0, kB)) << f.state;
        EXPECT_EQ(Plus(f.face, 128), plain->At(6, 3)) << f.state;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) ASSERT_EQ(plain->At(x, y), focused->At(x, y)) << x << "," << y;
    }
}

// Column R ends where the rounding of both halves puts it.
TEST(ButtonLookKeramik, RightEdgeColumnEndsByTheRoundingOfTheHeight) {
    const struct {
        int h, lastRow;
    } cases[] = {{24, 20}, {25, 20}, {27, 24}, {23, 20}};
    for (const auto& c : cases) {
        const auto canvas = Painted(kx::PaintKeramikLook, CustomFace(kx::kLookNormal, 0x808080, 0), kW, c.h);
        EXPECT_EQ(0x696969u, canvas->At(kR, c.lastRow)) << c.h << ": face - 8 at the end";
        EXPECT_EQ(0x717171u, canvas->At(kR, c.lastRow + 1)) << c.h << ": the face below";
    }
}

}  // namespace
