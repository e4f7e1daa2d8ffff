#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>

// The drawing verbs of the control looks (button, scroll bar) on one device context of W x H pixels. Every
// verb creates and deletes its own pen, brush or region. Colours are 0x00BBGGRR: pens, brushes and pixels
// take the three low bytes, as the offsets read them (an untranslatable -1 draws white); the surface colour
// shows a system colour as what it stands for.
namespace kx {

// One colour of a look: plain 0x00BBGGRR, -1 when a translation failed, or an untranslated system colour.
using LookColor = long;

struct LookChannels {
    int red, green, blue;
};

// Red, green and blue from the three low bytes.
LookChannels ChannelsOf(LookColor colour);
// c + n: n added to red, green and blue, each clamped to 0..255; the high byte is dropped.
LookColor OffsetColor(LookColor colour, long offset);
// The colour line i of an n-step ramp from first to last takes (n >= 1).
LookColor RampColor(LookColor first, LookColor last, int i, int n);

struct LookPoint {
    int x, y;
};

class SkinPainter {
public:
    // Sets the control surface's own colour, which also fills the whole surface.
    using SurfaceSetter = std::function<void(COLORREF)>;

    // Without a setter the surface colour only fills the device context.
    SkinPainter(HDC dc, int width, int height, SurfaceSetter surface = {}, HWND window = nullptr);

    HDC Dc() const { return dc_; }
    HWND Window() const { return window_; }
    int W() const { return width_; }
    int H() const { return height_; }
    int R() const { return width_ - 1; }
    int B() const { return height_ - 1; }

    void Surface(LookColor colour) const;
    // n + 1 rows y .. y + n, each from column x1 towards x2 (x2 left out); a ramp of 0 steps is one line of
    // the first colour, a negative count draws nothing.
    void Ramp(int x1, int y, int x2, int n, LookColor first, LookColor last) const;
    // Columns x1 .. x2, each from row y1 towards y2 (y2 left out).
    void ColumnRamp(int x1, int y1, int x2, int y2, LookColor first, LookColor last) const;
    // A one-pixel line; the end point is left out.
    void Line(int x1, int y1, int x2, int y2, LookColor colour) const;
    void Pixel(int x, int y, LookColor colour) const;
    void Pixels(std::initializer_list<LookPoint> points, LookColor colour) const;
    // The outermost ring of pixels, corners included.
    void Frame(LookColor colour) const;
    // width x height pixels from (x, y); nothing when either is zero or negative.
    void Fill(int x, int y, int width, int height, LookColor colour) const;
    // A vertical two-colour gradient over (x1, y1)-(x2, y2), right column and bottom row left out.
    void Gradient(int x1, int y1, int x2, int y2, LookColor top, LookColor bottom) const;
    // A platform 3-D edge around the whole surface.
    void Edge(UINT edge) const;
    // Two one-pixel rings a (x, y, w - 1, h - 1) and b one pixel right and down, their free corners in c
    // and their crossings in the mix of a and b.
    void CornerPixels(int x, int y, int w, int h, LookColor a, LookColor b, LookColor c) const;
    // A filled triangle (alternate fill), as the arrow glyphs are drawn.
    void Triangle(LookPoint a, LookPoint b, LookPoint c, LookColor colour) const;
    // The visual-styles part drawn over the whole surface; false when no theme can draw it.
    bool Themed(const wchar_t* themeClass, int part, int state) const;

private:
    HDC dc_;
    int width_, height_;
    SurfaceSetter surface_;
    HWND window_;
};

}  // namespace kx
