#include "InputTextBox.h"

#include <utility>

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

InputTextBox::InputTextBox(HWND owner, Input& input, IUnknown* holder, const Style& style,
                           std::vector<UINT> ownMessages)
    : owner_(owner), input_(input), ownMessages_(std::move(ownMessages)), subclasser_(*this, holder), style_(style) {
    Create(L"", 0, true, false);
}

InputTextBox::~InputTextBox() { Destroy(); }

void InputTextBox::Create(const std::wstring& text, long caret, bool visible, bool focused) {
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
    SetCaret(caret);
    if (subclasser_.Subclass(window_) >= 0) {
        for (UINT message : kKeys) subclasser_.AddMessage(window_, message, WindowSubclasser::kBefore);
        for (UINT message : ownMessages_) subclasser_.AddMessage(window_, message, WindowSubclasser::kBefore);
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
    if (window_ && Visible() != visible) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

// The box's own state, whether or not the control's window shows.
bool InputTextBox::Visible() const { return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0; }

void InputTextBox::SetStyle(const Style& style) {
    const bool remake = style.alignment != style_.alignment || style.rightToLeft != style_.rightToLeft;
    style_ = style;
    if (!window_) return;
    if (remake) {
        const std::wstring text = Text();
        const long caret = Caret();
        const bool visible = Visible();
        const bool focused = GetFocus() == window_;
        Destroy();
        Create(text, caret, visible, focused);
        return;
    }
    SendMessageW(window_, EM_SETREADONLY, style.locked, 0);
    EnableWindow(window_, style.enabled);
}

void InputTextBox::SetFont(HFONT font) {
    font_ = font;
    if (window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void InputTextBox::SetColours(COLORREF back, COLORREF fore) { colours_.Set(window_, back, fore); }

void InputTextBox::SetText(const std::wstring& text) {
    if (window_) SetWindowTextW(window_, text.c_str());
}

void InputTextBox::SelectAll() {
    if (window_) SendMessageW(window_, EM_SETSEL, 0, -1);
}

long InputTextBox::Caret() const {
    DWORD start = 0;
    if (window_) SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<long>(start);
}

void InputTextBox::SetCaret(long position) {
    if (window_) SendMessageW(window_, EM_SETSEL, position, position);
}

// No error leaves the box's window procedure: a key whose handling failed is discarded.
void InputTextBox::SubclassCallback(bool before, bool& handled, LRESULT& result, HWND, UINT& message,
                                    WPARAM& wParam, LPARAM& lParam) {
    try {
        if (before) Before(handled, result, message, wParam, lParam);
        else After(message, wParam, lParam);
    } catch (...) {
        handled = before;
        result = 0;
    }
}

void InputTextBox::Before(bool& handled, LRESULT& result, UINT message, WPARAM& wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN: case WM_SYSKEYDOWN: handled = input_.BoxKeyDown(wParam, message == WM_SYSKEYDOWN); break;
        case WM_CHAR: handled = input_.BoxChar(wParam); break;
        case WM_KEYUP: case WM_SYSKEYUP: input_.BoxKeyUp(wParam, message == WM_SYSKEYUP); break;
        default: handled = input_.BoxMessage(message, wParam, lParam, result); return;
    }
    if (handled) result = 0;
}

void InputTextBox::After(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS: input_.BoxFocus(true, reinterpret_cast<HWND>(wParam)); break;
        case WM_KILLFOCUS: input_.BoxFocus(false, reinterpret_cast<HWND>(wParam)); break;
        default: input_.BoxMouse(message, wParam, lParam); break;
    }
}

}  // namespace kx
