#pragma once
#include <optional>

// The screen-saver timeout: the platform counts seconds, the system information class minutes.
namespace kx {

// Rounded to the nearest minute, an exact half to the even one (90 s -> 2, 150 s -> 2).
long MinutesFromSeconds(long seconds);

// Nothing when the seconds do not fit a signed 32-bit integer.
std::optional<long> SecondsFromMinutes(long minutes);

}  // namespace kx
