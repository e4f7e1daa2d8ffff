#include "ScrollTile.h"

namespace kx {
namespace {

void DrawOutline(const SkinPainter& painter, TileOutline outline, LookColor colour) {
    if (outline == TileOutline::Box) {
        painter.Frame(colour);
        return;
    }
    if (outline != TileOutline::CutCorners) return;
    const auto path = CutCornerOutline(painter.W(), painter.H());
    for (size_t i = 0; i + 1 < path.size(); ++i)
        painter.Line(path[i].x, path[i].y, path[i + 1].x, path[i + 1].y, colour);
}

ChevronPointing PointingOf(int part, bool vertical) {
    if (vertical) return part == kFirstArrow ? ChevronPointing::Up : ChevronPointing::Down;
    return part == kFirstArrow ? ChevronPointing::Left : ChevronPointing::Right;
}

}  // namespace

void DrawStrokes(const SkinPainter& painter, const Stroke* strokes, int count, LookColor colour) {
    for (int i = 0; i < count; ++i) painter.Line(strokes[i].x1, strokes[i].y1, strokes[i].x2, strokes[i].y2, colour);
}

void DrawTile(const ScrollPaint& paint, PictureBox& box, const TileShape& shape, const TileColors& colors) {
    box.Surface().Clear();
    const SkinPainter painter = ScrollPaint::BoxPainter(box);
    paint.graph.Gradient(painter.Dc(), shape.left, shape.top, painter.W() - shape.right, painter.H() - shape.bottom,
                         colors.top, colors.bottom, true);
    DrawOutline(painter, shape.outline, colors.outline);
}

void DrawChevron(const ScrollPaint& paint, int part, CrossShift shift, LookColor colour) {
    if (part != kFirstArrow && part != kSecondArrow) return;
    const SkinPainter painter = ScrollPaint::BoxPainter(paint.Box(part));
    const auto strokes = ChevronStrokes(PointingOf(part, paint.vertical), painter.W(), painter.H(), shift);
    DrawStrokes(painter, strokes.data(), static_cast<int>(strokes.size()), colour);
}

void DrawGrip(const ScrollPaint& paint, const GripShape& shape, LookColor light, LookColor dark, bool drawDark) {
    const SkinPainter painter = ScrollPaint::BoxPainter(paint.Box(kThumb));
    const auto strokes = GripStrokes(shape, paint.vertical, painter.W(), painter.H());
    for (size_t k = 0; k < strokes.size(); ++k) {
        const bool isLight = k % 2 == 0;
        if (isLight || drawDark) DrawStrokes(painter, &strokes[k], 1, isLight ? light : dark);
    }
}

}  // namespace kx
