#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ControlTestSupport.h"

// What a comctl32 tooltip window holds, asked of the window itself: its tools with their texts and the
// tool it shows; the tooltip windows of the process; and the host's tooltip text given to a control
// through its extender.
namespace kxtest {

struct ToolTipTool {
    HWND window;  // the window the tool watches
    std::wstring text;
    bool operator==(const ToolTipTool&) const = default;
};

inline void PrintTo(const ToolTipTool& tool, std::ostream* out) {
    *out << tool.window << " " << ::testing::PrintToString(tool.text);
}

inline TTTOOLINFOW ToolQuery(wchar_t* buffer) {
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = buffer;
    return tool;
}

inline std::wstring ToolText(HWND tip, const TTTOOLINFOW& tool) {
    wchar_t text[1024] = {};
    TTTOOLINFOW query = ToolQuery(text);
    query.hwnd = tool.hwnd;
    query.uId = tool.uId;
    SendMessageW(tip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&query));
    return text;
}

inline HWND ToolWindow(const TTTOOLINFOW& tool) {
    return tool.uFlags & TTF_IDISHWND ? reinterpret_cast<HWND>(tool.uId) : tool.hwnd;
}

// Empty without a tooltip window.
inline std::vector<ToolTipTool> ToolsOf(HWND tip) {
    std::vector<ToolTipTool> tools;
    if (!tip) return tools;
    const int count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[1024] = {};
        TTTOOLINFOW tool = ToolQuery(text);
        if (SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)))
            tools.push_back({ToolWindow(tool), ToolText(tip, tool)});
    }
    return tools;
}

// The tool the tooltip window shows, with its text; a null window while it shows none.
inline ToolTipTool ShownTool(HWND tip) {
    wchar_t text[1024] = {};
    TTTOOLINFOW tool = ToolQuery(text);
    if (!tip || !IsWindowVisible(tip) || !SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        return {nullptr, L""};
    return {ToolWindow(tool), ToolText(tip, tool)};
}

// The top-level windows of this process of a window class.
inline std::vector<HWND> ProcessWindowsOfClass(const wchar_t* windowClass) {
    struct Search {
        const wchar_t* windowClass;
        std::vector<HWND> found;
    } search = {windowClass, {}};
    EnumWindows(
        [](HWND window, LPARAM context) CALLBACK -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == GetCurrentProcessId() && lstrcmpiW(name, search->windowClass) == 0)
                search->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline std::vector<HWND> ProcessToolTipWindows() { return ProcessWindowsOfClass(TOOLTIPS_CLASSW); }

// The host's tooltip text for a control, which the control takes at the resize that follows.
inline void GiveToolTip(IDispatch* extender, const wchar_t* text, bool resize = true) {
    VARIANT value = Text(text);
    PutProperty(extender, L"ToolTipText", value);
    VariantClear(&value);
    if (!resize) return;
    VARIANT width = GetProperty(extender, L"Width");
    PutProperty(extender, L"Width", Long(width.lVal + 1));
}

// Gives a control the host's texts in turn, each with a resize, and checks after each that its parts carry
// the latest one (none for an empty text).
inline void ExpectPartsFollowTheHostsText(IDispatch* extender, const std::function<HWND()>& tipWindow,
                                          const std::vector<HWND>& parts) {
    for (const wchar_t* text : {L"Price", L"Price & tax", L"", L"\u0628\u0647\u0627", L"Price"}) {
        GiveToolTip(extender, text);
        std::vector<ToolTipTool> expected;
        if (*text)
            for (HWND part : parts) expected.push_back({part, text});
        EXPECT_EQ(ToolsOf(tipWindow()), expected) << ::testing::PrintToString(std::wstring(text));
    }
}

}  // namespace kxtest
