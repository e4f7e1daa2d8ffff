#pragma once
#include <optional>
#include <string>

// Text and the bytes of a code page. A code page of -1 is the system's ANSI code page; 0 and 1 are
// the platform's names of the ANSI and OEM code pages. A code page the platform does not support
// converts nothing (nullopt).
namespace kx {

constexpr long kSystemAnsiCodePage = -1;

// The encoded text, without a terminating zero; the text is read up to its first NUL.
std::optional<std::string> ToCodePageBytes(const std::wstring& text, long codePage);
// The text the bytes encode, read up to their first zero byte.
std::optional<std::wstring> FromCodePageBytes(const std::string& bytes, long codePage);
// True when every character has a representation in the code page (best-fit characters count);
// false for a code page the platform does not support.
bool IsCodePageRepresentable(const std::wstring& text, long codePage);

}  // namespace kx
