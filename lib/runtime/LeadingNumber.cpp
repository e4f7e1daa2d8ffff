#include "LeadingNumber.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace kx {
namespace {

bool IsSkipped(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

// The text without the characters Val skips, as far as it could still be part of a number.
std::wstring Compacted(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text)
        if (!IsSkipped(c)) out.push_back(c);
    return out;
}

int DigitValue(wchar_t c, int base) {
    int value = -1;
    if (c >= L'0' && c <= L'9') value = c - L'0';
    else if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
    return value < base ? value : -1;
}

LeadingNumber ReadRadix(std::wstring_view digits, int base) {
    uint64_t value = 0;
    for (wchar_t c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) break;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) return {0, true};
    }
    if (value <= 0xFFFF) return {static_cast<double>(static_cast<int16_t>(value)), false};
    return {static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value))), false};
}

LeadingNumber ReadDecimal(const std::wstring& text) {
    std::string number;
    size_t i = 0;
    auto digitsAt = [&] {
        size_t count = 0;
        for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, ++count) number.push_back(char(text[i]));
        return count;
    };
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) number.push_back(char(text[i++]));
    size_t mantissa = digitsAt();
    if (i < text.size() && text[i] == L'.') {
        number.push_back('.');
        ++i;
        mantissa += digitsAt();
    }
    if (mantissa == 0) return {};
    if (i < text.size() && (text[i] == L'E' || text[i] == L'e' || text[i] == L'D' || text[i] == L'd')) {
        const size_t mark = number.size();
        const size_t resume = i;
        number.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) number.push_back(char(text[i++]));
        if (digitsAt() == 0) {  // a bare exponent mark ends the number before it
            number.resize(mark);
            i = resume;
        }
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) return {0, true};
    return {value, false};
}

}  // namespace

LeadingNumber ReadLeadingNumber(std::wstring_view text) {
    const std::wstring compact = Compacted(text);
    if (compact.size() >= 2 && compact[0] == L'&') {
        const wchar_t radix = compact[1];
        if (radix == L'H' || radix == L'h') return ReadRadix(std::wstring_view(compact).substr(2), 16);
        if (radix == L'O' || radix == L'o') return ReadRadix(std::wstring_view(compact).substr(2), 8);
    }
    return ReadDecimal(compact);
}

}  // namespace kx
