#pragma once
#include <cstdint>
#include <vector>

// The pixel art of the MacOSX look: edge columns, bands and four corner patterns for each of its three
// looks. Pure data and arithmetic; colours are 0x00BBGGRR.
namespace kx {

enum class MacLook { kNormal, kHot, kPressed };
enum class MacCorner { kTopLeft, kBottomLeft, kTopRight, kBottomRight };

struct MacLookColors {
    std::uint32_t fill;
    std::uint32_t leftEdges[18];    // columns 0 .. 17
    std::uint32_t rightEdges[17];   // columns W - 17 .. W - 1
    std::uint32_t topBands[12];     // rows 0 .. 11
    std::uint32_t bottomBands[11];  // rows H - 11 .. H - 1
};

struct MacPatternPixel {
    int column;  // from the left of the pattern's box: column 0, or W - 17 for the right-hand patterns
    int row;     // from the top of the pattern's box: row 0, or H - rows for the bottom patterns
    std::uint32_t color;
};

// Pixels row by row from the top, left to right within a row.
struct MacPattern {
    int columns;
    int rows;
    std::vector<MacPatternPixel> pixels;
};

const MacLookColors& MacOSXColors(MacLook look);
const MacPattern& MacOSXPattern(MacLook look, MacCorner corner);

}  // namespace kx
