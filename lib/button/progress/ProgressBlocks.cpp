#include "ProgressBlocks.h"

#include "ProgressBevel.h"
#include "ProgressLayout.h"

namespace kx {
namespace {

constexpr long kStandard = 0;
constexpr long kSearch = 2;
constexpr long kSearchSteps = 9;   // one Search block: ten lines
constexpr long kSearchPitch = 12;  // gap 2 plus ten lines

// Light edge, solid body, light edge: the bar of Standard and Smooth.
// The ramps get copies of the colour: these looks leave the Color field as it is.
void PaintHorizontalBar(const ProgressScene& s, long right) {
    long light = s.Light(150), colour = s.colour;
    s.canvas.Ramp(light, colour, 4, 3, right, 6, false);
    s.canvas.Fill({4, 8, right, s.height - 8}, s.colour);
    s.canvas.Ramp(colour, light, 4, s.height - 10, right, 6, false);
}

void PaintVerticalBar(const ProgressScene& s, long top) {
    long light = s.Light(150), colour = s.colour;
    s.canvas.Ramp(light, colour, 4, top, 4, s.height, true);
    s.canvas.Fill({9, top, s.width - 8, s.height}, s.colour);
    s.canvas.Ramp(colour, light, s.width - 8, top, 4, s.height, true);
}

// Three blocks, lighter to darker; horizontally they move onto the fill edge as the share grows.
void PaintSearchBlocks(const ProgressScene& s, const BlockLayout& layout, bool vertical) {
    for (long i = 0; i < 3; ++i) {
        long first = s.Light(220 - 40 * i), last = s.Light(200 - 40 * i);
        if (vertical) {
            s.canvas.Ramp(first, last, s.width - 2, layout.top + kSearchPitch * i, 2, kSearchSteps, false);
        } else {
            const long x = PixelOf(layout.right + kSearchPitch * i - (100 - s.percent) / 100.0 * 45);
            s.canvas.Ramp(first, last, x, 3, kSearchSteps, s.height - 2, true);
        }
    }
}

// White gaps that cut the Standard bar into blocks.
void PaintSeparators(const ProgressScene& s, const BlockLayout& layout, bool vertical) {
    if (vertical) {
        for (long y = s.height; y >= layout.top + layout.block; y -= layout.Step())
            s.canvas.Fill({3, y - 2, s.width, y - 2 + layout.gap}, kProgressWhite);
    } else {
        for (long x = layout.left + layout.block; x <= layout.right; x += layout.Step())
            s.canvas.Fill({x + 1, 0, x + 1 + layout.gap, s.height}, kProgressWhite);
    }
}

}  // namespace

void PaintBlockLook(const ProgressScene& s) {
    const bool vertical = s.orientation != 0;
    BlockLayout layout = LayoutBlocks(s.percent, s.width, s.height, s.scrolling == kStandard, vertical);
    if (vertical) {
        if (s.scrolling == kSearch) PaintSearchBlocks(s, layout, true);
        else PaintVerticalBar(s, layout.top);
    } else {
        if (layout.right < 15) layout.right = 12;  // at least one block, even at 0 %
        const long barRight = layout.right + 4 > s.width ? layout.right - 4 : layout.right;
        if (s.scrolling == kSearch) PaintSearchBlocks(s, layout, false);
        else PaintHorizontalBar(s, barRight);
    }
    if (s.scrolling == kStandard) PaintSeparators(s, layout, vertical);
    PaintBevelFrame(s);
}

}  // namespace kx
