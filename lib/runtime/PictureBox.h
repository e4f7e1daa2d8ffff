#pragma once
#include <windows.h>

#include <functional>

#include "DrawingSurface.h"

// The form runtime's picture box: a child window of its owner that keeps what is drawn on it in a persistent
// surface of its client size, cleared in button face. Place and size are in the owner's client pixels; a
// negative width or height is refused. It runs in one of two ways:
// - passing its input on: mouse, key and cursor messages go to the owner's window with the mouse position in
//   the owner's client pixels, the focus goes to the owner, and each paint asks the owner to redraw;
// - as a member of a control array: it takes the focus and the arrow keys, holds the mouse from a press to
//   the release, and reports its input with its index and positions in its own client pixels.
namespace kx {

// What a picture box of a control array reports, in the classic argument forms (ClassicInput.h).
class PictureBoxInput {
public:
    virtual void BoxMouseDown(int index, short button, short shift, float x, float y) = 0;
    virtual void BoxMouseMove(int index, short button, short shift, float x, float y) = 0;
    virtual void BoxMouseUp(int index, short button, short shift, float x, float y) = 0;
    virtual void BoxKeyDown(int index, short keyCode, short shift) = 0;
    virtual void BoxGotFocus(int index) = 0;
    // The mouse held since a press was taken away (another window captured it, or the mode was cancelled).
    virtual void BoxCaptureLost(int index) = 0;

protected:
    ~PictureBoxInput() = default;
};

class PictureBox {
public:
    // A box that passes its input on to the owner.
    PictureBox(HWND owner, std::function<void()> onPaint);
    // Box number index of a control array, reporting to input (which outlives the box).
    PictureBox(HWND owner, int index, PictureBoxInput& input);
    ~PictureBox();
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    int Index() const { return index_; }
    HWND Hwnd() const { return window_; }
    HDC Dc() const { return surface_.Dc(); }
    DrawingSurface& Surface() { return surface_; }
    int ScaleWidth() const { return surface_.Width(); }
    int ScaleHeight() const { return surface_.Height(); }

    int Left() const { return place_.left; }
    int Top() const { return place_.top; }
    int Width() const { return place_.right - place_.left; }
    int Height() const { return place_.bottom - place_.top; }
    // False, and nothing changes, when width or height is negative.
    bool Move(int left, int top, int width, int height);
    bool SetLeft(int left) { return Move(left, Top(), Width(), Height()); }
    bool SetTop(int top) { return Move(Left(), top, Width(), Height()); }
    bool SetWidth(int width) { return Move(Left(), Top(), width, Height()); }
    bool SetHeight(int height) { return Move(Left(), Top(), Width(), height); }
    // Moves the box to (0, 0) with the given outer size.
    void Place(int width, int height) { Move(0, 0, width, height); }

    bool Visible() const;
    void Focus();
    void Enable(bool enabled);

    // Border style 1 (the single sunken 3-D edge) or 0 (none); the client area follows.
    void SetBorder(bool fixedSingle);
    bool HasBorder() const;
    // Where the client area's top-left corner lies in the owner's client pixels.
    POINT ClientOrigin() const;
    // Shows the surface in the window now.
    void ShowSurface();

private:
    PictureBox(HWND owner, std::function<void()> onPaint, int index, PictureBoxInput* input);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PassToOwner(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ReportInput(UINT message, WPARAM wParam, LPARAM lParam);
    void ReportMouseButton(UINT message, LPARAM lParam);
    void FitSurface();
    void OnPaint();

    HWND owner_;
    HWND window_ = nullptr;
    std::function<void()> onPaint_;
    int index_ = 0;
    PictureBoxInput* input_ = nullptr;  // null: the input goes on to the owner
    DrawingSurface surface_;
    RECT place_ = {};
    UINT pressedButtons_ = 0;
    bool painting_ = false;
};

}  // namespace kx
