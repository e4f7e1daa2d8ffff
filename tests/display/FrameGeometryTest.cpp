#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "FrameGeometry.h"

namespace {

using kx::FrameTitleBox;

std::string Describe(const kx::FrameRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(FrameGeometryTest, TheBorderStartsAtHalfTheTitleHeightRoundedToEven) {
    const struct {
        FrameTitleBox title;
        bool lableDown;
        long top, gradientTop;
    } cases[] = {
        {{true, 5, 30, 13}, false, 6, 6},   // 6.5 goes to the even 6
        {{true, 5, 30, 15}, false, 8, 8},   // 7.5 goes to 8
        {{true, 5, 30, 14}, false, 7, 7},
        {{true, 5, 30, 13}, true, 0, 6},    // laid down: the border at the top, the gradient still below
        {{false, 5, 0, 13}, false, 0, 0},   // no title
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kx::FrameBorderTop(c.title, c.lableDown), c.top) << c.title.height << " " << c.lableDown;
        EXPECT_EQ(kx::FrameGradientTop(c.title), c.gradientTop) << c.title.height;
    }
}

TEST(FrameGeometryTest, TheTitleSitsFivePixelsFromItsEdge) {
    EXPECT_EQ(kx::FrameTitleLeft(178, 40, false), 5);
    EXPECT_EQ(kx::FrameTitleLeft(178, 40, true), 133);
    EXPECT_EQ(Describe(kx::FrameCaptionBand({true, 133, 40, 13})), "131,0,175,13");
}

// A 100 x 80 surface and a 10 x 8 picture: R = 97, B = 77; P = 3 without a title, 7 with a 13-pixel one.
TEST(FrameGeometryTest, ThePictureTakesOneOfNinePlacesOrStretches) {
    const FrameTitleBox none{false, 5, 0, 0};
    const FrameTitleBox titled{true, 5, 30, 13};
    const struct {
        long alignment;
        bool stretch;
        const FrameTitleBox* title;
        const char* place;
    } cases[] = {
        {0, false, &none, "84,69,94,77"},   {1, false, &none, "84,34,94,42"},  {2, false, &none, "84,3,94,11"},
        {3, false, &none, "44,69,54,77"},   {4, false, &none, "44,34,54,42"},  {5, false, &none, "44,3,54,11"},
        {6, false, &none, "3,69,13,77"},    {7, false, &none, "3,34,13,42"},   {8, false, &none, "3,3,13,11"},
        {8, false, &titled, "3,6,13,14"},   {9, false, &none, "0,0,10,8"},     {-1, false, &none, "0,0,10,8"},
        {4, true, &none, "3,3,94,74"},      {0, true, &titled, "3,6,94,74"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(kx::FramePicturePlace(100, 80, *c.title, 10, 8, c.alignment, c.stretch)), c.place)
            << c.alignment << " " << c.stretch;
}

TEST(FrameGeometryTest, MeasurementsOutsideTheLongRangeOverflow) {
    const FrameTitleBox none{false, 0, 0, 0};
    EXPECT_THROW(kx::FramePicturePlace(100, 80, none, 2147483647L, 8, 8, false), std::overflow_error);
    EXPECT_THROW(kx::FrameTitleLeft(-2147483647L, 100, true), std::overflow_error);
}

}  // namespace
