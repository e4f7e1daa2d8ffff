#pragma once
#include <windows.h>

// A fault planted on purpose, for the tests of the fault recorder: a window procedure that writes through a null
// pointer when it handles WM_CREATE. The system sends that message from inside CreateWindowEx, as it sends a
// parent WM_PARENTNOTIFY there, and discards a fault of its handler: the window is made as if nothing happened.
namespace kxtest {

inline LRESULT CALLBACK FaultingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        volatile int* volatile nowhere = nullptr;  // volatile: the write stays, as a write
        *nowhere = 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Makes and destroys a message-only window of that procedure.
inline void MakeFaultingWindow() {
    WNDCLASSW cls = {};
    cls.lpfnWndProc = FaultingWindowProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"KxPlantedFault";
    RegisterClassW(&cls);
    HWND window =
        CreateWindowExW(0, cls.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
    DestroyWindow(window);
}

}  // namespace kxtest
