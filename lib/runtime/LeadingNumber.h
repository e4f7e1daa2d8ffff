#pragma once
#include <string_view>

// The form runtime's Val: the number at the start of a text. Pure logic, no platform calls.
namespace kx {

struct LeadingNumber {
    double value = 0;
    bool overflow = false;  // the number does not fit (the runtime raises Overflow)
};

// Blanks, tabs and line breaks are skipped anywhere; "." is the decimal point; an exponent may
// follow (E or D); "&H" and "&O" read hexadecimal and octal digits, as a signed 16-bit value when
// it fits in 16 bits and as a signed 32-bit value otherwise. Reading stops at the first character
// that cannot continue the number; no number gives 0.
LeadingNumber ReadLeadingNumber(std::wstring_view text);

}  // namespace kx
