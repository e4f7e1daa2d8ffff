#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

// Text at the library's boundaries: BSTRs of the interfaces, the system ANSI code page of the
// platform's A entry points and the files that store ANSI text.
namespace kx {

std::wstring FromBstr(BSTR text);
BSTR ToBstr(const std::wstring& text);  // throws Error 7 when out of memory
// Replaces *target (freeing the old string) with a copy of text.
void AssignBstr(BSTR* target, const std::wstring& text);

std::string ToAnsi(const std::wstring& text);  // best-fit conversion to the system code page
std::wstring FromAnsi(const std::string& text);

std::wstring TrimBlanks(const std::wstring& text);  // blanks (U+0020) at both ends
std::wstring ToLowerText(const std::wstring& text);
std::wstring ToUpperText(const std::wstring& text);

}  // namespace kx
