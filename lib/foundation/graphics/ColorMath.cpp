#include "ColorMath.h"

#include <algorithm>

#include "Rounding.h"

namespace kx {

namespace {

// 32-bit integer steps as the classic runtime takes them: notes when any step leaves the range.
class Checked32 {
public:
    std::int64_t operator()(std::int64_t value) {
        if (!FitsInt32(static_cast<double>(value))) overflow_ = true;
        return value;
    }
    std::optional<std::int32_t> Result(std::int64_t value) const {
        if (overflow_) return std::nullopt;
        return static_cast<std::int32_t>(value);
    }

private:
    bool overflow_ = false;
};

std::int16_t ClampToByte(double value) { return static_cast<std::int16_t>(std::clamp(value, 0.0, 255.0)); }

std::optional<std::int16_t> AdjustChannel(std::int16_t channel, std::int16_t amount, bool percent) {
    const double value = percent ? RoundHalfEven(amount / 100.0 * channel) : static_cast<double>(channel) + amount;
    if (!FitsInt16(value)) return std::nullopt;
    return ClampToByte(value);
}

std::int32_t LowByte(std::int32_t color, int shift) { return (static_cast<std::uint32_t>(color) >> shift) & 255; }

}  // namespace

ColorChannels SplitChannels(std::int32_t color) {
    return {static_cast<std::int16_t>(color & 255), static_cast<std::int16_t>((color / 256) & 255),
            static_cast<std::int16_t>((color / 65536) & 255)};
}

std::int32_t JoinChannels(const ColorChannels& channels) {
    return channels.red + 256 * channels.green + 65536 * channels.blue;
}

std::optional<std::int32_t> AdjustChannels(ColorChannels channels, std::int16_t redAmount, std::int16_t greenAmount,
                                           std::int16_t blueAmount, bool percent) {
    const auto red = AdjustChannel(channels.red, redAmount, percent);
    const auto green = AdjustChannel(channels.green, greenAmount, percent);
    const auto blue = AdjustChannel(channels.blue, blueAmount, percent);
    if (!red || !green || !blue) return std::nullopt;
    return JoinChannels({*red, *green, *blue});
}

std::optional<std::int32_t> OffsetChannels(std::int32_t color, std::int32_t offset) {
    Checked32 checked;
    ColorChannels moved;
    std::int16_t* channels[] = {&moved.red, &moved.green, &moved.blue};
    for (int i = 0; i < 3; ++i) {
        const std::int64_t value = checked(std::int64_t{LowByte(color, 8 * i)} + offset);
        *channels[i] = ClampToByte(static_cast<double>(value));
    }
    return checked.Result(JoinChannels(moved));
}

std::optional<std::int32_t> LightenChannels(std::int32_t color, std::int32_t amount) {
    Checked32 checked;
    const std::int64_t keep = checked(255 - std::int64_t{amount});
    auto lighten = [&](std::int64_t channel) {
        return std::min<std::int64_t>(checked(checked(channel * keep) / 255 + amount), 255);
    };
    // Mod keeps the sign of the dividend, as % does: an untranslated system colour gives negative channels.
    const std::int64_t red = lighten(color & 255);
    const std::int64_t green = lighten((color / 256) % 256);
    const std::int64_t blue = lighten((color / 65536) % 256);
    return checked.Result(checked(checked(red + checked(256 * green)) + checked(65536 * blue)));
}

std::int32_t MeanChannels(std::int32_t first, std::int32_t second) {
    const ColorChannels a = SplitChannels(first);
    const ColorChannels b = SplitChannels(second);
    auto mean = [](int x, int y) { return static_cast<std::int16_t>(RoundHalfEven((x + y) / 2.0)); };
    return JoinChannels({mean(a.red, b.red), mean(a.green, b.green), mean(a.blue, b.blue)});
}

std::size_t DibStride24(std::size_t width) { return (3 * width + 3) & ~std::size_t{3}; }

void GrayPixels24(std::uint8_t* bits, std::size_t width, std::size_t height) {
    const std::size_t stride = DibStride24(width);
    for (std::size_t row = 0; row < height; ++row) {
        std::uint8_t* pixel = bits + row * stride;
        for (std::size_t x = 0; x < width; ++x, pixel += 3) {
            const auto gray = static_cast<std::uint8_t>((pixel[0] + pixel[1] + pixel[2]) / 3);
            pixel[0] = pixel[1] = pixel[2] = gray;
        }
    }
}

}  // namespace kx
