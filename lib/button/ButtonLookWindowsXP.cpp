#include "ButtonLookBevel.h"
#include "ButtonLookPainters.h"

// WindowsXP: fixed colours by default, every colour derived from BackColor with custom colours.
namespace kx {
namespace {

// The rim along the top, the bottom and both sides: hot (orange) or focused (blue).
struct Rim {
    LookColor row1, row2, rowB2, rowB1;
    Ramp2 sides;
    bool bottomRowFirst;
};

constexpr Rim kOrangeRim = {0xCFF0FF, 0x89D8FD, 0x30B3F8, 0x1097E5, {0x89D8FD, 0x30B3F8}, false};
constexpr Rim kBlueRim = {0xFFE7CE, 0xF6D4BC, 0xE4AD89, 0xEE8269, {0xF6D4BC, 0xE4AD89}, true};

Rim RimFrom(LookColor c) {
    return {OffsetColor(c, 85), OffsetColor(c, 69), OffsetColor(c, 16), OffsetColor(c, 0),
            {OffsetColor(c, 69), OffsetColor(c, 16)}, false};
}

void DrawRim(const ButtonPainter& p, const Rim& rim) {
    const int w = p.W(), h = p.H();
    if (rim.bottomRowFirst) p.Line(2, h - 2, w - 2, h - 2, rim.rowB1);
    p.Line(2, 1, w - 2, 1, rim.row1);
    p.Line(2, 2, w - 2, 2, rim.row2);
    p.Line(2, h - 3, w - 2, h - 3, rim.rowB2);
    if (!rim.bottomRowFirst) p.Line(2, h - 2, w - 2, h - 2, rim.rowB1);
    p.Ramp(1, 2, 3, h - 5, rim.sides.first, rim.sides.last);
    p.Ramp(w - 3, 2, w - 1, h - 5, rim.sides.first, rim.sides.last);
}

// Darker at the top, lighter at the bottom, the left two columns shaded.
struct PressedShades {
    Ramp2 top, middle, bottom, column1, column2;
};

void PressedRamps(const ButtonPainter& p, const PressedShades& s) {
    const int w = p.W(), h = p.H();
    p.Ramp(2, 1, w - 1, 4, s.top.first, s.top.last);
    p.Ramp(2, 4, w - 1, h - 8, s.middle.first, s.middle.last);
    p.Ramp(3, h - 4, w - 1, 3, s.bottom.first, s.bottom.last);
    p.Ramp(1, 3, 2, h - 5, s.column1.first, s.column1.last);
    p.Ramp(2, 4, 3, h - 7, s.column2.first, s.column2.last);
}

// The two pixels inward of each diagonal corner pixel, in the order the faces draw them.
void InwardPixels(const ButtonPainter& p, const LookColor (&colours)[8]) {
    const int r = p.R(), b = p.B();
    const LookPoint at[8] = {{1, 2},         {2, 1},         {2, b - 1}, {1, b - 2},
                             {r - 1, b - 2}, {r - 2, b - 1}, {r - 2, 1}, {r - 1, 2}};
    for (int i = 0; i < 8; ++i) p.Pixel(at[i].x, at[i].y, colours[i]);
}

// The border with its corners shaded by five pixels each.
void RoundedBorder(const ButtonPainter& p) {
    constexpr LookColor kInward = 0xCAC7BF;
    DrawBevelBorder(p, {BevelOutline::kClosed, 0x743C00, 0x906E48, 0xA28B6A});
    InwardPixels(p, {kInward, kInward, kInward, kInward, kInward, kInward, kInward, kInward});
}

void DisabledFace(const ButtonPainter& p, LookColor surface, LookColor frame, LookColor corners) {
    const int r = p.R(), b = p.B();
    p.Surface(surface);
    p.Frame(frame);
    p.Pixels({{0, 1}, {1, 1}, {1, 0}, {0, b - 1}, {1, b - 1}, {1, b}, {r, 1}, {r - 1, 1}, {r - 1, 0}, {r, b - 1},
              {r - 1, b - 1}, {r - 1, b}},
             corners);
}

void FixedNormalFace(const ButtonPainter& p) {
    const int w = p.W(), h = p.H();
    p.Ramp(1, 1, w - 2, 4, 0xFBFCFC, 0xF0F0F0);
    p.Ramp(1, 4, w - 2, h - 8, 0xF9FAFA, 0xEAF0F0);
    p.Ramp(1, h - 4, w - 2, 3, 0xE6EBEB, 0xC5D0D6);
    p.Ramp(w - 3, 3, w - 2, h - 5, 0xFAFBFB, 0xDAE2E4);
    p.Ramp(w - 2, 3, w - 1, h - 5, 0xF2F4F5, 0xCDD7DB);
    RoundedBorder(p);
}

void PaintFixed(const ButtonPainter& p, const ButtonFace& face) {
    p.Surface(SystemColor(COLOR_BTNFACE));
    if (face.Is(kLookNormal) || face.Is(kLookHot)) {
        FixedNormalFace(p);
        if (face.Is(kLookHot)) DrawRim(p, kOrangeRim);
        else if (face.hasFocus) DrawRim(p, kBlueRim);
    } else if (face.Is(kLookPressed)) {
        PressedRamps(p, {{0xC1CCD1, 0xDCE3E4}, {0xDCE3E4, 0xDBE2E3}, {0xDBE2E3, 0xEEF1F2}, {0xCED8DA, 0xDBE2E3},
                         {0xCED8DA, 0xDBE2E3}});
        RoundedBorder(p);
    } else if (face.Is(kLookDisabled)) {
        DisabledFace(p, 0xEAF4F5, 0xBAC7C9, 0xC7D5D8);
    }
}

void CustomNormalFace(const ButtonPainter& p, LookColor bc) {
    const int w = p.W(), h = p.H();
    const auto c = [bc](long n) { return OffsetColor(bc, n); };
    BevelBody(p, bc, {bc, c(-15)}, {c(21), c(-21)}, {c(-5), c(-32)});
    p.Line(2, 1, w - 2, 1, c(5));
    p.Line(1, 2, w - 1, 2, c(2));
    p.Line(2, h - 4, w - 2, h - 4, c(-16));
    p.Line(2, h - 3, w - 2, h - 3, c(-24));
    p.Line(2, h - 2, w - 2, h - 2, c(-37));
    DrawBevelBorder(p, {BevelOutline::kOpen, c(-128), c(-128), c(-21)});
}

// Leaves the surface as it was: the corner pixels keep what it held.
void CustomPressedFace(const ButtonPainter& p, LookColor bc) {
    const auto c = [bc](long n) { return OffsetColor(bc, n); };
    PressedRamps(p, {{c(-37), c(-21)}, {c(-21), c(-5)}, {c(-5), c(5)}, {c(-32), c(-22)}, {c(-24), c(-15)}});
    InwardPixels(p, {c(-48), c(-48), c(-5), c(-16), c(18), c(8), c(-48), c(-37)});
    DrawBevelBorder(p, {BevelOutline::kClosed, c(-128), c(-96), std::nullopt});
}

void PaintCustom(const ButtonPainter& p, const ButtonFace& face) {
    const LookColor bc = face.backColor;
    if (face.Is(kLookNormal) || face.Is(kLookHot)) {
        CustomNormalFace(p, bc);
        if (face.Is(kLookHot)) DrawRim(p, RimFrom(face.highlightColor));
        else if (face.hasFocus && face.showFocus) DrawRim(p, RimFrom(SystemColor(COLOR_HIGHLIGHT)));
    } else if (face.Is(kLookPressed)) {
        CustomPressedFace(p, bc);
    } else if (face.Is(kLookDisabled)) {
        DisabledFace(p, bc, OffsetColor(bc, -64), OffsetColor(bc, -53));
    }
}

}  // namespace

bool PaintWindowsXPLook(const ButtonPainter& p, const ButtonFace& face) {
    if (face.useCustomColors) PaintCustom(p, face);
    else PaintFixed(p, face);
    return true;
}

}  // namespace kx
