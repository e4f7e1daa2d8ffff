// actFileDialog's left-menu highlight: the entry under the mouse is drawn as a ramp inside an outline.
#include "ActFileDialog.h"

#include "DrawingModule.h"
#include "MenuHover.h"

namespace kx {

// Each pane draws its own background, the highlight included, with its icon and caption over it; the
// file-name box hands its Enter key to the control.
void ActFileDialog::HookParts() {
    for (HWND pane : form_->picToolBar) {
        SetWindowLongPtrW(pane, GWL_STYLE, GetWindowLongPtrW(pane, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
        if (hooks_.Subclass(pane) >= 0) hooks_.AddMessage(pane, WM_ERASEBKGND, WindowSubclasser::kBefore);
    }
    if (hooks_.Subclass(form_->txtFileName) >= 0) hooks_.AddMessage(form_->txtFileName, WM_CHAR, WindowSubclasser::kBefore);
}

void ActFileDialog::SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message,
                                     WPARAM& wParam, LPARAM&) {
    if (!before) return;
    if (message == WM_CHAR && wParam == VK_RETURN && window == form_->txtFileName) {
        handled = FileNameEnter();
        result = 0;
        return;
    }
    const int entry = MenuEntryOf(window);
    if (message != WM_ERASEBKGND || entry < 0) return;
    RECT area;
    GetClientRect(window, &area);
    PaintMenuEntry(reinterpret_cast<HDC>(wParam), area.right, area.bottom, backColor_, entry == hover_.Index());
    handled = true;
    result = 1;
}

// The menu entry that holds window (a pane, its icon or its caption); -1 for any other window.
int ActFileDialog::MenuEntryOf(HWND window) const {
    for (int i = 0; i < kLeftMenuEntries; ++i)
        if (window == form_->picToolBar[i] || window == form_->imgToolBar[i] || window == form_->lblToolbar[i])
            return i;
    return -1;
}

// The mouse over a window of the control: an entry takes the highlight, the control's own surface clears
// it, the other parts leave it.
void ActFileDialog::MouseOver(HWND window) {
    const int entry = MenuEntryOf(window);
    if (entry < 0 && window != Hwnd()) return;
    if (!hover_.MoveTo(entry)) return;
    for (HWND pane : form_->picToolBar)
        RedrawWindow(pane, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The icon and caption of an entry let the pane's background show through.
HBRUSH ActFileDialog::MenuChildColours(HWND child, HDC dc) const {
    if (MenuEntryOf(GetParent(child)) < 0) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TranslateOleColor(foreColor_));
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

}  // namespace kx
