#pragma once
#include <string>
#include <string_view>

// Text to code page 1256 bytes as the platform's best-fit conversion makes them: each UTF-16 code unit
// becomes one byte; characters the code page lacks become their best-fit character, else '?'.
namespace zarvanta {

inline constexpr char kCodePage1256Default = '?';

char EncodeCodePage1256(wchar_t c);
std::string EncodeCodePage1256(std::wstring_view text);

}  // namespace zarvanta
