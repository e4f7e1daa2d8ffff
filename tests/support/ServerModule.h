#pragma once
#include <windows.h>
#include <objbase.h>

#include "ControlTestSupport.h"

// The registered server as COM loads it into this process: whether it may go, and letting it go.
namespace kxtest {

inline HMODULE ServerModule() { return GetModuleHandleW(L"Korvix32.dll"); }

// The server's own DllCanUnloadNow: S_OK once no object, lock or window of it is left. S_OK too when it is
// not loaded.
inline HRESULT ServerCanUnloadNow() {
    const HMODULE server = ServerModule();
    if (!server) return S_OK;
    using CanUnload = HRESULT(WINAPI*)();
    const auto canUnload =
        reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    return canUnload ? canUnload() : E_FAIL;
}

// Asks COM to free unused libraries, without its delay, until the server is gone; whether it went.
inline bool FreeServer() {
    for (int i = 0; i < 50 && ServerModule(); ++i) {
        CoFreeUnusedLibrariesEx(0, 0);
        if (ServerModule()) PumpMessages(10);
    }
    return !ServerModule();
}

}  // namespace kxtest
