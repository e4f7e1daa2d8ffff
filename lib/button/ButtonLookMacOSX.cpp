#include "ButtonLookMacOSXArt.h"
#include "ButtonLookPainters.h"

// MacOSX: fixed pixel art; four corner patterns anchored to the corners, edge columns and bands that
// stretch with the size, and a plain middle.
namespace kx {
namespace {

constexpr int kEdgeTop = 11;

// Focus shows as the hot look; there is no disabled look.
MacLook LookOf(const ButtonFace& face) {
    if (face.Is(kLookHot)) return MacLook::kHot;
    if (face.Is(kLookNormal) || face.Is(kLookDisabled)) return face.hasFocus ? MacLook::kHot : MacLook::kNormal;
    return MacLook::kPressed;
}

void DrawPattern(const ButtonPainter& p, const MacPattern& pattern, bool top, bool left) {
    const int x0 = left ? 0 : p.W() - pattern.columns;
    const int y0 = top ? 0 : p.H() - pattern.rows;
    for (const MacPatternPixel& pixel : pattern.pixels) p.Pixel(x0 + pixel.column, y0 + pixel.row, pixel.color);
}

}  // namespace

bool PaintMacOSXLook(const ButtonPainter& p, const ButtonFace& face) {
    const int w = p.W(), h = p.H();
    const MacLook look = LookOf(face);
    const MacLookColors& colors = MacOSXColors(look);
    p.Fill(18, 11, w - 34, h - 19, colors.fill);
    DrawPattern(p, MacOSXPattern(look, MacCorner::kTopLeft), true, true);
    DrawPattern(p, MacOSXPattern(look, MacCorner::kBottomLeft), false, true);
    DrawPattern(p, MacOSXPattern(look, MacCorner::kTopRight), true, false);
    DrawPattern(p, MacOSXPattern(look, MacCorner::kBottomRight), false, false);
    for (int x = 0; x < 18; ++x) p.Line(x, kEdgeTop, x, h - 10, colors.leftEdges[x]);
    for (int i = 0; i < 17; ++i) p.Line(w - 17 + i, kEdgeTop, w - 17 + i, h - 10, colors.rightEdges[i]);
    for (int y = 0; y < 12; ++y) p.Line(17, y, w - 17, y, colors.topBands[y]);
    for (int i = 0; i < 11; ++i) p.Line(17, h - 11 + i, w - 17, h - 11 + i, colors.bottomBands[i]);
    return true;
}

}  // namespace kx
