// The drop-down window: placement under its control, ownership, activation, auto-hide, close requests
// and its end with its owner.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "DialogDriver.h"
#include "DropDownWindow.h"
#include "GdiTestSupport.h"
#include "ProcessWindows.h"

namespace {

using kx::DropDownWindow;

using kxtest::PumpUntil;


// A host window with one child standing for the control.
struct Host {
    explicit Host(int x = 40, int y = 40) : window(300, 100, x, y) {
        control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 21, window.hwnd(), nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(window.hwnd());
    }
    kxtest::HostWindow window;
    HWND control;
};

RECT WindowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

TEST(DropDownWindow, CreatedHiddenWithAThinFrameAndNoTaskBarButton) {
    DropDownWindow dropDown;
    ASSERT_TRUE(dropDown.Exists());
    ASSERT_NE(nullptr, dropDown.Host());
    const LONG_PTR style = GetWindowLongPtrW(dropDown.Hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_DLGFRAME);
    EXPECT_FALSE(style & WS_BORDER) << "no caption";
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongPtrW(dropDown.Hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(dropDown.Shown());
    dropDown.SetClientSize(193, 190);
    RECT client = {};
    GetClientRect(dropDown.Hwnd(), &client);
    EXPECT_EQ(193, client.right);
    EXPECT_EQ(190, client.bottom);
}

TEST(DropDownWindow, OpensUnderItsControlOwnedAndActive) {
    Host host;
    int hidden = 0;
    DropDownWindow dropDown([&] { ++hidden; });
    dropDown.SetClientSize(150, 120);
    dropDown.Open(host.control, true);
    ASSERT_TRUE(PumpUntil([&] { return dropDown.Shown() && GetActiveWindow() == dropDown.Hwnd(); }));
    const RECT control = WindowRect(host.control);
    const RECT placed = WindowRect(dropDown.Hwnd());
    EXPECT_EQ(control.left, placed.left);
    EXPECT_EQ(control.bottom, placed.top);
    EXPECT_EQ(host.window.hwnd(), GetWindow(dropDown.Hwnd(), GW_OWNER));

    // Activating the host hides it on the next tick.
    SetForegroundWindow(host.window.hwnd());
    SetActiveWindow(host.window.hwnd());
    EXPECT_TRUE(PumpUntil([&] { return !dropDown.Shown(); }, 2000));
    EXPECT_EQ(1, hidden);
    EXPECT_TRUE(dropDown.Exists());

    // A second opening under another owner takes that owner.
    Host other(400, 300);
    dropDown.Open(other.control, true);
    ASSERT_TRUE(PumpUntil([&] { return dropDown.Shown(); }));
    EXPECT_EQ(other.window.hwnd(), GetWindow(dropDown.Hwnd(), GW_OWNER));
    EXPECT_EQ(WindowRect(other.control).bottom, WindowRect(dropDown.Hwnd()).top);
    dropDown.Hide();
    EXPECT_EQ(2, hidden);
}

TEST(DropDownWindow, CloseRequestsHideAndAltF4Too) {
    Host host;
    DropDownWindow dropDown;
    dropDown.SetClientSize(150, 120);
    dropDown.Open(host.control, true);
    ASSERT_TRUE(PumpUntil([&] { return dropDown.Shown(); }));
    SendMessageW(dropDown.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(dropDown.Shown());
    EXPECT_TRUE(dropDown.Exists());

    dropDown.Open(host.control, true);
    ASSERT_TRUE(PumpUntil([&] { return dropDown.Shown() && GetActiveWindow() == dropDown.Hwnd(); }));
    INPUT keys[4] = {};
    for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = VK_MENU;
    keys[1].ki.wVk = keys[2].ki.wVk = VK_F4;
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
    EXPECT_TRUE(PumpUntil([&] { return !dropDown.Shown(); }));
    EXPECT_TRUE(dropDown.Exists());
    EXPECT_TRUE(IsWindowVisible(host.window.hwnd())) << "Alt+F4 closes only the drop-down";
}

// A message box of the drop-down is active while it is up; the window stays shown under it.
TEST(DropDownWindow, ItsOwnMessageBoxDoesNotHideIt) {
    Host host;
    DropDownWindow dropDown;
    dropDown.SetClientSize(150, 120);
    dropDown.Open(host.control, true);
    ASSERT_TRUE(PumpUntil([&] { return dropDown.Shown() && GetActiveWindow() == dropDown.Hwnd(); }));
    std::atomic<bool> shownUnderBox{false};
    {
        kxtest::DialogDriver driver([&](HWND box) {
            Sleep(400);  // four ticks of the timer
            shownUnderBox = IsWindowVisible(dropDown.Hwnd()) != FALSE;
            kxtest::PressButton(box, IDOK);
        });
        MessageBoxW(dropDown.Hwnd(), L"Can't divide by zero", L"Calculator", MB_ICONEXCLAMATION);
        EXPECT_TRUE(driver.Found());
    }
    EXPECT_TRUE(shownUnderBox);
    PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(dropDown.Shown());
}

TEST(DropDownWindow, KeptOnScreenAtTheBottomAndRightEdges) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    Host host(screenWidth - 150, screenHeight - 60);
    DropDownWindow dropDown;
    dropDown.SetClientSize(193, 190);
    dropDown.Open(host.control, true);
    ASSERT_TRUE(PumpUntil([&] { return dropDown.Shown(); }));
    const RECT placed = WindowRect(dropDown.Hwnd());
    EXPECT_EQ(screenHeight, placed.bottom);
    EXPECT_EQ(screenWidth, placed.right);
    EXPECT_LT(placed.top, WindowRect(host.control).bottom) << "moved up over the control";
    dropDown.Hide();

    dropDown.Open(host.control, false);  // as the combo opens: under the control, wherever that is
    EXPECT_EQ(WindowRect(host.control).bottom, WindowRect(dropDown.Hwnd()).top);
}

TEST(DropDownWindow, GoesWithItsOwner) {
    DropDownWindow dropDown;
    {
        Host host;
        dropDown.Open(host.control, true);
        ASSERT_TRUE(PumpUntil([&] { return dropDown.Shown(); }));
    }
    EXPECT_FALSE(dropDown.Exists());
    EXPECT_EQ(nullptr, dropDown.Host());
    dropDown.Hide();  // nothing to hide, no failure
    dropDown.Open(nullptr, true);
}

TEST(DropDownWindow, OpenAndHideCyclesKeepHandlesFlat) {
    Host host;
    DropDownWindow dropDown;
    dropDown.SetClientSize(150, 120);
    auto cycle = [&] {
        dropDown.Open(host.control, true);
        dropDown.Hide();
    };
    for (int i = 0; i < 20; ++i) cycle();
    const DWORD gdi = kxtest::GdiObjectCount();
    const DWORD user = kxtest::UserObjectCount();
    for (int i = 0; i < 500; ++i) cycle();
    EXPECT_LE(kxtest::GdiObjectCount(), gdi + 2);
    EXPECT_LE(kxtest::UserObjectCount(), user + 2);
    EXPECT_TRUE(dropDown.Exists());
}

}  // namespace
