#include "ButtonShape.h"

#include "Korvix32_h.h"

namespace kx {
namespace {

HRGN PolygonRegion(const POINT (&points)[8]) { return CreatePolygonRgn(points, 8, ALTERNATE); }

}  // namespace

// 1 pixel off each top corner, 2 off each bottom corner.
HRGN SmallChamferRegion(int w, int h) {
    const POINT points[8] = {{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}};
    return PolygonRegion(points);
}

// 2 pixels off the top left, 3 off the top right and bottom right, 4 off the bottom left.
HRGN LargeChamferRegion(int w, int h) {
    const POINT points[8] = {{0, 2}, {2, 0}, {w - 3, 0}, {w, 3}, {w, h - 3}, {w - 3, h}, {4, h}, {0, h - 4}};
    return PolygonRegion(points);
}

HRGN RoundRectRegion(int w, int h) { return CreateRoundRectRgn(0, 0, w + 1, h + 1, 18, 18); }

HRGN ShapeRegion(long style, int w, int h) {
    switch (style) {
        case kxBtnWindowsXP: case kxBtnPlastik: case kxBtnVista: return SmallChamferRegion(w, h);
        case kxBtnGalaxy: case kxBtnKeramik: return LargeChamferRegion(w, h);
        case kxBtnMacOSX: return RoundRectRegion(w, h);
        default: return CreateRectRgn(0, 0, w, h);
    }
}

void ApplyShape(HWND window, long style, int w, int h) {
    if (!window) return;  // a window destroyed with its container: nothing to shape
    HRGN shape = ShapeRegion(style, w, h);
    SetWindowRgn(window, CreateRectRgn(0, 0, w, h), TRUE);
    SetWindowRgn(window, shape, TRUE);
}

}  // namespace kx
