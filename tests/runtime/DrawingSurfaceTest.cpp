#include <gtest/gtest.h>

#include "DrawingSurface.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(10, 20, 30);

TEST(DrawingSurfaceTest, ClassicVerbs) {
    kx::DrawingSurface s;
    s.Resize(20, 10);
    EXPECT_EQ(GetPixel(s.Dc(), 19, 9), kWhite);  // a new surface has the back colour

    s.Line(0, 0, 5, 0, kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 4, 0), kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 5, 0), kWhite);  // end point left out

    s.Box(2, 2, 6, 5, kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 6, 5), kInk);  // both corners included
    EXPECT_EQ(GetPixel(s.Dc(), 2, 2), kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 4, 3), kWhite);  // outline only

    s.FilledBox(10, 2, 12, 4, kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 11, 3), kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 12, 4), kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 13, 4), kWhite);

    s.PSet(19, 9, kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 19, 9), kInk);
}

TEST(DrawingSurfaceTest, ResizingKeepsWhatFitsAndClsFillsWithTheBackColour) {
    kx::DrawingSurface s;
    s.Resize(10, 10);
    s.PSet(3, 3, kInk);
    s.Resize(30, 5);
    EXPECT_EQ(GetPixel(s.Dc(), 3, 3), kInk);
    EXPECT_EQ(GetPixel(s.Dc(), 29, 4), kWhite);
    EXPECT_EQ(s.Width(), 30);
    EXPECT_EQ(s.Height(), 5);
    s.SetBackColor(RGB(0, 128, 0));  // as the classic surface: setting it clears
    EXPECT_EQ(GetPixel(s.Dc(), 3, 3), RGB(0, 128, 0));
    s.PSet(1, 1, kInk);
    s.Clear();
    EXPECT_EQ(GetPixel(s.Dc(), 1, 1), RGB(0, 128, 0));
    s.Resize(0, -5);  // never an empty bitmap
    EXPECT_EQ(s.Width(), 1);
    EXPECT_EQ(s.Height(), 1);
}

}  // namespace
