#include "ComboListPage.h"

#include <utility>

#include "ClassicRuntime.h"
#include "ComboListAccess.h"

namespace kx {
namespace {

constexpr wchar_t kNewField[] = L"New Field";
constexpr int kFrameLeft = 2520;
constexpr int kFrameTop = 600;

ComboPage::Child InFrame(int id, const wchar_t* windowClass, const wchar_t* text, DWORD style, int left, int top,
                         int width, int height) {
    return {id, windowClass, text, style, kFrameLeft + left, kFrameTop + top, width, height};
}

std::vector<ComboPage::Child> Layout() {
    using P = ComboListPage;
    const DWORD edit = ES_AUTOHSCROLL | WS_TABSTOP;
    return {
        {P::kLabel1, L"STATIC", L"Items:", 0, 120, 180, 735, 255},
        {P::kAdd, L"BUTTON", L"Add", BS_PUSHBUTTON | WS_TABSTOP, 840, 120, 1095, 375},
        {P::kRemove, L"BUTTON", L"Remove", BS_PUSHBUTTON | WS_TABSTOP, 2040, 120, 1095, 375},
        {P::kMoveUp, L"BUTTON", L"Move Up", BS_PUSHBUTTON | WS_TABSTOP, 3240, 120, 1095, 375},
        {P::kMoveDown, L"BUTTON", L"Move Down", BS_PUSHBUTTON | WS_TABSTOP, 4440, 120, 1095, 375},
        {P::kList1, L"LISTBOX", L"", LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 120, 600, 2295, 3375},
        {P::kFrame1, L"BUTTON", L"Data", BS_GROUPBOX, kFrameLeft, kFrameTop, 3015, 3375},
        InFrame(P::kNameLabel, L"STATIC", L"Name:", 0, 120, 360, 615, 255),
        InFrame(P::kCaptionLabel, L"STATIC", L"Caption:", 0, 120, 720, 615, 255),
        InFrame(P::kWidthLabel, L"STATIC", L"Width:", 0, 120, 1080, 615, 255),
        InFrame(P::kName, L"EDIT", L"", edit, 840, 360, 2055, 285),
        InFrame(P::kCaption, L"EDIT", L"", edit, 840, 720, 2055, 285),
        InFrame(P::kWidth, L"EDIT", L"", edit, 840, 1080, 2055, 285),
    };
}

}  // namespace

ComboListPage::ComboListPage() : ComboPage(L"Combo List Items", 5685, 4080, Layout()) {}

int ComboListPage::Selected() const {
    const LRESULT selected = SendMessageW(Item(kList1), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

int ComboListPage::ItemCount() const { return static_cast<int>(SendMessageW(Item(kList1), LB_GETCOUNT, 0, 0)); }

void ComboListPage::Select(int position) {
    SendMessageW(Item(kList1), LB_SETCURSEL, static_cast<WPARAM>(position), 0);
    ShowEntry();
}

void ComboListPage::SetItem(int position, const std::wstring& text) {
    const HWND list = Item(kList1);
    const bool selected = Selected() == position;
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(position), 0);
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.c_str()));
    if (selected) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

// A box whose text differs takes the entry's, which runs its change (and marks the page changed).
void ComboListPage::ShowEntry() {
    const int k = Selected();
    if (k < 0) return;
    const ColumnSlot entry = list_.At(k);
    const std::pair<int, const std::wstring*> boxes[] = {
        {kName, &entry.name}, {kCaption, &entry.caption}, {kWidth, &entry.width}};
    for (const auto& [id, text] : boxes)
        if (ItemText(id) != *text) SetItemText(id, *text);
}

// Named entries first, so that list-box position p stands for page-list entry p.
void ComboListPage::SelectionChanged() {
    if (SelectedCount() > 1) {
        const std::wstring text =
            L"You can Applay only one control.\r\nThis control name is:" + ControlName(SelectedObject(0));
        MessageBoxW(Hwnd(), text.c_str(), L"", MB_OK);
    }
    SendMessageW(Item(kList1), LB_RESETCONTENT, 0, 0);
    std::vector<ColumnSlot> named, others;
    for (int i = 0; i < ColumnList::kSlots; ++i) {
        ColumnSlot slot = ReadListSlot(Combo(), i);
        (slot.name.empty() ? others : named).push_back(std::move(slot));
    }
    int index = 0;
    for (const ColumnSlot& slot : named) {
        SendMessageW(Item(kList1), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(slot.name.c_str()));
        list_.Set(index++, slot);
    }
    for (const ColumnSlot& slot : others) list_.Set(index++, slot);
    SetChanged(false);
}

void ComboListPage::EditEntry(int id) {
    const int k = Selected();
    if (k < 0) return;
    ColumnSlot entry = list_.At(k);
    const std::wstring text = ItemText(id);
    if (id == kName) {
        entry.name = text;
        SetItem(k, text);
    } else if (id == kCaption) {
        entry.caption = text;
    } else {
        entry.width = text;
    }
    list_.Set(k, entry);
    SetChanged(true);
}

void ComboListPage::AddEntry() {
    for (int i = 0; i < ColumnList::kSlots; ++i) {
        if (!list_.At(i).name.empty()) continue;
        ColumnSlot entry = list_.At(i);
        entry.name = kNewField;
        list_.Set(i, entry);
        SendMessageW(Item(kList1), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kNewField));
        Select(ItemCount() - 1);
        return;
    }
}

void ComboListPage::RemoveEntry() {
    const int k = Selected();
    if (k < 0) return;
    for (int i = k; i < ColumnList::kSlots - 1; ++i) list_.Set(i, list_.At(i + 1));
    list_.Set(ItemCount() - 1, {L"", L"", L"0"});
    SendMessageW(Item(kList1), LB_DELETESTRING, static_cast<WPARAM>(k), 0);
    SendMessageW(Item(kList1), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetChanged(true);
}

// The selection stays at its position, now the other entry, and the boxes show that entry.
void ComboListPage::MoveEntry(int step) {
    const int k = Selected();
    const int other = k + step;
    if (k < 0 || other < 0 || other >= ItemCount()) return;
    const ColumnSlot moving = list_.At(k);
    list_.Set(k, list_.At(other));
    list_.Set(other, moving);
    SetItem(k, list_.At(k).name);
    SetItem(other, list_.At(other).name);
    SetChanged(true);
    ShowEntry();
}

// Named entries go to the control in page order without gaps; the others are dropped.
void ComboListPage::ApplyChanges() {
    int m = 0;
    for (int i = 0; i < ColumnList::kSlots; ++i) {
        WriteListSlot(Combo(), i, {});
        if (list_.At(i).name.empty()) continue;
        WriteListSlot(Combo(), m++, list_.At(i));
    }
    const int selected = Selected();
    if (selected >= 0) Select(selected);
    DoEvents();
    SetFocus(Item(kList1));
    DoEvents();
}

void ComboListPage::Command(int id, int code) {
    switch (id) {
        case kList1: if (code == LBN_SELCHANGE) ShowEntry(); return;
        case kName: case kCaption: case kWidth: if (code == EN_CHANGE) EditEntry(id); return;
        case kAdd: if (code == BN_CLICKED) AddEntry(); return;
        case kRemove: if (code == BN_CLICKED) RemoveEntry(); return;
        case kMoveUp: if (code == BN_CLICKED) MoveEntry(-1); return;
        case kMoveDown: if (code == BN_CLICKED) MoveEntry(1); return;
        default: return;
    }
}

}  // namespace kx
