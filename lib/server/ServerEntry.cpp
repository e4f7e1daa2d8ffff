// The four exports of the in-process server.
#include <windows.h>
#include <olectl.h>

#include "ClassFactory.h"
#include "FaultRecorder.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"
#include "Registration.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        kx::SetModuleHandle(instance);
        DisableThreadLibraryCalls(instance);
        kx::InstallFaultRecorderForLog();  // a script host that tests run has no recorder of its own
    } else if (reason == DLL_PROCESS_DETACH) {
        kx::RemoveFaultRecorder();
    }
    // Freed by the host (not the process ending): the next load registers its own window classes.
    if (reason == DLL_PROCESS_DETACH && !reserved) kx::UnregisterModuleWindowClasses();
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    const kx::ClassEntry* entry = kx::FindClass(clsid);
    if (!entry) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) kx::ClassFactory(*entry);
    if (!factory) return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

// Not while a window of the module is left: its window procedure would go with the image.
extern "C" HRESULT WINAPI DllCanUnloadNow() {
    return kx::CanUnloadModule() && kx::UnregisterModuleWindowClasses() ? S_OK : S_FALSE;
}
extern "C" HRESULT WINAPI DllRegisterServer() { return kx::RegisterServer(); }
extern "C" HRESULT WINAPI DllUnregisterServer() { return kx::UnregisterServer(); }
