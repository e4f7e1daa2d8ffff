#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "PngFile.h"

// The screen's pixels over a rectangle (a window's, by default), read into a 32-bit DIB.
namespace kxtest {

class ScreenCapture {
public:
    explicit ScreenCapture(HWND window) : ScreenCapture(RectOf(window)) {}
    explicit ScreenCapture(const RECT& rect) : rect_(rect) {
        width_ = rect.right - rect.left;
        height_ = rect.bottom - rect.top;
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB};
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ previous = SelectObject(memory, bitmap_);
        BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        GdiFlush();
    }
    ~ScreenCapture() { DeleteObject(bitmap_); }
    ScreenCapture(const ScreenCapture&) = delete;
    ScreenCapture& operator=(const ScreenCapture&) = delete;

    // 0x00RRGGBB of a point relative to the rectangle.
    std::uint32_t At(int x, int y) const { return bits_[y * width_ + x] & 0xFFFFFF; }
    int CountInside(const RECT& area, std::uint32_t rgb) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += At(x, y) == rgb;
        return count;
    }

    bool SavePng(const std::wstring& path) const { return kxtest::SavePng(bitmap_, path); }
    HBITMAP Bitmap() const { return bitmap_; }

private:
    static RECT RectOf(HWND window) {
        RECT rect = {};
        GetWindowRect(window, &rect);
        return rect;
    }
    RECT rect_;
    int width_ = 0, height_ = 0;
    HBITMAP bitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

}  // namespace kxtest
