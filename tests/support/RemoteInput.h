#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Real input to windows of another process, and waits that do not pump this thread's messages.
namespace kxtest {

// Polls condition until it holds or milliseconds pass.
inline bool Until(const std::function<bool()>& condition, DWORD milliseconds = 10000) {
    const DWORD end = GetTickCount() + milliseconds;
    while (!condition()) {
        if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
        Sleep(20);
    }
    return true;
}

// Real presses and releases of a mouse button where the pointer is.
inline void SendMouse(DWORD down, DWORD up, int clicks = 1) {
    for (int i = 0; i < clicks; ++i) {
        for (DWORD flags : {down, up}) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flags;
            SendInput(1, &input, sizeof(INPUT));
            Sleep(40);
        }
    }
}

// A real click of a mouse button at a point in the window's client area.
inline void ClickAt(HWND window, POINT at, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    Sleep(50);
    SendMouse(down, up);
}

// A window's text asked by message, so an edit box of another process answers with its contents.
inline std::wstring RemoteText(HWND window) {
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// The middle of a drop button: the part of the control beside its text box, on its left or its right; in
// the control's client coordinates.
inline POINT DropButtonPoint(HWND control, HWND box) {
    RECT whole = {}, text = {};
    GetWindowRect(control, &whole);
    GetWindowRect(box, &text);
    const LONG x = text.left > whole.left ? (text.left - whole.left) / 2 : whole.right - whole.left - 4;
    return {x, (text.bottom - text.top) / 2};
}

// The window that has the keyboard focus in another thread.
inline HWND FocusOfThread(HWND anyWindowOfIt) {
    GUITHREADINFO info = {sizeof(info)};
    return GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfIt, nullptr), &info) ? info.hwndFocus : nullptr;
}

}  // namespace kxtest
