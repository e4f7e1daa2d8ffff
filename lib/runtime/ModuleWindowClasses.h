#pragma once
#include <windows.h>

// The window classes this module registers, remembered so that they can be unregistered before its image
// goes: a class left behind would send the windows of a later load of the module into code no longer there.
namespace kx {

struct ModuleWindowClass {
    const wchar_t* name;  // a literal of the module: remembered as it is
    WNDPROC procedure;
    UINT style = 0;
    const wchar_t* cursor = IDC_ARROW;  // a system cursor; null for none
    int background = -1;                // a system colour index (COLOR_BTNFACE ...); -1 for none
};

// Registers the class with this module's handle unless it is registered already.
void RegisterModuleWindowClass(const ModuleWindowClass& cls);

// Unregisters every class the module registered that no window uses any more; true when none is left.
bool UnregisterModuleWindowClasses();

}  // namespace kx
