#include "ScrollGeometry.h"

#include <algorithm>
#include <limits>

#include "Rounding.h"

namespace kx {
namespace {

constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();

bool Fits(int64_t value) { return value >= kLow && value <= kHigh; }

std::optional<int32_t> Nearest(double value) {
    const double rounded = RoundHalfEven(value);
    if (!FitsInt32(rounded)) return std::nullopt;
    return static_cast<int32_t>(rounded);
}

int32_t NearestHeld(double value) {
    return static_cast<int32_t>(std::clamp(RoundHalfEven(value), static_cast<double>(kLow), static_cast<double>(kHigh)));
}

int64_t Span(const ScrollRange& range) { return static_cast<int64_t>(range.max) - range.min; }

}  // namespace

bool RepairRange(ScrollRange& range) {
    ScrollRange repaired = range;
    if (repaired.max <= repaired.min) {
        if (repaired.min == kHigh) return false;
        repaired.max = repaired.min + 1;
    }
    if (!Fits(Span(repaired))) return false;
    if (repaired.largeChange == 0) repaired.largeChange = 1;
    repaired.value = ClampValue(repaired.value, repaired.min, repaired.max);
    range = repaired;
    return true;
}

int32_t ClampValue(int32_t value, int32_t min, int32_t max) {
    if (value < min) value = min;
    if (value > max) value = max;
    return value;
}

int32_t SaturatingAdd(int32_t value, int64_t delta) {
    return static_cast<int32_t>(std::clamp(static_cast<int64_t>(value) + delta, kLow, kHigh));
}

std::optional<ScrollSizes> ScrollSizesFor(double trackLength, const ScrollRange& range, int32_t minimumThumb) {
    ScrollSizes sizes{kScrollArrowLength, kScrollArrowLength, 0};
    const double arrows = static_cast<double>(sizes.arrow1) + sizes.arrow2;
    const double pages = static_cast<double>(Span(range)) / range.largeChange;
    std::optional<int32_t> thumb = Nearest((trackLength - arrows) / pages);
    if (!thumb) return std::nullopt;
    if (trackLength - 2 * arrows < *thumb) thumb = Nearest(trackLength - 2 * arrows);
    if (!thumb) return std::nullopt;
    sizes.thumb = std::max(*thumb, minimumThumb);
    return sizes;
}

std::optional<int32_t> ThumbOffset(double trackLength, const ScrollSizes& sizes, const ScrollRange& range,
                                   double room) {
    const std::optional<int32_t> free =
        Nearest(trackLength - sizes.arrow1 - sizes.arrow2 - static_cast<double>(sizes.thumb));
    const int64_t span = Span(range);
    const int64_t along = static_cast<int64_t>(range.value) - range.min;
    if (!free || !Fits(span) || !Fits(along)) return std::nullopt;
    std::optional<int32_t> pos = 0;
    if (span != 0) pos = Nearest(static_cast<double>(along) / static_cast<double>(span) * *free);
    if (!pos) return std::nullopt;
    if (*pos < 0) pos = 0;
    if (room < *pos) pos = Nearest(room);
    return pos;
}

std::optional<int32_t> DragValue(double pos, double trackLength, const ScrollSizes& sizes,
                                 const ScrollRange& range) {
    const int32_t free = NearestHeld(trackLength - sizes.arrow1 - sizes.arrow2 - static_cast<double>(sizes.thumb));
    if (free == 0) return std::nullopt;
    pos = static_cast<float>(pos);  // the drag holds its position in single precision
    if (pos < 0) pos = 0;
    if (pos > free) pos = free;
    const double span = static_cast<double>(Span(range));
    return NearestHeld(pos / free * span + range.min);
}

}  // namespace kx
