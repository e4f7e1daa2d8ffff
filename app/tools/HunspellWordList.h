#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The words of a hunspell .dic file: a first line with the (approximate) word count, then one word per
// line, optionally followed by "/" and affix flags.
namespace zarvanta {

// Each distinct word once, in the order of the file; throws std::runtime_error naming the file (and line).
std::vector<std::wstring> ReadHunspellWords(const std::filesystem::path& file);
std::vector<std::wstring> ParseHunspellWords(std::string_view content, const std::wstring& sourceName);

}  // namespace zarvanta
