#pragma once
#include <string_view>

// The number a typed text starts with, read as the classic runtime's Val reads it (blanks skipped anywhere,
// reading stops where the number ends, no number gives 0). A number too large for a Double reads as infinity,
// which equals no stored value.
namespace zarvanta {

double LeadingNumber(std::wstring_view text);

}  // namespace zarvanta
