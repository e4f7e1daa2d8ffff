#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

namespace kx {

// The button's own colour rule: the plain colour 0x00BBGGRR, or -1 on any failure.
inline long TranslateButtonColor(OLE_COLOR colour) {
    COLORREF plain = 0;
    return SUCCEEDED(OleTranslateColor(colour, nullptr, &plain)) ? static_cast<long>(plain) : -1;
}

}  // namespace kx
