#include <gtest/gtest.h>

#include <string>

#include "AboutBoxTestSupport.h"
#include "LabelFixture.h"

namespace {

using kxtest::HostedLabels;

void SendToBox(HWND box, UINT message, WPARAM wParam, int x = 5, int y = 6) {
    SendMessageW(box, message, wParam, MAKELPARAM(x, y));
}

// Input on the picture box reaches the host as the label's events, the mouse in the box's pixels.
TEST(LabelEventsTest, PictureBoxInputRaisesTheLabelsEvents) {
    HostedLabels h;
    const HWND box = h.PictureWindow();
    ASSERT_TRUE(IsChild(h.ControlWindow(), box));
    SendToBox(box, WM_LBUTTONDOWN, MK_LBUTTON);
    SendToBox(box, WM_LBUTTONUP, 0);
    EXPECT_EQ(L"MouseDown(1,0,5,6) MouseUp(1,0,5,6) Click", h.TakeEvents());
    SendToBox(box, WM_LBUTTONDOWN, MK_LBUTTON);
    SendToBox(box, WM_LBUTTONUP, 0);
    SendToBox(box, WM_LBUTTONDBLCLK, MK_LBUTTON);
    SendToBox(box, WM_LBUTTONUP, 0);
    EXPECT_EQ(L"MouseDown(1,0,5,6) MouseUp(1,0,5,6) Click DblClick MouseUp(1,0,5,6)", h.TakeEvents());
    SendToBox(box, WM_RBUTTONDOWN, MK_RBUTTON, 30, 12);
    SendToBox(box, WM_RBUTTONUP, 0, 30, 12);
    EXPECT_EQ(L"MouseDown(2,0,30,12) MouseUp(2,0,30,12) Click", h.TakeEvents());
    h.recordMoves = true;
    SendToBox(box, WM_MOUSEMOVE, MK_LBUTTON, 7, 8);
    EXPECT_EQ(L"MouseMove(1,0,7,8)", h.TakeEvents());
    SendMessageW(box, WM_KEYDOWN, 'A', 0);
    SendMessageW(box, WM_CHAR, 'a', 0);
    SendMessageW(box, WM_KEYUP, 'A', 0);
    EXPECT_EQ(L"KeyDown(65,0) KeyPress(97) KeyUp(65,0)", h.TakeEvents());
}

// Without the sunken edge the box's pixels are the control's.
TEST(LabelEventsTest, MousePositionFollowsTheBorder) {
    HostedLabels h;
    h.label()->put_BorderStyle(kxlbFlat);
    SendToBox(h.PictureWindow(), WM_LBUTTONDOWN, MK_LBUTTON, 0, 0);
    SendToBox(h.PictureWindow(), WM_LBUTTONUP, 0, 0, 0);
    EXPECT_EQ(L"MouseDown(1,0,0,0) MouseUp(1,0,0,0) Click", h.TakeEvents());
}

// A host that changes the key in KeyPress hands the change back through the by-reference argument.
TEST(LabelEventsTest, KeyArgumentsArePassedByReference) {
    short seen = 0;
    HostedLabels h(1, [&seen](DISPID id, DISPPARAMS* params) {
        if (id != DISPID_KEYPRESS) return;
        ASSERT_EQ(VT_BYREF | VT_I2, params->rgvarg[0].vt);
        seen = *params->rgvarg[0].piVal;
        *params->rgvarg[0].piVal = 0;
    });
    SendMessageW(h.PictureWindow(), WM_CHAR, 'x', 0);
    EXPECT_EQ('x', seen);
}

// A newly placed label shows the name its host gave it.
TEST(LabelEventsTest, ANewLabelTakesItsCaptionFromTheExtender) {
    HostedLabels h(2);
    BSTR caption = nullptr;
    h.label(1)->get_Caption(&caption);
    EXPECT_STREQ(L"lblTest2", caption);
    SysFreeString(caption);
}

// Pumps this thread's messages, letting the host move the focus on Tab.
void PumpWithHost(HostedLabels& h, DWORD milliseconds) {
    kxtest::PumpMessagesThrough([&](const MSG& msg) { return h.host().TranslateAccelerator(msg); }, milliseconds);
}

bool HasFocus(HWND window) {
    const HWND focus = GetFocus();
    return focus == window || IsChild(window, focus);
}

// Entering a label that may not hold the focus asks its host to move the focus to the next control;
// with CanGetFocus the label keeps it.
TEST(LabelEventsTest, TheFocusPassesOnUnlessCanGetFocus) {
    HostedLabels h(3);
    h.label(1)->put_CanGetFocus(VARIANT_TRUE);
    SetForegroundWindow(h.HostWindow());
    kxtest::PumpMessages(50);

    SetFocus(h.ControlWindow(0));
    PumpWithHost(h, 300);
    EXPECT_TRUE(HasFocus(h.ControlWindow(1))) << "moved from the first label to the second";

    SetFocus(h.ControlWindow(1));
    PumpWithHost(h, 300);
    EXPECT_TRUE(HasFocus(h.ControlWindow(1))) << "the second label keeps it";

    SetFocus(h.PictureWindow(1));
    PumpWithHost(h, 100);
    EXPECT_TRUE(HasFocus(h.ControlWindow(1))) << "the picture box hands the focus to its label";
}

TEST(LabelEventsTest, AboutShowsTheBoxWithTheLabelsTitle) {
    kx::KxLabel* label = new kx::KxLabel();
    HRESULT result = E_FAIL;
    EXPECT_EQ(L"Velmora Group Professional Label",
              kxtest::AboutTitleShownBy([&] { return label->About(); }, &result));
    EXPECT_EQ(S_OK, result);
    label->Release();
}

}  // namespace
