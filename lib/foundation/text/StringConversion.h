#pragma once
#include <string>

// The form runtime's StrConv. The result is the raw bytes of the converted string (two per
// character, or the packed bytes of a code page after a conversion to ANSI), so that byte strings
// of odd length survive. Throws Error 5 for an invalid conversion value.
namespace kx {

enum StringConversionFlag : long {
    kConvertUpperCase = 1,
    kConvertLowerCase = 2,
    kConvertProperCase = 3,
    kConvertWide = 4,
    kConvertNarrow = 8,
    kConvertKatakana = 16,
    kConvertHiragana = 32,
    kConvertUnicode = 64,
    kConvertFromUnicode = 128,
};

// localeId 0 means the system locale; its ANSI code page serves the Unicode conversions.
std::string ConvertString(const std::wstring& text, long conversion, long localeId);

}  // namespace kx
