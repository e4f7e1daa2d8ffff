#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "DictionaryRecord.h"

// Records by AbjadWord: an open-addressing hash of record indexes in one array (no allocation per word),
// giving the first record of a word, and a chain from each record to the next one of the same word.
namespace zarvanta {

class AbjadWordIndex {
public:
    using Index = std::uint32_t;
    static constexpr Index kNoRecord = UINT32_MAX;

    explicit AbjadWordIndex(const std::vector<DictionaryRecord>& records);

    Index First(std::wstring_view abjadWord) const { return slots_[SlotOf(abjadWord)]; }
    Index Next(Index record) const { return next_.at(record); }

private:
    // The slot that holds the word, or the empty slot where it would go.
    std::size_t SlotOf(std::wstring_view abjadWord) const;

    const std::vector<DictionaryRecord>& records_;
    std::vector<Index> slots_;
    std::vector<Index> next_;
};

}  // namespace zarvanta
