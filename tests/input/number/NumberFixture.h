#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KeyboardInput.h"
#include "Korvix32_h.h"
#include "KxCalculator.h"
#include "KxGetNumber.h"
#include "PropertyBag.h"
#include "TestSupport.h"

// Numeric inputs for tests: two on a test window in the project's container (the second to take the
// focus away), the first one's events recorded by identity, MouseMove left out.
namespace kxtest {

constexpr DISPID kNumberChange = 1;

inline std::wstring BoxText(kx::KxGetNumber* number) {
    BSTR text = nullptr;
    number->get_Text(&text);
    return TakeBstr(text);
}

inline double ValueOf(kx::KxGetNumber* number) {
    double value = -1;
    number->get_Value(&value);
    return value;
}

class HostedNumbers {
public:
    using Reaction = std::function<void(DISPID, DISPPARAMS*)>;
    // loaded: the controls are loaded from an empty bag, as a saved form loads them.
    explicit HostedNumbers(bool loaded = false, int x = 40, int y = 40, Reaction react = nullptr)
        : window_(300, 120, x, y), react_(std::move(react)) {
        host_ = new kx::ControlHost(window_.hwnd());
        for (int i = 0; i < 2; ++i) {
            numbers_[i] = new kx::KxGetNumber();
            kx::MemoryPropertyBag* bag = loaded ? new kx::MemoryPropertyBag() : nullptr;
            const RECT bounds = {10, 10 + 40 * i, 160, 31 + 40 * i};
            const std::wstring name = L"kxGetNumber" + std::to_wstring(i + 1);
            sites_[i] = host_->PlaceObject(static_cast<IOleObject*>(numbers_[i]), name, bounds, bag,
                                           [this, i](DISPID id, DISPPARAMS* params) {
                                               if (i != 0) return;
                                               if (react_) react_(id, params);
                                               if (id != DISPID_MOUSEMOVE) events.push_back(id);
                                           });
            if (bag) bag->Release();
        }
        SetForegroundWindow(window_.hwnd());
    }
    ~HostedNumbers() {
        delete host_;
        for (kx::KxGetNumber* number : numbers_) number->Release();
    }
    HostedNumbers(const HostedNumbers&) = delete;
    HostedNumbers& operator=(const HostedNumbers&) = delete;

    kx::KxGetNumber* number(int i = 0) const { return numbers_[i]; }
    HWND ControlWindow(int i = 0) const { return WindowOf(static_cast<IOleObject*>(numbers_[i])); }
    HWND Box(int i = 0) const { return numbers_[i]->TextBoxWindow(); }
    HWND HostWindow() const { return window_.hwnd(); }
    IDispatch* Extender(int i = 0) const { return sites_[i]->ExtenderDispatch(); }
    kx::CalcDropDown* DropDown() const { return numbers_[0]->DropDown(); }
    bool DropDownShown() const { return DropDown() && DropDown()->Shown(); }
    int Count(DISPID id) const {
        int n = 0;
        for (DISPID e : events) n += e == id;
        return n;
    }

    // Brings the test window to the front and the focus into a control's text box.
    bool FocusBox(int i = 0) {
        SetForegroundWindow(window_.hwnd());
        SetFocus(ControlWindow(i));
        return PumpUntil([&] { return GetFocus() == Box(i); });
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
    void Settle(DWORD milliseconds = 200) { PumpUntil([] { return false; }, milliseconds); }

    // The centre of the drop button in screen pixels.
    POINT ButtonCentre() const {
        const kx::PixelRect& r = numbers_[0]->ButtonRect();
        POINT p = {static_cast<LONG>((r.left + r.right) / 2), static_cast<LONG>((r.top + r.bottom) / 2)};
        ClientToScreen(ControlWindow(), &p);
        return p;
    }

    std::vector<DISPID> events;

private:
    ::kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::KxGetNumber* numbers_[2] = {};
    kx::ControlSite* sites_[2] = {};
    Reaction react_;
};

// Alt held with a key, through the input queue.
inline void PressWithAlt(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    add(VK_MENU, false);
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    add(VK_MENU, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace kxtest
