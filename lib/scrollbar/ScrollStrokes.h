#pragma once
#include <array>

// The line work that the Windows XP, Plastik, Galaxy and Office 2003 looks share, as plain coordinates on a
// box of w x h pixels: the six-stroke chevron of the arrows, the eight-line grip of the thumb and the
// eight-sided outline of a tile with cut corners. Each family differs only in where it centres them.
namespace kx {

// A one-pixel line from (x1, y1) towards (x2, y2), the end point left out.
struct Stroke {
    int x1, y1, x2, y2;
};

struct StrokePoint {
    int x, y;
};

enum class ChevronPointing { Up, Down, Left, Right };

// Where a family centres its glyphs across the bar: the box's middle (w div 2 on a vertical bar, h div 2 on
// a horizontal one) plus a shift for each direction.
struct CrossShift {
    int vertical;
    int horizontal;
};

// Three strokes a side from the apex, the arms three pixels thick; the apex lies 3 pixels from the box's
// middle along the bar, towards the point.
std::array<Stroke, 6> ChevronStrokes(ChevronPointing pointing, int w, int h, CrossShift shift);

// Extents of the grip lines across the bar, from the glyph's centre: [from, to), the end left out.
struct GripExtent {
    int lightFrom, lightTo;
    int darkFrom, darkTo;
};

struct GripShape {
    CrossShift shift;
    GripExtent vertical;    // horizontal lines on a vertical bar's thumb
    GripExtent horizontal;  // vertical lines on a horizontal bar's thumb
};

// Eight lines k = 0 .. 7 across the bar, on the rows (columns) from 4 before the middle along the bar; even
// k light, odd k dark.
std::array<Stroke, 8> GripStrokes(const GripShape& shape, bool vertical, int w, int h);

// The closed eight-sided path around a w x h tile, corners cut by two pixels: nine points, the last the
// first again, each side drawn up to the next point.
std::array<StrokePoint, 9> CutCornerOutline(int w, int h);

}  // namespace kx
