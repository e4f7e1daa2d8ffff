#include "SizeUnits.h"

#include <cmath>

namespace kx {

SizeInUnit ToLargestUnit(double bytes) {
    static const wchar_t* const kUnits[] = {L"Bytes", L"Kilobytes", L"Megabytes", L"Gigabytes"};
    constexpr int kLast = 3;
    double divisor = 1;
    int step = 0;
    while (step < kLast && bytes / (divisor * 1024) >= 1) {
        divisor *= 1024;
        ++step;
    }
    return {bytes / divisor, kUnits[step]};
}

float RoundToHundredths(float value) {
    return static_cast<float>(std::round(static_cast<double>(value) * 100.0) / 100.0);
}

}  // namespace kx
