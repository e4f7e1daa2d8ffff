#include "ModuleWindowClasses.h"

#include "ModuleState.h"

namespace kx {
namespace {

// Plain storage without a destructor: still there when the module's detach runs.
constexpr int kMostClasses = 32;
const wchar_t* g_registered[kMostClasses] = {};
int g_count = 0;
SRWLOCK g_lock = SRWLOCK_INIT;

bool Remembered(const wchar_t* name) {
    for (int i = 0; i < g_count; ++i)
        if (lstrcmpiW(g_registered[i], name) == 0) return true;
    return false;
}

}  // namespace

void RegisterModuleWindowClass(const ModuleWindowClass& cls) {
    const HINSTANCE module = ModuleHandle();
    AcquireSRWLockExclusive(&g_lock);
    WNDCLASSEXW info = {sizeof(info)};
    if (!GetClassInfoExW(module, cls.name, &info)) {
        info.style = cls.style;
        info.lpfnWndProc = cls.procedure;
        info.hInstance = module;
        info.hCursor = cls.cursor ? LoadCursorW(nullptr, cls.cursor) : nullptr;
        info.hbrBackground = cls.background >= 0 ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(cls.background + 1))
                                                 : nullptr;
        info.lpszClassName = cls.name;
        if (RegisterClassExW(&info) && !Remembered(cls.name) && g_count < kMostClasses)
            g_registered[g_count++] = cls.name;
    }
    ReleaseSRWLockExclusive(&g_lock);
}

bool UnregisterModuleWindowClasses() {
    const HINSTANCE module = ModuleHandle();
    AcquireSRWLockExclusive(&g_lock);
    int kept = 0;
    for (int i = 0; i < g_count; ++i)
        if (!UnregisterClassW(g_registered[i], module) && GetLastError() != ERROR_CLASS_DOES_NOT_EXIST)
            g_registered[kept++] = g_registered[i];  // a window of it is still there
    g_count = kept;
    ReleaseSRWLockExclusive(&g_lock);
    return kept == 0;
}

}  // namespace kx
