#pragma once
#include <cstdint>
#include <vector>

// A true-colour picture as an encoder that takes only a palette wants it (GIF); no platform calls.
namespace kx {

struct IndexedPixels {
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB, at most 256 entries
    std::vector<std::uint8_t> indices;   // one palette index per pixel, in the order given
};

// Pixels as 0x??RRGGBB (the top byte is ignored). A picture of at most 256 colours keeps every colour
// exactly; a richer one is mapped to the nearest colour of the 6 x 6 x 6 cube that halftoning uses.
IndexedPixels IndexColors(const std::vector<std::uint32_t>& pixels);

}  // namespace kx
