#pragma once
#include <windows.h>
#include <unknwn.h>

#include <functional>

// The form runtime's timer for a control: Interval in milliseconds (0: no ticks) and Enabled. Each
// tick runs with a reference held on the owner, so a handler may drop the host's last one; a tick
// never re-enters itself (a handler that pumps messages gets no nested tick).
namespace kx {

class WindowTimer {
public:
    WindowTimer(IUnknown* owner, std::function<void()> onTick);
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    UINT Interval() const { return interval_; }
    void SetInterval(UINT milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Whether ticks come: enabled with an interval.
    bool Running() const { return enabled_ && interval_ > 0; }

    // One tick now, as the timer gives it. The timer may be destroyed by the time it returns.
    void Tick();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Apply();

    IUnknown* owner_;  // not add-ref'd: the owner holds the timer
    std::function<void()> onTick_;
    HWND window_ = nullptr;
    UINT interval_ = 0;
    bool enabled_ = true;
    bool ticking_ = false;
};

}  // namespace kx
