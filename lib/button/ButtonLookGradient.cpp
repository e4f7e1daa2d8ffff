#include "ButtonLookPainters.h"

// The gradient looks: Office2003 (one gradient in a frame) and Vista (two half-height gradients in a border
// with cut corners and a light inner edge).
namespace kx {
namespace {

struct GradientFace {
    LookColor top, bottom, frame;
};

// The skeleton of Office2003: the gradient over the whole surface, then its frame.
void DrawGradientFace(const ButtonPainter& p, const GradientFace& face) {
    p.Gradient(0, 0, p.W(), p.H(), face.top, face.bottom);
    p.Frame(face.frame);
}

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

// The eight sides of the border; the four corner pixels keep the gradient.
void CutBorder(const ButtonPainter& p, LookColor colour) {
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

LookColor VistaBase(const ButtonFace& face) {
    LookColor base = face.useCustomColors
                         ? (face.Is(kLookHot) ? face.PlainHighlight() : face.backColor)
                         : (face.Is(kLookHot) ? OffsetColor(SystemColor(COLOR_INACTIVECAPTION), 48)
                                              : SystemColor(COLOR_BTNFACE));
    return face.Is(kLookDisabled) ? OffsetColor(base, -16) : base;
}

}  // namespace

bool PaintOffice2003Look(const ButtonPainter& p, const ButtonFace& face) {
    if (face.Is(kLookHot) || face.Is(kLookPressed)) {
        DrawGradientFace(p, Office2003Face(face, face.state));
        return true;
    }
    DrawGradientFace(p, Office2003Face(face, kLookNormal));
    if (face.Is(kLookDisabled)) p.Frame(SystemColor(COLOR_GRAYTEXT));
    else if (face.hasFocus) p.Frame(face.useCustomColors ? face.PlainHighlight() : 0x46AAE6);
    return true;
}

bool PaintVistaLook(const ButtonPainter& p, const ButtonFace& face) {
    const int w = p.W(), h = p.H(), r = p.R(), b = p.B();
    const LookColor base = VistaBase(face);
    const LookColor light = OffsetColor(base, 48);
    const bool pressed = face.Is(kLookPressed);
    const bool focused = face.hasFocus;
    p.Gradient(0, 0, w, h / 2, pressed ? OffsetColor(light, -16) : light, base);
    p.Gradient(0, h / 2, w, h, base, pressed ? light : OffsetColor(light, -21));
    CutBorder(p, OffsetColor(base, focused && !face.Is(kLookDisabled) ? -128 : -64));
    const LookColor innerLight = OffsetColor(base, focused ? 32 : 64);
    p.Line(2, 1, r - 1, 1, innerLight);
    p.Line(1, 2, 1, b - 1, innerLight);
    const LookColor innerShade = OffsetColor(base, focused ? 16 : 32);
    p.Line(2, b - 1, r - 1, b - 1, innerShade);
    p.Line(r - 1, 2, r - 1, b - 1, innerShade);
    return true;
}

}  // namespace kx
