#include "ToolTipRelay.h"

#include <commctrl.h>

#include "ModuleState.h"

namespace kx {
namespace {

// The fields every comctl32 version reads (the larger record of newer headers is refused by older ones).
TTTOOLINFOW ToolRecord(HWND container, HWND window) {
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = container;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    return tool;
}

}  // namespace

ToolTipRelay::~ToolTipRelay() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void ToolTipRelay::Show(const std::wstring& text, std::initializer_list<HWND> windows) {
    std::vector<HWND> wanted;
    if (!text.empty())
        for (HWND window : windows)
            if (window) wanted.push_back(window);
    if (text == text_ && HasToolsFor(wanted)) return;
    RemoveTools();
    text_ = text;
    if (wanted.empty() || !EnsureWindow()) return;
    for (HWND window : wanted) AddTool(window);
}

bool ToolTipRelay::HasToolsFor(const std::vector<HWND>& windows) const {
    if (windows.size() != tools_.size()) return false;
    for (size_t i = 0; i < windows.size(); ++i)
        if (tools_[i].window != windows[i]) return false;
    return true;
}

// Unowned, so that it lives exactly as long as this object whatever becomes of the control's parents.
bool ToolTipRelay::EnsureWindow() {
    if (tip_ && IsWindow(tip_)) return true;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                           ModuleHandle(), nullptr);
    return tip_ != nullptr;
}

// The tooltip keeps its own copy of the text.
void ToolTipRelay::AddTool(HWND window) {
    const Tool entry = {GetParent(window), window};
    TTTOOLINFOW tool = ToolRecord(entry.container, entry.window);
    tool.lpszText = const_cast<wchar_t*>(text_.c_str());
    if (SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) tools_.push_back(entry);
}

// A tool whose window is gone is still the tooltip's until taken away.
void ToolTipRelay::RemoveTools() {
    for (const Tool& entry : tools_) {
        TTTOOLINFOW tool = ToolRecord(entry.container, entry.window);
        SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tools_.clear();
}

}  // namespace kx
