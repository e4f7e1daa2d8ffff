#pragma once
#include "ButtonPainter.h"

// The bevelled rectangle that the WindowsXP and Plastik looks share: a shaded body with shaded side
// columns, a one-pixel border and single shaded pixels that round its corners.
namespace kx {

struct Ramp2 {
    LookColor first, last;
};

// The whole surface in face, the body ramp over rows 1 to B - 1 (columns 1 to R - 2), then the side ramps in
// columns 1 and R - 1 (rows 2 to B - 2).
void BevelBody(const ButtonPainter& p, LookColor face, Ramp2 body, Ramp2 left, Ramp2 right);
// The side ramps alone: column 1 and column R - 1, rows 2 to B - 2.
void BevelSides(const ButtonPainter& p, Ramp2 left, Ramp2 right);
// A border two pixels short of each corner on three sides, the whole right column on the fourth.
void OpenBorder(const ButtonPainter& p, LookColor colour);
// A border that leaves out only the four corner pixels.
void ClosedBorder(const ButtonPainter& p, LookColor colour);
// (1, 1), (1, B - 1), (R - 1, 1), (R - 1, B - 1).
void DiagonalPixels(const ButtonPainter& p, LookColor colour);
// The two ring pixels next to each corner.
void RingPixels(const ButtonPainter& p, LookColor colour);

}  // namespace kx
