#include "SymbolAlphabet.h"

#include <algorithm>

#include "CodePage1256.h"

namespace zarvanta {

SymbolAlphabet::SymbolAlphabet(std::wstring letters)
    : letters_(std::move(letters)), bytes_(EncodeCodePage1256(letters_)) {}

std::optional<Symbol> SymbolAlphabet::SymbolOf(wchar_t letter) const {
    const auto at = letters_.find(letter);
    if (at == std::wstring::npos) return std::nullopt;
    return static_cast<Symbol>(at);
}

std::wstring SymbolAlphabet::TextOf(std::span<const Symbol> word) const {
    std::wstring text(word.size(), L'\0');
    std::transform(word.begin(), word.end(), text.begin(), [this](Symbol s) { return letters_[s]; });
    return text;
}

}  // namespace zarvanta
