#pragma once
#include <windows.h>
#include <new>

// Every public class of the library: its identity, its name ("Korvix32.<name>" is its program
// identity) and how to make one.
namespace kx {

struct ClassEntry {
    const CLSID* clsid;
    const wchar_t* name;
    HRESULT (*create)(REFIID iid, void** out);
    bool isControl;
};

const ClassEntry* ClassTableBegin();
const ClassEntry* ClassTableEnd();
const ClassEntry* FindClass(REFCLSID clsid);

// Makes an object of a class, hands out the asked interface and drops the maker's reference.
template <class Object>
HRESULT CreateInstance(REFIID iid, void** out) {
    Object* object = new (std::nothrow) Object();
    if (!object) return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

}  // namespace kx
