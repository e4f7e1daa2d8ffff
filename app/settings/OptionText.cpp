#include "OptionText.h"

#include <cwctype>

#include "engine/NumericText.h"

namespace zarvanta {

namespace {

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (std::towlower(text[i]) != std::towlower(word[i])) return false;
    return true;
}

}  // namespace

std::optional<bool> ReadOptionText(std::wstring_view text) {
    const std::wstring_view word = Trimmed(text);
    if (EqualsIgnoringCase(word, L"True")) return true;
    if (EqualsIgnoringCase(word, L"False")) return false;
    if (const std::optional<double> number = ReadNumber(word)) return *number != 0.0;
    return std::nullopt;
}

std::wstring_view OptionText(bool on) { return on ? L"True" : L"False"; }

}  // namespace zarvanta
