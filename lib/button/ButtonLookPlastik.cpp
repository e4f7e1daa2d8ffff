#include "ButtonLookBevel.h"
#include "ButtonLookPainters.h"

// Plastik: the bevelled rectangle in face colours derived from one base, with highlight bands when hot or
// focused.
namespace kx {
namespace {

struct PlastikColors {
    long faceOffset;   // face = base + faceOffset
    long bodySpread;   // body ramp face + spread -> face - spread
    long cornerBlend;  // base + cornerBlend
};

PlastikColors ColorsOf(long state) {
    switch (state) {
        case kLookHot: return {24, 16, -21};
        case kLookPressed: return {-9, 0, -21};
        case kLookDisabled: return {18, 15, 5};
        default: return {8, 15, -21};
    }
}

void HighlightBands(const ButtonPainter& p, LookColor hl) {
    const int w = p.W(), h = p.H();
    p.Line(2, 1, w - 2, 1, OffsetColor(hl, 21));
    p.Line(1, 2, w - 1, 2, OffsetColor(hl, 21));
    p.Line(1, h - 3, w - 1, h - 3, OffsetColor(hl, -5));
    p.Line(2, h - 2, w - 2, h - 2, OffsetColor(hl, -21));
}

void Border(const ButtonPainter& p, LookColor edge, LookColor cornerBlend) {
    DrawBevelBorder(p, {BevelOutline::kOpen, edge, edge, cornerBlend});
}

// The surface is not set: (0, 0) and (0, B) keep what it held.
void PressedFace(const ButtonPainter& p, LookColor base, LookColor face, LookColor cornerBlend) {
    const int w = p.W(), h = p.H();
    const auto f = [face](long n) { return OffsetColor(face, n); };
    p.Ramp(1, 1, w - 2, h - 2, f(-15), face);
    BevelRightSide(p, {f(-21), f(21)});
    BevelLeftSide(p, {f(-32), f(-5)});
    Border(p, f(-96), cornerBlend);
    p.Line(2, h - 2, w - 2, h - 2, OffsetColor(base, 8));
    p.Line(2, 1, w - 2, 1, OffsetColor(base, -21));
}

}  // namespace

bool PaintPlastikLook(const ButtonPainter& p, const ButtonFace& face) {
    if (face.state < kLookNormal || face.state > kLookDisabled) return true;
    const LookColor base = face.BackOrButtonFace();
    const PlastikColors colors = ColorsOf(face.state);
    const LookColor faceColor = OffsetColor(base, colors.faceOffset);
    const LookColor cornerBlend = OffsetColor(base, colors.cornerBlend);
    if (face.Is(kLookPressed)) {
        PressedFace(p, base, faceColor, cornerBlend);
        return true;
    }
    const auto f = [faceColor](long n) { return OffsetColor(faceColor, n); };
    BevelBody(p, faceColor, {f(colors.bodySpread), f(-colors.bodySpread)}, {f(21), f(-21)}, {f(-5), f(-32)});
    Border(p, f(-96), cornerBlend);
    if (face.Is(kLookHot) || (face.Is(kLookNormal) && face.hasFocus)) {
        HighlightBands(p, face.useCustomColors ? face.highlightColor : SystemColor(COLOR_HIGHLIGHT));
    } else {
        p.Line(2, 1, p.W() - 2, 1, OffsetColor(base, 21));
        p.Line(2, p.H() - 2, p.W() - 2, p.H() - 2, OffsetColor(base, -37));
    }
    return true;
}

}  // namespace kx
