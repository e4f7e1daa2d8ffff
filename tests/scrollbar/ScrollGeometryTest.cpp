// The scroll bar's arithmetic: range repair, arrow and thumb lengths, the thumb's place and the drag's value.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "ScrollGeometry.h"

namespace {

using kx::ScrollRange;
using kx::ScrollSizes;

constexpr int32_t kLow = std::numeric_limits<int32_t>::min();
constexpr int32_t kHigh = std::numeric_limits<int32_t>::max();

ScrollRange Range(int32_t min, int32_t max, int32_t value = 0, int32_t largeChange = 10) {
    ScrollRange range;
    range.min = min;
    range.max = max;
    range.value = value;
    range.largeChange = largeChange;
    return range;
}

TEST(ScrollGeometry, RepairMakesMaxAboveMinLargeChangeNonZeroAndValueInside) {
    const struct {
        ScrollRange in;
        int32_t max, largeChange, value;
    } cases[] = {
        {Range(5, 5, 5), 6, 10, 5},            // Max = Min
        {Range(0, -5, -5), 1, 10, 0},          // Max below Min: Value follows into the range
        {Range(0, 100, 50, 0), 100, 1, 50},    // LargeChange 0 reads 1
        {Range(0, 100, 50, -3), 100, -3, 50},  // a negative one stays
        {Range(0, 100, 400), 100, 10, 100},
        {Range(10, 100, -4), 100, 10, 10},
    };
    for (const auto& c : cases) {
        ScrollRange range = c.in;
        ASSERT_TRUE(kx::RepairRange(range)) << c.in.min << ".." << c.in.max;
        EXPECT_EQ(range.max, c.max);
        EXPECT_EQ(range.largeChange, c.largeChange);
        EXPECT_EQ(range.value, c.value);
    }
}

TEST(ScrollGeometry, ARangeBeyondThirtyTwoBitsIsNotRepairedAndStaysAsItWas) {
    for (ScrollRange range : {Range(kHigh, kHigh), Range(kHigh, 0), Range(kLow, kHigh), Range(-2, kHigh)}) {
        const ScrollRange before = range;
        EXPECT_FALSE(kx::RepairRange(range)) << before.min << ".." << before.max;
        EXPECT_EQ(range.max, before.max);
        EXPECT_EQ(range.min, before.min);
    }
    ScrollRange widest = Range(-1, kHigh - 1);
    EXPECT_TRUE(kx::RepairRange(widest));
}

TEST(ScrollGeometry, ThumbLengthIsThePageShareCappedThenRaisedToTheMinimum) {
    const struct {
        double track;
        ScrollRange range;
        int32_t minimum, thumb;
    } cases[] = {
        {300, Range(0, 100, 0, 10), 8, 27},    // nearest(266 / 10)
        {300, Range(0, 100, 0, 100), 8, 232},  // 266 capped at L - 68
        {50, Range(0, 100, 0, 10), 8, 8},      // L - 68 negative: the minimum
        {50, Range(0, 100, 0, 10), 20, 20},
        {300, Range(0, 100, 0, 1), 8, 8},      // nearest(2.66) = 3, raised to 8
        {300, Range(0, 100, 0, 1), 20, 20},
        {134, Range(0, 40, 0, 1), 8, 8},       // nearest(2.5) = 2 (half to even), raised to 8
        {300, Range(0, 100, 0, -10), 8, 8},    // a negative page: negative length, raised
        {0, Range(0, 100, 0, 10), 8, 8},
    };
    for (const auto& c : cases) {
        const auto sizes = kx::ScrollSizesFor(c.track, c.range, c.minimum);
        ASSERT_TRUE(sizes.has_value()) << c.track;
        EXPECT_EQ(sizes->arrow1, 17);
        EXPECT_EQ(sizes->arrow2, 17);
        EXPECT_EQ(sizes->thumb, c.thumb) << "L " << c.track << " page " << c.range.largeChange;
    }
}

TEST(ScrollGeometry, AThumbLengthBeyondThirtyTwoBitsHasNoSizes) {
    EXPECT_FALSE(kx::ScrollSizesFor(300, Range(0, 1, 0, kHigh), 8).has_value());
    EXPECT_FALSE(kx::ScrollSizesFor(300, Range(0, 1, 0, kLow), 8).has_value());
    EXPECT_TRUE(kx::ScrollSizesFor(34, Range(0, 1, 0, kHigh), 8).has_value()) << "no free track, no overflow";
}

TEST(ScrollGeometry, ThumbOffsetFollowsValueOverTheFreeTrack) {
    const ScrollSizes sizes{17, 17, 25};  // L 84: free track 25
    const struct {
        ScrollRange range;
        double room;
        int32_t offset;
    } cases[] = {
        {Range(0, 100, 0), 25, 0},
        {Range(0, 100, 100), 25, 25},
        {Range(0, 100, 50), 25, 12},    // nearest(12.5)
        {Range(0, 100, 60), 25, 15},
        {Range(0, 100, 100), 10, 10},   // cut to the room the boxes leave
        {Range(0, 100, -50), 25, 0},    // below Min: against the first arrow
        {Range(-1, kHigh - 1, kHigh - 1), 25, 25},
    };
    for (const auto& c : cases) {
        const auto offset = kx::ThumbOffset(84, sizes, c.range, c.room);
        ASSERT_TRUE(offset.has_value());
        EXPECT_EQ(*offset, c.offset) << "value " << c.range.value;
    }
}

TEST(ScrollGeometry, DragValueFollowsThePointerAndHoldsAtTheEnds) {
    const ScrollSizes sizes{17, 17, 66};  // L 300: free track 200
    const ScrollRange range = Range(0, 100);
    const struct {
        double pos;
        int32_t value;
    } cases[] = {{100, 50}, {0, 0}, {-30, 0}, {200, 100}, {500, 100}, {1, 0}, {3, 2}};
    for (const auto& c : cases) {
        const auto value = kx::DragValue(c.pos, 300, sizes, range);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value) << "pos " << c.pos;
    }
}

TEST(ScrollGeometry, DragOverAZeroLengthTrackGivesNoValueAndANegativeOneGivesMax) {
    EXPECT_FALSE(kx::DragValue(10, 100, ScrollSizes{17, 17, 66}, Range(0, 100)).has_value());
    EXPECT_EQ(kx::DragValue(10, 50, ScrollSizes{17, 17, 66}, Range(0, 100)), 100);
    EXPECT_EQ(kx::DragValue(1e12, 300, ScrollSizes{17, 17, 66}, Range(-1, kHigh - 1)), kHigh - 1);
}

TEST(ScrollGeometry, StepsHoldAtTheThirtyTwoBitLimits) {
    EXPECT_EQ(kx::SaturatingAdd(kHigh - 1, 10), kHigh);
    EXPECT_EQ(kx::SaturatingAdd(kLow + 1, -10), kLow);
    EXPECT_EQ(kx::SaturatingAdd(5, -int64_t{kHigh} - 1), kLow + 5);
    EXPECT_EQ(kx::ClampValue(-5, 0, 100), 0);
    EXPECT_EQ(kx::ClampValue(500, 0, 100), 100);
}

}  // namespace
