#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

// Colour arithmetic of the drawing module on plain 0x00BBGGRR values; no platform calls.
// A result that leaves the range of the classic 16/32-bit integer arithmetic comes back empty.
namespace kx {

// Channels as the drawing routines hand them to each other: signed 16-bit.
struct ColorChannels {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;
};

// Red from bits 0-7, green from (color \ 256) And 255, blue from (color \ 65536) And 255: -1 gives 255, 0, 0.
ColorChannels SplitChannels(std::int32_t color);
// red + 256 * green + 65536 * blue of channels already in 0..255.
std::int32_t JoinChannels(const ColorChannels& channels);

// Each channel scaled to amount percent (rounded) or moved by amount, then clamped to 0..255.
std::optional<std::int32_t> AdjustChannels(ColorChannels channels, std::int16_t redAmount, std::int16_t greenAmount,
                                           std::int16_t blueAmount, bool percent);
// The three low bytes moved by offset, each clamped to 0..255.
std::optional<std::int32_t> OffsetChannels(std::int32_t color, std::int32_t offset);
// Each channel moved toward 255 by amount; only the upper bound is clamped.
std::optional<std::int32_t> LightenChannels(std::int32_t color, std::int32_t amount);
// The channel-wise mean, an exact half going to the even neighbour.
std::int32_t MeanChannels(std::int32_t first, std::int32_t second);

// Bytes of one row of a 24-bit DIB: 3 per pixel, padded to a multiple of 4.
std::size_t DibStride24(std::size_t width);
// Every pixel of a 24-bit DIB gets (blue + green + red) \ 3 in all three bytes; row padding is left alone.
void GrayPixels24(std::uint8_t* bits, std::size_t width, std::size_t height);

}  // namespace kx
