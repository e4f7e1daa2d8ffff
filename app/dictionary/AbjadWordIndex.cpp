#include "AbjadWordIndex.h"

#include <bit>
#include <functional>

namespace zarvanta {

AbjadWordIndex::AbjadWordIndex(const std::vector<DictionaryRecord>& records)
    : records_(records),
      // At most half full, so probe runs stay short.
      slots_(std::bit_ceil(2 * records.size() + 2), kNoRecord),
      next_(records.size(), kNoRecord) {
    // Walking backwards leaves the first record of each word in its slot and chains the later ones.
    for (Index i = static_cast<Index>(records.size()); i-- > 0;) {
        Index& slot = slots_[SlotOf(records[i].AbjadWord)];
        next_[i] = slot;
        slot = i;
    }
}

std::size_t AbjadWordIndex::SlotOf(std::wstring_view abjadWord) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = std::hash<std::wstring_view>{}(abjadWord) & mask;; slot = (slot + 1) & mask) {
        const Index held = slots_[slot];
        if (held == kNoRecord || records_[held].AbjadWord == abjadWord) return slot;
    }
}

}  // namespace zarvanta
