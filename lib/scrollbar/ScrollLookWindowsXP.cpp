#include "Rounding.h"
#include "ScrollThemeLookPainters.h"
#include "ScrollTileLook.h"

// Windows XP: three glossy faces on a pale track. Every colour of the boxes is an offset of one base colour,
// BackColor, or light grey on a disabled bar (passed down rather than set on the surface, which would clear
// the track).
namespace kx {
namespace {

constexpr LookColor kWhite = RGB(255, 255, 255);
constexpr LookColor kLightGrey = RGB(240, 240, 240);

// Offsets from the base colour B, and from the face colour C.
struct XpColors {
    long hotFace = 16;
    long pressedFace = -48;
    long faceLight = 29;
    long faceDark = -29;
    long chevron = -128;
    long disabledHorizontalChevron = -48;
    long gripLight = 128;
    long gripDark = -48;
};
constexpr XpColors kColors;

// A face coordinate: a distance from the near edge (0), the far edge (W or H) or, across, the middle M.
enum class Anchor { Near, Far, Middle };
struct FacePos {
    Anchor anchor;
    int offset;
};
constexpr FacePos N(int d) { return {Anchor::Near, d}; }
constexpr FacePos F(int d) { return {Anchor::Far, d}; }
constexpr FacePos M(int d) { return {Anchor::Middle, d}; }

// One gradient of the face: corners, its two colours as offsets of C, direction, the alphas of its ends.
struct FaceGradient {
    FacePos x1, y1, x2, y2;
    long first, second;
    bool vertical;
    long alpha1, alpha2;
};

// Inside the white outline a strip along each inner edge; then the shadow on the bottom row (darkest at its
// middle) and the right column.
constexpr FaceGradient kInnerShades[] = {
    {N(1), N(2), N(2), F(-3), 4, -37, true, 255, 255},
    {F(-3), N(2), F(-2), F(-3), -13, -16, true, 255, 255},
    {N(2), N(1), F(-3), N(2), 6, -16, false, 255, 255},
    {N(2), F(-3), F(-3), F(-2), -3, -21, false, 255, 255},
};
constexpr FaceGradient kShadows[] = {
    {N(1), F(-1), M(0), F(0), -32, -53, false, 200, 255},
    {M(0), F(-1), F(-2), F(0), -53, -32, false, 255, 200},
    {F(-1), N(1), F(0), F(-2), -5, -32, true, 255, 255},
};

struct FaceBox {
    int w, h, m;
    int X(FacePos p) const { return At(p, w); }
    int Y(FacePos p) const { return At(p, h); }
    int At(FacePos p, int farEdge) const {
        return (p.anchor == Anchor::Near ? 0 : p.anchor == Anchor::Far ? farEdge : m) + p.offset;
    }
};

void DrawFaceGradients(const ScrollPaint& paint, HDC dc, const FaceBox& box, const FaceGradient* begin,
                       const FaceGradient* end, LookColor c) {
    for (const FaceGradient* g = begin; g != end; ++g)
        paint.graph.Gradient(dc, box.X(g->x1), box.Y(g->y1), box.X(g->x2), box.Y(g->y2),
                             paint.graph.Offset(c, g->first), paint.graph.Offset(c, g->second), g->vertical,
                             g->alpha1, g->alpha2);
}

// DrawXpFace: the face of one box in face colour c; pressed, in c - 48 with its main gradient turned over.
void DrawXpFace(const ScrollPaint& paint, PictureBox& box, bool pressed, LookColor faceColor) {
    const LookColor c = pressed ? paint.graph.Offset(faceColor, kColors.pressedFace) : faceColor;
    const LookColor light = paint.graph.Offset(c, kColors.faceLight), dark = paint.graph.Offset(c, kColors.faceDark);
    DrawTile(paint, box, {0, 0, 1, 1, TileOutline::None}, {pressed ? dark : light, pressed ? light : dark, 0});
    const SkinPainter p = ScrollPaint::BoxPainter(box);
    const int w = box.Width(), h = box.Height();
    const FaceBox face = {w, h, static_cast<int>(RoundHalfEven(w / 2.0))};
    p.Line(0, 0, w - 2, 0, kWhite);
    p.Line(0, 0, 0, h - 2, kWhite);
    p.Line(w - 2, 0, w - 2, h - 2, kWhite);
    p.Line(1, h - 2, w - 2, h - 2, kWhite);
    DrawFaceGradients(paint, p.Dc(), face, std::begin(kInnerShades), std::end(kInnerShades), c);
    p.Pixels({{1, 1}, {w - 3, 1}, {1, h - 3}, {w - 3, h - 3}}, kLightGrey);
    DrawFaceGradients(paint, p.Dc(), face, std::begin(kShadows), std::end(kShadows), c);
}

LookColor Base(const ScrollPaint& paint) { return paint.enabled ? paint.backColor : kLightGrey; }

void XpFace(const ScrollPaint& paint, PictureBox& box, FaceLook look) {
    switch (look) {
        case FaceLook::Normal: return DrawXpFace(paint, box, false, Base(paint));
        case FaceLook::Hot: return DrawXpFace(paint, box, false, paint.graph.Offset(paint.backColor, kColors.hotFace));
        case FaceLook::Pressed: return DrawXpFace(paint, box, true, paint.backColor);
    }
}

constexpr CrossShift kCentre = {-1, 0};  // one pixel before the middle across a vertical bar
constexpr TileFamily kFamily = {XpFace, kCentre, {kCentre, {-3, 3, -2, 4}, {-3, 3, -2, 4}}, false};

GlyphColors Glyphs(const ScrollPaint& paint, LookColor base, long chevron) {
    return {paint.graph.Offset(base, chevron), paint.graph.Offset(base, kColors.gripLight),
            paint.graph.Offset(base, kColors.gripDark)};
}

}  // namespace

void PaintWindowsXPAll(const ScrollPaint& paint) {
    // A disabled horizontal bar has paler chevrons and a plain thumb.
    const bool plainHorizontal = !paint.enabled && !paint.vertical;
    GlyphColors glyphs =
        Glyphs(paint, Base(paint), plainHorizontal ? kColors.disabledHorizontalChevron : kColors.chevron);
    glyphs.drawGrip = !plainHorizontal;
    PaintTileLookAll(paint, kFamily, glyphs);
}

void PaintWindowsXPPart(const ScrollPaint& paint, int part) {
    PaintTileLookPart(paint, part, kFamily, Glyphs(paint, paint.backColor, kColors.chevron));
}

}  // namespace kx
