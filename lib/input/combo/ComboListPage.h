#pragma once
#include "ColumnList.h"
#include "ComboPage.h"

// prpGetComoboList ("Combo List Items"): the combo's column list edited in a copy of its own (the page
// list), one list-box position per named entry, in the same order.
namespace kx {

class ComboListPage : public ComboPage {
public:
    enum ItemId : int {
        kLabel1 = 1, kAdd, kRemove, kMoveUp, kMoveDown, kList1, kFrame1, kNameLabel, kCaptionLabel, kWidthLabel,
        kName, kCaption, kWidth
    };

    ComboListPage();

    // For tests: the page's copy of an entry.
    const ColumnSlot& Entry(int index) const { return list_.At(index); }

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;
    void Command(int id, int code) override;

private:
    int Selected() const;  // -1 when no entry is
    int ItemCount() const;
    void Select(int position);
    void ShowEntry();
    void SetItem(int position, const std::wstring& text);
    void EditEntry(int id);
    void AddEntry();
    void RemoveEntry();
    void MoveEntry(int step);

    ColumnList list_;
};

}  // namespace kx
