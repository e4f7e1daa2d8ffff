#include "ScrollTileLook.h"

namespace kx {
namespace {

constexpr LookColor kTrackFirst = RGB(245, 245, 240);
constexpr LookColor kTrackSecond = RGB(250, 250, 250);

void DrawGlyph(const ScrollPaint& paint, int part, const TileFamily& family, const GlyphColors& glyphs) {
    if (part != kThumb)
        DrawChevron(paint, part, family.chevronCentre, glyphs.chevron);
    else if (glyphs.drawGrip)
        DrawGrip(paint, family.grip, glyphs.gripLight, glyphs.gripDark, glyphs.drawGripDark);
}

}  // namespace

LookColor DrawShadedTile(const ScrollPaint& paint, PictureBox& box, bool pressed, const TileShape& shape,
                         const ShadedTileOffsets& offsets) {
    const ScrollColors& g = paint.graph;
    const LookColor base = pressed ? g.Offset(paint.backColor, offsets.pressedBase) : paint.backColor;
    const LookColor light = g.Offset(base, offsets.faceLight), dark = g.Offset(base, offsets.faceDark);
    DrawTile(paint, box, shape, {pressed ? dark : light, pressed ? light : dark, g.Offset(base, offsets.faceDark)});
    return base;
}

void PaintTileLookAll(const ScrollPaint& paint, const TileFamily& family, const GlyphColors& glyphs) {
    for (int part : {kFirstArrow, kSecondArrow, kThumb}) {
        family.face(paint, paint.Box(part), FaceLook::Normal);
        DrawGlyph(paint, part, family, glyphs);
    }
    paint.track.Clear();
    const bool topToBottom = family.trackAcrossBar && !paint.vertical;
    paint.graph.Gradient(paint.track.Dc(), 0, 0, paint.track.Width(), paint.track.Height(), kTrackFirst,
                         kTrackSecond, topToBottom);
}

void PaintTileLookPart(const ScrollPaint& paint, int part, const TileFamily& family, const GlyphColors& glyphs) {
    if (part < kFirstArrow || part > kThumb) return;
    family.face(paint, paint.Box(part), paint.Hot() ? FaceLook::Hot : FaceLook::Pressed);
    DrawGlyph(paint, part, family, glyphs);
}

}  // namespace kx
