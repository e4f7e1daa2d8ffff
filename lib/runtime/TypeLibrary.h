#pragma once
#include <windows.h>
#include <oaidl.h>

// The library's own type library, loaded once from the module's TYPELIB resource.
namespace kx {

ITypeLib* LibraryTypeLib();  // not add-ref'd; null when the module carries none
// Type information of a dual interface in its vtable form (TKIND_INTERFACE); not add-ref'd.
ITypeInfo* InterfaceTypeInfo(REFIID iid);
ITypeInfo* ClassTypeInfo(REFCLSID clsid);  // coclass; not add-ref'd

}  // namespace kx
