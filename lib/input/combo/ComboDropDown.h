#pragma once
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <string>

#include "ColumnList.h"
#include "ComboGridOwner.h"
#include "DropDownWindow.h"
#include "GridView.h"

// The lookup combo's drop-down (frmCombo): the records of the combo's source in a grid whose columns are
// the combo's column list, the number of records across the top, the row of the combo's key marked; a
// click writes the row's key into the combo's text box. Loading yields to the message queue after each
// record; a request to load meanwhile restarts it at its next yield, and the load never nests.
namespace kx {

class RecordSource;

class ComboDropDown {
public:
    explicit ComboDropDown(ComboGridOwner& owner);
    ~ComboDropDown();
    ComboDropDown(const ComboDropDown&) = delete;
    ComboDropDown& operator=(const ComboDropDown&) = delete;

    void SetDataSource(IDispatch* source);  // kept referenced
    void SetKeyField(const std::wstring& keyField) { keyField_ = keyField; }

    void GetData();
    // A load under way starts again at its next yield; none starts otherwise.
    void RestartIfLoading() { restart_ = restart_ || loading_; }
    void FindRow();
    // Places the window under the control and shows it; loads the grid first when it is not current.
    void Open(HWND control);
    void Hide() { window_.Hide(); }

    // For tests.
    HWND Hwnd() const { return window_.Hwnd(); }
    bool Shown() const { return window_.Shown(); }
    GridView& Grid() { return *grid_; }
    HWND RecordCountLabel() const { return label_; }
    bool Loading() const { return loading_; }
    // The grid's click, as the user's click on the current row gives it.
    void PickCurrentRow();

private:
    static LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandlePanelMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // One pass of the load; false when the owner ended meanwhile (then nothing may be touched).
    bool LoadOnce();
    void SetUpColumns();
    // False when the owner ended during the records' yields.
    bool LoadRecords(IDispatch* source);
    void LoadRecord(const RecordSource& records, int row);
    void SizeToColumns(int columnsTwips);
    void Layout();
    int KeyColumn() const;

    ComboGridOwner& owner_;
    DropDownWindow window_;
    HWND panel_ = nullptr;
    HWND label_ = nullptr;
    HFONT labelFont_ = nullptr;
    HBRUSH labelBrush_ = nullptr;
    std::unique_ptr<GridView> grid_;
    IDispatch* source_ = nullptr;
    std::wstring keyField_;
    ColumnList list_;
    bool loading_ = false;
    bool restart_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace kx
