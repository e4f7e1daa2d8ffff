#include "PictureBox.h"

#include <windowsx.h>

#include <utility>

#include "ClassicInput.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"

namespace kx {
namespace {

constexpr wchar_t kWindowClass[] = L"KxPictureBox";

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK; }

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

}  // namespace

PictureBox::PictureBox(HWND owner, std::function<void()> onPaint)
    : PictureBox(owner, std::move(onPaint), 0, nullptr) {}

PictureBox::PictureBox(HWND owner, int index, PictureBoxInput& input) : PictureBox(owner, {}, index, &input) {}

PictureBox::PictureBox(HWND owner, std::function<void()> onPaint, int index, PictureBoxInput* input)
    : owner_(owner), onPaint_(std::move(onPaint)), index_(index), input_(input) {
    RegisterModuleWindowClass({.name = kWindowClass, .procedure = &WindowProc, .style = CS_DBLCLKS});
    surface_.SetBackColor(GetSysColor(COLOR_BTNFACE));
    window_ = CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, owner,
                              nullptr, ModuleHandle(), this);
}

PictureBox::~PictureBox() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool PictureBox::Move(int left, int top, int width, int height) {
    if (width < 0 || height < 0) return false;
    place_ = {left, top, left + width, top + height};
    if (window_) SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    FitSurface();
    return true;
}

bool PictureBox::Visible() const { return window_ && IsWindowVisible(window_); }

void PictureBox::Focus() {
    if (window_) SetFocus(window_);
}

void PictureBox::Enable(bool enabled) {
    if (window_) EnableWindow(window_, enabled);
}

bool PictureBox::HasBorder() const {
    return window_ && (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

void PictureBox::SetBorder(bool fixedSingle) {
    if (!window_ || HasBorder() == fixedSingle) return;
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    style = fixedSingle ? (style | WS_EX_CLIENTEDGE) : (style & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrW(window_, GWL_EXSTYLE, style);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    FitSurface();
}

POINT PictureBox::ClientOrigin() const {
    POINT origin = {0, 0};
    if (window_) MapWindowPoints(window_, owner_, &origin, 1);
    return origin;
}

void PictureBox::ShowSurface() {
    if (!window_ || painting_) return;
    HDC dc = GetDC(window_);
    const RECT all = {0, 0, surface_.Width(), surface_.Height()};
    surface_.CopyTo(dc, all);
    ReleaseDC(window_, dc);
    ValidateRect(window_, nullptr);
}

// Without a window the surface keeps the outer size.
void PictureBox::FitSurface() {
    RECT client = {0, 0, Width(), Height()};
    if (window_) GetClientRect(window_, &client);
    if (client.right != surface_.Width() || client.bottom != surface_.Height())
        surface_.Resize(client.right, client.bottom);
}

LRESULT CALLBACK PictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* box = reinterpret_cast<PictureBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!box || (box->window_ && box->window_ != window)) return DefWindowProcW(window, message, wParam, lParam);
    if (!box->window_) box->window_ = window;  // during creation
    return box->HandleMessage(message, wParam, lParam);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    if (IsMouseMessage(message) || IsKeyMessage(message))
        return input_ ? ReportInput(message, wParam, lParam) : PassToOwner(message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY: window_ = nullptr; break;  // destroyed with the owner's window
        case WM_SIZE: FitSurface(); return 0;
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEACTIVATE: return MA_ACTIVATE;
        default: break;
    }
    if (!input_) {
        switch (message) {
            case WM_SETFOCUS: SetFocus(owner_); return 0;  // the owner takes the keys
            case WM_SETCURSOR:
                return SendMessageW(owner_, WM_SETCURSOR, reinterpret_cast<WPARAM>(owner_), lParam);
            default: break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_SETFOCUS: input_->BoxGotFocus(index_); return 0;
        case WM_CANCELMODE:
            if (GetCapture() == window) ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
            if (pressedButtons_) {
                pressedButtons_ = 0;
                input_->BoxCaptureLost(index_);
            }
            return 0;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The owner gets the message as if it had come to its own window.
LRESULT PictureBox::PassToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsMouseMessage(message) && message != WM_MOUSEWHEEL) {
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(window_, owner_, &at, 1);
        lParam = MAKELPARAM(at.x, at.y);
    }
    return SendMessageW(owner_, message, wParam, lParam);
}

// Each report is the last thing done: its handler may destroy the box.
LRESULT PictureBox::ReportInput(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsButtonDown(message) || IsButtonUp(message)) {
        ReportMouseButton(message, lParam);
        return 0;
    }
    switch (message) {
        case WM_MOUSEMOVE:
            input_->BoxMouseMove(index_, HeldButtons(wParam), ShiftState(), static_cast<float>(GET_X_LPARAM(lParam)),
                                 static_cast<float>(GET_Y_LPARAM(lParam)));
            return 0;
        case WM_KEYDOWN: input_->BoxKeyDown(index_, static_cast<short>(wParam), ShiftState()); return 0;
        case WM_KEYUP: case WM_CHAR: return 0;
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void PictureBox::ReportMouseButton(UINT message, LPARAM lParam) {
    const short button = ButtonOf(message);
    const float x = static_cast<float>(GET_X_LPARAM(lParam));
    const float y = static_cast<float>(GET_Y_LPARAM(lParam));
    PictureBoxInput* input = input_;
    const int index = index_;
    if (IsButtonDown(message)) {
        if (GetFocus() != window_) SetFocus(window_);
        if (!window_) return;
        if (!pressedButtons_) SetCapture(window_);
        pressedButtons_ |= button;
        input->BoxMouseDown(index, button, ShiftState(), x, y);
        return;
    }
    pressedButtons_ &= ~static_cast<UINT>(button);
    if (!pressedButtons_ && GetCapture() == window_) ReleaseCapture();
    input->BoxMouseUp(index, button, ShiftState(), x, y);
}

void PictureBox::OnPaint() {
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
