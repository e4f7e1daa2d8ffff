#include "ScrollThemeLookPainters.h"
#include "ScrollTileLook.h"

// Office 2003: square tiles with a one-pixel outline. The normal look is in shades of BackColor (of a fixed
// grey on a disabled bar); a hot or pressed box turns to shades of ForeColor, its gradient lighter at the
// top when hot and at the bottom when pressed.
namespace kx {
namespace {

constexpr LookColor kDisabledBase = RGB(230, 230, 230);

// Offsets of the look's colours from the base: B (normal) or F (hot and pressed); D is ForeColor - 128.
struct Office2003Colors {
    long normalTop = -5;
    long normalBottom = 21;
    long outline = -21;
    long chevron = -128;
    long gripLight = 128;  // from B, or from D
    long gripDark = -48;   // from B; D itself when hot or pressed
    long hotLight = 16;
    long hotDark = -48;
};
constexpr Office2003Colors kColors;

constexpr TileShape kTile = {0, 0, 0, 0, TileOutline::Box};

LookColor NormalBase(const ScrollPaint& paint) {
    return paint.enabled ? paint.graph.Translate(paint.backColor) : kDisabledBase;
}

void Office2003Face(const ScrollPaint& paint, PictureBox& box, FaceLook look) {
    const ScrollColors& g = paint.graph;
    if (look == FaceLook::Normal) {
        const LookColor base = NormalBase(paint);
        DrawTile(paint, box, kTile,
                 {g.Offset(base, kColors.normalTop), g.Offset(base, kColors.normalBottom),
                  g.Offset(base, kColors.outline)});
        return;
    }
    const LookColor fore = g.Translate(paint.foreColor);
    const LookColor light = g.Offset(fore, kColors.hotLight), dark = g.Offset(fore, kColors.hotDark);
    const bool hot = look == FaceLook::Hot;
    DrawTile(paint, box, kTile, {hot ? light : dark, hot ? dark : light, g.Offset(fore, kColors.outline)});
}

constexpr TileFamily kFamily = {Office2003Face, {0, 0}, {{0, 0}, {-3, 3, -2, 4}, {-3, 3, -2, 4}}, true};

}  // namespace

void PaintOffice2003All(const ScrollPaint& paint) {
    const ScrollColors& g = paint.graph;
    const LookColor base = NormalBase(paint);
    PaintTileLookAll(paint, kFamily,
                     {g.Offset(base, kColors.chevron), g.Offset(base, kColors.gripLight),
                      g.Offset(base, kColors.gripDark)});
}

void PaintOffice2003Part(const ScrollPaint& paint, int part) {
    const ScrollColors& g = paint.graph;
    const LookColor d = g.Offset(paint.foreColor, kColors.chevron);
    PaintTileLookPart(paint, part, kFamily, {d, g.Offset(d, kColors.gripLight), d});
}

}  // namespace kx
