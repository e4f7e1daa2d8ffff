#pragma once
#include <windows.h>

// The progress bar's drawing verbs on one device context. Colours pass the colour rule unless said
// otherwise; rectangles cover columns left .. right - 1 and rows top .. bottom - 1.
namespace kx {

class ProgressCanvas {
public:
    explicit ProgressCanvas(HDC dc) : dc_(dc) {}
    HDC Dc() const { return dc_; }

    // A one-pixel line from (x1, y1) to (x2, y2); the end point is not drawn.
    void Line(long x1, long y1, long x2, long y2, long colour) const;
    // Lines 0 .. steps, each one pixel further on, shading from first (line 0) to last (line steps):
    // vertical lines at x .. x + steps from row y to y2 - 1, or horizontal lines at y .. y + steps from
    // column x to x2 - 1. Both colours come back translated.
    void Ramp(long& first, long& last, long x, long y, long x2, long y2, bool vertical) const;
    void Fill(const RECT& area, long colour) const;
    void Frame(const RECT& area, long colour) const;  // colour as given
    void Pixel(long x, long y, long colour) const;
    void Edge(RECT area, UINT edge) const;

private:
    HDC dc_;
};

}  // namespace kx
