#pragma once
#include <cstdint>

// The alert window's own colour arithmetic on plain 0x00BBGGRR values: each channel scaled to a
// percentage, rounded (halves to even), clamped to 0..255. A colour of -1 splits into 255, 0, 0.
// Pure arithmetic, no platform calls.
namespace kx {

std::int32_t AlertAdjustColor(std::int32_t color, std::int16_t redPercent, std::int16_t greenPercent,
                              std::int16_t bluePercent);

}  // namespace kx
