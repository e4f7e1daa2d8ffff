// kxGetNumber shows the host's tooltip text over its text box and its words label: taken from the extender
// at every resize, kept on a text box made anew, shown where the pointer rests; none where the host has no
// extender.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../runtime/ToolTipTools.h"
#include "ControlTestSupport.h"
#include "NumberFixture.h"

namespace {

using kxtest::HostedNumbers;
using kxtest::ToolTipTool;

std::vector<ToolTipTool> OnBothParts(const HostedNumbers& h, const wchar_t* text) {
    return {{h.Box(), text}, {h.number()->LabelWindow(), text}};
}

TEST(NumberToolTip, EachResizeGivesBothPartsTheHostsText) {
    HostedNumbers h;
    kxtest::GiveToolTip(h.Extender(), L"Price", false);
    EXPECT_EQ(h.number()->ToolTipWindow(), nullptr) << "the text is taken at the next resize";
    kxtest::ExpectPartsFollowTheHostsText(
        h.Extender(), [&] { return h.number()->ToolTipWindow(); }, {h.Box(), h.number()->LabelWindow()});
    EXPECT_EQ(h.number(1)->ToolTipWindow(), nullptr) << "the other control's text is its own";
}

// A new alignment or direction makes the text box anew; the tooltip moves onto the new one.
TEST(NumberToolTip, ATextBoxMadeAnewKeepsTheTooltip) {
    HostedNumbers h;
    kxtest::GiveToolTip(h.Extender(), L"Price");
    const HWND first = h.Box();
    ASSERT_EQ(h.number()->put_Alignment(0), S_OK);
    ASSERT_NE(h.Box(), first);
    EXPECT_EQ(kxtest::ToolsOf(h.number()->ToolTipWindow()), OnBothParts(h, L"Price"));
    ASSERT_EQ(h.number()->put_RightToLeft(VARIANT_TRUE), S_OK);
    EXPECT_EQ(kxtest::ToolsOf(h.number()->ToolTipWindow()), OnBothParts(h, L"Price"));
}

// The real pointer resting over the text box (plain style) or the words label (words style).
TEST(NumberToolTip, ThePointerRestingOnEitherPartShowsTheText) {
    for (const long textStyle : {1L, 2L}) {
        HostedNumbers h;
        ASSERT_EQ(h.number()->put_TextStyle(static_cast<kxGCTextStyle>(textStyle)), S_OK);
        kxtest::GiveToolTip(h.Extender(), L"Price in rials");
        const HWND part = textStyle == 2 ? h.number()->LabelWindow() : h.Box();
        ASSERT_TRUE(IsWindowVisible(part)) << textStyle;
        RECT host = {}, r = {};
        GetWindowRect(h.HostWindow(), &host);
        GetWindowRect(part, &r);
        SetCursorPos(host.right - 5, host.bottom - 5);
        h.Settle(100);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        const HWND tip = h.number()->ToolTipWindow();
        EXPECT_TRUE(h.PumpUntil([&] { return kxtest::ShownTool(tip) == ToolTipTool{part, L"Price in rials"}; }, 5000))
            << "style " << textStyle << ": " << testing::PrintToString(kxtest::ShownTool(tip));
        SetCursorPos(host.right - 5, host.bottom - 5);
    }
}

}  // namespace
