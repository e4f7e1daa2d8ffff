#include "ProgressStatusBar.h"

#include <commctrl.h>

#include "ErrorInfo.h"
#include "Handles.h"
#include "LateBinding.h"
#include "Rounding.h"

namespace kx {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kErrObjectNotSet = 91;
constexpr int kErrWrongArgumentCount = 450;

// The object a late-bound member gave.
IDispatch* ObjectIn(const OwnedVariant& value) {
    if (value->vt != VT_DISPATCH || !value->pdispVal) throw Error(kErrObjectRequired);
    return value->pdispVal;
}

struct TwipsPerPixel {
    double x, y;
};

TwipsPerPixel ScreenTwipsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return {static_cast<double>(kTwipsPerInch / (dpiX > 0 ? dpiX : 96)),
            static_cast<double>(kTwipsPerInch / (dpiY > 0 ? dpiY : 96))};
}

// Panels(n): a Panels member that takes the index answers at once; a Panels collection that takes
// none is asked for its Item, as the common-controls status bar has it.
void PanelOf(IDispatch* statusBar, long panel, OwnedVariant& item) {
    try {
        GetProperty(statusBar, L"Panels", panel, item);
        return;
    } catch (const Error& e) {
        if (e.number != kErrWrongArgumentCount) throw;
    }
    OwnedVariant panels;
    GetProperty(statusBar, L"Panels", panels);
    GetProperty(ObjectIn(panels), L"Item", panel, item);
}

void WidenPanel(IDispatch* statusBar, long panel, double width) {
    OwnedVariant item;
    PanelOf(statusBar, panel, item);
    PutDoubleProperty(ObjectIn(item), L"Width", width);
}

// The panel's rectangle in twips: SB_GETRECT answers pixels relative to the status bar.
RECT PanelTwips(HWND bar, long panel, const TwipsPerPixel& scale) {
    RECT pixels = {};
    SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(&pixels));
    return {static_cast<long>(RoundHalfEven(pixels.left * scale.x)),
            static_cast<long>(RoundHalfEven(pixels.top * scale.y)),
            static_cast<long>(RoundHalfEven(pixels.right * scale.x)),
            static_cast<long>(RoundHalfEven(pixels.bottom * scale.y))};
}

// A window that was nobody's child must become one before it moves into another window.
void AdoptInto(HWND window, HWND parent) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (!(style & WS_CHILD)) SetWindowLongPtrW(window, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
    SetParent(window, parent);
}

}  // namespace

void PlaceInStatusBar(IDispatch* statusBar, long panel, const ControlExtent& control) {
    if (!statusBar) throw Error(kErrObjectNotSet);
    WidenPanel(statusBar, panel, control.widthTwips + 100);
    const HWND bar = HandleFromLong<HWND>(GetLongProperty(statusBar, L"Hwnd"));
    const TwipsPerPixel scale = ScreenTwipsPerPixel();
    const RECT area = PanelTwips(bar, panel, scale);
    if (control.window) AdoptInto(control.window, bar);
    // The container would move its entry for the control; the window is moved in its place, in pixels.
    const double left = (area.right - area.left) / 2.0 + area.left - control.widthTwips / 2;
    const double top = (area.bottom - area.top) / 2.0 + area.top - control.heightTwips / 2;
    const double x = RoundHalfEven(left / scale.x);
    const double y = RoundHalfEven(top / scale.y);
    if (!FitsInt32(x) || !FitsInt32(y)) throw Error(kErrOverflow);
    if (control.window)
        SetWindowPos(control.window, nullptr, static_cast<int>(x), static_cast<int>(y), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kx
