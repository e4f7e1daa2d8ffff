#pragma once
#include <windows.h>

// Faults planted on purpose, for the tests of the fault recorder: a window procedure that faults when it handles
// WM_CREATE. The system sends that message from inside CreateWindowEx, as it sends a parent WM_PARENTNOTIFY
// there, and discards a fault of its handler: the window is made as if nothing had happened.
namespace kxtest {

enum class PlantedFault { NullWrite, DivisionByZero, IllegalInstruction };

inline LRESULT CALLBACK FaultingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        // volatile: each fault stays in the code as the instruction that faults
        switch (*static_cast<const PlantedFault*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams)) {
            case PlantedFault::NullWrite: {
                volatile int* volatile nowhere = nullptr;
                *nowhere = 1;
                break;
            }
            case PlantedFault::DivisionByZero: {
                volatile int dividend = 1, zero = 0;
                volatile int quotient = dividend / zero;
                (void)quotient;
                break;
            }
            case PlantedFault::IllegalInstruction: __builtin_trap();
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Makes and destroys a message-only window of that procedure.
inline void MakeFaultingWindow(PlantedFault fault = PlantedFault::NullWrite) {
    WNDCLASSW cls = {};
    cls.lpfnWndProc = FaultingWindowProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"KxPlantedFault";
    RegisterClassW(&cls);
    HWND window =
        CreateWindowExW(0, cls.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, &fault);
    DestroyWindow(window);
}

}  // namespace kxtest
