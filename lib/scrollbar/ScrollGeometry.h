#pragma once
#include <cstdint>
#include <optional>

// The scroll bar's arithmetic: range repair, the lengths of the arrows and the thumb, the thumb's place and
// the value a drag gives. Plain code; lengths are pixels along the bar, L the track length.
namespace kx {

struct ScrollRange {
    int32_t min = 0;
    int32_t max = 100;
    int32_t value = 0;
    int32_t smallChange = 1;
    int32_t largeChange = 10;
};

struct ScrollSizes {
    int32_t arrow1 = 0;
    int32_t arrow2 = 0;
    int32_t thumb = 0;
};

constexpr int32_t kScrollArrowLength = 17;

// Refresh's repair: max above min (min + 1), a largeChange of 0 made 1, value clamped into the range.
// False, and the range unchanged, when min + 1 or max - min leaves 32 bits.
bool RepairRange(ScrollRange& range);
// value clamped: first up to min, then down to max.
int32_t ClampValue(int32_t value, int32_t min, int32_t max);
// value + delta, held at the 32-bit limits.
int32_t SaturatingAdd(int32_t value, int64_t delta);

// Both arrows 17 and the thumb (L - 34) x largeChange / (max - min), at most L - 68 and at least minimumThumb;
// empty when a length leaves 32 bits. The range must be repaired.
std::optional<ScrollSizes> ScrollSizesFor(double trackLength, const ScrollRange& range, int32_t minimumThumb);

// The thumb's offset from the end of the first arrow: proportional to value - min over the free track
// L - arrows - thumb, at least 0 and at most room (L less the lengths the three boxes have now). Empty when
// a difference leaves 32 bits.
std::optional<int32_t> ThumbOffset(double trackLength, const ScrollSizes& sizes, const ScrollRange& range,
                                   double room);

// The value a thumb dragged to pos (pixels from the end of the first arrow) gives, pos held within the free
// track; empty when the free track has no length. Held at the 32-bit limits.
std::optional<int32_t> DragValue(double pos, double trackLength, const ScrollSizes& sizes,
                                 const ScrollRange& range);

}  // namespace kx
