#include "TotalList.h"

#include <commctrl.h>

namespace zarvanta {

namespace {

struct Column {
    const wchar_t* header;
    int width;
    int format;
};

constexpr Column kColumns[] = {
    {L"Math", 16, LVCFMT_LEFT},
    {L"Text", 100, LVCFMT_RIGHT},
    {L"Value", 80, LVCFMT_LEFT},
    {L"Equal", 80, LVCFMT_LEFT},
};

}  // namespace

void TotalList::Create(HWND parent, const RECT& bounds, HFONT font) {
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                            bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!list_) return;
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = const_cast<wchar_t*>(kColumns[i].header);
        column.cx = kColumns[i].width;
        column.fmt = kColumns[i].format;
        SendMessageW(list_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void TotalList::Clear() { SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0); }

int TotalList::RowCount() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

void TotalList::SetCell(int row, int column, std::wstring_view text) {
    std::wstring copy(text);
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = copy.data();
    SendMessageW(list_, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void TotalList::Append(std::wstring_view symbol, std::wstring_view text, std::wstring_view value,
                       std::wstring_view equal) {
    std::wstring first(symbol);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = first.data();
    const int row = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return;
    SetCell(row, 1, text);
    SetCell(row, 2, value);
    SetCell(row, 3, equal);
    ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, row, FALSE);
}

}  // namespace zarvanta
