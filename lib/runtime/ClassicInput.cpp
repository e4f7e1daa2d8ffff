#include "ClassicInput.h"

namespace kx {

short ShiftState() {
    short shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

short ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return 1;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return 2;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return 4;
        default: return 0;
    }
}

short HeldButtons(WPARAM keys) {
    return static_cast<short>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                              ((keys & MK_MBUTTON) ? 4 : 0));
}

short AnsiKey(wchar_t key) {
    if (key < 0x80) return static_cast<short>(key);
    char bytes[2] = {};
    const int size = WideCharToMultiByte(CP_ACP, 0, &key, 1, bytes, 2, nullptr, nullptr);
    if (size == 1) return static_cast<short>(static_cast<unsigned char>(bytes[0]));
    if (size == 2) return static_cast<short>((static_cast<unsigned char>(bytes[0]) << 8) |
                                             static_cast<unsigned char>(bytes[1]));
    return static_cast<short>('?');
}

wchar_t CharOfAnsiKey(short keyAscii) {
    if (keyAscii <= 0) return 0;
    if (keyAscii < 0x80) return static_cast<wchar_t>(keyAscii);
    char bytes[2] = {static_cast<char>(keyAscii >> 8), static_cast<char>(keyAscii & 0xFF)};
    const bool single = keyAscii <= 0xFF;
    wchar_t c = 0;
    const int size = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, single ? bytes + 1 : bytes, single ? 1 : 2, &c, 1);
    return size == 1 ? c : 0;
}

}  // namespace kx
