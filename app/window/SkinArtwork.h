#pragma once
#include <windows.h>

// The program's own artwork, drawn in code: the main window's skin, the option check mark, the link
// cursor and the icon. Each function returns a new handle that the caller frees.
namespace zarvanta {

HBITMAP CreateSkinBitmap();       // 800 x 600, 24-bit; magenta where the window is cut out
HBITMAP CreateCheckMarkBitmap();  // 21 x 21, 24-bit
HCURSOR CreateLinkCursor();       // a pointing hand
HICON CreateAppIcon(int size);    // square, size 16 or 32

}  // namespace zarvanta
