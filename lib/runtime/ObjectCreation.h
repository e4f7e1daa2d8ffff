#pragma once
#include <windows.h>

#include <new>

namespace kx {

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
