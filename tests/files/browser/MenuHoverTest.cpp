// The left menu's highlight: its colours, its pixels and which entry holds it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "DrawingModule.h"
#include "GdiTestSupport.h"
#include "MenuHover.h"

namespace {

constexpr long kBack = 0x00A08060;

// Each channel of got within tolerance of want.
bool Near(COLORREF got, long want, int tolerance = 3) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

TEST(MenuHover, ColoursFollowTheBackColour) {
    const kx::HoverColors colors = kx::HoverColorsFor(kBack);
    EXPECT_EQ(colors.top, 0x00B09070);
    EXPECT_EQ(colors.bottom, 0x00806040);
    EXPECT_EQ(colors.outline, 0x00604020);
    EXPECT_EQ(kx::HoverColorsFor(0x8000000F).top, kx::ColorOffset(GetSysColor(COLOR_BTNFACE), 16));
}

TEST(MenuHover, AHighlightedEntryIsARampInsideAnOutline) {
    kxtest::Canvas canvas(73, 57, 32, 0);
    kx::PaintMenuEntry(canvas.dc(), 73, 57, kBack, true);
    const kx::HoverColors colors = kx::HoverColorsFor(kBack);
    EXPECT_EQ(canvas.At(0, 0), static_cast<COLORREF>(colors.outline));
    EXPECT_EQ(canvas.At(72, 56), static_cast<COLORREF>(colors.outline));
    EXPECT_EQ(canvas.At(0, 30), static_cast<COLORREF>(colors.outline));
    EXPECT_TRUE(Near(canvas.At(36, 1), colors.top)) << std::hex << canvas.At(36, 1);
    EXPECT_TRUE(Near(canvas.At(36, 55), colors.bottom)) << std::hex << canvas.At(36, 55);
    kx::PaintMenuEntry(canvas.dc(), 73, 57, kBack, false);
    EXPECT_EQ(canvas.At(0, 0), static_cast<COLORREF>(kBack));
    EXPECT_EQ(canvas.At(36, 28), static_cast<COLORREF>(kBack));
}

TEST(MenuHover, TheTrackerMovesTheHighlight) {
    kx::HoverTracker tracker;
    EXPECT_EQ(tracker.Index(), -1);
    EXPECT_TRUE(tracker.MoveTo(2));
    EXPECT_FALSE(tracker.MoveTo(2));  // the same entry draws nothing again
    EXPECT_TRUE(tracker.MoveTo(0));
    EXPECT_EQ(tracker.Index(), 0);
    EXPECT_TRUE(tracker.MoveTo(-1));
    EXPECT_FALSE(tracker.MoveTo(-1));
}

}  // namespace
