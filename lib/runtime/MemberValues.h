#pragma once
#include <windows.h>
#include <oleauto.h>

// Small steps every control's members take: handing a value out, keeping and handing out objects.
namespace kx {

inline VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// A property get of a plain value.
template <class T, class V>
HRESULT Read(T* out, V value) {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

// Holds a new reference to object in slot, releasing what the slot held.
template <class T>
void Keep(T*& slot, T* object) {
    if (object) object->AddRef();
    if (slot) slot->Release();
    slot = object;
}

// A property get of an object: a new reference, or null.
template <class T>
HRESULT Hand(T* object, T** out) {
    if (!out) return E_POINTER;
    *out = object;
    if (object) object->AddRef();
    return S_OK;
}

}  // namespace kx
