#include "DropDownWindow.h"

#include "ControlHost.h"
#include "DropDownPlacement.h"
#include "AmbientProperties.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"

namespace kx {
namespace {

constexpr const wchar_t* kWindowClass = L"KorvixDropDown";

PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The whole rectangle of the monitor nearest the control.
PixelRect MonitorOf(const PixelRect& control) {
    const RECT r = {static_cast<LONG>(control.left), static_cast<LONG>(control.top), static_cast<LONG>(control.right),
                    static_cast<LONG>(control.bottom)};
    MONITORINFO info = {sizeof(info)};
    if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return ToPixelRect(info.rcMonitor);
}

}  // namespace

DropDownWindow::DropDownWindow(std::function<void()> onHidden) : onHidden_(std::move(onHidden)) {
    RegisterModuleWindowClass(
        {.name = kWindowClass, .procedure = WindowProc, .style = CS_DBLCLKS, .background = COLOR_BTNFACE});
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN, 0, 0,
                              100, 100, nullptr, nullptr, ModuleHandle(), this);
    if (!window_) return;
    host_ = std::make_unique<ControlHost>(window_);
    if (IFontDisp* font = CreateFontObject(L"Tahoma", 8.25, DEFAULT_CHARSET)) {
        host_->SetFont(font);
        font->Release();
    }
}

DropDownWindow::~DropDownWindow() {
    destroying_ = true;
    if (window_) DestroyWindow(window_);
}

void DropDownWindow::SetClientSize(int width, int height) {
    if (!window_) return;
    RECT r = {0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    RECT now = {};
    GetWindowRect(window_, &now);
    if (now.right - now.left == r.right - r.left && now.bottom - now.top == r.bottom - r.top) return;
    SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (control_.right > control_.left) KeepOnScreen();
}

void DropDownWindow::Open(HWND control, bool keepOnScreen) {
    if (!window_ || !control) return;
    RECT r = {};
    GetWindowRect(control, &r);
    control_ = ToPixelRect(r);
    SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(GetAncestor(control, GA_ROOT)));
    const PixelPoint place = PlaceUnder(control_);
    SetWindowPos(window_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (keepOnScreen) KeepOnScreen();
    SetTimer(window_, kAutoHideTimer, kAutoHideMilliseconds, nullptr);
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
}

void DropDownWindow::Hide() { HideFor(false); }

void DropDownWindow::HideFor(bool otherWindow) {
    hiddenForOtherWindow_ = otherWindow;
    if (!window_) return;
    KillTimer(window_, kAutoHideTimer);
    if (!IsWindowVisible(window_)) return;
    ShowWindow(window_, SW_HIDE);
    if (onHidden_) onHidden_();
}

void DropDownWindow::KeepOnScreen() {
    RECT r = {};
    GetWindowRect(window_, &r);
    const PixelPoint place =
        KeepOnMonitor({r.left, r.top}, r.right - r.left, r.bottom - r.top, MonitorOf(control_));
    if (place.x != r.left || place.y != r.top)
        SetWindowPos(window_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DropDownWindow::Holds(HWND window) const {
    if (!window_) return false;
    for (HWND w = window; w; w = GetWindow(w, GW_OWNER))
        if (w == window_ || IsChild(window_, w)) return true;
    return false;
}

void DropDownWindow::OnAutoHideTimer() {
    if (Holds(GetActiveWindow())) return;
    HideFor(true);
}

// As a dialog does: the focus goes back to the child that had it. False leaves the default handling.
bool DropDownWindow::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) lastFocus_ = focus;
        return false;
    }
    if (!lastFocus_ || !IsWindow(lastFocus_) || !IsChild(window_, lastFocus_)) return false;
    SetFocus(lastFocus_);
    return true;
}

// Destroyed with its owner: the contents go while their windows still exist.
void DropDownWindow::OnDestroy() {
    KillTimer(window_, kAutoHideTimer);
    if (!destroying_) host_.reset();
}

LRESULT CALLBACK DropDownWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<DropDownWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<DropDownWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT DropDownWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam != kAutoHideTimer) break;
            OnAutoHideTimer();
            return 0;
        case WM_CLOSE:  // hidden, never closed: the contents stay for the next opening
            Hide();
            return 0;
        case WM_ACTIVATE:
            if (OnActivate(LOWORD(wParam) != WA_INACTIVE)) return 0;
            break;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace kx
