#include "ComboTextBox.h"

namespace kx {
namespace {

constexpr UINT kMouse[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                           WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_MOUSEMOVE};
constexpr UINT kBefore[] = {WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR, WM_KEYUP, WM_SETFOCUS, WM_KILLFOCUS};

DWORD AlignmentStyle(long alignment) {
    switch (alignment) {
        case 1: return ES_RIGHT;
        case 2: return ES_CENTER;
        default: return ES_LEFT;
    }
}

}  // namespace

ComboTextBox::ComboTextBox(HWND owner, Input& input) : owner_(owner), input_(input) { Create(L""); }

ComboTextBox::~ComboTextBox() {
    if (window_) {
        subclasser_.Unsubclass(window_);
        DestroyWindow(window_);
    }
}

void ComboTextBox::Create(const std::wstring& text) {
    RECT place = {};
    bool visible = true, focused = false;
    if (window_) {
        GetWindowRect(window_, &place);
        MapWindowPoints(nullptr, owner_, reinterpret_cast<POINT*>(&place), 2);
        visible = IsWindowVisible(window_) != FALSE;
        focused = GetFocus() == window_;
        subclasser_.Unsubclass(window_);
        DestroyWindow(window_);
    }
    const DWORD style = WS_CHILD | ES_AUTOHSCROLL | AlignmentStyle(alignment_) | (visible ? WS_VISIBLE : 0) |
                        (locked_ ? ES_READONLY : 0);
    const DWORD exStyle = rightToLeft_ ? WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR : 0;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE));
    window_ = CreateWindowExW(exStyle, L"EDIT", text.c_str(), style, place.left, place.top, place.right - place.left,
                              place.bottom - place.top, owner_, nullptr, instance, nullptr);
    if (!window_) return;
    if (font_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (subclasser_.Subclass(window_) >= 0) {
        for (UINT message : kBefore) subclasser_.AddMessage(window_, message, WindowSubclasser::kBefore);
        for (UINT message : kMouse) subclasser_.AddMessage(window_, message, WindowSubclasser::kAfter);
    }
    if (focused) SetFocus(window_);
}

void ComboTextBox::SetLook(long alignment, bool rightToLeft) {
    if (alignment == alignment_ && rightToLeft == rightToLeft_) return;
    alignment_ = alignment;
    rightToLeft_ = rightToLeft;
    Create(Text());
}

void ComboTextBox::SetLocked(bool locked) {
    locked_ = locked;
    if (window_) SendMessageW(window_, EM_SETREADONLY, locked, 0);
}

void ComboTextBox::SetFont(HFONT font) {
    font_ = font;
    if (window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ComboTextBox::SetColours(COLORREF back, COLORREF fore) { colours_.Set(window_, back, fore); }

LRESULT ComboTextBox::Colour(HDC dc) const { return colours_.Colour(dc); }

std::wstring ComboTextBox::Text() const { return EditText(window_); }

void ComboTextBox::SetText(const std::wstring& text) {
    if (window_) SetWindowTextW(window_, text.c_str());
}

void ComboTextBox::SelectAll() {
    if (window_) SendMessageW(window_, EM_SETSEL, 0, GetWindowTextLengthW(window_));
}

// No error leaves the box's window procedure: a key whose handling failed is discarded.
void ComboTextBox::SubclassCallback(bool before, bool& handled, LRESULT& result, HWND, UINT& message,
                                    WPARAM& wParam, LPARAM& lParam) {
    try {
        if (!before) return input_.BoxMouse(message, wParam, lParam);
        switch (message) {
            case WM_KEYDOWN: case WM_SYSKEYDOWN: handled = input_.BoxKeyDown(wParam); break;
            case WM_CHAR: handled = input_.BoxChar(wParam); break;
            case WM_KEYUP: input_.BoxKeyUp(wParam); break;
            case WM_SETFOCUS: input_.BoxFocus(true, reinterpret_cast<HWND>(wParam)); break;
            case WM_KILLFOCUS: input_.BoxFocus(false, reinterpret_cast<HWND>(wParam)); break;
            default: break;
        }
    } catch (...) {
        handled = before;
        result = 0;
    }
}

}  // namespace kx
