#pragma once
#include <windows.h>

// The window procedure of a window that belongs to a C++ object. The object comes as the creation parameter;
// its window member is set on WM_NCCREATE, and its handler gets every message from then up to WM_NCDESTROY.
namespace kx {

template <class Owner, HWND Owner::*Window, LRESULT (Owner::*Handler)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK InstanceWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        owner->*Window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return (owner->*Handler)(message, wParam, lParam);
}

}  // namespace kx
