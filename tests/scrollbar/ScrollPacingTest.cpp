// The real pacing of the repeat loops: the held button is the physical one the logical left button is on.
#include <gtest/gtest.h>

#include <windows.h>

#include "ControlTestSupport.h"
#include "ScrollPacing.h"

namespace {

void Mouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
    kxtest::PumpMessages(30);
}

TEST(ScrollPacing, TheHeldButtonFollowsSwappedButtons) {
    kx::ScrollPacing& pacing = kx::SystemPacing();
    for (const bool swapped : {false, true}) {
        SwapMouseButton(swapped);
        const DWORD down = swapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        const DWORD up = swapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        Mouse(down);
        EXPECT_TRUE(pacing.LeftButtonHeld()) << "swapped " << swapped;
        Mouse(up);
        EXPECT_FALSE(pacing.LeftButtonHeld()) << "swapped " << swapped;
    }
    SwapMouseButton(FALSE);
}

TEST(ScrollPacing, AWaitHandlesMessagesForAboutItsTimeAndTheClockGoesOn) {
    kx::ScrollPacing& pacing = kx::SystemPacing();
    bool posted = false;
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
    const double start = pacing.Now();
    pacing.Wait(0.1);
    const double waited = pacing.Now() - start;
    EXPECT_GE(waited, 0.099);
    EXPECT_LT(waited, 1.0);
    MSG msg;
    posted = PeekMessageW(&msg, window, WM_NULL, WM_NULL, PM_NOREMOVE) != 0;
    EXPECT_FALSE(posted) << "the waiting message was handled";
    DestroyWindow(window);
}

}  // namespace
