// kxCalculator in the project's container: its buttons and readout, real clicks and keys, GetValue,
// the division-by-zero message, its size, members and persistence.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <string>

#include "CalculatorFixture.h"
#include "CalculatorLayout.h"
#include "DialogDriver.h"
#include "ErrorInfo.h"
#include "GdiTestSupport.h"
#include "KeyboardInput.h"
#include "PersistenceTestSupport.h"
#include "ProcessWindows.h"

namespace {

using kxtest::HostedCalculator;
using kxtest::kGetValueEvent;
using kxtest::PumpUntil;

int ButtonIndex(const wchar_t* name) {
    for (int i = 0; i < kx::kCalculatorButtonCount; ++i)
        if (std::wstring(kx::kCalculatorButtons[i].name) == name) return i;
    return -1;
}

void ClickButton(HostedCalculator& h, const wchar_t* name) {
    RECT r = {};
    GetWindowRect(h.calc()->ButtonWindow(ButtonIndex(name)), &r);
    kxtest::SendLeftClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

TEST(CalculatorControl, TwentyNineButtonsWithoutTabStopsAndTheReadout) {
    HostedCalculator h;
    int buttons = 0;
    for (int i = 0; i < kx::kCalculatorButtonCount; ++i) {
        HWND button = h.calc()->ButtonWindow(i);
        ASSERT_NE(nullptr, button) << i;
        wchar_t cls[16] = {};
        GetClassNameW(button, cls, 16);
        EXPECT_STREQ(L"Button", cls);
        EXPECT_FALSE(GetWindowLongPtrW(button, GWL_STYLE) & WS_TABSTOP);
        ++buttons;
    }
    EXPECT_EQ(29, buttons);
    EXPECT_TRUE(GetWindowLongPtrW(h.Readout(), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(L"0.", h.Shown()) << "a loaded calculator is reset";
    // Wine has no Wingdings: the Back button shows an arrow in the plain font.
    EXPECT_EQ(std::wstring(1, kx::kBackArrow), kxtest::WindowText(h.calc()->ButtonWindow(ButtonIndex(L"cmdBack"))));
    EXPECT_EQ(L"+ =", kxtest::WindowText(h.calc()->ButtonWindow(ButtonIndex(L"Operator(0)"))));
}

TEST(CalculatorControl, NewlyPlacedShowsItsDesignTextAndKeepsItsSize) {
    HostedCalculator h(false);
    EXPECT_EQ(L"123,456,789,123.1234", h.Shown());
    RECT client = {};
    GetClientRect(h.ControlWindow(), &client);
    EXPECT_EQ(169, client.right) << "2535 twips";
    EXPECT_EQ(161, client.bottom) << "2415 twips";
    RECT readout = {};
    GetClientRect(h.Readout(), &readout);
    EXPECT_EQ(169, readout.right);
}

TEST(CalculatorControl, RealClicksKeepTheFocusInTheReadout) {
    HostedCalculator h;
    for (const wchar_t* name : {L"Number(1)", L"Number(2)", L"Operator(0)", L"Number(3)", L"Operator(0)"}) {
        ClickButton(h, name);
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == h.Readout(); })) << "after " << name;
    }
    EXPECT_TRUE(PumpUntil([&] { return h.Shown() == L"15"; })) << h.Shown();
    EXPECT_EQ(0, h.Count(kGetValueEvent));
    ClickButton(h, L"Operator(0)");
    EXPECT_TRUE(PumpUntil([&] { return h.Count(kGetValueEvent) == 1; }));
    double value = 0;
    EXPECT_EQ(S_OK, h.calc()->get_Value(&value));
    EXPECT_EQ(15, value);
}

// The keyboard table through the real keyboard: 1 2 + 3 Enter Enter confirms 15; Esc clears.
TEST(CalculatorControl, KeysActAsTheirButtons) {
    double readInHandler = 0;
    HostedCalculator h;
    h.onEvent = [&](DISPID id) {
        if (id == kGetValueEvent) h.calc()->get_Value(&readInHandler);  // Value may be read inside GetValue
    };
    SetFocus(h.Readout());
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == h.Readout(); }));
    kxtest::TypeText(L"12+3");
    kxtest::PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return h.Shown() == L"15"; })) << h.Shown();
    kxtest::PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return h.Count(kGetValueEvent) == 1; }));
    EXPECT_EQ(15, readInHandler);
    EXPECT_EQ(1, h.Count(kGetValueEvent)) << "reading Value inside the handler raises no second GetValue";
    kxtest::PressKey(VK_ESCAPE);  // else 8 would be added to the confirmed 15
    kxtest::TypeText(L"8/2=");
    EXPECT_TRUE(PumpUntil([&] { return h.Shown() == L"4"; })) << h.Shown();
    kxtest::TypeText(L"7");
    kxtest::PressKey(VK_BACK);
    EXPECT_TRUE(PumpUntil([&] { return h.Shown() == L"0."; })) << h.Shown();
    kxtest::TypeText(L"9a");
    kxtest::PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return h.Shown() == L"0."; })) << h.Shown();
}

TEST(CalculatorControl, DivisionByZeroShowsItsMessageAndKeepsTheFirstOperand) {
    HostedCalculator h;
    std::wstring title, text;
    {
        kxtest::DialogDriver driver([&](HWND box) {
            title = kxtest::WindowText(box);
            HWND label = GetDlgItem(box, 0xFFFF);
            if (label) text = kxtest::WindowText(label);
            kxtest::PressButton(box, IDOK);
        });
        for (const wchar_t* name : {L"Number(8)", L"Operator(3)", L"Number(0)", L"Operator(0)"})
            h.calc()->Press(ButtonIndex(name));
        EXPECT_TRUE(driver.Found());
    }
    EXPECT_EQ(L"Calculator", title);
    EXPECT_EQ(L"Can't divide by zero", text);
    EXPECT_EQ(L"8.", h.Shown());
}

TEST(CalculatorControl, ValueAndResetValueMembers) {
    HostedCalculator h;
    EXPECT_EQ(S_OK, h.calc()->put_Value(12.5));
    EXPECT_EQ(L"12.5", h.Shown());
    h.calc()->Press(ButtonIndex(L"Number(5)"));
    EXPECT_EQ(L"12.55", h.Shown());
    EXPECT_EQ(S_OK, h.calc()->put_Value(7));
    EXPECT_EQ(L"7.", h.Shown());
    EXPECT_EQ(kx::ErrorHResult(380), h.calc()->put_Value(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(kx::ErrorHResult(380), h.calc()->put_Value(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(L"7.", h.Shown()) << "kept";
    EXPECT_EQ(S_OK, h.calc()->ResetValue());
    EXPECT_EQ(L"0.", h.Shown());
    // "-" pending as a new negative number is no number: Value's get fails with a type mismatch.
    for (const wchar_t* name : {L"Number(5)", L"Operator(0)", L"Operator(1)"}) h.calc()->Press(ButtonIndex(name));
    double value = 0;
    EXPECT_EQ(kx::ErrorHResult(13), h.calc()->get_Value(&value));
}

TEST(CalculatorControl, EnabledAndItsBag) {
    HostedCalculator h;
    VARIANT_BOOL enabled = 0;
    h.calc()->get_Enabled(&enabled);
    EXPECT_EQ(VARIANT_TRUE, enabled);
    kxtest::SavedBag saved;
    IPersistPropertyBag* persist = nullptr;
    h.calc()->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    persist->Save(saved.bag, TRUE, TRUE);
    EXPECT_TRUE(saved.Keys().empty()) << "the default is not written";
    h.calc()->put_Enabled(VARIANT_FALSE);
    EXPECT_FALSE(IsWindowEnabled(h.ControlWindow()));
    kxtest::SavedBag disabled;
    persist->Save(disabled.bag, TRUE, TRUE);
    persist->Release();
    ASSERT_EQ(std::vector<std::wstring>{L"Enabled"}, disabled.Keys());
    EXPECT_EQ(VARIANT_FALSE, disabled.bag->Find(L"Enabled")->boolVal);

    auto* loaded = new kx::KxCalculator();
    IPersistPropertyBag* load = nullptr;
    loaded->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&load));
    EXPECT_EQ(S_OK, load->Load(disabled.bag, nullptr));
    load->Release();
    loaded->get_Enabled(&enabled);
    EXPECT_EQ(VARIANT_FALSE, enabled);
    EXPECT_EQ(L"0.", kxtest::WindowText(loaded->ReadoutWindow()));
    loaded->Release();
}

TEST(CalculatorControl, CreateAndDestroyCyclesKeepHandlesFlat) {
    auto cycle = [] { HostedCalculator h; };
    for (int i = 0; i < 5; ++i) cycle();
    const DWORD gdi = kxtest::GdiObjectCount();
    const DWORD user = kxtest::UserObjectCount();
    for (int i = 0; i < 200; ++i) cycle();
    EXPECT_LE(kxtest::GdiObjectCount(), gdi + 4);
    EXPECT_LE(kxtest::UserObjectCount(), user + 4);
}

}  // namespace
