// kxGetNumber in Wine's AtlAxWin, a container that knows nothing of the library: Alt+Down and the drop
// button open the calculator, a confirmed result reaches Value.
#include <gtest/gtest.h>

#include <string>

#include "ControlTestSupport.h"
#include "KeyboardInput.h"
#include "NumberFixture.h"

namespace {

// The calculator drop-down of this process, when shown.
HWND ShownDropDown() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM context) CALLBACK -> BOOL {
            wchar_t cls[32] = {};
            GetClassNameW(window, cls, 32);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process != GetCurrentProcessId() || !IsWindowVisible(window) || std::wstring(cls) != L"KorvixDropDown")
                return TRUE;
            *reinterpret_cast<HWND*>(context) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(NumberAtl, AtlAxWinHostsTheNumberAndItsCalculator) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    kxtest::HostWindow window(300, 100, 700, 500);
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 10, 10, 160, 22, window.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(place, nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(S_OK, create(L"Korvix32.kxGetNumber", place, nullptr, &container, &control, IID_NULL, nullptr));
    IDispatch* number = nullptr;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&number)));
    VARIANT seven = kxtest::Long(7);
    EXPECT_EQ(S_OK, kxtest::PutProperty(number, L"Value", seven));
    HWND box = FindWindowExW(kxtest::WindowOf(control), nullptr, L"Edit", nullptr);
    ASSERT_NE(box, nullptr);
    SetForegroundWindow(window.hwnd());
    SetFocus(box);
    ASSERT_TRUE(kxtest::PumpUntil([&] { return GetFocus() == box; }));
    kxtest::PressWithAlt(VK_DOWN);
    ASSERT_TRUE(kxtest::PumpUntil([] { return ShownDropDown() != nullptr; }));
    kxtest::TypeText(L"*6");
    kxtest::PressKey(VK_RETURN);
    kxtest::PressKey(VK_RETURN);
    EXPECT_TRUE(kxtest::PumpUntil([] { return ShownDropDown() == nullptr; }));
    const auto value = [&] {
        VARIANT v = kxtest::GetProperty(number, L"Value");
        const double d = v.vt == VT_R8 ? v.dblVal : -1;
        VariantClear(&v);
        return d;
    };
    EXPECT_TRUE(kxtest::PumpUntil([&] { return value() == 42; })) << value();

    // A click on the drop button opens it too.
    RECT control_rect = {};
    GetWindowRect(kxtest::WindowOf(control), &control_rect);
    kxtest::SendLeftClickAt(control_rect.left + 9, (control_rect.top + control_rect.bottom) / 2);
    EXPECT_TRUE(kxtest::PumpUntil([] { return ShownDropDown() != nullptr; }));
    SetForegroundWindow(window.hwnd());
    SetActiveWindow(window.hwnd());
    EXPECT_TRUE(kxtest::PumpUntil([] { return ShownDropDown() == nullptr; }));

    number->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
    kxtest::PumpMessages(20);
}

}  // namespace
