#include "ProgressBackBuffer.h"

namespace kx {

HDC ProgressBackBuffer::Ensure(int width, int height) {
    if (!dc_) {
        if (width > 0 && height > 0) Create(width, height);
    } else if (width > width_ || height > height_) {
        Create(width, height);
    }
    return dc_;
}

void ProgressBackBuffer::Create(int width, int height) {
    Release();
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!display) return;
    dc_ = CreateCompatibleDC(display);
    if (dc_) bitmap_ = CreateCompatibleBitmap(display, width, height);
    if (bitmap_) previousBitmap_ = SelectObject(dc_, bitmap_);
    DeleteDC(display);
    if (!previousBitmap_) {
        Release();
        return;
    }
    width_ = width;
    height_ = height;
}

void ProgressBackBuffer::Release() {
    if (dc_ && previousBitmap_) SelectObject(dc_, previousBitmap_);
    previousBitmap_ = nullptr;
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    width_ = 0;
    height_ = 0;
}

void ProgressBackBuffer::CopyTo(HDC target, int xSrc, int ySrc, int width, int height, int xDst, int yDst) const {
    if (!dc_) return;
    BitBlt(target, xDst, yDst, width > 0 ? width : width_, height > 0 ? height : height_, dc_, xSrc, ySrc, SRCCOPY);
}

}  // namespace kx
