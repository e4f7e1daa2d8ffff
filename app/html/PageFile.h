#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A page file read as text in the character set it states; without a statement, UTF-8 where the bytes are
// valid UTF-8 and the system's code page otherwise. Malformed bytes become U+FFFD.
namespace zarvanta {

constexpr std::size_t kLongestPageBytes = 32 * 1024 * 1024;  // more is not read

std::wstring DecodePageBytes(std::string_view bytes);
// Nothing when the file cannot be opened.
std::optional<std::wstring> ReadPageText(const std::wstring& path);

}  // namespace zarvanta
