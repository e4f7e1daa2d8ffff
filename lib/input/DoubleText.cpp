#include "DoubleText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kx {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestFixedExponent = -4;

struct Decimal {
    std::wstring digits;  // significant digits, no trailing zeros, at least one digit
    int exponent = 0;     // the value is 0.d1d2... times 10 to the (exponent + 1)
};

// |value| rounded to 15 significant digits.
Decimal Significant(double value) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof(text), std::fabs(value), std::chars_format::scientific, kSignificantDigits - 1);
    Decimal decimal;
    const char* cursor = text;
    for (; cursor != written.ptr && *cursor != 'e'; ++cursor)
        if (*cursor != '.') decimal.digits.push_back(static_cast<wchar_t>(*cursor));
    while (decimal.digits.size() > 1 && decimal.digits.back() == L'0') decimal.digits.pop_back();
    if (cursor == written.ptr) return decimal;
    const char* exponent = cursor + 1;  // "e+15" or "e-05"; the text is not terminated
    if (*exponent == '+') ++exponent;
    std::from_chars(exponent, written.ptr, decimal.exponent);
    return decimal;
}

std::wstring ExponentForm(const Decimal& decimal) {
    std::wstring text = decimal.digits.substr(0, 1);
    if (decimal.digits.size() > 1) text += L"." + decimal.digits.substr(1);
    const int magnitude = std::abs(decimal.exponent);
    text += decimal.exponent < 0 ? L"E-" : L"E+";
    if (magnitude < 10) text += L'0';
    return text + std::to_wstring(magnitude);
}

std::wstring FixedForm(const Decimal& decimal) {
    if (decimal.exponent < 0) return L"0." + std::wstring(-decimal.exponent - 1, L'0') + decimal.digits;
    const size_t integerLength = static_cast<size_t>(decimal.exponent) + 1;
    if (decimal.digits.size() <= integerLength)
        return decimal.digits + std::wstring(integerLength - decimal.digits.size(), L'0');
    return decimal.digits.substr(0, integerLength) + L"." + decimal.digits.substr(integerLength);
}

}  // namespace

std::optional<std::wstring> DoubleText(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    if (value == 0) return L"0";
    const Decimal decimal = Significant(value);
    const bool exponentForm = decimal.exponent < kSmallestFixedExponent || decimal.exponent >= kSignificantDigits;
    const std::wstring text = exponentForm ? ExponentForm(decimal) : FixedForm(decimal);
    return value < 0 ? L"-" + text : text;
}

}  // namespace kx
