#pragma once
#include <windows.h>

#include <functional>

#include "DropDownWindow.h"

namespace kx {

class ControlSite;
class KxCalculator;

// frmCalc: the numeric input's drop-down, one calculator in a drop-down window whose client area is the
// calculator's size. An opening loads the number into the calculator (a fresh calculation) and puts the
// focus in its readout; a confirmed result goes to the result handler and hides the window.
class CalcDropDown {
public:
    // owner: the control the drop-down belongs to, held while a result goes to it, as the change it makes may
    // let the host drop the control (and with it this drop-down).
    CalcDropDown(IUnknown* owner, std::function<void(double)> onResult, std::function<void()> onHidden);
    ~CalcDropDown();
    CalcDropDown(const CalcDropDown&) = delete;
    CalcDropDown& operator=(const CalcDropDown&) = delete;

    // False once the window went with its owner: the control then makes a new one.
    bool Exists() const { return window_.Exists() && calculator_; }
    bool Shown() const { return window_.Shown(); }
    // Whether the window last hid because another window became active.
    bool HiddenForOtherWindow() const { return window_.HiddenForOtherWindow(); }
    HWND Hwnd() const { return window_.Hwnd(); }
    KxCalculator* Calculator() const { return calculator_; }  // not add-ref'd
    // Counts the window itself and the windows it owns (its message boxes).
    bool Holds(HWND window) const { return window_.Holds(window); }

    void Open(HWND control, double value);
    void Hide() { window_.Hide(); }

private:
    void OnGetValue();

    IUnknown* owner_;  // not counted: it owns this drop-down
    std::function<void(double)> onResult_;
    DropDownWindow window_;
    KxCalculator* calculator_ = nullptr;
};

}  // namespace kx
