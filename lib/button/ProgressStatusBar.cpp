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

// An owned late-bound object.
class Object {
public:
    explicit Object(VARIANT value) : value_(value) {
        if (value_.vt != VT_DISPATCH || !value_.pdispVal) {
            VariantClear(&value_);
            throw Error(kErrObjectRequired);
        }
    }
    ~Object() { VariantClear(&value_); }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    IDispatch* get() const { return value_.pdispVal; }

private:
    VARIANT value_;
};

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
VARIANT PanelOf(IDispatch* statusBar, long panel) {
    try {
        return GetMember(statusBar, L"Panels", panel);
    } catch (const Error& e) {
        if (e.number != kErrWrongArgumentCount) throw;
    }
    Object panels(GetMember(statusBar, L"Panels"));
    return GetMember(panels.get(), L"Item", panel);
}

void WidenPanel(IDispatch* statusBar, long panel, double width) {
    Object item(PanelOf(statusBar, panel));
    VARIANT value;
    value.vt = VT_R8;
    value.dblVal = width;
    PutMember(item.get(), L"Width", value);
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
    const HWND bar = HandleFromLong<HWND>(GetLongMember(statusBar, L"Hwnd"));
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
