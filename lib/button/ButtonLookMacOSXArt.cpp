#include "ButtonLookMacOSXArt.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <optional>

namespace kx {
namespace {

// The fill, then the edge columns and bands in the order of MacLookColors: each line's colour in the normal, hot
// and pressed looks.
constexpr std::uint32_t kFill[3] = {0xEAE7E8, 0xE2A66A, 0xCC9B6A};
constexpr std::uint32_t kLines[58][3] = {
    {0xF7F7F7, 0xF7F7F7, 0xF7F7F7},  // column 0
    {0xA0A0A0, 0xB0A09E, 0xA99D9B},  // column 1
    {0x999999, 0x712E13, 0x632D17},  // column 2
    {0xC3C3C3, 0xBD5F14, 0xA65A1D},  // column 3
    {0xC9C9C9, 0xD17327, 0xB96C2E},  // column 4
    {0xD5D5D5, 0xD47F31, 0xBC7738},  // column 5
    {0xD7D7D7, 0xD98C3D, 0xC18242},  // column 6
    {0xDFDFDF, 0xD9944B, 0xC2894E},  // column 7
    {0xE0E0E0, 0xD7944F, 0xC18A52},  // column 8
    {0xE0E0E0, 0xDC9C55, 0xC59157},  // column 9
    {0xE4E4E4, 0xDC9B57, 0xC59159},  // column 10
    {0xE6E8E6, 0xE3A362, 0xCC9863},  // column 11
    {0xE8E7E7, 0xE3A265, 0xCC9665},  // column 12
    {0xEAE7E8, 0xE2A367, 0xCB9767},  // column 13
    {0xEAE7E8, 0xE0A165, 0xC99565},  // column 14
    {0xEAE7E8, 0xE3A66A, 0xCC9A6A},  // column 15
    {0xEAE7E8, 0xE3A66A, 0xCC9A6A},  // column 16
    {0xEAE7E8, 0xE2A66A, 0xCC9B6A},  // column 17
    {0xEAE7E8, 0xE2A66A, 0xCC9B6A},  // column W - 17
    {0xEAE7E8, 0xE2A66A, 0xCC9B6A},  // column W - 16
    {0xEAE7E8, 0xE1A464, 0xCA9864},  // column W - 15
    {0xEAE7E8, 0xE0A363, 0xC99763},  // column W - 14
    {0xE7E7E7, 0xE0A363, 0xC99763},  // column W - 13
    {0xE6E6E6, 0xE1A161, 0xCA9562},  // column W - 12
    {0xE4E4E4, 0xE09F5B, 0xC9945D},  // column W - 11
    {0xE0E0E0, 0xDE9855, 0xC68E57},  // column W - 10
    {0xE0E0E0, 0xDC9752, 0xC48C55},  // column W - 9
    {0xDEDEDE, 0xDB934B, 0xC3884E},  // column W - 8
    {0xD9D9D9, 0xD68D39, 0xBE823E},  // column W - 7
    {0xD3D3D3, 0xD17F2D, 0xB97634},  // column W - 6
    {0xCCCCCC, 0xD67426, 0xBD6D2D},  // column W - 5
    {0xC3C3C3, 0xC05D13, 0xA8581C},  // column W - 4
    {0xA3A3A3, 0x7C3514, 0x6D3319},  // column W - 3
    {0x9C9C9C, 0xAB9B98, 0xA49794},  // column W - 2
    {0xF6F6F6, 0xF6F6F6, 0xF6F6F6},  // column W - 1
    {0x67696A, 0x450608, 0x3C090A},  // row 0
    {0xF5F4F6, 0xF1D4C9, 0xDEC7BE},  // row 1
    {0xF3F2F4, 0xE5C8BD, 0xD3BCB2},  // row 2
    {0xEEEEEE, 0xE8C0A1, 0xD4B39A},  // row 3
    {0xEBEBEB, 0xE0B898, 0xCCAC92},  // row 4
    {0xEBE8EA, 0xE3B48E, 0xCFA88A},  // row 5
    {0xEBE8EA, 0xE0B18B, 0xCCA587},  // row 6
    {0xEAEAEA, 0xE9B47F, 0xD2A77D},  // row 7
    {0xE1E1E1, 0xCE9963, 0xB98E62},  // row 8
    {0xE5E2E3, 0xDDA064, 0xC69464},  // row 9
    {0xEAE7E8, 0xE2A66A, 0xCC9B6A},  // row 10
    {0xE8EBE9, 0xE6AC76, 0xD0A175},  // row 11
    {0xE8EBE9, 0xE6AC76, 0xD0A175},  // row H - 11
    {0xEEF1EF, 0xF1B681, 0xDAAA7F},  // row H - 10
    {0xF2F2F2, 0xF3BD8A, 0xDCB087},  // row H - 9
    {0xF5F5F5, 0xFCC592, 0xE4B88E},  // row H - 8
    {0xFFFEFE, 0xF8CE97, 0xE1BF93},  // row H - 7
    {0xFFFFFF, 0xFED59E, 0xE7C699},  // row H - 6
    {0xFDFDFD, 0xF7DDA3, 0xE2CC9D},  // row H - 5
    {0xFEFEFE, 0xFFE6AD, 0xE9D5A6},  // row H - 4
    {0xFBFBFB, 0xE9E2C5, 0xD7D2BA},  // row H - 3
    {0x545454, 0x635D40, 0x5A563E},  // row H - 2
    {0xC5C5C5, 0xC5C5C5, 0xC5C5C5},  // row H - 1
};

static_assert(std::size(kLines) == std::size(MacLookColors{}.leftEdges) + std::size(MacLookColors{}.rightEdges) +
                                       std::size(MacLookColors{}.topBands) + std::size(MacLookColors{}.bottomBands));

MacLookColors ColorsOf(int look) {
    MacLookColors colors = {kFill[look], {}, {}, {}, {}};
    const std::uint32_t(*line)[3] = kLines;
    for (std::uint32_t& c : colors.leftEdges) c = (*line++)[look];
    for (std::uint32_t& c : colors.rightEdges) c = (*line++)[look];
    for (std::uint32_t& c : colors.topBands) c = (*line++)[look];
    for (std::uint32_t& c : colors.bottomBands) c = (*line++)[look];
    return colors;
}

// Rows of the corner patterns drawn as they were first painted; the rest is derived from the profiles.
struct SampleRow {
    std::optional<MacLook> look;  // none: every look
    MacCorner corner;
    int outerRow;     // rows from the pattern's outer edge: 0 is row 0 at the top, row H - 1 at the bottom
    int firstColumn;  // in the pattern's box
    std::initializer_list<std::uint32_t> colors;
};

const SampleRow kSampleRows[] = {
    {MacLook::kNormal, MacCorner::kTopLeft, 0, 6, {
      0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B, 0x6F6F6F, 0x716F6F,
      0x727070, 0x676866, 0x6C6D6B, 0x67696A,
    }},
    {MacLook::kHot, MacCorner::kTopLeft, 0, 6, {
      0xFEFEFE, 0xE6E5E5, 0xA9A5A5, 0x6C5E5E, 0x482729, 0x370D0C, 0x370706, 0x360605,
      0x3A0606, 0x410807, 0x450707, 0x450608,
    }},
    {MacLook::kPressed, MacCorner::kTopLeft, 0, 6, {
      0xFEFEFE, 0xE5E4E4, 0xA5A2A2, 0x675C5C, 0x422729, 0x300E0D, 0x300A09, 0x2F0908,
      0x330909, 0x390A0A, 0x3C0A0A, 0x3C090A,
    }},
    {MacLook::kNormal, MacCorner::kTopLeft, 8, 0, {
      0xFDFDFD, 0xC6C6C6, 0x7E7E7E, 0xABABAB, 0xC1C1C1, 0xC1C1C1, 0xCBCBCB, 0xCECECE,
      0xD5D5D5, 0xD8D8D8, 0xDADADA, 0xDDDDDD, 0xDEDEDE, 0xE1E1E1, 0xE0E0E0, 0xE1E1E1,
      0xE0E0E0, 0xE1E1E1,
    }},
    {MacLook::kHot, MacCorner::kTopLeft, 8, 0, {
      0xFDFDFD, 0xCAC5C5, 0x682A1F, 0xB23E0C, 0xCC5D19, 0xCE691B, 0xCE7525, 0xCD8138,
      0xC58440, 0xC5894E, 0xC98D52, 0xC88E53, 0xCC9257, 0xCF935D, 0xD0945E, 0xCE9963,
      0xCE9963, 0xCE9963,
    }},
    {MacLook::kNormal, MacCorner::kTopRight, 0, 0, {
      0x67696A, 0x666869, 0x716F6F, 0x6F6D6D, 0x6F706E, 0x727371, 0x6E6E6E, 0x707070,
      0xA6A6A6, 0xEEEEEE,
    }},
    {MacLook::kHot, MacCorner::kTopRight, 0, 0, {
      0x450608, 0x450608, 0x3B0707, 0x370706, 0x360507, 0x3B0F10, 0x442526, 0x604E4E,
      0xA29D9E, 0xEEEEEE,
    }},
    {MacLook::kNormal, MacCorner::kBottomLeft, 1, 3, {
      0xFEFEFE, 0xF9F9F9, 0xECECEC, 0xDADADA, 0xC1C1C1, 0x9D9D9D, 0x7B7B7B, 0x5E5E5E,
      0x535353, 0x4D4D4D, 0x4B4B4B, 0x505050, 0x525252, 0x555555, 0x545454,
    }},
    {MacLook::kHot, MacCorner::kBottomLeft, 1, 3, {
      0xFEFEFE, 0xF9F9F9, 0xECECEC, 0xDADADA, 0xC2C2C1, 0x9F9D9B, 0x827D75, 0x6A6353,
      0x5F5941, 0x5D553B, 0x595338, 0x5E5739, 0x5F5A3C, 0x635E3F, 0x635D40,
    }},
    {std::nullopt, MacCorner::kBottomLeft, 0, 5, {  // the drop shadow, alike in every look
      0xFCFCFC, 0xF5F5F5, 0xEBEBEB, 0xE1E1E1, 0xD6D6D6, 0xCECECE, 0xC9C9C9, 0xC7C7C7,
      0xC7C7C7, 0xC6C6C6, 0xC6C6C6, 0xC5C5C5, 0xC5C5C5,
    }},
};

constexpr std::uint32_t kOutside = 0xFEFEFE;  // the lightest pixel a pattern holds; none is pure white
constexpr double kSideOutline = 1.5;          // the dark outline of the sides sits in their columns 1 and 2

struct CornerShape {
    bool top, left;
    int insets[9];       // outer columns left undrawn, by rows from the outer edge; 0 further in
    double arcCentre;    // centre of the rounding, in pixels from both outer edges
};

constexpr CornerShape kShapes[4] = {
    {true, true, {6, 5, 3, 3, 2, 1, 1, 1, 0}, 9.0},      // top-left
    {false, true, {5, 3, 2, 2, 1, 1, 0, 0, 0}, 6.5},     // bottom-left
    {true, false, {7, 5, 4, 3, 2, 1, 1, 1, 0}, 8.5},     // top-right
    {false, false, {5, 4, 3, 2, 1, 1, 1, 0, 0}, 7.0},    // bottom-right
};

// Pixels of the normal look's bottom patterns that stay undrawn: (box column, rows from the bottom).
constexpr int kNormalGaps[][3] = {
    {1, 9, 4}, {1, 11, 5}, {1, 13, 5}, {1, 15, 5}, {1, 17, 5},
    {3, 0, 5}, {3, 2, 5}, {3, 3, 5}, {3, 4, 5}, {3, 7, 5}, {3, 5, 4}, {3, 7, 4}, {3, 4, 3},
};

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double weight) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
        result |= static_cast<std::uint32_t>(std::lround(x + (y - x) * weight)) << shift;
    }
    return result;
}

// A colour profile read at a fractional depth; before its first entry it fades to the outside.
class Profile {
public:
    Profile(const std::uint32_t* entries, int count, bool reversed) : e_(entries), n_(count), reversed_(reversed) {}
    std::uint32_t At(int i) const { return e_[reversed_ ? n_ - 1 - i : i]; }
    int Count() const { return n_; }
    std::uint32_t Read(double depth) const {
        if (depth <= 0) return Mix(At(0), kOutside, std::min(1.0, -depth));
        if (depth >= n_ - 1) return At(n_ - 1);
        const int i = static_cast<int>(depth);
        return Mix(At(i), At(i + 1), depth - i);
    }

private:
    const std::uint32_t* e_;
    int n_;
    bool reversed_;
};

class CornerPainter {
public:
    CornerPainter(const MacLookColors& colors, const CornerShape& shape)
        : shape_(shape),
          side_(shape.left ? colors.leftEdges : colors.rightEdges, shape.left ? 18 : 17, !shape.left),
          band_(shape.top ? colors.topBands : colors.bottomBands, shape.top ? 12 : 11, !shape.top),
          bandOutline_(shape.top ? 0.0 : 1.0) {}

    // depth j from the outer column, k from the outer row.
    std::uint32_t Color(int j, int k) const {
        if (j == side_.Count() - 1 && k < band_.Count()) return band_.At(k);  // meets the bands
        if (k >= band_.Count() - (shape_.top ? 2 : 0)) return side_.At(j);    // meets the edge columns
        const double c = shape_.arcCentre;
        const double u = j + 0.5, v = k + 0.5;
        if (u < c && v < c) return Rounded(c - u, c - v);
        const double ds = std::max(j - kSideOutline, 0.01), db = std::max(k - bandOutline_, 0.01);
        return Mix(side_.Read(j), band_.Read(k), ds * ds / (ds * ds + db * db));
    }

private:
    // Along the rounding both outlines meet on one elliptic arc around the centre.
    std::uint32_t Rounded(double du, double dv) const {
        const double c = shape_.arcCentre;
        const double angle = std::atan2(dv, du);
        const double a = c - (kSideOutline + 0.5), b = c - (bandOutline_ + 0.5);
        const double reach = a * b / std::hypot(b * std::cos(angle), a * std::sin(angle));
        const double depth = reach - std::hypot(du, dv);
        const double towardBand = std::sin(angle) * std::sin(angle);
        // The band's one-pixel outline widens round the corner to meet the two-pixel one of the side.
        const double bandDepth = depth > 0 ? depth * (1.0 - 0.5 * std::sin(2 * angle)) : depth;
        return Mix(side_.Read(kSideOutline + depth), band_.Read(bandOutline_ + bandDepth), towardBand);
    }

    const CornerShape& shape_;
    Profile side_, band_;
    double bandOutline_;
};

int TopRows(MacLook look) { return look == MacLook::kNormal ? 13 : 11; }
int BottomRows(MacLook look) { return look == MacLook::kNormal ? 10 : 12; }

bool IsGap(MacLook look, int corner, int column, int outerRow) {
    if (look != MacLook::kNormal) return false;
    for (const auto& gap : kNormalGaps)
        if (gap[0] == corner && gap[1] == column && gap[2] == outerRow) return true;
    return false;
}

const SampleRow* SampleFor(MacLook look, MacCorner corner, int outerRow) {
    for (const SampleRow& row : kSampleRows)
        if ((!row.look || row.look == look) && row.corner == corner && row.outerRow == outerRow) return &row;
    return nullptr;
}

MacPattern BuildPattern(MacLook look, MacCorner corner) {
    const int index = static_cast<int>(corner);
    const CornerShape& shape = kShapes[index];
    const CornerPainter painter(MacOSXColors(look), shape);
    MacPattern pattern{shape.left ? 18 : 17, shape.top ? TopRows(look) : BottomRows(look), {}};
    for (int row = 0; row < pattern.rows; ++row) {
        const int k = shape.top ? row : pattern.rows - 1 - row;
        const int inset = k < 9 ? shape.insets[k] : 0;
        const SampleRow* sample = SampleFor(look, corner, k);
        for (int column = 0; column < pattern.columns; ++column) {
            const int j = shape.left ? column : pattern.columns - 1 - column;
            if (j < inset || IsGap(look, index, column, k)) continue;
            std::uint32_t color = painter.Color(j, k);
            const int inSample = sample ? column - sample->firstColumn : -1;
            if (inSample >= 0 && inSample < static_cast<int>(sample->colors.size()))
                color = sample->colors.begin()[inSample];
            pattern.pixels.push_back({column, row, color == 0xFFFFFF ? kOutside : color});
        }
    }
    return pattern;
}

struct Patterns {
    MacPattern all[3][4];
    Patterns() {
        for (int look = 0; look < 3; ++look)
            for (int corner = 0; corner < 4; ++corner)
                all[look][corner] = BuildPattern(static_cast<MacLook>(look), static_cast<MacCorner>(corner));
    }
};

}  // namespace

const MacLookColors& MacOSXColors(MacLook look) {
    static const MacLookColors colors[3] = {ColorsOf(0), ColorsOf(1), ColorsOf(2)};
    return colors[static_cast<int>(look)];
}

const MacPattern& MacOSXPattern(MacLook look, MacCorner corner) {
    static const Patterns patterns;
    return patterns.all[static_cast<int>(look)][static_cast<int>(corner)];
}

}  // namespace kx
