#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KxButton.h"

namespace {

std::wstring EventName(DISPID id) {
    if (id == 1) return L"MouseEnter";
    if (id == 2) return L"MouseLeave";
    return kxtest::StockEventName(id);
}

// One button in the project's own container on a test window, its events recorded by name.
class HostedButton {
public:
    explicit HostedButton(std::function<void(DISPID, DISPPARAMS*)> react = nullptr) : react_(std::move(react)) {
        host_ = new kx::ControlHost(window_.hwnd());
        button_ = new kx::KxButton();
        RECT bounds = {10, 10, 101, 40};
        site_ = host_->PlaceObject(static_cast<IOleObject*>(button_), L"cmdTest", bounds, nullptr,
                                   [this](DISPID id, DISPPARAMS* params) {
                                       if (react_) react_(id, params);
                                       if (id != DISPID_MOUSEMOVE) events_ += (events_.empty() ? L"" : L" ") + EventName(id);
                                   });
        hwnd_ = kxtest::WindowOf(static_cast<IOleObject*>(button_));
    }
    ~HostedButton() {
        delete host_;
        button_->Release();
    }
    kx::KxButton* button() { return button_; }
    HWND hwnd() const { return hwnd_; }
    kx::ControlSite* site() { return site_; }
    std::wstring TakeEvents() { return std::exchange(events_, std::wstring()); }

    void Send(UINT message, WPARAM wParam = 0) {
        SendMessageW(hwnd_, message, wParam, MAKELPARAM(5, 5));
    }

private:
    kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::KxButton* button_ = nullptr;
    kx::ControlSite* site_ = nullptr;
    HWND hwnd_ = nullptr;
    std::wstring events_;
    std::function<void(DISPID, DISPPARAMS*)> react_;
};

struct Input {
    UINT message;
    WPARAM wParam;
};

const std::vector<Input> kLeftClick = {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}};
const std::vector<Input> kRightClick = {{WM_RBUTTONDOWN, MK_RBUTTON}, {WM_RBUTTONUP, 0}};
const std::vector<Input> kDoubleClick = {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0},
                                         {WM_LBUTTONDBLCLK, MK_LBUTTON}, {WM_LBUTTONUP, 0}};
const std::vector<Input> kSpaceStroke = {{WM_KEYDOWN, VK_SPACE}, {WM_CHAR, ' '}, {WM_KEYUP, VK_SPACE}};
const std::vector<Input> kEnterStroke = {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}, {WM_KEYUP, VK_RETURN}};
const std::vector<Input> kLetterStroke = {{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}};

struct SequenceCase {
    const char* name;
    bool checkBox;
    bool enabled;
    std::vector<std::vector<Input>> inputs;
    const wchar_t* events;
};

TEST(ButtonEventsTest, EventSequences) {
    const SequenceCase cases[] = {
        {"left click", false, true, {kLeftClick}, L"MouseDown MouseUp Click"},
        {"right click raises no Click", false, true, {kRightClick}, L"MouseDown MouseUp"},
        {"right release suppresses only the next click", false, true, {kRightClick, kLeftClick},
         L"MouseDown MouseUp MouseDown MouseUp Click"},
        {"double click", false, true, {kDoubleClick}, L"MouseDown MouseUp Click MouseDown DblClick MouseUp"},
        {"space", false, true, {kSpaceStroke}, L"KeyDown MouseDown KeyPress Click KeyUp MouseUp"},
        {"enter", false, true, {kEnterStroke}, L"KeyDown MouseDown KeyPress Click KeyUp MouseUp"},
        {"a letter", false, true, {kLetterStroke}, L"KeyDown KeyPress KeyUp"},
        {"check box click", true, true, {kLeftClick}, L"MouseDown MouseUp Click"},
        {"disabled: only DblClick", false, false, {kLeftClick, kSpaceStroke, kDoubleClick}, L"DblClick"},
    };
    for (const SequenceCase& c : cases) {
        HostedButton b;
        if (c.checkBox) {
            kxBtnButtonType type = kxBtnCheckBox;
            b.button()->put_ButtonType(&type);
        }
        VARIANT_BOOL enabled = c.enabled ? VARIANT_TRUE : VARIANT_FALSE;
        b.button()->put_Enabled(&enabled);
        b.TakeEvents();
        for (const auto& input : c.inputs)
            for (const Input& step : input) b.Send(step.message, step.wParam);
        EXPECT_EQ(b.TakeEvents(), c.events) << c.name;
    }
}

TEST(ButtonEventsTest, AHostThatDestroysTheButtonWindowInClickCausesNoCrash) {
    HWND target = nullptr;
    HostedButton b([&target](DISPID id, DISPPARAMS*) {
        if (id == DISPID_CLICK && target) DestroyWindow(target);
    });
    target = b.hwnd();
    b.TakeEvents();
    for (const Input& step : kLeftClick) b.Send(step.message, step.wParam);
    EXPECT_EQ(b.TakeEvents(), L"MouseDown MouseUp Click");
    EXPECT_FALSE(IsWindow(target));
    EXPECT_EQ(S_OK, b.button()->Refresh());  // the control outlives its window
}

// An unchecked check box never keeps the pressed state: the repaint normalises it to normal.
TEST(ButtonEventsTest, ACheckBoxTogglesValueOnClickAndReportsNoChange) {
    std::vector<DISPID> changes;
    HostedButton b;
    kxBtnButtonType type = kxBtnCheckBox;
    b.button()->put_ButtonType(&type);
    b.site()->OnPropertyChange([&](DISPID id) { changes.push_back(id); });
    b.Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kNormal);
    b.Send(WM_LBUTTONUP);
    VARIANT_BOOL value = VARIANT_FALSE;
    b.button()->get_Value(&value);
    EXPECT_EQ(value, VARIANT_TRUE);
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kHot);
    EXPECT_TRUE(changes.empty());

    b.Send(WM_LBUTTONDOWN, MK_LBUTTON);  // checked: pressed stays pressed
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kPressed);
    b.Send(WM_LBUTTONUP);
    b.button()->get_Value(&value);
    EXPECT_EQ(value, VARIANT_FALSE);

    VARIANT_BOOL yes = VARIANT_TRUE;
    b.TakeEvents();
    b.button()->put_Value(&yes);
    EXPECT_EQ(b.TakeEvents(), L"");  // the let raises nothing
    EXPECT_EQ(changes, std::vector<DISPID>{0x68030009});
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kHot);  // stays hot: only hover tracking leaves it
}

TEST(ButtonEventsTest, HandlersChangingByReferenceArgumentsCancelTheStroke) {
    struct Case {
        const char* name;
        DISPID event;
        std::vector<Input> input;
        const wchar_t* events;
    };
    const Case cases[] = {
        {"KeyAscii 0: no Click", DISPID_KEYPRESS, kSpaceStroke, L"KeyDown MouseDown KeyPress KeyUp MouseUp"},
        {"KeyCode 0 on KeyDown: no press", DISPID_KEYDOWN, kSpaceStroke, L"KeyDown KeyPress Click KeyUp MouseUp"},
        {"KeyCode 0 on KeyUp: no release", DISPID_KEYUP, kSpaceStroke,
         L"KeyDown MouseDown KeyPress Click KeyUp"},
    };
    for (const Case& c : cases) {
        const DISPID target = c.event;
        HostedButton b([target](DISPID id, DISPPARAMS* params) {
            // The first argument is last in DISPPARAMS.
            if (id == target && params->cArgs > 0) *params->rgvarg[params->cArgs - 1].piVal = 0;
        });
        b.TakeEvents();
        for (const Input& step : c.input) b.Send(step.message, step.wParam);
        EXPECT_EQ(b.TakeEvents(), c.events) << c.name;
    }
}

TEST(ButtonEventsTest, AMouseDownHandlerThatChangesTheButtonLeavesTheStateAlone) {
    HostedButton b([](DISPID id, DISPPARAMS* params) {
        if (id == DISPID_MOUSEDOWN) *params->rgvarg[3].piVal = 2;
    });
    const long before = b.button()->ButtonState();
    b.Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(b.button()->ButtonState(), before);
    b.Send(WM_LBUTTONUP);
}

TEST(ButtonEventsTest, DisablingStoresNormalAndTheRepaintMakesItDisabled) {
    HostedButton b;
    VARIANT_BOOL no = VARIANT_FALSE;
    b.button()->put_Enabled(&no);
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kDisabled);
    EXPECT_FALSE(IsWindowEnabled(b.hwnd()));
    VARIANT_BOOL yes = VARIANT_TRUE;
    b.button()->put_Enabled(&yes);
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kNormal);
}

TEST(ButtonEventsTest, TheAccessKeyClicksThroughTheHost) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    std::wstring events;
    auto* button = new kx::KxButton();
    RECT bounds = {0, 0, 91, 30};
    host.PlaceObject(static_cast<IOleObject*>(button), L"cmdSave", bounds, nullptr,
                     [&](DISPID id, DISPPARAMS*) { events += EventName(id) + L" "; });
    BSTR caption = SysAllocString(L"&Save");
    button->put_Caption(caption);
    SysFreeString(caption);
    MSG other = {window.hwnd(), WM_SYSKEYDOWN, 'X', 0};
    EXPECT_FALSE(host.TranslateAccelerator(other));
    MSG key = {window.hwnd(), WM_SYSKEYDOWN, 'S', 0};
    EXPECT_TRUE(host.TranslateAccelerator(key));
    EXPECT_EQ(events, L"Click ");
    button->Release();
}

TEST(ButtonEventsTest, ANewlyPlacedButtonTakesItsCaptionFromTheExtenderAndLooksHot) {
    HostedButton b;
    BSTR caption = nullptr;
    b.button()->get_Caption(&caption);
    EXPECT_STREQ(caption, L"cmdTest");
    SysFreeString(caption);
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kHot);
    EXPECT_TRUE(IsWindowVisible(b.hwnd()));
}

}  // namespace
