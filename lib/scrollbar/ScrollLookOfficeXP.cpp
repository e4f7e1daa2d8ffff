// The Office XP look: flat tiles of button face lightened by 5, outlined in button face darkened by 16;
// a hot box turns light blue and a pressed one dark blue (shaded on a horizontal bar).
#include "ScrollGlyph.h"
#include "ScrollLookPainters.h"

namespace kx {
namespace {

constexpr long kButtonFace = static_cast<long>(0x8000000F);
constexpr long kHotBlue = 0xD7AA7D;      // RGB(125, 170, 215)
constexpr long kPressedBlue = 0xC56A31;  // RGB(49, 106, 197)

// A filled box over (0, 0)-(W, H) and an outline over (0, 0)-(W - 1, H - 1).
void Tile(const SkinPainter& painter, long fill, long edge) {
    painter.Fill(0, 0, painter.W() + 1, painter.H() + 1, fill);
    painter.Frame(edge);
}

long Face(const ScrollPaint& paint) { return paint.graph.Offset(kButtonFace, 5); }
long Edge(const ScrollPaint& paint) { return paint.graph.Offset(kButtonFace, -16); }

}  // namespace

void PaintOfficeXPAll(const ScrollPaint& paint) {
    const long glyph = paint.enabled ? paint.graph.Translate(paint.foreColor) : paint.graph.Offset(paint.backColor, -48);
    paint.track.Clear();
    Tile(paint.TrackPainter(), Face(paint), Edge(paint));
    const GlyphCentre centre = GlyphCentreOf(paint.Box(kFirstArrow));
    for (int part = kFirstArrow; part <= kThumb; ++part) {
        PictureBox& box = paint.Box(part);
        box.Surface().Clear();
        const SkinPainter painter = ScrollPaint::BoxPainter(box);
        Tile(painter, Face(paint), Edge(paint));
        DrawArrowGlyph(painter, part, paint.vertical, centre, glyph);
    }
}

// A vertical bar's hot or pressed box is one solid colour; a horizontal bar's is shaded (+5 fill, -16 edge).
void PaintOfficeXPPart(const ScrollPaint& paint, int part) {
    PictureBox& box = paint.Box(part);
    box.Surface().Clear();
    const SkinPainter painter = ScrollPaint::BoxPainter(box);
    const long c = paint.Hot() ? kHotBlue : kPressedBlue;
    if (paint.vertical)
        Tile(painter, c, c);
    else
        Tile(painter, paint.graph.Offset(c, 5), paint.graph.Offset(c, -16));
    DrawArrowGlyph(painter, part, paint.vertical, GlyphCentreOf(box), paint.graph.Translate(paint.foreColor));
}

}  // namespace kx
