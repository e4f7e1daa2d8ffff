#include "WindowTimer.h"

#include <utility>

#include "InstanceWindowProc.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"

namespace kx {
namespace {

constexpr wchar_t kWindowClass[] = L"KxWindowTimer";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

WindowTimer::WindowTimer(IUnknown* owner, std::function<void()> onTick) : owner_(owner), onTick_(std::move(onTick)) {
    RegisterModuleWindowClass(
        {.name = kWindowClass,
         .procedure = &InstanceWindowProc<WindowTimer, &WindowTimer::window_, &WindowTimer::HandleMessage>,
         .cursor = nullptr});
    CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleHandle(), this);
}

WindowTimer::~WindowTimer() {
    if (!window_) return;
    KillTimer(window_, kTimerId);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void WindowTimer::SetInterval(UINT milliseconds) {
    interval_ = milliseconds;
    Apply();
}

void WindowTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

void WindowTimer::Apply() {
    if (!window_) return;
    if (Running())
        SetTimer(window_, kTimerId, interval_, nullptr);
    else
        KillTimer(window_, kTimerId);
}

void WindowTimer::Tick() {
    if (ticking_) return;
    ticking_ = true;
    IUnknown* owner = owner_;
    owner->AddRef();
    onTick_();
    ticking_ = false;
    owner->Release();  // may destroy this timer
}

LRESULT WindowTimer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (Running()) Tick();
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace kx
