// kxGetCombo shows the host's tooltip text over its text box and its label: taken from the extender at every
// resize and kept on a text box made anew.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../runtime/ToolTipTools.h"
#include "ComboFixture.h"

namespace {

using kxtest::HostedCombo;
using kxtest::ToolTipTool;

std::vector<ToolTipTool> OnBothParts(const HostedCombo& h, const wchar_t* text) {
    return {{h.combo()->TextBoxWindow(), text}, {h.combo()->LabelWindow(), text}};
}

std::vector<ToolTipTool> ToolsShown(const HostedCombo& h) { return kxtest::ToolsOf(h.combo()->ToolTipWindow()); }

TEST(ComboToolTip, EachResizeGivesBothPartsTheHostsText) {
    HostedCombo h;
    kxtest::GiveToolTip(h.Extender(), L"Customer", false);
    EXPECT_TRUE(ToolsShown(h).empty()) << "the text is taken at the next resize";
    kxtest::ExpectPartsFollowTheHostsText(h.Extender(), [&] { return h.combo()->ToolTipWindow(); },
                                          {h.combo()->TextBoxWindow(), h.combo()->LabelWindow()});
}

// A new alignment or direction makes the text box anew; the tooltip moves onto the new one.
TEST(ComboToolTip, ATextBoxMadeAnewKeepsTheTooltip) {
    HostedCombo h;
    kxtest::GiveToolTip(h.Extender(), L"Customer");
    const HWND first = h.combo()->TextBoxWindow();
    ASSERT_EQ(h.combo()->put_Alignment(0), S_OK);
    ASSERT_NE(h.combo()->TextBoxWindow(), first);
    EXPECT_EQ(ToolsShown(h), OnBothParts(h, L"Customer"));
    ASSERT_EQ(h.combo()->put_RightToLeft(VARIANT_TRUE), S_OK);
    EXPECT_EQ(ToolsShown(h), OnBothParts(h, L"Customer"));
}

}  // namespace
