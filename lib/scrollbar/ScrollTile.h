#pragma once
#include "ScrollLook.h"
#include "ScrollStrokes.h"

// The drawing that the Windows XP, Plastik, Galaxy and Office 2003 looks share, over the verbs of a box:
// the gradient tile, the six-stroke chevron, the eight-line grip. Colours are the look's own, computed by
// the caller through the control's kxGraph.
namespace kx {

enum class TileOutline { None, Box, CutCorners };

// A tile: the box cleared, one top-to-bottom gradient over (left, top)-(w - right, h - bottom), then an
// outline on the box's outermost pixels (square or with the corners cut by two pixels).
struct TileShape {
    int left, top, right, bottom;
    TileOutline outline;
};

struct TileColors {
    LookColor top, bottom, outline;
};

void DrawTile(const ScrollPaint& paint, PictureBox& box, const TileShape& shape, const TileColors& colors);

// The arrow glyph of box part (0 first, 1 second) pointing out of the bar's end.
void DrawChevron(const ScrollPaint& paint, int part, CrossShift shift, LookColor colour);

// The thumb's grip; with drawDark false the four dark lines are left out.
void DrawGrip(const ScrollPaint& paint, const GripShape& shape, LookColor light, LookColor dark,
              bool drawDark = true);

// Strokes as one-pixel lines on a box.
void DrawStrokes(const SkinPainter& painter, const Stroke* strokes, int count, LookColor colour);

}  // namespace kx
