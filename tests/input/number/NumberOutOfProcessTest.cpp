// The numeric input in kxhelper's host mode, another process hosting it in Wine's atl.dll: its calculator
// drop-down opened, used and hidden by real clicks and keys from here, the result read back through the host.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "../../files/browser/HostedControl.h"
#include "ControlTestSupport.h"
#include "KeyboardInput.h"
#include "NumberFixture.h"
#include "RemoteInput.h"

namespace {

using kxtest::ClickAt;
using kxtest::FocusOfThread;
using kxtest::HostedControl;
using kxtest::Until;

BOOL CALLBACK FindDropDownWindow(HWND window, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (lstrcmpW(name, L"KorvixDropDown") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// A numeric input in the helper, starting at 12, its Value logged after each event.
struct NumberProcess {
    explicit NumberProcess(const std::wstring& setting = L"Value=12")
        : host(L"Korvix32.kxGetNumber", {setting, L"+Value"}) {
        box = FindWindowExW(host.control(), nullptr, L"Edit", nullptr);
    }

    HWND DropDown() const {
        HWND found = nullptr;
        EnumThreadWindows(GetWindowThreadProcessId(host.host(), nullptr), FindDropDownWindow,
                          reinterpret_cast<LPARAM>(&found));
        return found;
    }
    bool DropDownShown() const {
        const HWND window = DropDown();
        return window && IsWindowVisible(window);
    }
    // Brings the host to the front with the focus in the text box.
    bool FocusBox() {
        SetForegroundWindow(host.host());
        RECT text = {};
        GetClientRect(box, &text);
        ClickAt(box, {text.right / 2, text.bottom / 2});
        return Until([&] { return FocusOfThread(host.host()) == box; });
    }
    // A click on the drop button; true once the control has seen it.
    bool ClickButton(DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
        const size_t before = host.Lines().size();
        SetForegroundWindow(host.host());
        ClickAt(host.control(), kxtest::DropButtonPoint(host.control(), box), down, up);
        return host.WaitForLine(L"MouseUp(", 5000, before);
    }
    bool OpenByButton() {
        return ClickButton() && Until([&] { return DropDownShown(); });
    }
    bool OpenByKeys() {
        if (!FocusBox()) return false;
        kxtest::PressWithAlt(VK_DOWN);
        return Until([&] { return DropDownShown(); });
    }
    // Waits until the drop-down's calculator holds the focus.
    bool ReadoutFocused() const {
        return Until([&] {
            const HWND focus = FocusOfThread(host.host());
            return focus && IsChild(DropDown(), focus);
        });
    }

    HostedControl host;
    HWND box = nullptr;
};

TEST(NumberOutOfProcess, TheButtonOpensItAResultComesBackWithTheFocus) {
    NumberProcess number;
    ASSERT_TRUE(IsWindow(number.box)) << number.host.LinesFrom(0);
    ASSERT_TRUE(number.OpenByButton()) << number.host.LinesFrom(0);
    const HWND dropDown = number.DropDown();
    EXPECT_EQ(GetWindow(dropDown, GW_OWNER), number.host.host()) << "owned by the control's top-level window";
    RECT control = {}, dropped = {};
    GetWindowRect(number.host.control(), &control);
    GetWindowRect(dropDown, &dropped);
    EXPECT_EQ(control.left, dropped.left);
    ASSERT_TRUE(number.ReadoutFocused()) << number.host.LinesFrom(0);

    const size_t before = number.host.Lines().size();
    kxtest::TypeText(L"+3");
    kxtest::PressKey(VK_RETURN);
    kxtest::PressKey(VK_RETURN);
    ASSERT_TRUE(Until([&] { return !number.DropDownShown(); })) << number.host.LinesFrom(before);
    EXPECT_TRUE(number.host.WaitForLine(L"Change(", 5000, before)) << number.host.LinesFrom(before);
    EXPECT_EQ(number.host.Get(L"Value"), L"15");
    EXPECT_TRUE(Until([&] { return FocusOfThread(number.host.host()) == number.box; })) << "back in the text box";
    const DWORD selection = static_cast<DWORD>(SendMessageW(number.box, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 2) << "\"15\" all selected";
}

TEST(NumberOutOfProcess, AltDownOpensItAltF4AndAnotherWindowHideIt) {
    NumberProcess number;
    ASSERT_TRUE(number.OpenByKeys()) << number.host.LinesFrom(0);
    ASSERT_TRUE(number.ReadoutFocused());
    kxtest::PressWithAlt(VK_F4);
    EXPECT_TRUE(Until([&] { return !number.DropDownShown(); }));
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(number.host.host())) << "Alt+F4 hides only the drop-down";
    EXPECT_EQ(number.host.Get(L"Value"), L"12");

    ASSERT_TRUE(number.OpenByButton());
    kxtest::HostWindow other(200, 100, 700, 500);
    SetForegroundWindow(other.hwnd());
    ClickAt(other.hwnd(), {50, 50});
    EXPECT_TRUE(Until([&] { return !number.DropDownShown(); })) << "another process's window took the front";
    EXPECT_EQ(number.host.Get(L"Value"), L"12");
}

// Each case first checks that its input reached the control (the focus in the text box, a click logged).
TEST(NumberOutOfProcess, WhatDoesNotOpenIt) {
    const struct {
        const wchar_t* setting;
        const char* what;
        bool (*act)(NumberProcess&);
    } cases[] = {
        {L"Value=12", "right click", [](NumberProcess& n) { return n.ClickButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }},
        {L"Value=12", "F4", [](NumberProcess& n) {
             if (!n.FocusBox()) return false;
             kxtest::PressKey(VK_F4);
             return true;
         }},
        {L"Locked=True", "locked, Alt+Down", [](NumberProcess& n) {
             if (!n.FocusBox()) return false;
             kxtest::PressWithAlt(VK_DOWN);
             return true;
         }},
        {L"Locked=True", "locked, click", [](NumberProcess& n) { return n.ClickButton(); }},
    };
    for (const auto& c : cases) {
        NumberProcess number(c.setting);
        ASSERT_TRUE(IsWindow(number.box)) << c.what;
        EXPECT_TRUE(c.act(number)) << c.what << "\n" << number.host.LinesFrom(0);
        Sleep(400);
        EXPECT_FALSE(number.DropDownShown()) << c.what;
    }
}

}  // namespace
