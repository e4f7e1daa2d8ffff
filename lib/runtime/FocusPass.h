#pragma once
#include <windows.h>

#include <functional>

// Passing the focus on along a tab order, past controls that refuse it. A control refuses by asking
// for the focus to be passed on again while it is being given the focus; that nested request only
// marks it, and the pass goes on to the next window. The pass stops where it started: when nothing
// takes the focus, the keeper window gets it.
namespace kx {

// The Shift bit of IOleControlSite::TranslateAccelerator's modifiers (KEYMOD_SHIFT).
constexpr DWORD kKeyModShift = 1;

// The window after the given one in the tab order (or before it, going backward); null for none.
using TabOrderStep = std::function<HWND(HWND)>;

// from: the window the pass starts from; fromRefuses: whether it is the one refusing the focus (it
// may then never get it back). Always true: the request is handled.
bool PassFocus(HWND from, bool fromRefuses, HWND keeper, const TabOrderStep& next);

// True when window or one of its descendants has the focus.
bool HoldsFocus(HWND window);

// Visible and enabled, and so are all its ancestors up to (not including) top.
bool CanTakeFocus(HWND window, HWND top);

}  // namespace kx
