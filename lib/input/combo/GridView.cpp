#include "GridView.h"

#include <commctrl.h>

#include "ModuleState.h"

namespace kx {
namespace {

constexpr int kDefaultWidthTwips = 1000;

}  // namespace

GridView::GridView(HWND parent, int id) {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    window_ = CreateWindowExW(0, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                                  LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                              0, 0, 100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              ModuleHandle(), nullptr);
    if (window_)
        SendMessageW(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                     LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
}

GridView::~GridView() {
    if (window_) DestroyWindow(window_);
}

void GridView::Clear() {
    for (auto& row : cells_)
        for (auto& cell : row) cell.clear();
    Repaint();
}

void GridView::SetRows(int rows) {
    if (rows < 1) rows = 1;
    cells_.resize(static_cast<size_t>(rows), std::vector<std::wstring>(static_cast<size_t>(cols_)));
    if (window_ && IsWindowVisible(window_)) ShowRowCount();
}

// The list view's count costs a recalculation of its own: a hidden grid takes it when it is repainted.
void GridView::ShowRowCount() {
    SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(Rows() - 1), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
}

void GridView::SetCols(int cols) {
    if (cols < 1) cols = 1;
    cols_ = cols;
    widths_.resize(static_cast<size_t>(cols), kDefaultWidthTwips);
    for (auto& row : cells_) row.resize(static_cast<size_t>(cols));
}

int GridView::ColWidth(int col) const {
    return col >= 0 && col < cols_ ? widths_[static_cast<size_t>(col)] : 0;
}

void GridView::SetColWidth(int col, int twips) {
    if (col >= 0 && col < cols_ && twips >= 0) widths_[static_cast<size_t>(col)] = twips;
}

std::wstring GridView::Cell(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0 || col >= cols_) return {};
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void GridView::SetCell(int row, int col, const std::wstring& text) {
    if (row < 0 || row >= Rows() || col < 0 || col >= cols_) return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
}

void GridView::Repaint() {
    if (!window_) return;
    ShowRowCount();
    InvalidateRect(window_, nullptr, TRUE);
}

int GridView::CurrentRow() const {
    if (!window_) return 0;
    const LRESULT item = SendMessageW(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    return item < 0 ? 0 : static_cast<int>(item) + 1;
}

void GridView::SetCurrentRow(int row) {
    if (!window_ || row < 1 || row >= Rows()) return;
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(row - 1), reinterpret_cast<LPARAM>(&item));
}

// The row goes to the top: to the end first, then back to it.
void GridView::SetTopRow(int row) {
    if (!window_ || row < 1 || row >= Rows()) return;
    SendMessageW(window_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(Rows() - 2), FALSE);
    SendMessageW(window_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row - 1), FALSE);
}

int GridView::PixelsOfTwips(int twips) const {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return MulDiv(twips, dpi, 1440);
}

void GridView::ShowColumns() {
    if (!window_) return;
    for (int col = 0; col < cols_; ++col) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        std::wstring header = Cell(0, col);
        column.pszText = header.data();
        column.cx = PixelsOfTwips(ColWidth(col));
        const UINT message = col < shownCols_ ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW;
        SendMessageW(window_, message, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&column));
    }
    for (; shownCols_ > cols_; --shownCols_)
        SendMessageW(window_, LVM_DELETECOLUMN, static_cast<WPARAM>(shownCols_ - 1), 0);
    shownCols_ = cols_;
    InvalidateRect(window_, nullptr, TRUE);
}

void GridView::SetHandlers(std::function<void()> onClick, std::function<void()> onSelChange) {
    onClick_ = std::move(onClick);
    onSelChange_ = std::move(onSelChange);
}

void GridView::FillItem(NMLVDISPINFOW& info) {
    if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
    const std::wstring text = Cell(info.item.iItem + 1, info.item.iSubItem);
    lstrcpynW(info.item.pszText, text.c_str(), info.item.cchTextMax);
}

bool GridView::Notify(const NMHDR& header, LRESULT* result) {
    if (header.hwndFrom != window_) return false;
    *result = 0;
    switch (header.code) {
        case LVN_GETDISPINFOW:
            FillItem(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
            return true;
        case NM_CLICK:
            if (onClick_) onClick_();
            return true;
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) && onSelChange_) onSelChange_();
            return true;
        }
        default:
            return false;
    }
}

}  // namespace kx
