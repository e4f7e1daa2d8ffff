#pragma once
#include <windows.h>

#include <utility>

// GDI objects and device contexts that are released when they go out of scope.
namespace kx {

// A GDI object (bitmap, palette, brush ...) deleted at the end of the scope unless handed on.
template <class Handle>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~ScopedGdiObject() {
        if (handle_) DeleteObject(handle_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    Handle get() const { return handle_; }
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_;
};

// A memory device context compatible with another one (or the screen for null).
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// The screen's device context (of the desktop window), released at the end of the scope.
class ScopedScreenDC {
public:
    ScopedScreenDC() : window_(GetDesktopWindow()), dc_(GetDC(window_)) {}
    ~ScopedScreenDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    ScopedScreenDC(const ScopedScreenDC&) = delete;
    ScopedScreenDC& operator=(const ScopedScreenDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context until the end of the scope.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace kx
