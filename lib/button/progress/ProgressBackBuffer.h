#pragma once
#include <windows.h>

// The progress bar's off-screen buffer: a memory context holding a display-compatible bitmap that
// grows with the control and never shrinks, so repeated paints allocate nothing.
namespace kx {

class ProgressBackBuffer {
public:
    ProgressBackBuffer() = default;
    ~ProgressBackBuffer() { Release(); }
    ProgressBackBuffer(const ProgressBackBuffer&) = delete;
    ProgressBackBuffer& operator=(const ProgressBackBuffer&) = delete;

    // The buffer's context for a client area of width x height, made anew only when it outgrew the
    // buffer; null when there is none (empty area, or the platform refused).
    HDC Ensure(int width, int height);
    void Release();

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Copies the buffer to target (a width or height of 0 or less means the buffer's own); nothing
    // without a buffer.
    void CopyTo(HDC target, int xSrc, int ySrc, int width, int height, int xDst, int yDst) const;

private:
    void Create(int width, int height);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace kx
