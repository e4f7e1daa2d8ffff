// kxGetNumber's calculator drop-down under real input: what opens it and what does not, a result
// written back, the division-by-zero message, auto-hide and Alt+F4, the focus, and handle counts.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "../../runtime/ToolTipTools.h"
#include "DialogDriver.h"
#include "GdiTestSupport.h"
#include "NumberFixture.h"
#include "ProcessWindows.h"

namespace {

using kxtest::HostedNumbers;
using kxtest::kNumberChange;
using kxtest::ValueOf;

void MouseAt(POINT p, DWORD down, DWORD up, POINT release) {
    SetCursorPos(p.x, p.y);
    kxtest::PumpMessages(50);
    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = down;
    SendInput(1, &press, sizeof(INPUT));
    kxtest::PumpMessages(50);
    SetCursorPos(release.x, release.y);
    kxtest::PumpMessages(50);
    INPUT lift = {};
    lift.type = INPUT_MOUSE;
    lift.mi.dwFlags = up;
    SendInput(1, &lift, sizeof(INPUT));
}

void LeftClick(POINT p) { MouseAt(p, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, p); }

// Opens the drop-down by Alt+Down in the focused text box.
bool OpenByKeys(HostedNumbers& h) {
    if (!h.FocusBox()) return false;
    kxtest::PressWithAlt(VK_DOWN);
    return h.PumpUntil([&] { return h.DropDownShown(); });
}

HWND Readout(HostedNumbers& h) { return h.DropDown()->Calculator()->ReadoutWindow(); }

TEST(NumberDropDown, ButtonClickAndAltDownOpenIt) {
    HostedNumbers h;
    LeftClick(h.ButtonCentre());
    ASSERT_TRUE(h.PumpUntil([&] { return h.DropDownShown(); })) << "a click on the drop button";
    EXPECT_TRUE(h.PumpUntil([&] { return GetFocus() == Readout(h); })) << "the readout has the focus";
    EXPECT_TRUE(h.Count(DISPID_MOUSEDOWN) >= 1 && h.Count(DISPID_MOUSEUP) >= 1);
    RECT control = {}, dropped = {};
    GetWindowRect(h.ControlWindow(), &control);
    GetWindowRect(h.DropDown()->Hwnd(), &dropped);
    EXPECT_EQ(control.left, dropped.left);
    EXPECT_EQ(control.bottom, dropped.top);
    RECT client = {};
    GetClientRect(h.DropDown()->Hwnd(), &client);
    EXPECT_EQ(169, client.right) << "the calculator's size";
    EXPECT_EQ(161, client.bottom);
    h.DropDown()->Hide();
    h.events.clear();
    EXPECT_TRUE(OpenByKeys(h)) << "Alt+Down";
    EXPECT_GE(h.Count(DISPID_KEYDOWN), 1) << "KeyDown comes first";
}

TEST(NumberDropDown, WhatDoesNotOpenIt) {
    const struct {
        const char* what;
        void (*act)(HostedNumbers&);
    } cases[] = {
        {"right click", [](HostedNumbers& h) { MouseAt(h.ButtonCentre(), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP,
                                                       h.ButtonCentre()); }},
        {"drag off the button", [](HostedNumbers& h) {
             POINT off = h.ButtonCentre();
             off.x += 60;
             MouseAt(h.ButtonCentre(), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, off);
         }},
        {"Alt+Shift+Down", [](HostedNumbers& h) { h.FocusBox(); kxtest::PressWithAlt(VK_DOWN, true); }},
        {"F4", [](HostedNumbers& h) { h.FocusBox(); kxtest::PressKey(VK_F4); }},
        {"locked, click", [](HostedNumbers& h) { h.number()->put_Locked(VARIANT_TRUE); LeftClick(h.ButtonCentre()); }},
        {"locked, Alt+Down", [](HostedNumbers& h) {
             h.number()->put_Locked(VARIANT_TRUE);
             h.FocusBox();
             kxtest::PressWithAlt(VK_DOWN);
         }},
        {"disabled, click", [](HostedNumbers& h) { h.number()->put_Enabled(VARIANT_FALSE); LeftClick(h.ButtonCentre()); }},
    };
    for (const auto& c : cases) {
        HostedNumbers h;
        c.act(h);
        h.Settle(300);
        EXPECT_FALSE(h.DropDownShown()) << c.what;
    }
    HostedNumbers h;
    h.number()->put_Locked(VARIANT_TRUE);
    EXPECT_EQ(S_OK, h.number()->ShowComboCalc());
    EXPECT_TRUE(h.PumpUntil([&] { return h.DropDownShown(); })) << "the host's call still opens a locked control";
}

TEST(NumberDropDown, AResultIsWrittenBackAndTheFocusReturns) {
    HostedNumbers h;
    h.number()->put_Value(12);
    ASSERT_TRUE(OpenByKeys(h));
    ASSERT_TRUE(h.PumpUntil([&] { return GetFocus() == Readout(h); }));
    h.events.clear();
    kxtest::TypeText(L"+3");
    kxtest::PressKey(VK_RETURN);
    kxtest::PressKey(VK_RETURN);
    ASSERT_TRUE(h.PumpUntil([&] { return !h.DropDownShown(); }));
    EXPECT_EQ(15, ValueOf(h.number()));
    EXPECT_GE(h.Count(kNumberChange), 1);
    EXPECT_TRUE(h.PumpUntil([&] { return GetFocus() == h.Box(); })) << "back in the text box";
    DWORD start = 1, end = 0;
    SendMessageW(h.Box(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(2u, end) << "\"15\" all selected";

    // A text that is no number starts the calculator at 0.
    SetWindowTextW(h.Box(), L"abc");
    ASSERT_TRUE(OpenByKeys(h));
    double start0 = -1;
    h.DropDown()->Calculator()->get_Value(&start0);
    EXPECT_EQ(0, start0);
}

TEST(NumberDropDown, ItsOwnMessageBoxKeepsItOpen) {
    HostedNumbers h;
    ASSERT_TRUE(OpenByKeys(h));
    ASSERT_TRUE(h.PumpUntil([&] { return GetFocus() == Readout(h); }));
    std::atomic<bool> shownUnderBox{false};
    {
        kxtest::DialogDriver driver([&](HWND box) {
            Sleep(400);
            shownUnderBox = IsWindowVisible(h.DropDown()->Hwnd()) != FALSE;
            kxtest::PressButton(box, IDOK);
        });
        kxtest::TypeText(L"8/0");
        kxtest::PressKey(VK_RETURN);
        h.PumpUntil([&] { return driver.Found() && kxtest::ProcessDialogs().empty(); }, 10000);
        EXPECT_TRUE(driver.Found());
    }
    EXPECT_TRUE(shownUnderBox);
    h.Settle(300);
    EXPECT_TRUE(h.DropDownShown());
    // Esc clears and keeps it open.
    kxtest::PressKey(VK_ESCAPE);
    h.Settle(200);
    EXPECT_TRUE(h.DropDownShown());
}

TEST(NumberDropDown, HiddenByAnotherActiveWindowAndByAltF4) {
    HostedNumbers h;
    h.number()->put_Value(5);
    ASSERT_TRUE(OpenByKeys(h));
    RECT host = {};
    GetWindowRect(h.HostWindow(), &host);
    LeftClick({host.right - 10, host.bottom - 10});
    EXPECT_TRUE(h.PumpUntil([&] { return !h.DropDownShown(); }, 3000)) << "a click on the host";
    EXPECT_EQ(5, ValueOf(h.number()));

    ASSERT_TRUE(OpenByKeys(h));
    kxtest::PressWithAlt(VK_F4);
    EXPECT_TRUE(h.PumpUntil([&] { return !h.DropDownShown(); }));
    EXPECT_TRUE(IsWindowVisible(h.HostWindow())) << "Alt+F4 hides only the drop-down";
    EXPECT_EQ(5, ValueOf(h.number()));
    EXPECT_TRUE(h.DropDown()->Exists());
}

TEST(NumberDropDown, UnshownOrDesignModeOpensNothing) {
    auto* loose = new kx::KxGetNumber();
    EXPECT_EQ(S_OK, loose->ShowComboCalc());
    EXPECT_EQ(nullptr, loose->DropDown());
    loose->Release();
}

TEST(NumberDropDown, OpenAndHideCyclesKeepHandlesFlat) {
    HostedNumbers h;
    ASSERT_TRUE(OpenByKeys(h));
    auto cycle = [&] {
        h.number()->ShowComboCalc();
        h.DropDown()->Hide();
    };
    for (int i = 0; i < 10; ++i) cycle();
    DWORD gdi = kxtest::GdiObjectCount();
    DWORD user = kxtest::UserObjectCount();
    for (int i = 0; i < 100; ++i) cycle();  // the window alone goes through 500 in its own test
    EXPECT_LE(kxtest::GdiObjectCount(), gdi + 4);
    EXPECT_LE(kxtest::UserObjectCount(), user + 4);
}

// 200 controls made and destroyed, each with a tooltip; every twentieth opened its drop-down first. The tooltip
// windows are counted on their own too, so a leaked one is named as such.
TEST(NumberDropDown, CreateDestroyCyclesKeepHandlesFlat) {
    int made = 0;
    auto make = [&made] {
        HostedNumbers n;
        kxtest::GiveToolTip(n.Extender(), L"Price");
        if (++made % 20 == 0) n.number()->ShowComboCalc();
    };
    for (int i = 0; i < 10; ++i) make();
    const DWORD gdi = kxtest::GdiObjectCount();
    const DWORD user = kxtest::UserObjectCount();
    const size_t tips = kxtest::ProcessToolTipWindows().size();
    for (int i = 0; i < 200; ++i) make();
    EXPECT_LE(kxtest::GdiObjectCount(), gdi + 4);
    EXPECT_LE(kxtest::UserObjectCount(), user + 4);
    EXPECT_EQ(kxtest::ProcessToolTipWindows().size(), tips);
}

}  // namespace
