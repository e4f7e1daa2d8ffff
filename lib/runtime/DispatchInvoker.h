#pragma once
#include <windows.h>
#include <oaidl.h>

// Late-bound calls into a dual interface through its vtable, driven by the member's FUNCDESC:
// arguments are coerced to the declared types (by-reference variants and plain values alike),
// missing optional arguments take their defaults, by-reference results are written back into the
// caller's variables, and a failed member becomes DISP_E_EXCEPTION with its error text.
namespace kx {

HRESULT InvokeMember(ITypeInfo* vtableInfo, void* instance, DISPID member, WORD flags, DISPPARAMS* params,
                     VARIANT* result, EXCEPINFO* exception, UINT* argError);

}  // namespace kx
