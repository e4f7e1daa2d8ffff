#include "ListViewBox.h"

#include <algorithm>

namespace kx {

void ListViewBox::Create(HWND parent, int id) {
    window_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_LIST | LVS_SHOWSELALWAYS | LVS_SINGLESEL |
                                  LVS_SHAREIMAGELISTS | LVS_EDITLABELS,
                              0, 0, 100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                              nullptr);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 120;
    for (int i = 0; i < 2; ++i) {
        column.pszText = const_cast<LPWSTR>(i == 0 ? L"Name" : L"Key");
        SendMessageW(window_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void ListViewBox::Clear() {
    SendMessageW(window_, LVM_DELETEALLITEMS, 0, 0);
    items_.clear();
}

void ListViewBox::SetImageLists(HIMAGELIST list) {
    SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(list));
    SendMessageW(window_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(list));
}

HIMAGELIST ListViewBox::ImageList() const {
    return reinterpret_cast<HIMAGELIST>(SendMessageW(window_, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
}

void ListViewBox::Fill(std::vector<ListItem> items) {
    Clear();
    std::stable_sort(items.begin(), items.end(), [](const ListItem& a, const ListItem& b) {
        return lstrcmpiW(a.sortKey.c_str(), b.sortKey.c_str()) < 0;
    });
    items_ = std::move(items);
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window_, LVM_SETITEMCOUNT, items_.size(), 0);
    for (size_t i = 0; i < items_.size(); ++i) {
        const ListItem& item = items_[i];
        LVITEMW row = {};
        row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
        row.iItem = static_cast<int>(i);
        row.pszText = const_cast<LPWSTR>(item.text.c_str());
        row.iImage = item.image;
        row.lParam = static_cast<LPARAM>(i);
        row.stateMask = LVIS_CUT | LVIS_SELECTED | LVIS_FOCUSED;
        row.state = (item.ghosted ? LVIS_CUT : 0) | (item.selected ? LVIS_SELECTED | LVIS_FOCUSED : 0);
        const int at = static_cast<int>(SendMessageW(window_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
        LVITEMW second = {};
        second.iSubItem = 1;
        second.pszText = const_cast<LPWSTR>(item.sortKey.c_str());
        SendMessageW(window_, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&second));
    }
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    const int selected = Selected();
    if (selected >= 0) SendMessageW(window_, LVM_ENSUREVISIBLE, selected, FALSE);
    InvalidateRect(window_, nullptr, TRUE);
}

void ListViewBox::SetItemImage(int index, int image) {
    if (index < 0 || index >= Count()) return;
    items_[index].image = image;
    LVITEMW row = {};
    row.mask = LVIF_IMAGE;
    row.iItem = index;
    row.iImage = image;
    SendMessageW(window_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&row));
}

int ListViewBox::Selected() const {
    return static_cast<int>(SendMessageW(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace kx
