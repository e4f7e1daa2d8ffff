// The drop button's layout and mouse rules and the drop-down window's placement, as plain code.
#include <gtest/gtest.h>

#include "DropButton.h"
#include "DropDownPlacement.h"

namespace {

using kx::DropButton;
using kx::DropButtonFace;
using kx::PixelRect;

std::string Describe(const PixelRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(DropButton, LayoutByControlAndDirection) {
    const struct {
        const kx::DropButtonGeometry* geometry;
        bool rightToLeft;
        const char* button;
        long textLeft, textWidth;
    } cases[] = {
        {&kx::kComboDropButton, false, "0,0,17,21", 19, 81},
        {&kx::kNumberDropButton, false, "1,0,18,21", 20, 80},
        {&kx::kComboDropButton, true, "83,0,100,21", 0, 81},
        {&kx::kNumberDropButton, true, "83,0,99,21", 0, 80},
    };
    for (const auto& c : cases) {
        DropButton button(*c.geometry);
        const kx::DropLayout layout = button.Place(100, 21, 17, c.rightToLeft, false);
        EXPECT_TRUE(layout.hasButton);
        EXPECT_EQ(c.button, Describe(layout.button)) << c.rightToLeft;
        EXPECT_EQ(c.textLeft, layout.textLeft);
        EXPECT_EQ(c.textWidth, layout.textWidth);
        EXPECT_EQ(21, layout.textHeight);
    }
}

TEST(DropButton, SimpleStyleFillsTheControlAndKeepsTheLastRectangle) {
    DropButton button(kx::kNumberDropButton);
    button.Place(100, 21, 17, false, false);
    const kx::DropLayout layout = button.Place(120, 30, 17, false, true);
    EXPECT_FALSE(layout.hasButton);
    EXPECT_EQ(0, layout.textLeft);
    EXPECT_EQ(120, layout.textWidth);
    EXPECT_EQ(30, layout.textHeight);
    EXPECT_EQ("1,0,18,21", Describe(button.Rect()));
}

TEST(DropButton, TooNarrowAControlLeavesNoNegativeTextWidth) {
    DropButton button(kx::kNumberDropButton);
    EXPECT_EQ(0, button.Place(10, 21, 17, false, false).textWidth);
}

TEST(DropButton, PressAndReleaseRules) {
    DropButton button(kx::kNumberDropButton);
    button.Place(100, 21, 17, false, false);  // the button spans x 1 .. 18
    const struct {
        short mouse;
        long pressX, releaseX;
        bool enabled, locked;
        bool pushed, redrawn, opens;
    } cases[] = {
        {1, 5, 5, true, false, true, true, true},
        {1, 1, 18, true, false, true, true, true},     // both edges belong to it
        {1, 5, 40, true, false, true, true, false},    // dragged off: the face comes back, nothing opens
        {1, 40, 5, true, false, false, true, true},    // a release over it opens whatever the press
        {2, 5, 5, true, false, false, true, false},    // the right button never opens
        {1, 0, 0, true, false, false, true, false},
        {1, 5, 5, true, true, false, false, false},    // locked
        {1, 5, 5, false, false, false, false, false},  // disabled
    };
    for (const auto& c : cases) {
        const auto pressed = button.Press(c.mouse, c.pressX, c.enabled, c.locked);
        EXPECT_EQ(c.pushed, pressed.has_value() && *pressed == DropButtonFace::Pushed) << c.pressX;
        const DropButton::Released released = button.Release(c.mouse, c.releaseX, c.enabled, c.locked);
        EXPECT_EQ(c.redrawn, released.face.has_value() && *released.face == DropButtonFace::Normal) << c.releaseX;
        EXPECT_EQ(c.opens, released.open) << c.mouse << " " << c.pressX << " " << c.releaseX;
    }
}

TEST(DropDownPlacement, UnderTheControlAndOnItsMonitor) {
    const PixelRect primary = {0, 0, 1280, 1024};
    const PixelRect leftOfPrimary = {-1920, -200, 0, 880};
    const struct {
        PixelRect control;
        long width, height;
        PixelRect monitor;
        long x, y;
    } cases[] = {
        {{100, 100, 200, 121}, 200, 190, primary, 100, 121},
        {{100, 900, 200, 921}, 200, 190, primary, 100, 834},     // bottom edge: up over the control
        {{1200, 100, 1300, 121}, 200, 190, primary, 1080, 121},  // right edge
        {{-50, -40, 50, -19}, 200, 190, primary, 0, 0},          // partly off the top left
        {{-1900, 700, -1800, 721}, 200, 190, leftOfPrimary, -1900, 690},  // negative origins
        {{-100, -300, 0, -279}, 200, 190, leftOfPrimary, -200, -200},
        {{10, 10, 60, 31}, 1400, 1100, primary, -120, -76},      // larger than the monitor: past its top left
    };
    for (const auto& c : cases) {
        const kx::PixelPoint place = kx::KeepOnMonitor(kx::PlaceUnder(c.control), c.width, c.height, c.monitor);
        EXPECT_EQ(c.x, place.x) << Describe(c.control);
        EXPECT_EQ(c.y, place.y) << Describe(c.control);
    }
}

}  // namespace
