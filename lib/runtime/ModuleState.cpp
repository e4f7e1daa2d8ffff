#include "ModuleState.h"

namespace kx {
namespace {
HMODULE g_module = nullptr;
volatile LONG g_objects = 0;
volatile LONG g_locks = 0;

// Where the module is linked into an executable (tests), its handle is that of the image
// that holds this code.
HMODULE ImageOfThisCode() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ImageOfThisCode), &module);
    return module;
}
}  // namespace

HMODULE ModuleHandle() {
    if (!g_module) g_module = ImageOfThisCode();
    return g_module;
}

void SetModuleHandle(HMODULE module) { g_module = module; }

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void LockServer(bool lock) {
    if (lock)
        InterlockedIncrement(&g_locks);
    else
        InterlockedDecrement(&g_locks);
}
bool CanUnloadModule() { return g_objects == 0 && g_locks == 0; }

}  // namespace kx
