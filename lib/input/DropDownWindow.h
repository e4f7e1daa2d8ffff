#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "DropButton.h"

namespace kx {

class ControlHost;

// The drop-down window of a control: a top-level window with a thin dialog frame, no caption and no
// task-bar button, hosting its contents (a calculator, a grid) in a ControlHost. Opening places it under
// the control, owned by the control's top-level window, activates it and starts a 100 ms timer that hides
// it once another window is active (windows it owns, such as its message boxes, count as itself). A close
// request hides it. The window goes with its owner when that is destroyed; Exists() then turns false and
// the control makes a new one.
class DropDownWindow {
public:
    static constexpr UINT_PTR kAutoHideTimer = 1;
    static constexpr UINT kAutoHideMilliseconds = 100;

    // onHidden runs whenever a shown window hides, by itself or by Hide().
    explicit DropDownWindow(std::function<void()> onHidden = nullptr);
    ~DropDownWindow();
    DropDownWindow(const DropDownWindow&) = delete;
    DropDownWindow& operator=(const DropDownWindow&) = delete;

    bool Exists() const { return window_ != nullptr; }
    HWND Hwnd() const { return window_; }
    ControlHost* Host() const { return host_.get(); }  // null once the window is gone
    bool Shown() const { return window_ && IsWindowVisible(window_); }
    // Whether the window last hid because another window became active (not by Hide or a close request).
    bool HiddenForOtherWindow() const { return hiddenForOtherWindow_; }
    // The window itself and every window it owns, directly or through others (its message boxes).
    bool Holds(HWND window) const;

    // The client area's size in pixels; a size change keeps the window on the last control's monitor.
    void SetClientSize(int width, int height);
    // Moves the window under the control, owned by its top-level window, kept on the control's monitor
    // when asked; then starts the timer and shows and activates the window.
    void Open(HWND control, bool keepOnScreen);
    void Hide();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void HideFor(bool otherWindow);
    void OnAutoHideTimer();
    bool OnActivate(bool active);
    void OnDestroy();
    void KeepOnScreen();

    HWND window_ = nullptr;
    std::unique_ptr<ControlHost> host_;
    std::function<void()> onHidden_;
    PixelRect control_;       // the rectangle of the control it last opened under, in screen pixels
    HWND lastFocus_ = nullptr;  // the child that had the focus when the window was last deactivated
    bool destroying_ = false;
    bool hiddenForOtherWindow_ = false;
};

}  // namespace kx
