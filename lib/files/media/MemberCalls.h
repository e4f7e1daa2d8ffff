#pragma once
#include <windows.h>
#include <oaidl.h>

// Calls by name on a host's object that keep property reads and method calls apart: a script object takes
// the runtime's usual get-or-call as a call of the property's value (Wine's JScript does). Failures throw
// kx::Error: 91 for no object, 438 for a missing member, 5 for a failed call.
namespace kx {

long GetLongMember(IDispatch* object, const wchar_t* name);
// A method without arguments; its result, if any, is dropped.
void CallMember(IDispatch* object, const wchar_t* name);

}  // namespace kx
