#include "ScrollThemeLookPainters.h"
#include "ScrollTileLook.h"

// Galaxy: tiles with cut corners, a face in shades of BackColor with a highlight inside its top and left
// edges and a shadow inside its bottom and right ones. Hovering lightens only an arrow's chevron.
namespace kx {
namespace {

constexpr ShadedTileOffsets kTile = {-5, 29, -29, -128, -48, 128, 128, -48};
constexpr long kHighlight = 80;  // from the face base
constexpr long kShadow = -8;

// The normal face fills inside the inner lines; the pressed one is one pixel wider and one shorter at each
// end, so rows 2 and h - 3 keep the cleared box's colour between the lines.
constexpr TileShape kNormalFace = {2, 2, 2, 2, TileOutline::CutCorners};
constexpr TileShape kPressedFace = {1, 3, 1, 3, TileOutline::CutCorners};

// DrawGalaxyFace.
void GalaxyFace(const ScrollPaint& paint, PictureBox& box, FaceLook look) {
    const bool pressed = look == FaceLook::Pressed;
    const LookColor base = DrawShadedTile(paint, box, pressed, pressed ? kPressedFace : kNormalFace, kTile);
    const SkinPainter p = ScrollPaint::BoxPainter(box);
    const int w = p.W(), h = p.H();
    const LookColor highlight = paint.graph.Offset(base, kHighlight);
    p.Line(1, 2, 1, h - 2, highlight);
    p.Line(2, 1, w - 2, 1, highlight);
    const LookColor shadow = paint.graph.Offset(base, kShadow);
    p.Line(w - 2, 2, w - 2, h - 2, shadow);
    p.Line(2, h - 2, w - 2, h - 2, shadow);
}

constexpr TileFamily kFamily = {GalaxyFace, {0, 0}, {{-1, 0}, {-3, 4, -2, 5}, {-3, 3, -2, 4}}, false};

// The grip keeps its colours in every look.
GlyphColors Glyphs(const ScrollPaint& paint, LookColor chevron) {
    return {chevron, paint.graph.Offset(paint.backColor, kTile.gripLight),
            paint.graph.Offset(paint.backColor, kTile.gripDark)};
}

}  // namespace

void PaintGalaxyAll(const ScrollPaint& paint) {
    const LookColor chevron = paint.enabled ? paint.graph.Offset(paint.foreColor, kTile.chevron)
                                            : paint.graph.Offset(paint.backColor, kTile.disabledChevron);
    PaintTileLookAll(paint, kFamily, Glyphs(paint, chevron));
}

void PaintGalaxyPart(const ScrollPaint& paint, int part) {
    const long chevron = paint.Hot() ? kTile.hotChevron : kTile.chevron;
    PaintTileLookPart(paint, part, kFamily, Glyphs(paint, paint.graph.Offset(paint.foreColor, chevron)));
}

}  // namespace kx
