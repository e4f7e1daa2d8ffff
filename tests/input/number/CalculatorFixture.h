#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KxCalculator.h"
#include "MessagePump.h"
#include "PropertyBag.h"

// A calculator on a test window in the project's container, its events recorded.
namespace kxtest {

constexpr DISPID kGetValueEvent = -601;

inline std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

class HostedCalculator {
public:
    // loaded: placed as a control loaded from a saved form (an empty bag), so it is reset.
    explicit HostedCalculator(bool loaded = true, RECT bounds = {10, 10, 310, 310})
        : window_(340, 340) {
        host_ = new kx::ControlHost(window_.hwnd());
        calc_ = new kx::KxCalculator();
        kx::MemoryPropertyBag* bag = loaded ? new kx::MemoryPropertyBag() : nullptr;
        host_->PlaceObject(static_cast<IOleObject*>(calc_), L"kxCalculator1", bounds, bag,
                           [this](DISPID id, DISPPARAMS*) {
                               events.push_back(id);
                               if (onEvent) onEvent(id);
                           });
        if (bag) bag->Release();
        SetForegroundWindow(window_.hwnd());
    }
    ~HostedCalculator() {
        delete host_;
        calc_->Release();
    }
    HostedCalculator(const HostedCalculator&) = delete;
    HostedCalculator& operator=(const HostedCalculator&) = delete;

    kx::KxCalculator* calc() const { return calc_; }
    HWND Readout() const { return calc_->ReadoutWindow(); }
    HWND ControlWindow() const { return WindowOf(static_cast<IOleObject*>(calc_)); }
    HWND HostWindow() const { return window_.hwnd(); }
    std::wstring Shown() const { return WindowText(Readout()); }
    int Count(DISPID id) const {
        int n = 0;
        for (DISPID e : events) n += e == id;
        return n;
    }

    std::vector<DISPID> events;
    std::function<void(DISPID)> onEvent;

private:
    ::kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::KxCalculator* calc_ = nullptr;
};

}  // namespace kxtest
