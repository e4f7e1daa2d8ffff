#include "FocusPass.h"

namespace kx {
namespace {

// One pass at a time per thread; a request made inside it comes from the window just given the focus.
struct PassState {
    bool active = false;
    bool refused = false;
};
thread_local PassState pass;

// More steps than any form has controls: a tab order that never comes back ends here.
constexpr int kMostSteps = 4096;

}  // namespace

bool HoldsFocus(HWND window) {
    const HWND focus = GetFocus();
    return window && focus && (focus == window || IsChild(window, focus));
}

bool CanTakeFocus(HWND window, HWND top) {
    for (HWND w = window; w && w != top; w = GetParent(w))
        if (!IsWindowVisible(w) || !IsWindowEnabled(w)) return false;
    return window != nullptr;
}

bool PassFocus(HWND from, bool fromRefuses, HWND keeper, const TabOrderStep& next) {
    if (pass.active) {
        pass.refused = true;
        return true;
    }
    pass.active = true;
    bool taken = false;
    HWND first = nullptr;
    HWND candidate = from;
    for (int step = 0; step < kMostSteps && !taken; ++step) {
        candidate = next(candidate);
        if (!candidate || candidate == first) break;
        if (!first) first = candidate;
        if (candidate == from && fromRefuses) break;
        pass.refused = false;
        SetFocus(candidate);
        taken = !pass.refused && HoldsFocus(candidate);
        if (candidate == from) break;
    }
    if (!taken && keeper) SetFocus(keeper);
    pass.active = false;
    pass.refused = false;
    return true;
}

}  // namespace kx
