#pragma once
#include <string_view>
#include <unordered_map>
#include <vector>

#include "WordSequence.h"

// Every ordering of all the letters, in ascending ordinal order, without storing them: the distinct orderings
// in turn, each repeated as many times as orderings of the letters' positions spell it (aab gives aab twice).
// A block is the orderings that share all but the last few letters; the blocks of the same remaining letters
// are alike, so each is made once.
namespace zarvanta {

class AscendingArrangements final : public WordSequence {
public:
    explicit AscendingArrangements(std::wstring_view letters);

    const SymbolAlphabet& Alphabet() const override { return alphabet_; }
    std::size_t WordLength() const override { return sorted_.size(); }
    std::uint64_t WordCount() const override;
    std::uint64_t Repeats() const override { return repeats_; }

    bool FirstBlock() override;
    bool NextBlock() override;
    LineBits Prefix() const override { return prefix_; }
    const std::vector<LineBits>& Suffixes() const override { return *suffixes_; }

    std::vector<OrdinalRun> OrdinalsOf(std::span<const Symbol> word) const override;

private:
    static constexpr std::size_t kSuffixLength = 5;

    void EnterBlock();
    const std::vector<LineBits>& SuffixesOf(std::span<const Symbol> ascendingSuffix);

    SymbolAlphabet alphabet_;     // the distinct letters in ascending order
    std::vector<Symbol> sorted_;  // the letters as symbols, ascending: the first word
    std::size_t prefixLength_;
    std::uint64_t repeats_ = 1;   // the product of the factorials of each letter's count
    std::vector<Symbol> word_;    // the block's first word: its suffix ascending
    LineBits prefix_;
    const std::vector<LineBits>* suffixes_ = nullptr;
    std::unordered_map<std::uint64_t, std::vector<LineBits>> blocks_;  // by the suffix's letters, packed
};

}  // namespace zarvanta
