#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// The classic numeric test on a whole text, without the platform: digits with an optional sign, decimal
// point and exponent, blanks (space, tab, line breaks) allowed around them.
namespace zarvanta {

// The number the text reads as, or nothing when the text as a whole is not a number.
std::optional<double> ReadNumber(std::wstring_view text);

// Nearest whole number, halves to the even neighbour; nothing when that lies outside the signed 32-bit range
// (the classic conversion's overflow).
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace zarvanta
