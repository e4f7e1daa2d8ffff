#pragma once
#include <windows.h>
#include <oleauto.h>

// What the client tests share: COM for the test's scope, and an interface's own functions as an
// early-bound host sees them.
namespace kxtest {

class ComScope {
public:
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

// The vtable half of a dual interface (the interface itself when it has none); null when missing.
inline ITypeInfo* VtableInfo(ITypeLib* library, REFIID iid) {
    ITypeInfo* info = nullptr;
    if (FAILED(library->GetTypeInfoOfGuid(iid, &info))) return nullptr;
    HREFTYPE ref = 0;
    ITypeInfo* vtable = nullptr;
    if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref)) && SUCCEEDED(info->GetRefTypeInfo(ref, &vtable))) {
        info->Release();
        return vtable;
    }
    return info;
}

}  // namespace kxtest
