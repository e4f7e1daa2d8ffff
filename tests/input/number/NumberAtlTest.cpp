// kxGetNumber in Wine's AtlAxWin, a container that knows nothing of the library: Alt+Down and the drop
// button open the calculator, a confirmed result reaches Value; without an extender there is no tooltip.
#include <gtest/gtest.h>

#include <string>

#include "../../runtime/ToolTipTools.h"
#include "ControlTestSupport.h"
#include "KeyboardInput.h"
#include "NumberFixture.h"

namespace {

// The calculator drop-down of this process, when shown.
HWND ShownDropDown() {
    for (HWND window : kxtest::ProcessWindowsOfClass(L"KorvixDropDown"))
        if (IsWindowVisible(window)) return window;
    return nullptr;
}

// A kxGetNumber made by its name in an AtlAxWin window on a test window; let go with it.
class AtlNumber {
public:
    AtlNumber() : window_(300, 100, 700, 500) {
        const kxtest::AxCreate create = kxtest::LoadAtlAx();
        place_ = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 10, 10, 160, 22, window_.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        if (create && place_)
            created_ = create(L"Korvix32.kxGetNumber", place_, nullptr, &container_, &control_, IID_NULL, nullptr);
        if (control_) control_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&number_));
    }
    ~AtlNumber() {
        if (number_) number_->Release();
        if (control_) control_->Release();
        if (container_) container_->Release();
        if (place_) DestroyWindow(place_);
        kxtest::PumpMessages(20);
    }
    AtlNumber(const AtlNumber&) = delete;
    AtlNumber& operator=(const AtlNumber&) = delete;

    HRESULT Created() const { return created_; }
    HWND HostWindow() const { return window_.hwnd(); }
    IUnknown* control() const { return control_; }
    IDispatch* number() const { return number_; }

private:
    kxtest::HostWindow window_;
    HWND place_ = nullptr;
    HRESULT created_ = E_FAIL;
    IUnknown* container_ = nullptr;
    IUnknown* control_ = nullptr;
    IDispatch* number_ = nullptr;
};

TEST(NumberAtl, AtlAxWinHostsTheNumberAndItsCalculator) {
    AtlNumber atl;
    ASSERT_EQ(S_OK, atl.Created());
    IDispatch* number = atl.number();
    ASSERT_NE(number, nullptr);
    VARIANT seven = kxtest::Long(7);
    EXPECT_EQ(S_OK, kxtest::PutProperty(number, L"Value", seven));
    HWND box = FindWindowExW(kxtest::WindowOf(atl.control()), nullptr, L"Edit", nullptr);
    ASSERT_NE(box, nullptr);
    SetForegroundWindow(atl.HostWindow());
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
    GetWindowRect(kxtest::WindowOf(atl.control()), &control_rect);
    kxtest::SendLeftClickAt(control_rect.left + 9, (control_rect.top + control_rect.bottom) / 2);
    EXPECT_TRUE(kxtest::PumpUntil([] { return ShownDropDown() != nullptr; }));
    SetForegroundWindow(atl.HostWindow());
    SetActiveWindow(atl.HostWindow());
    EXPECT_TRUE(kxtest::PumpUntil([] { return ShownDropDown() == nullptr; }));
}

// Wine's AtlAxWin gives no extender: each resize asks for the tooltip text in vain, and no error comes of it.
TEST(NumberAtl, WithoutAnExtenderTheNumberMakesNoTooltip) {
    const size_t tips = kxtest::ProcessToolTipWindows().size();
    AtlNumber atl;
    ASSERT_EQ(S_OK, atl.Created());
    IOleInPlaceObject* inPlace = nullptr;
    ASSERT_EQ(S_OK, atl.control()->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)));
    const RECT wider = {0, 0, 200, 24};
    EXPECT_EQ(S_OK, inPlace->SetObjectRects(&wider, &wider));
    inPlace->Release();
    EXPECT_EQ(S_OK, kxtest::PutProperty(atl.number(), L"Value", kxtest::Long(3)));
    kxtest::PumpMessages(20);
    EXPECT_EQ(kxtest::ProcessToolTipWindows().size(), tips);
}

}  // namespace
