#pragma once
#include "DrawingSurface.h"

// The frame's seven border looks, drawn on its surface from the top of the border down.
namespace kx {

// Style 0 none, 1 single, 2 double, 3 inner, 4 outer, 5 raised, 6 pressed; any other draws nothing.
// W and H are the surface's width and height less one; top is where the border starts.
void DrawFrameBorder(DrawingSurface& surface, long style, long width, long height, long top);

}  // namespace kx
