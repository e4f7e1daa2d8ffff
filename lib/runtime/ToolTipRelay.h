#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// One tooltip text over a control's constituent windows, shown by a comctl32 tooltip window that
// subclasses each of them to see the mouse. A window must take its own mouse input for that: a STATIC
// needs SS_NOTIFY, or its mouse messages go to its parent. The tooltip window is made for the first
// text and goes with the object.
namespace kx {

class ToolTipRelay {
public:
    ToolTipRelay() = default;
    ~ToolTipRelay();
    ToolTipRelay(const ToolTipRelay&) = delete;
    ToolTipRelay& operator=(const ToolTipRelay&) = delete;

    // Gives the windows (null ones left out) the text; an empty text takes every tool away. A window
    // made anew since the last call gets the tool in place of the old one.
    void Show(const std::wstring& text, std::initializer_list<HWND> windows);
    const std::wstring& Text() const { return text_; }
    HWND Window() const { return tip_; }  // null until there was a text to show

private:
    struct Tool {
        HWND container;
        HWND window;
    };
    bool HasToolsFor(const std::vector<HWND>& windows) const;
    bool EnsureWindow();
    void AddTool(HWND window);
    void RemoveTools();

    HWND tip_ = nullptr;
    std::wstring text_;
    std::vector<Tool> tools_;
};

}  // namespace kx
