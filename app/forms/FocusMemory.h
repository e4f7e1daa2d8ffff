#pragma once
#include <windows.h>

// Where the focus was in a form when it went inactive, so that it goes back there (after a message box, say).
namespace zarvanta {

class FocusMemory {
public:
    // For WM_ACTIVATE: remembers the focus on leaving, restores it (or gives it to fallback) on return.
    void OnActivate(HWND form, bool active, HWND fallback) {
        const HWND focus = GetFocus();
        const bool inForm = focus && IsChild(form, focus);
        if (!active) {
            if (inForm) last_ = focus;
        } else if (!inForm) {
            SetFocus(last_ && IsWindow(last_) && IsChild(form, last_) ? last_ : fallback);
        }
    }

private:
    HWND last_ = nullptr;
};

}  // namespace zarvanta
