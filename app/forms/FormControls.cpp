#include "FormControls.h"

namespace zarvanta {

HWND CreateFormControl(HWND form, HFONT font, const FormControl& control) {
    const RECT& at = control.bounds;
    HWND window = CreateWindowExW(control.exStyle, control.className, control.text,
                                  WS_CHILD | WS_VISIBLE | control.style, at.left, at.top, at.right - at.left,
                                  at.bottom - at.top, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (window) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HFONT FontHandleOf(IFontDisp* font) {
    IFont* details = nullptr;
    if (!font || FAILED(font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&details)))) return nullptr;
    HFONT handle = nullptr;
    details->get_hFont(&handle);
    details->Release();
    return handle;
}

void SetTabOrder(std::initializer_list<HWND> windows) {
    HWND after = HWND_TOP;
    for (HWND window : windows) {
        if (!window) continue;
        SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = window;
    }
}

}  // namespace zarvanta
