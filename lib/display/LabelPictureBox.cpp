#include "LabelPictureBox.h"

#include <windowsx.h>

#include <utility>

namespace kx {
namespace {

constexpr wchar_t kWindowClass[] = L"KxLabelPicture";

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW cls = {sizeof(cls)};
    if (GetClassInfoExW(ThisModule(), kWindowClass, &cls)) return;
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = procedure;
    cls.hInstance = ThisModule();
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = kWindowClass;
    RegisterClassExW(&cls);
}

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK; }

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

}  // namespace

LabelPictureBox::LabelPictureBox(HWND owner, std::function<void()> onPaint)
    : owner_(owner), onPaint_(std::move(onPaint)) {
    RegisterWindowClass(&WindowProc);
    surface_.SetBackColor(GetSysColor(COLOR_BTNFACE));
    window_ = CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, owner,
                              nullptr, ThisModule(), this);
}

LabelPictureBox::~LabelPictureBox() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void LabelPictureBox::Place(int width, int height) {
    if (window_) SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    FitSurface();
}

bool LabelPictureBox::HasBorder() const {
    return window_ && (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

void LabelPictureBox::SetBorder(bool fixedSingle) {
    if (!window_ || HasBorder() == fixedSingle) return;
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    style = fixedSingle ? (style | WS_EX_CLIENTEDGE) : (style & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrW(window_, GWL_EXSTYLE, style);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    FitSurface();
}

POINT LabelPictureBox::ClientOrigin() const {
    POINT origin = {0, 0};
    if (window_) MapWindowPoints(window_, owner_, &origin, 1);
    return origin;
}

void LabelPictureBox::ShowSurface() {
    if (!window_ || painting_) return;
    HDC dc = GetDC(window_);
    const RECT all = {0, 0, surface_.Width(), surface_.Height()};
    surface_.CopyTo(dc, all);
    ReleaseDC(window_, dc);
    ValidateRect(window_, nullptr);
}

void LabelPictureBox::FitSurface() {
    RECT client = {};
    if (window_) GetClientRect(window_, &client);
    if (client.right != surface_.Width() || client.bottom != surface_.Height())
        surface_.Resize(client.right, client.bottom);
}

LRESULT CALLBACK LabelPictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* box = reinterpret_cast<LabelPictureBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!box || (box->window_ && box->window_ != window)) return DefWindowProcW(window, message, wParam, lParam);
    if (!box->window_) box->window_ = window;  // during creation
    return box->HandleMessage(message, wParam, lParam);
}

LRESULT LabelPictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    if (IsMouseMessage(message) || IsKeyMessage(message)) return PassToOwner(message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY: window_ = nullptr; break;  // destroyed with the owner's window
        case WM_SIZE: FitSurface(); return 0;
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SETFOCUS: SetFocus(owner_); return 0;  // the owner takes the keys
        case WM_SETCURSOR:
            return SendMessageW(owner_, WM_SETCURSOR, reinterpret_cast<WPARAM>(owner_), lParam);
        case WM_MOUSEACTIVATE: return MA_ACTIVATE;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The owner gets the message as if it had come to its own window.
LRESULT LabelPictureBox::PassToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsMouseMessage(message) && message != WM_MOUSEWHEEL) {
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(window_, owner_, &at, 1);
        lParam = MAKELPARAM(at.x, at.y);
    }
    return SendMessageW(owner_, message, wParam, lParam);
}

void LabelPictureBox::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    painting_ = true;
    if (onPaint_) onPaint_();
    painting_ = false;
    const RECT all = {0, 0, surface_.Width(), surface_.Height()};
    surface_.CopyTo(dc, all);
    EndPaint(window_, &ps);
}

}  // namespace kx
