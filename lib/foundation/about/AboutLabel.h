#pragma once
#include <windows.h>

#include <string>

// The captions of the About box: transparent child windows that size themselves to their text,
// stand centred on a vertical line, and report a click to their parent as
// WM_COMMAND (MAKEWPARAM(id, STN_CLICKED), label).
namespace kx {

struct AboutLabelStyle {
    int id;
    int centreX;
    int top;
    HFONT font;  // owned by the caller, alive as long as the label
    COLORREF colour;
    bool handCursor;
};

// The style must outlive the label. The parent draws its own picture behind the caption when asked
// with WM_PRINTCLIENT.
HWND CreateAboutLabel(HWND parent, const AboutLabelStyle* style, const std::wstring& caption);

// A click as the classic runtime counts it: the left button goes down and comes up over the same window.
void BeginClick(HWND window);
bool EndsClick(HWND window, LPARAM releasePosition);

}  // namespace kx
