#pragma once
#include "PictureBox.h"
#include "SkinPainter.h"

// The arrow glyph the looks share: a small filled triangle about the centre of an arrow box, pointing up or
// left on the first arrow and down or right on the second, the same size whatever the box's size.
namespace kx {

struct GlyphCentre {
    int x, y;
};

// nearest(ScaleWidth / 2), nearest(ScaleHeight / 2): 8 on a 17-pixel box.
GlyphCentre GlyphCentreOf(const PictureBox& box);
// The triangle of an arrow part (0 or 1); nothing for the thumb.
void DrawArrowGlyph(const SkinPainter& painter, int part, bool vertical, GlyphCentre centre, LookColor colour);

}  // namespace kx
