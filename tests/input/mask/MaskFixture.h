#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>
#include <utility>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KeyboardInput.h"
#include "Korvix32_h.h"
#include "KxGetMask.h"
#include "TestSupport.h"

// Masked inputs for tests: placed in the project's container with their events recorded, and the
// real keyboard (SendInput) to type into them.
namespace kxtest {

inline void SetText(kx::KxGetMask* mask, HRESULT (STDMETHODCALLTYPE kx::KxGetMask::*let)(BSTR), const wchar_t* text) {
    BSTR value = SysAllocString(text);
    (mask->*let)(value);
    SysFreeString(value);
}

inline std::wstring GetText(kx::KxGetMask* mask, HRESULT (STDMETHODCALLTYPE kx::KxGetMask::*get)(BSTR*)) {
    BSTR value = nullptr;
    (mask->*get)(&value);
    return TakeBstr(value);
}

inline std::wstring ShownText(kx::KxGetMask* mask) { return GetText(mask, &kx::KxGetMask::get_Text); }
inline std::wstring ValueOf(kx::KxGetMask* mask) { return GetText(mask, &kx::KxGetMask::get_Value); }

// Masked inputs on a test window in the project's container; the first one's events are recorded
// by their identities, and a reaction may change their by-reference arguments.
class HostedMasks {
public:
    using Reaction = std::function<void(DISPID, DISPPARAMS*)>;
    explicit HostedMasks(int count = 1, Reaction react = nullptr, int x = 40, int y = 40)
        : window_(300, 60 + 40 * count, x, y), react_(std::move(react)) {
        host_ = new kx::ControlHost(window_.hwnd());
        for (int i = 0; i < count; ++i) {
            auto* mask = new kx::KxGetMask();
            const RECT bounds = {10, 10 + 40 * i, 190, 31 + 40 * i};
            host_->PlaceObject(static_cast<IOleObject*>(mask), L"mskTest" + std::to_wstring(i + 1), bounds, nullptr,
                               [this, i](DISPID id, DISPPARAMS* params) {
                                   if (i != 0) return;
                                   if (react_) react_(id, params);
                                   if (id != 7) events.push_back(id);  // without MouseMove
                               });
            masks_[i] = mask;
        }
    }
    ~HostedMasks() {
        delete host_;
        for (kx::KxGetMask* mask : masks_)
            if (mask) mask->Release();
    }
    HostedMasks(const HostedMasks&) = delete;
    HostedMasks& operator=(const HostedMasks&) = delete;

    kx::KxGetMask* mask(int i = 0) const { return masks_[i]; }
    HWND ControlWindow(int i = 0) const { return WindowOf(static_cast<IOleObject*>(masks_[i])); }
    HWND Box(int i = 0) const { return masks_[i]->TextBoxWindow(); }
    HWND HostWindow() const { return window_.hwnd(); }

    // Brings the test window to the front and the first box's caret to a place.
    bool FocusBox(long caret = 0) {
        SetForegroundWindow(window_.hwnd());
        SetFocus(Box());
        masks_[0]->put_SelStart(caret);
        return PumpUntil([&] { return GetFocus() == Box(); });
    }

    // Handles messages (the host moves the focus on Tab) until the condition holds; whether it does.
    bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 3000) {
        const DWORD end = GetTickCount() + milliseconds;
        for (;;) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (host_->TranslateAccelerator(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            if (condition()) return true;
            if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
            Sleep(5);
        }
    }
    // Handles what the keys typed so far caused.
    void Settle() { PumpUntil([] { return false; }, 150); }

    std::vector<DISPID> events;

private:
    ::kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::KxGetMask* masks_[6] = {};
    Reaction react_;
};

}  // namespace kxtest
