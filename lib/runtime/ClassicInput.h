#pragma once
#include <windows.h>

// Mouse and key arguments in the classic forms that controls raise their events with: Button 1 left,
// 2 right, 4 middle; Shift 1 shift, 2 control, 4 alt; KeyAscii a character of the system ANSI code page.
namespace kx {

short ShiftState();
// The button of a mouse button message; 0 for any other message.
short ButtonOf(UINT message);
// The buttons held, from a mouse message's key flags.
short HeldButtons(WPARAM keys);
// The KeyAscii of a typed character ("?" when the code page has none).
short AnsiKey(wchar_t key);
// The character of a KeyAscii (0 for 0, a negative code or one the code page does not hold).
wchar_t CharOfAnsiKey(short keyAscii);

}  // namespace kx
