#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

// Members of a host's objects reached by name at run time. Failures raise the runtime's errors:
// 91 for a missing object, 438 for a missing member, or the error the object reported.
namespace kx {

// The value of a property (or a parameterless function), optionally with one index argument.
VARIANT GetMember(IDispatch* object, const wchar_t* name);
VARIANT GetMember(IDispatch* object, const wchar_t* name, long index);
void PutMember(IDispatch* object, const wchar_t* name, const VARIANT& value);
void PutMemberRef(IDispatch* object, const wchar_t* name, IDispatch* value);

long GetLongMember(IDispatch* object, const wchar_t* name);
std::wstring GetTextMember(IDispatch* object, const wchar_t* name);
void PutLongMember(IDispatch* object, const wchar_t* name, long value);

}  // namespace kx
