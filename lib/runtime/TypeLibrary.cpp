#include "TypeLibrary.h"

#include <map>
#include <mutex>

#include "ModuleState.h"

namespace kx {
namespace {
std::mutex g_lock;
ITypeLib* g_library = nullptr;
bool g_loaded = false;
std::map<GUID, ITypeInfo*, bool (*)(const GUID&, const GUID&)> g_infos(
    [](const GUID& a, const GUID& b) { return memcmp(&a, &b, sizeof(GUID)) < 0; });

ITypeLib* LoadLibraryTypeLib() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(ModuleHandle(), path, MAX_PATH);
    ITypeLib* library = nullptr;
    if (FAILED(LoadTypeLibEx(path, REGKIND_NONE, &library))) return nullptr;
    return library;
}

// A dual interface is found as its dispatch form; its vtable form is the implemented type -1.
ITypeInfo* VtableForm(ITypeInfo* info) {
    TYPEATTR* attr = nullptr;
    if (FAILED(info->GetTypeAttr(&attr))) return info;
    const bool dispatchForm = attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL);
    info->ReleaseTypeAttr(attr);
    if (!dispatchForm) return info;
    HREFTYPE ref = 0;
    ITypeInfo* vtable = nullptr;
    if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref)) && SUCCEEDED(info->GetRefTypeInfo(ref, &vtable))) {
        info->Release();
        return vtable;
    }
    return info;
}
}  // namespace

ITypeLib* LibraryTypeLib() {
    std::lock_guard<std::mutex> guard(g_lock);
    if (!g_loaded) {
        g_library = LoadLibraryTypeLib();
        g_loaded = true;
    }
    return g_library;
}

ITypeInfo* InterfaceTypeInfo(REFIID iid) {
    ITypeLib* library = LibraryTypeLib();
    std::lock_guard<std::mutex> guard(g_lock);
    auto found = g_infos.find(iid);
    if (found != g_infos.end()) return found->second;
    ITypeInfo* info = nullptr;
    if (!library || FAILED(library->GetTypeInfoOfGuid(iid, &info))) return nullptr;
    info = VtableForm(info);
    g_infos[iid] = info;
    return info;
}

ITypeInfo* ClassTypeInfo(REFCLSID clsid) {
    ITypeLib* library = LibraryTypeLib();
    std::lock_guard<std::mutex> guard(g_lock);
    auto found = g_infos.find(clsid);
    if (found != g_infos.end()) return found->second;
    ITypeInfo* info = nullptr;
    if (!library || FAILED(library->GetTypeInfoOfGuid(clsid, &info))) return nullptr;
    g_infos[clsid] = info;
    return info;
}

}  // namespace kx
