#include "CalculatorTextBox.h"

#include <commctrl.h>

namespace zarvanta {

bool OnlyControlHeld() {
    const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return down(VK_CONTROL) && !down(VK_SHIFT) && !down(VK_MENU);
}

void CalculatorTextBox::Create(HWND parent, const RECT& bounds, HFONT font, const std::wstring& text,
                               OperationHandler onOperation) {
    onOperation_ = std::move(onOperation);
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR, L"EDIT",
                            text.c_str(),
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_RIGHT | ES_AUTOVSCROLL |
                                ES_WANTRETURN,
                            bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!edit_) return;
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);  // no 32,767-character cap on pasted text
    SetWindowSubclass(edit_, Subclass, 1, reinterpret_cast<DWORD_PTR>(this));
}

std::wstring CalculatorTextBox::Text() const {
    const int length = GetWindowTextLengthW(edit_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit_, text.data(), length + 1)));
    return text;
}

void CalculatorTextBox::Clear() { SetWindowTextW(edit_, L""); }

bool CalculatorTextBox::HandleKey(UINT message, WPARAM key) {
    if (message == WM_KEYDOWN && key == 'A' && OnlyControlHeld()) {
        SendMessageW(edit_, EM_SETSEL, 0, GetWindowTextLengthW(edit_));
        return true;
    }
    if (message == WM_CHAR) {
        if (const std::optional<TotalOperation> operation = OperationOfKey(static_cast<wchar_t>(key))) {
            if (onOperation_) onOperation_(*operation);
            return true;
        }
        if (key == 1) return true;  // the Ctrl+A character: the selection is made on the key press
    }
    return false;
}

LRESULT CALLBACK CalculatorTextBox::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR self) {
    auto* box = reinterpret_cast<CalculatorTextBox*>(self);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, Subclass, id);
    else if (box->HandleKey(message, wParam)) return 0;
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace zarvanta
