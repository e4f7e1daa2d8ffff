#pragma once
#include <windows.h>

#include <functional>

#include "DrawingSurface.h"

// A label's picture box: a child window covering its owner's client area that keeps what is drawn
// on it in a persistent surface of its client size. It draws nothing by itself: each paint asks
// the owner to redraw. Mouse, key and cursor messages go on to the owner's window with the
// mouse position in the owner's client pixels, so the owner raises its events as its own.
namespace kx {

class LabelPictureBox {
public:
    LabelPictureBox(HWND owner, std::function<void()> onPaint);
    ~LabelPictureBox();
    LabelPictureBox(const LabelPictureBox&) = delete;
    LabelPictureBox& operator=(const LabelPictureBox&) = delete;

    HWND Hwnd() const { return window_; }
    HDC Dc() const { return surface_.Dc(); }
    DrawingSurface& Surface() { return surface_; }
    int ScaleWidth() const { return surface_.Width(); }
    int ScaleHeight() const { return surface_.Height(); }

    // Moves the box to (0, 0) with the given outer size.
    void Place(int width, int height);
    // Border style 1 (the single sunken 3-D edge) or 0 (none); the client area follows.
    void SetBorder(bool fixedSingle);
    bool HasBorder() const;
    // Where the client area's top-left corner lies in the owner's client pixels.
    POINT ClientOrigin() const;
    // Shows the surface in the window now.
    void ShowSurface();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PassToOwner(UINT message, WPARAM wParam, LPARAM lParam);
    void FitSurface();
    void OnPaint();

    HWND owner_;
    HWND window_ = nullptr;
    std::function<void()> onPaint_;
    DrawingSurface surface_;
    bool painting_ = false;
};

}  // namespace kx
