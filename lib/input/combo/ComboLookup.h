#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

// The lookup combo's search: the record of the source whose key field holds the typed key, and the text of
// its shown field. The source's cursor stays where Find leaves it (on the record found, or at EOF).
namespace kx {

// The shown field's text; empty when no record holds the key or the shown value is Null. A refusal of the
// source throws kx::Error with its number and text.
std::wstring LookUpShownText(IDispatch* source, const std::wstring& keyField, const std::wstring& showField,
                             const std::wstring& key);

}  // namespace kx
