#pragma once
#include <string>
#include <string_view>

#include "DictionaryRecord.h"

// dic.txt: UTF-8, a header line, then one record per line in table order, fields separated by tabs.
namespace zarvanta {

inline constexpr std::string_view kDictionaryHeader = "Word\tAbjadWord\tLength\tAbjad";
inline constexpr wchar_t kFieldSeparator = L'\t';

// The record's line without its line break.
std::string FormatDictionaryLine(const DictionaryRecord& record);

}  // namespace zarvanta
