#include "InputTextBox.h"

#include <vector>

namespace kx {
namespace {

constexpr UINT kKeys[] = {WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR, WM_KEYUP, WM_SYSKEYUP};
constexpr UINT kAfter[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                           WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_MOUSEMOVE,
                           WM_SETFOCUS, WM_KILLFOCUS};

DWORD AlignmentStyle(long alignment) {
    switch (alignment) {
        case 1: return ES_RIGHT;
        case 2: return ES_CENTER;
        default: return ES_LEFT;
    }
}

}  // namespace

InputTextBox::InputTextBox(HWND owner, Input& input) : owner_(owner), input_(input) {
    back_ = GetSysColor(COLOR_WINDOW);
    fore_ = GetSysColor(COLOR_WINDOWTEXT);
    brush_ = CreateSolidBrush(back_);
    Create(L"", true, false);
}

InputTextBox::~InputTextBox() {
    Destroy();
    if (brush_) DeleteObject(brush_);
}

void InputTextBox::Create(const std::wstring& text, bool visible, bool focused) {
    const DWORD style = WS_CHILD | ES_AUTOHSCROLL | AlignmentStyle(style_.alignment) | (visible ? WS_VISIBLE : 0) |
                        (style_.locked ? ES_READONLY : 0) | (style_.enabled ? 0 : WS_DISABLED);
    const DWORD exStyle = style_.rightToLeft ? WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR : 0;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE));
    window_ = CreateWindowExW(exStyle, L"EDIT", text.c_str(), style, place_.left, place_.top,
                              place_.right - place_.left, place_.bottom - place_.top, owner_, nullptr, instance,
                              nullptr);
    if (!window_) return;
    SendMessageW(window_, EM_LIMITTEXT, 0, 0);  // as long as memory allows
    if (font_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (subclasser_.Subclass(window_) >= 0) {
        for (UINT message : kKeys) subclasser_.AddMessage(window_, message, WindowSubclasser::kBefore);
        for (UINT message : kAfter) subclasser_.AddMessage(window_, message, WindowSubclasser::kAfter);
    }
    if (focused) SetFocus(window_);
}

void InputTextBox::Destroy() {
    if (!window_) return;
    subclasser_.Unsubclass(window_);
    DestroyWindow(window_);
    window_ = nullptr;
}

void InputTextBox::Place(int left, int top, int width, int height) {
    place_ = {left, top, left + width, top + height};
    if (window_) SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void InputTextBox::Show(bool visible) {
    if (window_ && (IsWindowVisible(window_) != FALSE) != visible) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void InputTextBox::SetStyle(const Style& style) {
    const bool remake = style.alignment != style_.alignment || style.rightToLeft != style_.rightToLeft;
    style_ = style;
    if (!window_) return;
    if (remake) {
        const std::wstring text = Text();
        const bool visible = IsWindowVisible(window_) != FALSE;
        const bool focused = GetFocus() == window_;
        Destroy();
        Create(text, visible, focused);
        return;
    }
    SendMessageW(window_, EM_SETREADONLY, style.locked, 0);
    EnableWindow(window_, style.enabled);
}

void InputTextBox::SetFont(HFONT font) {
    font_ = font;
    if (window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void InputTextBox::SetColours(COLORREF back, COLORREF fore) {
    if (back != back_ || !brush_) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(back);
    }
    back_ = back;
    fore_ = fore;
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

LRESULT InputTextBox::Colour(HDC dc) const {
    SetTextColor(dc, fore_);
    SetBkColor(dc, back_);
    return reinterpret_cast<LRESULT>(brush_);
}

std::wstring InputTextBox::Text() const {
    if (!window_) return {};
    const int length = GetWindowTextLengthW(window_);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int got = GetWindowTextW(window_, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void InputTextBox::SetText(const std::wstring& text) {
    if (window_) SetWindowTextW(window_, text.c_str());
}

void InputTextBox::SelectAll() {
    if (window_) SendMessageW(window_, EM_SETSEL, 0, -1);
}

// No error leaves the box's window procedure: a key whose handling failed is discarded.
void InputTextBox::SubclassCallback(bool before, bool& handled, LRESULT& result, HWND, UINT& message,
                                    WPARAM& wParam, LPARAM& lParam) {
    try {
        switch (message) {
            case WM_KEYDOWN: handled = input_.BoxKeyDown(wParam, false); break;
            case WM_SYSKEYDOWN: handled = input_.BoxKeyDown(wParam, true); break;
            case WM_CHAR: handled = input_.BoxChar(wParam); break;
            case WM_KEYUP: case WM_SYSKEYUP: input_.BoxKeyUp(wParam); break;
            case WM_SETFOCUS: input_.BoxFocus(true, reinterpret_cast<HWND>(wParam)); break;
            case WM_KILLFOCUS: input_.BoxFocus(false, reinterpret_cast<HWND>(wParam)); break;
            default: input_.BoxMouse(message, wParam, lParam); break;
        }
        if (handled) result = 0;
    } catch (...) {
        handled = before;
        result = 0;
    }
}

}  // namespace kx
