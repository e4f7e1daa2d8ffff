// The Java look: every box and the track's stretch between the arrows in an etched outline of system
// colours; hot boxes filled with button shadow, pressed ones with the 3-D dark shadow, their glyphs black.
#include "ScrollGlyph.h"
#include "ScrollLookPainters.h"

namespace kx {
namespace {

constexpr long kButtonShadow = static_cast<long>(0x80000010);
constexpr long kWindowColor = static_cast<long>(0x80000005);
constexpr long kButtonFace = static_cast<long>(0x8000000F);
constexpr long kDarkShadow = static_cast<long>(0x80000015);

// DrawJavaBox: the etched outline over (x, y)-(x + w, y + h), its colours translated afresh.
void DrawJavaBox(const SkinPainter& painter, const ScrollPaint& paint, int x, int y, int w, int h) {
    const ScrollColors& graph = paint.graph;
    painter.CornerPixels(x, y, w, h, graph.Translate(kButtonShadow), graph.Translate(kWindowColor),
                         graph.Translate(kButtonFace));
}

void OutlineBox(PictureBox& box, const ScrollPaint& paint) {
    box.Surface().Clear();
    const SkinPainter painter = ScrollPaint::BoxPainter(box);
    DrawJavaBox(painter, paint, 0, 0, painter.R(), painter.B());
}

}  // namespace

void PaintJavaAll(const ScrollPaint& paint) {
    const long glyph = paint.enabled ? paint.graph.Translate(paint.foreColor) : paint.graph.Offset(paint.backColor, -48);
    paint.track.Clear();
    const SkinPainter track = paint.TrackPainter();
    const int between = (paint.vertical ? track.H() : track.W()) - paint.sizes.arrow2 - paint.sizes.arrow1 - 1;
    if (paint.vertical)
        DrawJavaBox(track, paint, 0, paint.sizes.arrow1, track.R(), between);
    else
        DrawJavaBox(track, paint, paint.sizes.arrow1, 0, between, track.B());
    const GlyphCentre centre = GlyphCentreOf(paint.Box(kFirstArrow));
    for (int part = kFirstArrow; part <= kThumb; ++part) {
        PictureBox& box = paint.Box(part);
        OutlineBox(box, paint);
        DrawArrowGlyph(ScrollPaint::BoxPainter(box), part, paint.vertical, centre, glyph);
    }
}

// The fill spans (2, 2)-(SW - 4, SH - 4), both corners included.
void PaintJavaPart(const ScrollPaint& paint, int part) {
    PictureBox& box = paint.Box(part);
    OutlineBox(box, paint);
    const SkinPainter painter = ScrollPaint::BoxPainter(box);
    const long fill = paint.graph.Translate(paint.Hot() ? kButtonShadow : kDarkShadow);
    painter.Fill(2, 2, painter.W() - 5, painter.H() - 5, fill);
    DrawArrowGlyph(painter, part, paint.vertical, GlyphCentreOf(box), 0);
}

}  // namespace kx
