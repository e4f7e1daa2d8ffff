#pragma once
#include <string_view>
#include <vector>

#include "WordSequence.h"

// The great cycle: every word made by putting, for each letter, each character of its substitution row in its
// place, the last letter changing fastest. A letter that no row serves leaves no word; no letters give one
// empty word. A block is the words that share all but the last few letters; every block has the same suffixes.
namespace zarvanta {

class SubstitutionWords final : public WordSequence {
public:
    explicit SubstitutionWords(std::wstring_view letters);

    const SymbolAlphabet& Alphabet() const override { return alphabet_; }
    std::size_t WordLength() const override { return rows_.size(); }
    std::uint64_t WordCount() const override;
    std::uint64_t Repeats() const override { return 1; }

    bool FirstBlock() override;
    bool NextBlock() override;
    LineBits Prefix() const override { return prefix_; }
    const std::vector<LineBits>& Suffixes() const override { return suffixes_; }

    std::vector<OrdinalRun> OrdinalsOf(std::span<const Symbol> word) const override;

private:
    static constexpr std::size_t kSuffixLength = 4;

    bool EveryLetterHasARow() const;
    void MakeSuffixes();
    void PlacePrefix();

    SymbolAlphabet alphabet_;                // every character of the rows used
    std::vector<std::vector<Symbol>> rows_;  // per letter, its row; empty when none serves it
    std::size_t prefixLength_;
    std::vector<std::size_t> choices_;       // per prefix letter, the index in its row of the current character
    LineBits prefix_;
    std::vector<LineBits> suffixes_;
};

}  // namespace zarvanta
