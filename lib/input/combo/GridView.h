#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

// The grid of the lookup combo's drop-down: cells held here, shown by an owner-data report list view.
// Row 0 is the header and column 0 a fixed column; data row r is list item r - 1. Full-row single
// selection; the current row is the selected item.
namespace kx {

class GridView {
public:
    GridView(HWND parent, int id);
    ~GridView();
    GridView(const GridView&) = delete;
    GridView& operator=(const GridView&) = delete;

    HWND Hwnd() const { return window_; }

    void Clear();  // every cell empty; the counts stay
    int Rows() const { return static_cast<int>(cells_.size()); }
    void SetRows(int rows);
    int Cols() const { return cols_; }
    void SetCols(int cols);
    int ColWidth(int col) const;  // twips
    void SetColWidth(int col, int twips);
    std::wstring Cell(int row, int col) const;
    // Rows show their cells as they are painted: after changing cells already shown, Repaint.
    void SetCell(int row, int col, const std::wstring& text);
    void Repaint();
    int CurrentRow() const;  // 0 when no data row is selected
    void SetCurrentRow(int row);
    void SetTopRow(int row);
    // Shows the header and the column widths as they are now (the rows show as they are asked for).
    void ShowColumns();

    // The list view's notifications, handed over by its parent: a click and a change of the selection.
    void SetHandlers(std::function<void()> onClick, std::function<void()> onSelChange);
    bool Notify(const NMHDR& header, LRESULT* result);

private:
    int PixelsOfTwips(int twips) const;
    void ShowRowCount();
    void FillItem(NMLVDISPINFOW& info);

    HWND window_ = nullptr;
    int cols_ = 0;
    int shownCols_ = 0;
    std::vector<int> widths_;
    std::vector<std::vector<std::wstring>> cells_;
    std::function<void()> onClick_;
    std::function<void()> onSelChange_;
};

}  // namespace kx
