#include <gtest/gtest.h>

#include <algorithm>

#include "ComboFixture.h"

namespace {

using kxtest::HostedCombo;

void PressKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = key;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

int Count(const std::vector<DISPID>& events, DISPID id) {
    return static_cast<int>(std::count(events.begin(), events.end(), id));
}

// "12" typed with TextStyle 1: Value is "12", the label has the found name and stands in once the
// control is left; while the box has the focus it stays in view.
TEST(ComboInputTest, TypingAKeyLooksItUp) {
    kx::TableRecordSet* table = kxtest::PeopleTable();
    HostedCombo hosted;
    hosted.Bind(table, L"Id", L"Name");
    SetForegroundWindow(hosted.HostWindow());
    SetFocus(hosted.ControlWindow());
    ASSERT_TRUE(hosted.PumpUntil([&] { return GetFocus() == hosted.combo()->TextBoxWindow(); }));
    hosted.events.clear();
    PressKey('1');
    PressKey('2');
    ASSERT_TRUE(hosted.PumpUntil([&] { return hosted.BoxText() == L"12"; }));
    VARIANT value;
    VariantInit(&value);
    hosted.combo()->get_Value(&value);
    EXPECT_EQ(value.vt, VT_BSTR);
    EXPECT_STREQ(value.bstrVal, L"12");
    VariantClear(&value);
    EXPECT_EQ(hosted.Text(), L"O'Brien");
    EXPECT_TRUE(IsWindowVisible(hosted.combo()->TextBoxWindow()));
    EXPECT_EQ(GetFocus(), hosted.combo()->TextBoxWindow());
    EXPECT_EQ(Count(hosted.events, 1), 2);  // Change per keystroke
    EXPECT_EQ(Count(hosted.events, DISPID_KEYDOWN), 2);
    EXPECT_EQ(Count(hosted.events, DISPID_KEYUP), 2);
    EXPECT_EQ(Count(hosted.events, DISPID_KEYPRESS), 0);
    SetFocus(hosted.HostWindow());
    hosted.Settle();
    EXPECT_TRUE(IsWindowVisible(hosted.combo()->LabelWindow()));
    EXPECT_FALSE(IsWindowVisible(hosted.combo()->TextBoxWindow()));
    table->Release();
}

// TextStyle 2: the focus shows the highlighted label and the box never gets the keys.
TEST(ComboInputTest, OnlyStringValueHighlightsTheLabel) {
    kx::TableRecordSet* table = kxtest::PeopleTable();
    HostedCombo hosted;
    hosted.Bind(table, L"Id", L"Name");
    hosted.combo()->put_TextStyle(static_cast<kxGCoTextStyle>(2));
    kxtest::LetValue(hosted.combo(), kxtest::Long(7));
    SetForegroundWindow(hosted.HostWindow());
    SetFocus(hosted.ControlWindow());
    hosted.Settle();
    EXPECT_NE(GetFocus(), hosted.combo()->TextBoxWindow());
    EXPECT_TRUE(IsWindowVisible(hosted.combo()->LabelWindow()));
    HDC dc = GetDC(hosted.combo()->LabelWindow());
    const LRESULT brush = SendMessageW(hosted.ControlWindow(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(hosted.combo()->LabelWindow()));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_HIGHLIGHT));
    ReleaseDC(hosted.combo()->LabelWindow(), dc);
    PressKey('3');
    hosted.Settle();
    EXPECT_EQ(hosted.BoxText(), L"7");
    EXPECT_EQ(hosted.Text(), L"Ava");
    table->Release();
}

// Alt+Down opens the grid; Locked keeps it shut.
TEST(ComboInputTest, AltDownOpensTheGridUnlessLocked) {
    kx::TableRecordSet* table = kxtest::PeopleTable();
    HostedCombo hosted;
    hosted.combo()->put_Locked(VARIANT_TRUE);
    BSTR name = SysAllocString(L"Id");
    BSTR none = SysAllocString(L"");
    hosted.combo()->AddItem(name, none, 1000);
    SysFreeString(name);
    SysFreeString(none);
    hosted.Bind(table, L"Id", L"Name");
    for (bool locked : {true, false}) {
        hosted.combo()->put_Locked(locked ? VARIANT_TRUE : VARIANT_FALSE);
        SetForegroundWindow(hosted.HostWindow());
        SetFocus(hosted.combo()->TextBoxWindow());
        hosted.Settle();
        INPUT inputs[4] = {};
        for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
        inputs[0].ki.wVk = VK_MENU;
        inputs[1].ki.wVk = VK_DOWN;
        inputs[2].ki.wVk = VK_DOWN;
        inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
        inputs[3].ki.wVk = VK_MENU;
        inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(4, inputs, sizeof(INPUT));
        const bool opened = hosted.PumpUntil([&] { return hosted.combo()->DropDown()->Shown(); }, 1500);
        EXPECT_EQ(opened, !locked) << locked;
        hosted.combo()->DropDown()->Hide();
    }
    table->Release();
}

// Wine's AtlAxWin, which offers no extender (and so no tooltip text): typed keys still reach Value.
TEST(ComboInputTest, WineAtlAxWinHostsTheCombo) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    kxtest::HostWindow window(300, 100, 960, 760);
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, window.hwnd(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(place, nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(S_OK, create(L"Korvix32.kxGetCombo", place, nullptr, &container, &control, IID_NULL, nullptr));
    IDispatch* combo = nullptr;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&combo)));
    HWND box = FindWindowExW(kxtest::WindowOf(control), nullptr, L"Edit", nullptr);
    ASSERT_NE(box, nullptr);
    SetForegroundWindow(window.hwnd());
    SetFocus(box);
    PressKey('4');
    const auto value = [&] {
        VARIANT v = kxtest::GetProperty(combo, L"Value");
        std::wstring text = v.vt == VT_BSTR && v.bstrVal ? v.bstrVal : L"";
        VariantClear(&v);
        return text;
    };
    const DWORD end = GetTickCount() + 3000;
    while (value().find(L'4') == std::wstring::npos && static_cast<LONG>(GetTickCount() - end) < 0)
        kxtest::PumpMessages(10);
    EXPECT_NE(value().find(L'4'), std::wstring::npos) << value();
    combo->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
    kxtest::PumpMessages(20);
}

}  // namespace
