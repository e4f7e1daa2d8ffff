#pragma once
#include <cmath>

// Conversions of the classic runtime that take no platform calls.
namespace kx {

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5) return floor + 1.0;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

inline bool FitsInt32(double value) { return value >= -2147483648.0 && value <= 2147483647.0; }
inline bool FitsInt16(double value) { return value >= -32768.0 && value <= 32767.0; }

}  // namespace kx
