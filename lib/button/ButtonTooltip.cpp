#include "ButtonTooltip.h"

#include "ButtonColor.h"
#include "Text.h"

namespace kx {
namespace {

HINSTANCE LibraryInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&LibraryInstance), &module);
    return module;
}

}  // namespace

DWORD ButtonTooltip::StyleFor(const TooltipSettings& settings) {
    return TTS_ALWAYSTIP | TTS_NOPREFIX | (settings.type == 1 ? TTS_BALLOON : 0);
}

void ButtonTooltip::Create(HWND tool, const TooltipSettings& settings) {
    text_ = ToAnsi(settings.body);
    Destroy();
    static DWORD noCreationData = 0;
    window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, StyleFor(settings), CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, tool, nullptr, LibraryInstance(), &noCreationData);
    if (!window_) return;
    AddTool(tool);
    ApplyLooks(settings);
}

void ButtonTooltip::Destroy() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
}

void ButtonTooltip::AddTool(HWND tool) {
    tool_ = {};
    tool_.cbSize = sizeof(tool_);
    tool_.uFlags = TTF_SUBCLASS;
    tool_.hwnd = tool;
    tool_.uId = 0;
    GetClientRect(tool, &tool_.rect);
    tool_.hinst = LibraryInstance();
    tool_.lpszText = text_.data();
    tool_.lParam = 0;
    SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool_));
}

// A colour of 0 keeps the tooltip's own colour.
void ButtonTooltip::ApplyLooks(const TooltipSettings& settings) {
    if (!settings.title.empty() || settings.icon != 0) {
        const std::string title = ToAnsi(settings.title);
        SendMessageA(window_, TTM_SETTITLEA, static_cast<WPARAM>(settings.icon),
                     reinterpret_cast<LPARAM>(title.c_str()));
    }
    if (settings.foreColor != 0)
        SendMessageA(window_, TTM_SETTIPTEXTCOLOR, static_cast<WPARAM>(TranslateButtonColor(settings.foreColor)), 0);
    if (settings.backColor != 0)
        SendMessageA(window_, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(TranslateButtonColor(settings.backColor)), 0);
}

}  // namespace kx
