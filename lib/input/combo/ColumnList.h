#pragma once
#include <array>
#include <string>

// The lookup combo's grid columns: 101 slots of field name, header caption and width (twips, as text).
// A slot is free when its name and caption are both empty; used slots are kept before free ones.
namespace kx {

struct ColumnSlot {
    std::wstring name;
    std::wstring caption;
    std::wstring width;
    bool Free() const { return name.empty() && caption.empty(); }
};

class ColumnList {
public:
    static constexpr int kSlots = 101;
    static constexpr int kDefaultWidth = 1000;

    ColumnList();

    static bool ValidIndex(long index) { return index >= 0 && index < kSlots; }
    const ColumnSlot& At(int index) const { return slots_[static_cast<size_t>(index)]; }
    void Set(int index, const ColumnSlot& slot) { slots_[static_cast<size_t>(index)] = slot; }

    // Fills the first free slot (the caption defaults to the name); false when every slot is used.
    bool Add(const std::wstring& name, const std::wstring& caption, int width);
    // The index of the first free slot; kSlots when none is free.
    int Count() const;
    // Moves the free slots to the end, keeping the order of the used ones; a slot emptied on the way
    // gets the width "0". Passes run until the list is compact.
    void Compact();
    bool IsCompact() const;

private:
    std::array<ColumnSlot, kSlots> slots_;
};

}  // namespace kx
