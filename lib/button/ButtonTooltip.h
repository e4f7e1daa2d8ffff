#pragma once
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

// The button's tooltip window: made anew from the tooltip properties at every mouse entry, one at
// a time, and gone with the button.
namespace kx {

struct TooltipSettings {
    std::wstring body;
    std::wstring title;
    long icon = 0;  // TTI_NONE .. TTI_ERROR
    long type = 1;  // 1 balloon; any other value a standard tooltip
    OLE_COLOR backColor = 0x80000018;
    OLE_COLOR foreColor = 0x80000017;
};

class ButtonTooltip {
public:
    ButtonTooltip() = default;
    ~ButtonTooltip() { Destroy(); }
    ButtonTooltip(const ButtonTooltip&) = delete;
    ButtonTooltip& operator=(const ButtonTooltip&) = delete;

    // Replaces the tooltip window of the tool window with one made from the settings.
    void Create(HWND tool, const TooltipSettings& settings);
    void Destroy();
    HWND Window() const { return window_; }
    // The tooltip window's style bits for the settings.
    static DWORD StyleFor(const TooltipSettings& settings);

private:
    void AddTool(HWND tool);
    void ApplyLooks(const TooltipSettings& settings);

    HWND window_ = nullptr;
    TTTOOLINFOA tool_ = {};
    std::string text_;  // the tool record's text, in the ANSI code page
};

}  // namespace kx
