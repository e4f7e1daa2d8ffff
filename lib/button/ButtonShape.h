#pragma once
#include <windows.h>

// The window shape of each button look: cut corners, a rounded rectangle or the full rectangle.
namespace kx {

HRGN SmallChamferRegion(int width, int height);
HRGN LargeChamferRegion(int width, int height);
HRGN RoundRectRegion(int width, int height);
// The shape for a Style; every style without a shape of its own gets the full rectangle.
HRGN ShapeRegion(long style, int width, int height);
// Gives the window the full rectangle, then the shape; the window owns both regions.
void ApplyShape(HWND window, long style, int width, int height);

}  // namespace kx
