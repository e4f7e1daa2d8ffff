#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The letters a run's words are made of, each with its code page 1256 byte; a word is held as the indexes
// (symbols) of its letters, so that writing and matching it never converts text.
namespace zarvanta {

using Symbol = std::uint8_t;

class SymbolAlphabet {
public:
    explicit SymbolAlphabet(std::wstring letters);

    std::size_t Size() const { return letters_.size(); }
    wchar_t Letter(Symbol symbol) const { return letters_[symbol]; }
    char Byte(Symbol symbol) const { return bytes_[symbol]; }
    const std::wstring& Letters() const { return letters_; }
    std::optional<Symbol> SymbolOf(wchar_t letter) const;
    std::wstring TextOf(std::span<const Symbol> word) const;

private:
    std::wstring letters_;
    std::string bytes_;
};

}  // namespace zarvanta
