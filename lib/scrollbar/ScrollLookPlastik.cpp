#include "ScrollThemeLookPainters.h"
#include "ScrollTileLook.h"

// Plastik: tiles with cut corners, a face in shades of BackColor and edge lines along the top and bottom in
// shades of ForeColor, the accent colour of the chevrons and of the hot grip too.
namespace kx {
namespace {

constexpr ShadedTileOffsets kTile = {-48, 29, -29, -128, -48, 32, 64, -48};

// Plastik's own offsets: the edge colour E from ForeColor (BackColor when disabled), its shade from E, the
// grip's light lines from BackColor when disabled and from ForeColor when hot.
struct PlastikOffsets {
    long edge = -16;
    long disabledEdge = -48;
    long edgeShade = -5;
    long disabledGripLight = -64;
    long hotGripLight = 16;
};
constexpr PlastikOffsets kOwn;

constexpr TileShape kFace = {1, 3, 1, 3, TileOutline::CutCorners};

// DrawPlastikFace: the pressed face is darker and its gradient turned over.
void PlastikFace(const ScrollPaint& paint, PictureBox& box, FaceLook look) {
    const ScrollColors& g = paint.graph;
    DrawShadedTile(paint, box, look == FaceLook::Pressed, kFace, kTile);
    const LookColor edge =
        paint.enabled ? g.Offset(paint.foreColor, kOwn.edge) : g.Offset(paint.backColor, kOwn.disabledEdge);
    const LookColor shade = g.Offset(edge, kOwn.edgeShade);
    const SkinPainter p = ScrollPaint::BoxPainter(box);
    const int w = p.W(), h = p.H();
    p.Line(2, 1, w - 2, 1, shade);
    p.Line(1, 2, w - 1, 2, edge);
    p.Line(2, h - 2, w - 2, h - 2, edge);
    p.Line(1, h - 3, w - 1, h - 3, shade);
}

constexpr TileFamily kFamily = {PlastikFace, {0, 0}, {{-1, 0}, {-3, 5, -2, 6}, {-3, 4, -2, 5}}, false};

}  // namespace

void PaintPlastikAll(const ScrollPaint& paint) {
    const ScrollColors& g = paint.graph;
    GlyphColors glyphs = {g.Offset(paint.backColor, kTile.disabledChevron),
                          g.Offset(paint.backColor, kOwn.disabledGripLight), g.Offset(paint.backColor, kTile.gripDark)};
    if (paint.enabled) {
        glyphs.chevron = g.Offset(paint.foreColor, kTile.chevron);
        glyphs.gripLight = g.Offset(paint.backColor, kTile.gripLight);
    }
    glyphs.drawGripDark = paint.enabled;
    PaintTileLookAll(paint, kFamily, glyphs);
}

// A hot box lightens only its chevron or its light grip lines; a pressed one changes only its face.
void PaintPlastikPart(const ScrollPaint& paint, int part) {
    const ScrollColors& g = paint.graph;
    const bool hot = paint.Hot();
    const GlyphColors glyphs = {
        g.Offset(paint.foreColor, hot ? kTile.hotChevron : kTile.chevron),
        hot ? g.Offset(paint.foreColor, kOwn.hotGripLight) : g.Offset(paint.backColor, kTile.gripLight),
        g.Offset(paint.backColor, kTile.gripDark)};
    PaintTileLookPart(paint, part, kFamily, glyphs);
}

}  // namespace kx
