#include "ButtonLookBevel.h"

namespace kx {

void BevelBody(const ButtonPainter& p, LookColor face, Ramp2 body, Ramp2 left, Ramp2 right) {
    p.Surface(face);
    p.Ramp(1, 1, p.W() - 2, p.H() - 3, body.first, body.last);
    BevelSides(p, left, right);
}

// The right ramp runs leftwards from column R - 1 and stops before R - 2.
void BevelSides(const ButtonPainter& p, Ramp2 left, Ramp2 right) {
    p.Ramp(1, 2, 2, p.H() - 5, left.first, left.last);
    p.Ramp(p.W() - 2, 2, p.W() - 3, p.H() - 5, right.first, right.last);
}

void OpenBorder(const ButtonPainter& p, LookColor colour) {
    const int w = p.W(), h = p.H();
    p.Line(2, 0, w - 2, 0, colour);
    p.Line(0, 2, 0, h - 2, colour);
    p.Line(2, h - 1, w - 2, h - 1, colour);
    p.Line(w - 1, 0, w - 1, h, colour);
}

void ClosedBorder(const ButtonPainter& p, LookColor colour) {
    const int w = p.W(), h = p.H();
    p.Line(1, 0, w - 1, 0, colour);
    p.Line(0, 1, 0, h - 1, colour);
    p.Line(w - 1, 1, w - 1, h - 1, colour);
    p.Line(1, h - 1, w - 1, h - 1, colour);
}

void DiagonalPixels(const ButtonPainter& p, LookColor colour) {
    const int r = p.R(), b = p.B();
    p.Pixels({{1, 1}, {1, b - 1}, {r - 1, 1}, {r - 1, b - 1}}, colour);
}

void RingPixels(const ButtonPainter& p, LookColor colour) {
    const int r = p.R(), b = p.B();
    p.Pixels({{1, 0}, {r - 1, 0}, {0, 1}, {0, b - 1}, {1, b}, {r - 1, b}, {r, 1}, {r, b - 1}}, colour);
}

}  // namespace kx
