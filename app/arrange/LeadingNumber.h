#pragma once
#include <string_view>

// The classic runtime's reading of the number a text starts with: blanks (space, tab, line feed) are skipped
// wherever they are, reading stops at the first character that cannot continue the number, and a text that
// does not start with one reads as 0. Decimal only: a point, never the locale's separator; an exponent after
// E or D.
namespace zarvanta {

double LeadingNumber(std::wstring_view text);

}  // namespace zarvanta
