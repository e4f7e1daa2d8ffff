#include "ProgressLayout.h"

#include <algorithm>
#include <cmath>

#include "Rounding.h"

namespace kx {

bool ProgressPercent(double value, double min, double max, float* percent) {
    *percent = 0.0f;
    const double range = max - min;
    const double reached = value - min;
    if (!std::isfinite(range) || !std::isfinite(reached)) return false;
    if (range == 0) return true;
    const double share = reached / range * 100;
    if (!std::isfinite(share)) return false;
    *percent = static_cast<float>(share < 0 ? 0 : (share > 100 ? 100 : share));
    return true;
}

double ClampProgressValue(double value, double min, double max) {
    if (value < min) value = min;
    if (value > max) value = max;
    return value;
}

BlockLayout LayoutBlocks(float percent, long width, long height, bool standard, bool vertical) {
    BlockLayout layout;
    layout.right = width;
    layout.bottom = height;
    layout.block = standard ? 6 : 0;
    const long step = layout.Step();
    // A share outside 0 .. 100 (NaN included) must not stretch the bar or the separator walk.
    double fraction = percent >= 0 ? std::min(percent, 100.0f) / 98.0 : 0.0;
    if (!vertical) {
        const long x = static_cast<long>(RoundHalfEven((width - 3) * fraction + 3));
        layout.right = x - ((x - 3) % step);
        if (layout.right < 3) layout.right = 3;
    } else {
        fraction = 1 - fraction;
        const long y = static_cast<long>(RoundHalfEven(height * fraction));
        layout.top = y - ((y - height) % step);
        if (layout.top > height) layout.top = height;
    }
    return layout;
}

}  // namespace kx
