#include "ColumnList.h"

namespace kx {

ColumnList::ColumnList() {
    for (ColumnSlot& slot : slots_) slot.width = std::to_wstring(kDefaultWidth);
}

bool ColumnList::Add(const std::wstring& name, const std::wstring& caption, int width) {
    const int free = Count();
    if (free == kSlots) return false;
    slots_[static_cast<size_t>(free)] = {name, caption.empty() ? name : caption, std::to_wstring(width)};
    return true;
}

int ColumnList::Count() const {
    for (int i = 0; i < kSlots; ++i)
        if (At(i).Free()) return i;
    return kSlots;
}

bool ColumnList::IsCompact() const {
    bool seenFree = false;
    for (const ColumnSlot& slot : slots_) {
        if (slot.Free()) seenFree = true;
        else if (seenFree) return false;
    }
    return true;
}

// The classic 99 passes (which also give every free slot they shift the width "0"); pass p moves each used
// slot at most one place up within 0 .. 100 - p, so a slot at 100 behind 100 free ones needs one pass more:
// the passes go on, over the first pair, until the list is compact.
void ColumnList::Compact() {
    for (int pass = 1; pass < kSlots - 1 || !IsCompact(); ++pass) {
        const int last = pass < kSlots - 1 ? kSlots - 1 - pass : 0;
        for (int j = 0; j <= last; ++j) {
            if (!At(j).Free()) continue;
            slots_[static_cast<size_t>(j)] = slots_[static_cast<size_t>(j) + 1];
            slots_[static_cast<size_t>(j) + 1] = {L"", L"", L"0"};
        }
    }
}

}  // namespace kx
