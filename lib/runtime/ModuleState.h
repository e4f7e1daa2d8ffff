#pragma once
#include <windows.h>

// Process-wide state of the library module: its handle, live objects and server locks.
namespace kx {

HMODULE ModuleHandle();
void SetModuleHandle(HMODULE module);

void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
bool CanUnloadModule();

}  // namespace kx
