#pragma once

// The unit ladder of disk sizes: bytes, kilobytes, megabytes, gigabytes, each a factor of 1024.
// Pure arithmetic, no platform calls.
namespace kx {

struct SizeInUnit {
    double amount;
    const wchar_t* unit;  // "Bytes", "Kilobytes", "Megabytes" or "Gigabytes"
};

// The largest unit in which the size is at least 1 (bytes for anything below 1024, zero included).
SizeInUnit ToLargestUnit(double bytes);

// At most two decimals, halves away from zero (as formatting with "0.##" gives).
float RoundToHundredths(float value);

}  // namespace kx
