#include <initializer_list>

#include "ButtonLookPainters.h"

// The gradient looks: Office2003 (one gradient in a frame) and Vista (two half-height gradients in a border
// with cut corners and a light inner edge).
namespace kx {
namespace {

// A vertical gradient across the whole width, rows top to bottom - 1.
struct GradientBand {
    int top, bottom;
    LookColor first, last;
};

enum class GradientOutline {
    kRing,        // the outermost ring, corners included
    kCutCorners,  // the outermost ring but its four corner pixels, which keep the gradient
};

// The eight sides of the cut-corner border.
void CutCornerOutline(const ButtonPainter& p, LookColor colour) {
    const int r = p.R(), b = p.B();
    p.Line(1, 0, r - 1, 0, colour);
    p.Line(r - 1, 0, r, 1, colour);
    p.Line(r, 1, r, b - 1, colour);
    p.Line(r, b - 1, r - 1, b, colour);
    p.Line(r - 1, b, 1, b, colour);
    p.Line(1, b, 0, b - 1, colour);
    p.Line(0, b - 1, 0, 1, colour);
    p.Line(0, 1, 1, 0, colour);
}

// The skeleton of the gradient looks: the bands from the top down, then a one-pixel outline over them.
void GradientAndFrame(const ButtonPainter& p, std::initializer_list<GradientBand> bands, GradientOutline outline,
                      LookColor frame) {
    for (const GradientBand& band : bands) p.Gradient(0, band.top, p.W(), band.bottom, band.first, band.last);
    if (outline == GradientOutline::kRing) p.Frame(frame);
    else CutCornerOutline(p, frame);
}

struct GradientFace {
    LookColor top, bottom, frame;
};

GradientFace Office2003Face(const ButtonFace& face, long state) {
    const LookColor back = face.backColor;
    const LookColor hc = face.PlainHighlight();
    const LookColor caption = SystemColor(COLOR_ACTIVECAPTION);
    if (state == kLookHot)
        return face.useCustomColors ? GradientFace{OffsetColor(hc, 100), OffsetColor(hc, 10), back}
                                    : GradientFace{0xDCFFFF, 0x5ABEFA, caption};
    if (state == kLookPressed)
        return face.useCustomColors ? GradientFace{OffsetColor(hc, 10), OffsetColor(hc, 100), back}
                                    : GradientFace{0x46AAE6, 0xDCFFFF, caption};
    return face.useCustomColors ? GradientFace{OffsetColor(back, 100), OffsetColor(back, 10), back}
                                : GradientFace{SystemColor(COLOR_WINDOW), OffsetColor(caption, 30), caption};
}

LookColor VistaBase(const ButtonFace& face) {
    LookColor base = face.useCustomColors
                         ? (face.Is(kLookHot) ? face.PlainHighlight() : face.backColor)
                         : (face.Is(kLookHot) ? OffsetColor(SystemColor(COLOR_INACTIVECAPTION), 48)
                                              : SystemColor(COLOR_BTNFACE));
    return face.Is(kLookDisabled) ? OffsetColor(base, -16) : base;
}

}  // namespace

// Focus shows only on a button that is neither hot, pressed nor disabled, as a frame over the normal face.
bool PaintOffice2003Look(const ButtonPainter& p, const ButtonFace& face) {
    const bool active = face.Is(kLookHot) || face.Is(kLookPressed);
    GradientFace colours = Office2003Face(face, active ? face.state : kLookNormal);
    if (face.Is(kLookDisabled)) colours.frame = SystemColor(COLOR_GRAYTEXT);
    else if (!active && face.hasFocus) colours.frame = face.useCustomColors ? face.PlainHighlight() : 0x46AAE6;
    GradientAndFrame(p, {{0, p.H(), colours.top, colours.bottom}}, GradientOutline::kRing, colours.frame);
    return true;
}

// Two half-height gradients in a cut-corner border, with a light edge inside it.
bool PaintVistaLook(const ButtonPainter& p, const ButtonFace& face) {
    const int h = p.H(), r = p.R(), b = p.B();
    const LookColor base = VistaBase(face);
    const LookColor light = OffsetColor(base, 48);
    const bool pressed = face.Is(kLookPressed);
    const bool focused = face.hasFocus;
    const LookColor border = OffsetColor(base, focused && !face.Is(kLookDisabled) ? -128 : -64);
    GradientAndFrame(p,
                     {{0, h / 2, pressed ? OffsetColor(light, -16) : light, base},
                      {h / 2, h, base, pressed ? light : OffsetColor(light, -21)}},
                     GradientOutline::kCutCorners, border);
    const LookColor innerLight = OffsetColor(base, focused ? 32 : 64);
    p.Line(2, 1, r - 1, 1, innerLight);
    p.Line(1, 2, 1, b - 1, innerLight);
    const LookColor innerShade = OffsetColor(base, focused ? 16 : 32);
    p.Line(2, b - 1, r - 1, b - 1, innerShade);
    p.Line(r - 1, 2, r - 1, b - 1, innerShade);
    return true;
}

}  // namespace kx
