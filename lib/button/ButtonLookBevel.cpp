#include "ButtonLookBevel.h"

namespace kx {
namespace {

void ClosedOutline(const ButtonPainter& p, LookColor colour) {
    const int w = p.W(), h = p.H();
    p.Line(1, 0, w - 1, 0, colour);
    p.Line(0, 1, 0, h - 1, colour);
    p.Line(w - 1, 1, w - 1, h - 1, colour);
    p.Line(1, h - 1, w - 1, h - 1, colour);
}

void OpenOutline(const ButtonPainter& p, LookColor colour) {
    const int w = p.W(), h = p.H();
    p.Line(2, 0, w - 2, 0, colour);
    p.Line(0, 2, 0, h - 2, colour);
    p.Line(2, h - 1, w - 2, h - 1, colour);
    p.Line(w - 1, 0, w - 1, h, colour);
}

}  // namespace

void BevelBody(const ButtonPainter& p, LookColor face, Ramp2 body, Ramp2 left, Ramp2 right) {
    p.Surface(face);
    p.Ramp(1, 1, p.W() - 2, p.H() - 3, body.first, body.last);
    BevelLeftSide(p, left);
    BevelRightSide(p, right);
}

void BevelLeftSide(const ButtonPainter& p, Ramp2 ramp) { p.Ramp(1, 2, 2, p.H() - 5, ramp.first, ramp.last); }

// Each line runs leftwards from column R - 1 and stops before R - 2.
void BevelRightSide(const ButtonPainter& p, Ramp2 ramp) {
    p.Ramp(p.W() - 2, 2, p.W() - 3, p.H() - 5, ramp.first, ramp.last);
}

void DrawBevelBorder(const ButtonPainter& p, const BevelBorder& border) {
    const int r = p.R(), b = p.B();
    if (border.outline == BevelOutline::kClosed) ClosedOutline(p, border.edge);
    else OpenOutline(p, border.edge);
    p.Pixels({{1, 1}, {1, b - 1}, {r - 1, 1}, {r - 1, b - 1}}, border.diagonal);
    if (border.ring)
        p.Pixels({{1, 0}, {r - 1, 0}, {0, 1}, {0, b - 1}, {1, b}, {r - 1, b}, {r, 1}, {r, b - 1}}, *border.ring);
}

}  // namespace kx
