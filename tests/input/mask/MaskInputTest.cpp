// The masked input under the real keyboard, in the project's container and in Wine's AtlAxWin.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "AboutBoxTestSupport.h"
#include "MaskFixture.h"

namespace {

using kxtest::HostedMasks;
using kxtest::PressKey;
using kxtest::ShownText;
using kxtest::TypeText;
using kxtest::ValueOf;

constexpr DISPID kCheckMaxValue = 1;
constexpr DISPID kChange = 2;
constexpr DISPID kKeyDown = 3;
constexpr DISPID kKeyPress = 4;

void Let(kx::KxGetMask* m, HRESULT (STDMETHODCALLTYPE kx::KxGetMask::*let)(BSTR), const wchar_t* text) {
    kxtest::SetText(m, let, text);
}

// Waits for the text the keys make; on failure the message shows what the box holds.
#define EXPECT_SHOWN(h, expected)                                                            \
    EXPECT_TRUE((h).PumpUntil([&] { return ShownText((h).mask()) == (expected); }))       \
        << "shown: " << testing::PrintToString(ShownText((h).mask()))

TEST(MaskInputTest, ADateTypedCorrectedAndRestored) {
    HostedMasks h(2);
    kx::KxGetMask* m = h.mask();
    Let(m, &kx::KxGetMask::put_InputMask, L"0000/00/00");
    Let(m, &kx::KxGetMask::put_Value, L"19990101");
    ASSERT_TRUE(h.FocusBox(0));
    h.events.clear();
    TypeText(L"20241231");
    EXPECT_SHOWN(h, L"2024/12/31");
    EXPECT_EQ(L"20241231", ValueOf(m));
    EXPECT_EQ(7, std::count(h.events.begin(), h.events.end(), kChange)) << "the last 1 typed over a 1 changes nothing";

    PressKey(VK_BACK);  // the caret stands at the end
    EXPECT_SHOWN(h, L"2024/12/3_");
    EXPECT_EQ(L"2024123", ValueOf(m));
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    EXPECT_SHOWN(h, L"_024/12/3_");
    EXPECT_EQ(L"024123", ValueOf(m)) << "the gap closes when the value is drawn again";
    long caret = -1;
    m->get_SelStart(&caret);
    EXPECT_EQ(0, caret) << "Delete leaves the caret";

    PressKey(VK_ESCAPE);
    EXPECT_SHOWN(h, L"1999/01/01");
    EXPECT_EQ(L"19990101", ValueOf(m));

    PressKey(VK_RETURN);  // a Tab to the next control
    EXPECT_TRUE(h.PumpUntil([&] { return GetFocus() == h.Box(1); }));
    EXPECT_EQ(L"1999/01/01", ShownText(m));
}

TEST(MaskInputTest, KeysBeforeFixedCharactersAndRefusedKeys) {
    HostedMasks h;
    kx::KxGetMask* m = h.mask();
    Let(m, &kx::KxGetMask::put_InputMask, L"(00)-0");
    ASSERT_TRUE(h.FocusBox(0));
    TypeText(L"1x2");  // the letter is refused but moves past the second position
    EXPECT_SHOWN(h, L"(1_)-2");
    EXPECT_EQ(L"12", ValueOf(m));
}

TEST(MaskInputTest, InputModesOnLatinAndPersianLetters) {
    const struct {
        long mode;
        const wchar_t* typed;
        const wchar_t* shown;
    } cases[] = {
        {0, L"aB\u0628", L"aB\u0628"},
        {1, L"aB\u0628", L"AB\u0628"},
        {2, L"aB\u0628", L"ab\u0628"},
    };
    for (const auto& c : cases) {
        HostedMasks h;
        kx::KxGetMask* m = h.mask();
        Let(m, &kx::KxGetMask::put_InputMask, L"@@@");
        m->put_InputMode(static_cast<kxGmInputMode>(c.mode));
        ASSERT_TRUE(h.FocusBox(0));
        TypeText(c.typed);
        EXPECT_SHOWN(h, c.shown);
    }
}

// KeyDown and KeyPress come first; a key the handler sets to 0 is not written but moves the caret.
TEST(MaskInputTest, KeyPressHandlerChangesCount) {
    HostedMasks h(1, [](DISPID id, DISPPARAMS* params) {
        if (id == kKeyPress && *params->rgvarg[0].piVal == '1') *params->rgvarg[0].piVal = 0;
        if (id == kKeyPress && *params->rgvarg[0].piVal == '7') *params->rgvarg[0].piVal = '8';
    });
    kx::KxGetMask* m = h.mask();
    Let(m, &kx::KxGetMask::put_InputMask, L"000");
    ASSERT_TRUE(h.FocusBox(0));
    h.events.clear();
    TypeText(L"127");
    EXPECT_SHOWN(h, L"_28");
    const auto keyDown = std::find(h.events.begin(), h.events.end(), kKeyDown);
    const auto keyPress = std::find(h.events.begin(), h.events.end(), kKeyPress);
    const auto change = std::find(h.events.begin(), h.events.end(), kChange);
    EXPECT_TRUE(keyDown < keyPress && keyPress < change);
}

TEST(MaskInputTest, UpAndDownAskTheCheckMaxValueHandler) {
    std::wstring seen;
    HostedMasks h(1, [&seen](DISPID id, DISPPARAMS* params) {
        if (id != kCheckMaxValue) return;
        VARIANT* a = params->rgvarg;  // the last argument first
        ASSERT_EQ(7u, params->cArgs);
        seen = std::to_wstring(*a[6].plVal) + L"," + std::to_wstring(*a[5].plVal) + L"," +
               std::to_wstring(*a[4].plVal) + L"," + std::to_wstring(*a[3].plVal) + L"," +
               std::to_wstring(*a[2].piVal) + L"," + std::to_wstring(*a[1].piVal);
        *a[6].plVal = 59;            // MaxValue
        *a[0].pboolVal = VARIANT_TRUE;  // ResetToZero
    });
    kx::KxGetMask* m = h.mask();
    Let(m, &kx::KxGetMask::put_InputMask, L"00:00");
    Let(m, &kx::KxGetMask::put_Value, L"1259");
    m->put_UseUpDownKey(VARIANT_TRUE);
    ASSERT_TRUE(h.FocusBox(3));
    PressKey(VK_UP);
    EXPECT_SHOWN(h, L"12:00");
    EXPECT_EQ(L"-1,1,59,60,4,2", seen);
    long caret = -1;
    m->get_SelStart(&caret);
    EXPECT_EQ(3, caret);
    PressKey(VK_DOWN);
    EXPECT_SHOWN(h, L"12:00") << "a lower bound of 1 is applied once the handler changed the pair";

    // Locked with UseUpDownKey: a spin-only field.
    m->put_Locked(VARIANT_TRUE);
    PressKey(VK_HOME);
    PressKey(VK_UP);
    EXPECT_SHOWN(h, L"13:00");
    TypeText(L"9");
    PressKey(VK_DELETE);
    PressKey(VK_BACK);
    h.Settle();
    EXPECT_EQ(L"13:00", ShownText(m));
    PressKey(VK_ESCAPE);  // acts on a locked box with UseUpDownKey
    EXPECT_SHOWN(h, L"12:59");
}

// A run placed beyond what the event's Integer arguments hold is not offered: no event, no change.
TEST(MaskInputTest, NoSpinWhereTheRunDoesNotFitTheEvent) {
    HostedMasks h;
    kx::KxGetMask* m = h.mask();
    Let(m, &kx::KxGetMask::put_InputMask, (std::wstring(40000, L'@') + L"00").c_str());
    m->put_UseUpDownKey(VARIANT_TRUE);
    const std::wstring before = ShownText(m);
    m->put_SelStart(40000);
    h.events.clear();
    SendMessageW(h.Box(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(before, ShownText(m));
    EXPECT_EQ(std::vector<DISPID>{kKeyDown}, h.events);
}

TEST(MaskInputTest, LockedWithoutSpinIgnoresEscAndKeys) {
    HostedMasks h;
    kx::KxGetMask* m = h.mask();
    Let(m, &kx::KxGetMask::put_InputMask, L"000");
    Let(m, &kx::KxGetMask::put_Value, L"123");
    m->put_EnterNextTab(VARIANT_FALSE);
    ASSERT_TRUE(h.FocusBox(0));
    TypeText(L"9");
    EXPECT_SHOWN(h, L"923");
    m->put_Locked(VARIANT_TRUE);
    TypeText(L"5");
    PressKey(VK_ESCAPE);
    PressKey(VK_DELETE);
    h.Settle();
    EXPECT_EQ(L"923", ShownText(m));
}

// The clipboard never reaches the box: Shift+Insert, and the paste, cut, clear and undo messages.
TEST(MaskInputTest, PasteAndItsRelativesAreRefused) {
    HostedMasks h;
    kx::KxGetMask* m = h.mask();
    Let(m, &kx::KxGetMask::put_InputMask, L"0000");
    Let(m, &kx::KxGetMask::put_Value, L"12");
    ASSERT_TRUE(OpenClipboard(h.HostWindow()));
    EmptyClipboard();
    const wchar_t pasted[] = L"9999999";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(pasted));
    memcpy(GlobalLock(memory), pasted, sizeof(pasted));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    ASSERT_TRUE(h.FocusBox(0));
    PressKey(VK_INSERT, true);
    PressKey('V', false);  // as a character: refused by the mask, moves the caret
    h.Settle();
    EXPECT_EQ(L"12__", ShownText(m));
    SendMessageW(h.Box(), EM_SETSEL, 0, -1);
    for (UINT message : {UINT{WM_PASTE}, UINT{WM_CUT}, UINT{WM_CLEAR}, UINT{WM_UNDO}, UINT{EM_UNDO}})
        SendMessageW(h.Box(), message, 0, 0);
    EXPECT_EQ(L"12__", ShownText(m));
    EXPECT_EQ(L"12", ValueOf(m));
}

// The box's mouse reaches the host unchanged, in the classic order.
TEST(MaskInputTest, TheBoxsMouseEventsPassOn) {
    HostedMasks h;
    h.events.clear();
    SendMessageW(h.Box(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageW(h.Box(), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    SendMessageW(h.Box(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageW(h.Box(), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    const std::vector<DISPID> expected = {6, 8, DISPID_CLICK, DISPID_DBLCLICK, 8};
    EXPECT_EQ(expected, h.events);
    ReleaseCapture();
}

TEST(MaskInputTest, AboutShowsTheBoxWithTheMasksTitle) {
    auto* mask = new kx::KxGetMask();
    HRESULT result = E_FAIL;
    EXPECT_EQ(L"Velmora Group Get Mask", kxtest::AboutTitleShownBy([&] { return mask->About(); }, &result));
    EXPECT_EQ(S_OK, result);
    mask->Release();
}

TEST(MaskInputTest, WineAtlAxWinHostsTheMaskAndTakesRealKeys) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    kxtest::HostWindow window(300, 100, 960, 760);
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, window.hwnd(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(place, nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(S_OK, create(L"Korvix32.kxGetMask", place, nullptr, &container, &control, IID_NULL, nullptr));
    IDispatch* mask = nullptr;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&mask)));
    VARIANT pattern = kxtest::Text(L"00-00");
    EXPECT_EQ(S_OK, kxtest::PutProperty(mask, L"InputMask", pattern));
    VariantClear(&pattern);
    HWND controlWindow = kxtest::WindowOf(control);
    HWND box = FindWindowExW(controlWindow, nullptr, L"Edit", nullptr);
    ASSERT_NE(box, nullptr);
    SetForegroundWindow(window.hwnd());
    SetFocus(box);
    TypeText(L"123");
    const auto value = [&] {
        VARIANT v = kxtest::GetProperty(mask, L"Value");
        std::wstring text = v.vt == VT_BSTR && v.bstrVal ? v.bstrVal : L"";
        VariantClear(&v);
        return text;
    };
    const DWORD end = GetTickCount() + 3000;
    while (value() != L"123" && static_cast<LONG>(GetTickCount() - end) < 0) kxtest::PumpMessages(10);
    EXPECT_EQ(L"123", value());
    mask->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
    kxtest::PumpMessages(20);
}

}  // namespace
