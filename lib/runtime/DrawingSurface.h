#pragma once
#include <windows.h>

// A control's persistent drawing surface ("AutoRedraw"): a memory device context holding a
// bitmap the size of the control's window. Everything drawn stays until it is drawn over; the
// window's paint only copies it out.
namespace kx {

class DrawingSurface {
public:
    DrawingSurface();
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // New size; what fits of the old image is kept, the rest takes the back colour.
    void Resize(int width, int height);
    // Fills the whole surface with the back colour.
    void Clear();
    COLORREF BackColor() const { return back_; }
    void SetBackColor(COLORREF colour);  // also clears, as the classic surface does
    COLORREF ForeColor() const { return fore_; }
    void SetForeColor(COLORREF colour);
    void UseFont(HFONT font);  // the caller keeps the font alive while selected

    // The classic drawing verbs, in pixels: a line leaves out its end point; the box forms
    // include both corners.
    void Line(int x1, int y1, int x2, int y2, COLORREF colour);
    void Box(int x1, int y1, int x2, int y2, COLORREF colour);
    void FilledBox(int x1, int y1, int x2, int y2, COLORREF colour);
    void PSet(int x, int y, COLORREF colour);

    void CopyTo(HDC target, const RECT& bounds) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    COLORREF back_ = RGB(255, 255, 255);
    COLORREF fore_ = RGB(0, 0, 0);
};

}  // namespace kx
