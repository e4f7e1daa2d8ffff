#pragma once
#include <windows.h>
#include <oaidl.h>

// Moves a control's window into one panel of a host's status bar. The status bar object is reached
// by name only: Panels(n).Width (twips) and Hwnd (a common-controls status bar window).
namespace kx {

struct ControlExtent {
    HWND window;
    double widthTwips;
    double heightTwips;
};

// Widens panel (1-based) to the control's width plus 100 twips, makes the control's window a child of
// the status bar and centres it on the panel. Late-bound failures throw the runtime's errors; the
// steps already taken stay.
void PlaceInStatusBar(IDispatch* statusBar, long panel, const ControlExtent& control);

}  // namespace kx
