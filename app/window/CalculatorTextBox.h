#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "calc/RunningTotal.h"

// The main window's text box: several lines, right-to-left reading. The calculator keys typed into it run
// their operation instead of reaching the text, and Ctrl+A selects the whole text.
namespace zarvanta {

class CalculatorTextBox {
public:
    using OperationHandler = std::function<void(TotalOperation)>;

    void Create(HWND parent, const RECT& bounds, HFONT font, const std::wstring& text, OperationHandler onOperation);
    HWND Handle() const { return edit_; }

    std::wstring Text() const;
    void Clear();

private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    bool HandleKey(UINT message, WPARAM key);

    HWND edit_ = nullptr;
    OperationHandler onOperation_;
};

// Ctrl alone held: the shift state 2 of the classic key events.
bool OnlyControlHeld();

}  // namespace zarvanta
