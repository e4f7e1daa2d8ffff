#pragma once
#include <windows.h>
#include <olectl.h>

#include <optional>
#include <string>

#include "ControlHost.h"

// Places the library's button on a window with the design-time properties the program's windows give it.
namespace zarvanta {

struct ButtonDesign {
    std::wstring name;
    std::wstring caption;
    RECT bounds;
    long style;                          // kxBtnStyle
    std::optional<OLE_COLOR> backColor;  // the button's default when not given
};

// A font of 8.25 pt, the size of every font on the program's windows. A new reference, or null.
IFontDisp* CreateOleFont(const wchar_t* face, short charset);
// Tahoma 8.25 pt, Arabic character set: the font of the program's buttons. A new reference, or null.
IFontDisp* CreateButtonFont();

// Null when the library's button cannot be made.
kx::ControlSite* PlaceLibraryButton(kx::ControlHost& host, const ButtonDesign& design, IFontDisp* font,
                                    kx::ControlEventHandler onEvent);

}  // namespace zarvanta
