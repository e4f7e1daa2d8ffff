#pragma once
#include <optional>

#include "ButtonPainter.h"

// The bevelled rectangle that the WindowsXP and Plastik looks share: a shaded body with shaded side
// columns, a one-pixel border and single shaded pixels that round its corners.
namespace kx {

struct Ramp2 {
    LookColor first, last;
};

// The whole surface in face, the body ramp over rows 1 to B - 1 (columns 1 to R - 2), then the left and the
// right side ramps.
void BevelBody(const ButtonPainter& p, LookColor face, Ramp2 body, Ramp2 left, Ramp2 right);
// Column 1, rows 2 to B - 2.
void BevelLeftSide(const ButtonPainter& p, Ramp2 ramp);
// Column R - 1, rows 2 to B - 2.
void BevelRightSide(const ButtonPainter& p, Ramp2 ramp);

enum class BevelOutline {
    kClosed,  // every ring pixel but the four corners
    kOpen,    // two pixels short of each corner on three sides, the whole right column on the fourth
};

struct BevelBorder {
    BevelOutline outline;
    LookColor edge;
    LookColor diagonal;             // (1, 1), (1, B - 1), (R - 1, 1), (R - 1, B - 1)
    std::optional<LookColor> ring;  // the two ring pixels next to each corner
};

// The border, then its diagonal corner pixels, then the ring pixels when given.
void DrawBevelBorder(const ButtonPainter& p, const BevelBorder& border);

}  // namespace kx
