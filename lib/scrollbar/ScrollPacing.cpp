#include "ScrollPacing.h"

#include <windows.h>

#include <cmath>

#include "ClassicRuntime.h"

namespace kx {
namespace {

class SystemScrollPacing : public ScrollPacing {
public:
    double Now() override { return MonotonicSeconds(); }
    bool LeftButtonHeld() override {
        const int key = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
        return (GetAsyncKeyState(key) & 0x8000) != 0;  // the high bit: down now
    }
    void HandleMessages() override { DoEvents(); }
    void Wait(double seconds) override {
        const double until = Now() + seconds;
        for (;;) {
            DoEvents();
            const double left = until - Now();
            if (left <= 0) return;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::ceil(left * 1000)), QS_ALLINPUT);
        }
    }
};

}  // namespace

ScrollPacing& SystemPacing() {
    static SystemScrollPacing pacing;
    return pacing;
}

}  // namespace kx
