// kxhelper's host mode: a control in atl.dll in its own process, its events and properties logged.
#include <gtest/gtest.h>

#include "HostedControl.h"

namespace {

TEST(HostMode, LogsEventsAndWatchedPropertiesOfAHostedControl) {
    kxtest::HostedControl button(L"Korvix32.kxButton", {L"Caption=Hello", L"+Caption"});
    ASSERT_TRUE(IsWindow(button.control()));
    EXPECT_EQ(button.Get(L"Caption"), L"Hello");
    button.Set(L"Caption", L"Again");
    EXPECT_EQ(button.Get(L"Caption"), L"Again");
    const size_t before = button.Lines().size();
    PostMessageW(button.control(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(button.control(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(button.WaitForLine(L"Click(", 10000, before)) << button.LinesFrom(0);
    EXPECT_TRUE(button.WaitForLine(L"  Caption=Again", 5000, before));
    EXPECT_TRUE(button.Close());
    EXPECT_EQ(button.Lines().back(), L"closed");
}

TEST(HostMode, ReportsAFailedPropertyByItsCode) {
    kxtest::HostedControl button(L"Korvix32.kxButton", {});
    const size_t before = button.Lines().size();
    button.Command(L"get NoSuchMember");
    EXPECT_TRUE(button.WaitForLine(L"  NoSuchMember failed ", 5000, before));
}

}  // namespace
