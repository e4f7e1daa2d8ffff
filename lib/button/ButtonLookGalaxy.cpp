#include "ButtonLookPainters.h"

// Galaxy: a shaded face with light lines on two sides, a border with cut corners and a two-tone shadow
// along the bottom and the right.
namespace kx {
namespace {

struct GalaxyColors {
    LookColor face, edge, shadow, outerShadow;
};

GalaxyColors ColorsOf(const ButtonFace& face) {
    const LookColor base = face.BackOrButtonFace();
    const LookColor faceColor = face.Is(kLookNormal)        ? base
                                : face.useCustomColors      ? face.highlightColor
                                                            : OffsetColor(SystemColor(COLOR_BTNFACE), 15);
    const bool darkEdge = face.hasFocus && !face.Is(kLookPressed);
    const LookColor edge = OffsetColor(base, darkEdge ? -96 : -48);
    const LookColor shadow = OffsetColor(edge, 21);
    return {faceColor, edge, shadow, OffsetColor(shadow, 15)};
}

void Border(const ButtonPainter& p, LookColor edge) {
    const int w = p.W(), h = p.H(), r = p.R(), b = p.B();
    p.Line(2, 0, w - 3, 0, edge);
    p.Line(0, 2, 0, h - 3, edge);
    p.Line(2, h - 2, w - 3, h - 2, edge);
    p.Line(w - 2, 2, w - 2, h - 3, edge);
    p.Pixels({{1, 1}, {1, b - 2}, {r - 2, 1}, {r - 2, b - 2}}, edge);
}

void Shadow(const ButtonPainter& p, LookColor shadow, LookColor outerShadow) {
    const int w = p.W(), h = p.H();
    p.Line(3, h - 1, w - 4, h - 1, shadow);
    p.Line(w - 1, 3, w - 1, h - 4, shadow);
    p.Line(w - 4, h - 1, w, h - 5, shadow);
    p.Line(w - 3, h - 1, w, h - 4, outerShadow);
}

}  // namespace

// A pressed face turns the ramp upside down and keeps its only light line at the bottom.
bool PaintGalaxyLook(const ButtonPainter& p, const ButtonFace& face) {
    const int w = p.W(), h = p.H();
    const GalaxyColors c = ColorsOf(face);
    const bool pressed = face.Is(kLookPressed);
    const LookColor light = OffsetColor(c.face, 96);
    p.Surface(c.face);
    p.Ramp(2, 2, w - 3, h - 6, OffsetColor(c.face, pressed ? -15 : 15), OffsetColor(c.face, pressed ? 15 : -15));
    p.Line(2, 1, w - 3, 1, pressed ? c.face : light);
    p.Line(1, 2, 1, h - 3, pressed ? c.face : light);
    p.Line(2, h - 3, w - 2, h - 3, pressed ? light : c.face);
    Border(p, c.edge);
    Shadow(p, c.shadow, c.outerShadow);
    return true;
}

}  // namespace kx
