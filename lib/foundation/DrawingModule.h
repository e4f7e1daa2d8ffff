#pragma once
#include <windows.h>

// Shared colour arithmetic and drawing routines of the library.
namespace kx {

// The plain colour 0x00BBGGRR of an OLE colour, or -1 when the translation fails.
long TranslateOleColor(long color);

}  // namespace kx
