// The Normal, Soft and Flat looks: one skeleton over the data of each family. Raised boxes on a track
// edged by two dark lines; Normal and Soft lay a gradient across the track, Flat leaves it bare and shades
// only its hot and pressed boxes.
#include "ScrollBevel.h"
#include "ScrollGlyph.h"
#include "ScrollLookPainters.h"

namespace kx {
namespace {

enum class HotGlyph { Base128, Offset128, Black };

struct BevelFamily {
    int depth;           // rings of the normal and hot bevels
    bool flat;           // one edge colour for rings, borders and glyphs; hot and pressed boxes shaded
    HotGlyph hotGlyph;
};

constexpr BevelFamily kNormal = {2, false, HotGlyph::Base128};
constexpr BevelFamily kSoft = {1, false, HotGlyph::Offset128};
constexpr BevelFamily kFlat = {1, true, HotGlyph::Black};

struct BevelColors {
    long light, dark, glyph;
    int depth;
};

BevelColors FullColors(const BevelFamily& family, const ScrollPaint& paint) {
    const long back = paint.backColor;
    const long dark = paint.graph.Offset(back, paint.enabled ? -80 : -48);
    const long light = family.flat ? dark : paint.graph.Offset(back, 16);
    const long glyph = paint.enabled && !family.flat ? paint.graph.Translate(paint.foreColor) : dark;
    return {light, dark, glyph, family.depth};
}

long HotGlyphColor(const BevelFamily& family, const ScrollPaint& paint) {
    switch (family.hotGlyph) {
        case HotGlyph::Base128: return paint.graph.Base(paint.foreColor, 128);
        case HotGlyph::Offset128: return paint.graph.Offset(paint.foreColor, 128);
        default: return 0;
    }
}

BevelColors PartColors(const BevelFamily& family, const ScrollPaint& paint) {
    const long dark = paint.graph.Offset(paint.backColor, -80);
    if (family.flat) return {dark, dark, 0, 1};
    if (paint.Hot()) return {paint.graph.Offset(paint.backColor, 16), dark, HotGlyphColor(family, paint), family.depth};
    return {dark, dark, paint.graph.Translate(paint.foreColor), 1};
}

void DrawBox(PictureBox& box, const ScrollPaint& paint, const BevelColors& colors) {
    const SkinPainter painter = ScrollPaint::BoxPainter(box);
    Draw3DBox(painter, paint.graph, 0, 0, painter.R(), painter.B(), colors.light, colors.dark, colors.depth);
}

void PaintTrack(const BevelFamily& family, const ScrollPaint& paint, const BevelColors& colors) {
    paint.track.Clear();
    const SkinPainter painter = paint.TrackPainter();
    const int w = painter.W();
    const int h = painter.H();
    if (!family.flat) paint.graph.Gradient(painter.Dc(), 0, 0, w, h, colors.light, paint.backColor, !paint.vertical);
    if (paint.vertical) {
        painter.Line(0, 0, 0, h, colors.dark);
        painter.Line(w - 1, 0, w - 1, h, colors.dark);
    } else {
        painter.Line(0, 0, w, 0, colors.dark);
        painter.Line(0, h - 1, w, h - 1, colors.dark);
    }
}

// The second arrow's glyph takes the first arrow's centre: both boxes are 17 long.
void PaintAll(const BevelFamily& family, const ScrollPaint& paint) {
    const BevelColors colors = FullColors(family, paint);
    PaintTrack(family, paint, colors);
    const GlyphCentre centre = GlyphCentreOf(paint.Box(kFirstArrow));
    for (int part = kFirstArrow; part <= kThumb; ++part) {
        PictureBox& box = paint.Box(part);
        box.Surface().Clear();
        DrawBox(box, paint, colors);
        DrawArrowGlyph(ScrollPaint::BoxPainter(box), part, paint.vertical, centre, colors.glyph);
    }
}

void PaintPart(const BevelFamily& family, const ScrollPaint& paint, int part) {
    PictureBox& box = paint.Box(part);
    box.Surface().Clear();
    if (family.flat) {
        const long back = paint.backColor;
        const long lighter = paint.graph.Offset(back, paint.Hot() ? 32 : 16);
        paint.graph.Gradient(box.Dc(), 0, 0, box.Width(), box.Height(), paint.Hot() ? lighter : back,
                             paint.Hot() ? back : lighter, paint.vertical);
    }
    const BevelColors colors = PartColors(family, paint);
    DrawBox(box, paint, colors);
    DrawArrowGlyph(ScrollPaint::BoxPainter(box), part, paint.vertical, GlyphCentreOf(box), colors.glyph);
}

}  // namespace

void PaintNormalAll(const ScrollPaint& paint) { PaintAll(kNormal, paint); }
void PaintNormalPart(const ScrollPaint& paint, int part) { PaintPart(kNormal, paint, part); }
void PaintSoftAll(const ScrollPaint& paint) { PaintAll(kSoft, paint); }
void PaintSoftPart(const ScrollPaint& paint, int part) { PaintPart(kSoft, paint, part); }
void PaintFlatAll(const ScrollPaint& paint) { PaintAll(kFlat, paint); }
void PaintFlatPart(const ScrollPaint& paint, int part) { PaintPart(kFlat, paint, part); }

}  // namespace kx
