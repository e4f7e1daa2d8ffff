#include "FieldsPage.h"

#include "ColumnList.h"
#include "ComboListAccess.h"
#include "LateBinding.h"

namespace kx {
namespace {

std::vector<ComboPage::Child> Layout() {
    using P = FieldsPage;
    const DWORD combo = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
    return {
        {P::kKeyFieldLabel, L"STATIC", L"KeyField:", 0, 90, 157, 765, 240},
        {P::kKeyField, L"COMBOBOX", L"", combo, 960, 120, 2895, 315 * 6},
        {P::kShowFieldLabel, L"STATIC", L"ShowField:", 0, 90, 765, 885, 240},
        {P::kShowField, L"COMBOBOX", L"", combo, 960, 720, 2895, 315 * 6},
    };
}

}  // namespace

FieldsPage::FieldsPage() : ComboPage(L"Fields", 5925, 3495, Layout()) {}

void FieldsPage::SelectionChanged() {
    SendMessageW(Item(kKeyField), CB_RESETCONTENT, 0, 0);
    SendMessageW(Item(kShowField), CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < ColumnList::kSlots; ++i) {
        const std::wstring name = ReadListSlot(Combo(), i).name;
        if (name.empty()) continue;
        SendMessageW(Item(kShowField), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageW(Item(kKeyField), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SetItemText(kShowField, GetTextProperty(Combo(), L"ShowField"));
    SetItemText(kKeyField, GetTextProperty(Combo(), L"KeyField"));
}

void FieldsPage::ApplyChanges() {
    PutTextProperty(Combo(), L"ShowField", ItemText(kShowField));
    PutTextProperty(Combo(), L"KeyField", ItemText(kKeyField));
}

void FieldsPage::Command(int id, int code) {
    if ((id == kKeyField || id == kShowField) && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)) SetChanged(true);
}

}  // namespace kx
