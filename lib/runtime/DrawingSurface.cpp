#include "DrawingSurface.h"

#include <algorithm>

namespace kx {

DrawingSurface::DrawingSurface() {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, fore_);
    Resize(1, 1);
}

DrawingSurface::~DrawingSurface() {
    SelectObject(dc_, originalFont_);
    if (originalBitmap_) SelectObject(dc_, originalBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void DrawingSurface::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (bitmap_ && width == width_ && height == height_) return;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!bitmap) return;  // keep the old surface rather than none
    HDC copy = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(copy, bitmap);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(back_);
    FillRect(copy, &all, brush);
    DeleteObject(brush);
    if (bitmap_) BitBlt(copy, 0, 0, std::min(width, width_), std::min(height, height_), dc_, 0, 0, SRCCOPY);
    SelectObject(copy, old);
    DeleteDC(copy);
    HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (!originalBitmap_) originalBitmap_ = previous;
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap;
    width_ = width;
    height_ = height;
}

void DrawingSurface::Clear() {
    RECT all = {0, 0, width_, height_};
    HBRUSH brush = CreateSolidBrush(back_);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

void DrawingSurface::SetBackColor(COLORREF colour) {
    back_ = colour;
    Clear();
}

void DrawingSurface::SetForeColor(COLORREF colour) {
    fore_ = colour;
    SetTextColor(dc_, colour);
}

void DrawingSurface::UseFont(HFONT font) { SelectObject(dc_, font ? font : originalFont_); }

void DrawingSurface::Line(int x1, int y1, int x2, int y2, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void DrawingSurface::Box(int x1, int y1, int x2, int y2, COLORREF colour) {
    RECT box = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc_, &box, brush);
    DeleteObject(brush);
}

void DrawingSurface::FilledBox(int x1, int y1, int x2, int y2, COLORREF colour) {
    RECT box = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &box, brush);
    DeleteObject(brush);
}

void DrawingSurface::PSet(int x, int y, COLORREF colour) { SetPixel(dc_, x, y, colour); }

void DrawingSurface::CopyTo(HDC target, const RECT& bounds) const {
    const int w = bounds.right - bounds.left;
    const int h = bounds.bottom - bounds.top;
    if (w == width_ && h == height_)
        BitBlt(target, bounds.left, bounds.top, w, h, dc_, 0, 0, SRCCOPY);
    else
        StretchBlt(target, bounds.left, bounds.top, w, h, dc_, 0, 0, width_, height_, SRCCOPY);
}

}  // namespace kx
