#pragma once
#include <windows.h>
#include <olectl.h>

#include <initializer_list>
#include <string>

// The plain controls of the program's secondary windows and what those windows do with them.
namespace zarvanta {

// A control's place on its form from its left, top, width and height, as the form designer gives them.
constexpr RECT Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

struct FormControl {
    const wchar_t* className;
    const wchar_t* text;
    RECT bounds;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    int id;
};

// Creates the control on the form with the font. Null on failure.
HWND CreateFormControl(HWND form, HFONT font, const FormControl& control);
std::wstring WindowTextOf(HWND window);
// The font handle of an OLE font, kept alive by the font object; null when there is none.
HFONT FontHandleOf(IFontDisp* font);
// Puts the windows in this z-order, which is the order Tab moves through them; hosted controls' windows do not
// come in the order they were placed. Null windows are passed over.
void SetTabOrder(std::initializer_list<HWND> windows);

}  // namespace zarvanta
