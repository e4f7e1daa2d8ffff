#include "AlertColors.h"

#include "ColorMath.h"
#include "Rounding.h"

namespace kx {
namespace {

std::int16_t Scaled(std::int16_t channel, std::int16_t percent) {
    const double value = RoundHalfEven(channel * (percent / 100.0));
    if (value > 255) return 255;
    if (value < 0) return 0;
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::int32_t AlertAdjustColor(std::int32_t color, std::int16_t redPercent, std::int16_t greenPercent,
                              std::int16_t bluePercent) {
    const ColorChannels split = SplitChannels(color);
    return JoinChannels({Scaled(split.red, redPercent), Scaled(split.green, greenPercent),
                         Scaled(split.blue, bluePercent)});
}

}  // namespace kx
