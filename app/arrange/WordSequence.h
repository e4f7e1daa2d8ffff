#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "LineBits.h"
#include "SymbolAlphabet.h"

// The words a run writes, made in blocks that share a prefix: each block's lines are the prefix combined with
// each of the block's suffixes in turn, each line repeated as often as the enumeration produces its word.
namespace zarvanta {

// Occurrences of a word in the sequence: Count ordinals in a row from First (ordinals count from 0, repeats
// included).
struct OrdinalRun {
    std::uint64_t First = 0;
    std::uint64_t Count = 0;
};

class WordSequence {
public:
    virtual ~WordSequence() = default;

    virtual const SymbolAlphabet& Alphabet() const = 0;
    // At most kMaxLineBytes - 2, so that a word and its CR LF fit a LineBits.
    virtual std::size_t WordLength() const = 0;
    // Every word the enumeration produces, repeats included.
    virtual std::uint64_t WordCount() const = 0;
    // How many times in a row each word comes.
    virtual std::uint64_t Repeats() const = 0;

    // Moves to the first block, or the next; false when there is none.
    virtual bool FirstBlock() = 0;
    virtual bool NextBlock() = 0;
    // The current block's prefix bytes in place, and its suffixes with the line break, in order.
    virtual LineBits Prefix() const = 0;
    virtual const std::vector<LineBits>& Suffixes() const = 0;

    // Where the word comes in the sequence, in ascending order; none when it never does.
    virtual std::vector<OrdinalRun> OrdinalsOf(std::span<const Symbol> word) const = 0;
};

}  // namespace zarvanta
