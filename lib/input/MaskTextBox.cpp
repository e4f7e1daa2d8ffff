#include "MaskTextBox.h"

namespace kx {
namespace {

// Messages that would change the text outside the mask.
constexpr UINT kRefused[] = {WM_PASTE, WM_CUT, WM_CLEAR, WM_UNDO, EM_UNDO};
constexpr UINT kKeys[] = {WM_KEYDOWN, WM_CHAR, WM_KEYUP};
constexpr UINT kMouse[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                           WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_MOUSEMOVE};

DWORD AlignmentStyle(long alignment) {
    switch (alignment) {
        case 1: return ES_RIGHT;
        case 2: return ES_CENTER;
        default: return ES_LEFT;
    }
}

bool IsIn(const UINT* first, const UINT* last, UINT message) {
    for (; first != last; ++first)
        if (*first == message) return true;
    return false;
}

}  // namespace

MaskTextBox::MaskTextBox(HWND owner, Input& input) : owner_(owner), input_(input) { Create(L"", 0, false); }

MaskTextBox::~MaskTextBox() { Destroy(); }

void MaskTextBox::Create(const std::wstring& text, long caret, bool focused) {
    const DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | AlignmentStyle(style_.alignment) |
                        (style_.locked ? ES_READONLY : 0) | (style_.enabled ? 0 : WS_DISABLED);
    const DWORD exStyle = style_.rightToLeft ? WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR : 0;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner_, GWLP_HINSTANCE));
    window_ = CreateWindowExW(exStyle, L"EDIT", text.c_str(), style, 0, 0, width_, height_, owner_, nullptr, instance,
                              nullptr);
    if (!window_) return;
    if (font_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetCaret(caret);
    if (subclasser_.Subclass(window_) >= 0) {
        for (UINT message : kRefused) subclasser_.AddMessage(window_, message, WindowSubclasser::kBefore);
        for (UINT message : kKeys) subclasser_.AddMessage(window_, message, WindowSubclasser::kBefore);
        subclasser_.AddMessage(window_, WM_SETCURSOR, WindowSubclasser::kBefore);
        for (UINT message : kMouse) subclasser_.AddMessage(window_, message, WindowSubclasser::kAfter);
    }
    if (focused) SetFocus(window_);
}

void MaskTextBox::Destroy() {
    if (!window_) return;
    subclasser_.Unsubclass(window_);
    DestroyWindow(window_);
    window_ = nullptr;
}

void MaskTextBox::Place(int width, int height) {
    width_ = width;
    height_ = height;
    if (window_) SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MaskTextBox::SetStyle(const Style& style) {
    const bool remake = style.alignment != style_.alignment || style.rightToLeft != style_.rightToLeft;
    style_ = style;
    if (!window_) return;
    if (remake) {
        const std::wstring text = Text();
        const long caret = Caret();
        const bool focused = GetFocus() == window_;
        Destroy();
        Create(text, caret, focused);
        return;
    }
    SendMessageW(window_, EM_SETREADONLY, style.locked, 0);
    EnableWindow(window_, style.enabled);
}

void MaskTextBox::SetFont(HFONT font) {
    font_ = font;
    if (window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void MaskTextBox::SetColours(COLORREF back, COLORREF fore) { colours_.Set(window_, back, fore); }

LRESULT MaskTextBox::Colour(HDC dc) const { return colours_.Colour(dc); }

std::wstring MaskTextBox::Text() const { return EditText(window_); }

void MaskTextBox::SetText(const std::wstring& text) {
    if (window_) SetWindowTextW(window_, text.c_str());
}

long MaskTextBox::Caret() const {
    DWORD start = 0;
    if (window_) SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<long>(start);
}

void MaskTextBox::SetCaret(long position) {
    if (window_) SendMessageW(window_, EM_SETSEL, position, position);
}

// No error leaves the box's window procedure: a key whose handling failed is discarded.
void MaskTextBox::SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message,
                                   WPARAM& wParam, LPARAM& lParam) {
    try {
        Dispatch(before, handled, result, window, message, wParam, lParam);
    } catch (...) {
        handled = before;
        result = 0;
    }
}

void MaskTextBox::Dispatch(bool before, bool& handled, LRESULT& result, HWND, UINT message, WPARAM& wParam,
                           LPARAM lParam) {
    if (!before) {
        input_.BoxMouse(message, wParam, lParam);
        return;
    }
    switch (message) {
        case WM_KEYDOWN: handled = input_.BoxKeyDown(wParam); break;
        case WM_CHAR: handled = input_.BoxChar(wParam); break;
        case WM_KEYUP: input_.BoxKeyUp(wParam); break;
        case WM_SETCURSOR:  // the control's pointer
            handled = LOWORD(lParam) == HTCLIENT &&
                      SendMessageW(owner_, WM_SETCURSOR, reinterpret_cast<WPARAM>(owner_), lParam) != FALSE;
            result = handled ? TRUE : FALSE;
            break;
        default:
            handled = IsIn(kRefused, kRefused + sizeof(kRefused) / sizeof(kRefused[0]), message);
            break;
    }
}

}  // namespace kx
