// The tooltip relay over plain windows: which tools the tooltip window holds after each change of the text
// or of the windows, and the window's end with the relay.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "ToolTipRelay.h"
#include "ToolTipTools.h"

namespace {

HWND MakeChild(HWND parent, const wchar_t* cls, DWORD style) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 80, 20, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// A text box and a label that takes mouse input, as an input control has them.
struct Parts {
    kxtest::HostWindow host;
    HWND box = MakeChild(host.hwnd(), L"EDIT", 0);
    HWND label = MakeChild(host.hwnd(), L"STATIC", SS_NOTIFY);
};

constexpr const wchar_t* kRials = L"\u0645\u0628\u0644\u063a & \u0631\u06cc\u0627\u0644";  // "&" as it stands

TEST(ToolTipRelay, EachChangeLeavesOneToolPerWindowWithTheLatestText) {
    Parts parts;
    const HWND box = parts.box, label = parts.label;
    kx::ToolTipRelay relay;
    relay.Show(L"", {box, label});
    EXPECT_EQ(relay.Window(), nullptr);  // no window before there is a text

    const struct Step {
        const wchar_t* text;
        std::vector<HWND> windows;
        std::vector<kxtest::ToolTipTool> tools;
    } steps[] = {
        {L"Amount in rials", {box, label}, {{box, L"Amount in rials"}, {label, L"Amount in rials"}}},
        {L"Amount in rials", {box, label}, {{box, L"Amount in rials"}, {label, L"Amount in rials"}}},
        {kRials, {box, label}, {{box, kRials}, {label, kRials}}},
        {L"", {box, label}, {}},
        {L"Key", {nullptr, label}, {{label, L"Key"}}},
        {L"Key", {box, label}, {{box, L"Key"}, {label, L"Key"}}},
    };
    for (const Step& step : steps) {
        const std::vector<HWND>& w = step.windows;
        relay.Show(step.text, {w[0], w[1]});
        EXPECT_EQ(relay.Text(), step.text);
        EXPECT_EQ(kxtest::ToolsOf(relay.Window()), step.tools) << testing::PrintToString(std::wstring(step.text));
    }
}

// A constituent made anew (a text box takes a new direction so) gets the tool in place of the old one.
TEST(ToolTipRelay, AWindowMadeAnewTakesTheOldOnesPlace) {
    Parts parts;
    kx::ToolTipRelay relay;
    relay.Show(L"Value", {parts.box, parts.label});
    DestroyWindow(parts.box);
    const HWND box = MakeChild(parts.host.hwnd(), L"EDIT", ES_RIGHT);
    relay.Show(relay.Text(), {box, parts.label});
    EXPECT_EQ(kxtest::ToolsOf(relay.Window()),
              (std::vector<kxtest::ToolTipTool>{{box, L"Value"}, {parts.label, L"Value"}}));
}

TEST(ToolTipRelay, TheTooltipWindowGoesWithTheRelay) {
    Parts parts;
    const size_t before = kxtest::ProcessToolTipWindows().size();
    HWND tip = nullptr;
    {
        kx::ToolTipRelay relay;
        relay.Show(L"Value", {parts.box});
        tip = relay.Window();
        ASSERT_TRUE(IsWindow(tip));
        EXPECT_EQ(kxtest::ProcessToolTipWindows().size(), before + 1);
    }
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_EQ(kxtest::ProcessToolTipWindows().size(), before);
}

}  // namespace
