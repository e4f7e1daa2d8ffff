#include "ScreenSaverTime.h"

#include "Rounding.h"

namespace kx {

long MinutesFromSeconds(long seconds) { return static_cast<long>(RoundHalfEven(seconds / 60.0)); }

std::optional<long> SecondsFromMinutes(long minutes) {
    const double seconds = minutes * 60.0;
    if (!FitsInt32(seconds)) return std::nullopt;
    return static_cast<long>(seconds);
}

}  // namespace kx
