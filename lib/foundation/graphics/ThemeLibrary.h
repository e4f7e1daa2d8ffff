#pragma once
#include <windows.h>

// The visual-styles service (uxtheme), looked up once for every control that draws theme parts. Systems
// without it, or without a theme for a window, answer "no theme". Tests put a library of their own in place
// to count the handles taken or to have no theme at all.
namespace kx {

class ThemeLibrary {
public:
    using Theme = void*;

    virtual ~ThemeLibrary() = default;
    // The theme data of the window's visual style for a theme class; null when there is none.
    virtual Theme Open(HWND window, const wchar_t* themeClass) const;
    virtual HRESULT Draw(Theme theme, HDC dc, int part, int state, const RECT& bounds, const RECT& clip) const;
    virtual void Close(Theme theme) const;
};

// The library in use: the system's, unless a test put another in place.
const ThemeLibrary& Themes();
// Puts a library in place (it must outlive its use); null goes back to the system's.
void UseThemeLibrary(const ThemeLibrary* library);

// One part in one state into bounds, clipped to them, with a theme handle of its own that is closed again.
// False when no theme drew it (no service, no theme for the window, or the drawing failed).
bool DrawThemedPart(HWND window, HDC dc, const wchar_t* themeClass, int part, int state, const RECT& bounds);

}  // namespace kx
