#pragma once
#include <windows.h>
#include <oaidl.h>

// A window seen as a form object by late-bound callers: its one property "Hwnd" returns the window handle.
namespace zarvanta {

// A new object with one reference.
IDispatch* CreateFormObject(HWND window);

}  // namespace zarvanta
