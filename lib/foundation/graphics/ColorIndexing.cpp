#include "ColorIndexing.h"

#include <unordered_map>

namespace kx {
namespace {

constexpr std::size_t kMaxColors = 256;
constexpr std::uint32_t kCubeLevels = 6;
constexpr std::uint32_t kCubeStep = 255 / (kCubeLevels - 1);  // 0, 51, ..., 255

std::uint32_t Rgb(std::uint32_t pixel) { return pixel & 0xFFFFFF; }

// The palette of every colour, with each pixel's index; false when there are more than fit.
bool IndexExactly(const std::vector<std::uint32_t>& pixels, IndexedPixels& result) {
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    result.indices.reserve(pixels.size());
    for (const std::uint32_t pixel : pixels) {
        const auto [entry, added] = indexOf.try_emplace(Rgb(pixel), static_cast<std::uint8_t>(indexOf.size()));
        if (added) {
            if (result.palette.size() == kMaxColors) return false;
            result.palette.push_back(Rgb(pixel));
        }
        result.indices.push_back(entry->second);
    }
    return true;
}

std::uint32_t NearestLevel(std::uint32_t channel) { return (channel + kCubeStep / 2) / kCubeStep; }

IndexedPixels IndexByCube(const std::vector<std::uint32_t>& pixels) {
    IndexedPixels result;
    for (std::uint32_t r = 0; r < kCubeLevels; ++r)
        for (std::uint32_t g = 0; g < kCubeLevels; ++g)
            for (std::uint32_t b = 0; b < kCubeLevels; ++b)
                result.palette.push_back((r * kCubeStep) << 16 | (g * kCubeStep) << 8 | b * kCubeStep);
    result.indices.reserve(pixels.size());
    for (const std::uint32_t pixel : pixels) {
        const std::uint32_t r = NearestLevel(pixel >> 16 & 255), g = NearestLevel(pixel >> 8 & 255),
                            b = NearestLevel(pixel & 255);
        result.indices.push_back(static_cast<std::uint8_t>((r * kCubeLevels + g) * kCubeLevels + b));
    }
    return result;
}

}  // namespace

IndexedPixels IndexColors(const std::vector<std::uint32_t>& pixels) {
    IndexedPixels exact;
    if (IndexExactly(pixels, exact)) return exact;
    return IndexByCube(pixels);
}

}  // namespace kx
