#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// The calculator's list: a report-view list with the columns Math, Text, Value and Equal; rows are only
// appended at the end or all removed.
namespace zarvanta {

class TotalList {
public:
    void Create(HWND parent, const RECT& bounds, HFONT font);
    HWND Handle() const { return list_; }

    void Clear();
    // Appends a row, selects it and scrolls it into view.
    void Append(std::wstring_view symbol, std::wstring_view text, std::wstring_view value, std::wstring_view equal);
    int RowCount() const;

private:
    void SetCell(int row, int column, std::wstring_view text);
    HWND list_ = nullptr;
};

}  // namespace zarvanta
