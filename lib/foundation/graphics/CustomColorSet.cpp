#include "CustomColorSet.h"

#include <optional>

#include "Rounding.h"

namespace kx {
namespace {
constexpr std::wstring_view kPrefix = L"CustomColorSet:";

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A decimal number with optional blanks, sign and fraction, as an automation byte: rounded half to even and
// within 0..255, or nothing.
std::optional<std::uint8_t> ByteFromText(std::wstring_view text) {
    size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && text[at] == L' ') ++at;
    };
    skipBlanks();
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) negative = text[at++] == L'-';
    double value = 0;
    bool anyDigit = false;
    for (; at < text.size() && IsDigit(text[at]); ++at, anyDigit = true)
        if (value < 1e6) value = value * 10 + (text[at] - L'0');  // anything this large is out of range anyway
    if (at < text.size() && text[at] == L'.') {
        double scale = 0.1;
        for (++at; at < text.size() && IsDigit(text[at]); ++at, scale /= 10, anyDigit = true)
            value += (text[at] - L'0') * scale;
    }
    skipBlanks();
    if (!anyDigit || at != text.size()) return std::nullopt;
    const double rounded = RoundHalfEven(negative ? -value : value);
    if (rounded < 0 || rounded > 255) return std::nullopt;
    return static_cast<std::uint8_t>(rounded);
}
}  // namespace

CustomColorBytes ParseCustomColorSet(const std::wstring& text) {
    CustomColorBytes bytes = {};
    // The prefix is dropped by its length, not compared.
    std::wstring_view rest = text.size() > kPrefix.size() ? std::wstring_view(text).substr(kPrefix.size())
                                                          : std::wstring_view();
    for (auto& byte : bytes) {
        if (rest.empty()) break;
        const size_t comma = rest.find(L',');
        if (comma == std::wstring_view::npos) break;  // the last number lacks its ",": the rest stays 0
        byte = ByteFromText(rest.substr(0, comma)).value_or(0);
        rest.remove_prefix(comma + 1);
    }
    return bytes;
}

std::wstring FormatCustomColorSet(const CustomColorBytes& bytes) {
    std::wstring text(kPrefix);
    for (const std::uint8_t byte : bytes) text += std::to_wstring(byte) + L",";
    return text;
}

}  // namespace kx
