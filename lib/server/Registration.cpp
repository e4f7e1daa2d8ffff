#include "Registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "ClassTable.h"
#include "Korvix32_h.h"
#include "ModuleState.h"

namespace kx {
namespace {

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring ModulePath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(ModuleHandle(), path, MAX_PATH);
    return path;
}

bool SetText(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

std::wstring ProgId(const ClassEntry& entry) { return std::wstring(L"Korvix32.") + entry.name; }

bool RegisterClass(const ClassEntry& entry, const std::wstring& module) {
    const std::wstring clsidKey = L"CLSID\\" + GuidText(*entry.clsid);
    bool ok = SetText(clsidKey, nullptr, ProgId(entry)) &&
              SetText(clsidKey + L"\\InprocServer32", nullptr, module) &&
              SetText(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
              SetText(clsidKey + L"\\ProgID", nullptr, ProgId(entry)) &&
              SetText(clsidKey + L"\\TypeLib", nullptr, GuidText(LIBID_Korvix32)) &&
              SetText(clsidKey + L"\\Version", nullptr, L"1.0") &&
              SetText(ProgId(entry), nullptr, ProgId(entry)) &&
              SetText(ProgId(entry) + L"\\CLSID", nullptr, GuidText(*entry.clsid));
    if (ok && entry.isControl) ok = SetText(clsidKey + L"\\Control", nullptr, L"");
    return ok;
}

void UnregisterClass(const ClassEntry& entry) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + GuidText(*entry.clsid)).c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, (L"CLSID\\" + GuidText(*entry.clsid)).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, ProgId(entry).c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, ProgId(entry).c_str());
}

}  // namespace

HRESULT RegisterServer() {
    const std::wstring module = ModulePath();
    for (const ClassEntry* entry = ClassTableBegin(); entry != ClassTableEnd(); ++entry)
        if (!RegisterClass(*entry, module)) return SELFREG_E_CLASS;
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(module.c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return SELFREG_E_TYPELIB;
    hr = RegisterTypeLib(library, const_cast<LPOLESTR>(module.c_str()), nullptr);
    library->Release();
    return FAILED(hr) ? SELFREG_E_TYPELIB : S_OK;
}

HRESULT UnregisterServer() {
    for (const ClassEntry* entry = ClassTableBegin(); entry != ClassTableEnd(); ++entry) UnregisterClass(*entry);
    SYSKIND kind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
    UnRegisterTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, kind);
    return S_OK;
}

}  // namespace kx
