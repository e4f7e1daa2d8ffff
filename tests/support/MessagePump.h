#pragma once
#include <windows.h>

#include <functional>

namespace kxtest {

// Handles this thread's messages until the condition holds (true) or the time is up (false).
inline bool PumpUntilTrue(const std::function<bool()>& condition, DWORD milliseconds = 3000) {
    const DWORD end = GetTickCount() + milliseconds;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (condition()) return true;
        if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
        Sleep(5);
    }
}

}  // namespace kxtest
