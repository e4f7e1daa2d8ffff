#include "TrayAnimation.h"

#include <algorithm>

namespace kx {

long TrayAnimation::Shown(long count) const { return std::clamp(index, 0L, std::max(count - 1, 0L)); }

void TrayAnimation::Advance(long count, bool autoReverse) {
    index = Shown(count);
    if (!autoReverse) {
        index = index + 1 > count - 1 ? 0 : index + 1;
    } else if (!reverse) {
        ++index;
        if (index > count - 1) {
            index = std::max(count - 2, 0L);
            reverse = true;
        }
    } else {
        --index;
        if (index < 0) {
            index = 1;
            reverse = false;
        }
    }
    index = Shown(count);
}

}  // namespace kx
