#include "ComboDropDown.h"

#include <commctrl.h>

#include <optional>

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"
#include "RecordSource.h"

namespace kx {
namespace {

constexpr const wchar_t* kPanelClass = L"KorvixComboGrid";
constexpr int kGridId = 1;
constexpr int kFixedColumnTwips = 350;
constexpr int kDesignWidthTwips = 5355;
constexpr int kDesignHeightTwips = 4065;
constexpr int kLabelHeightPixels = 20;
constexpr wchar_t kRecordCountCaption[] = L" Records Count: ";
constexpr double kYieldSeconds = 0.015;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi;
}

int PixelsOfTwips(int twips) { return MulDiv(twips, ScreenDpi(), 1440); }
int TwipsOfPixels(int pixels) { return MulDiv(pixels, 1440, ScreenDpi()); }

bool SameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

// A step of the load whose failure is passed over, as the load does with every step.
template <class Step>
void Try(Step step) {
    try {
        step();
    } catch (const Error&) {
    }
}

// The width a slot asks for: its number, 1000 for 0; nothing for a text that is no number or a negative one.
std::optional<int> SlotWidth(const std::wstring& text) {
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(text.c_str());
    std::optional<int> width;
    try {
        if (IsNumeric(value)) {
            const double number = ToDouble(value);
            if (number == 0) width = 1000;
            else if (number > 0 && number < 32768) width = static_cast<int>(number);
        }
    } catch (const Error&) {
    }
    VariantClear(&value);
    return width;
}

std::wstring CellText(const OwnedVariant& value) {
    const VARIANT& v = Deref(*value);
    if (v.vt == VT_NULL || v.vt == VT_EMPTY) return {};
    return ToText(v);
}

HFONT RecordCountFont() {
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(975, ScreenDpi(), 7200);  // 9.75 pt
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"Comic Sans MS", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

}  // namespace

ComboDropDown::ComboDropDown(ComboGridOwner& owner) : owner_(owner) {
    RegisterModuleWindowClass({.name = kPanelClass, .procedure = PanelProc, .background = COLOR_BTNFACE});
    window_.SetClientSize(PixelsOfTwips(kDesignWidthTwips), PixelsOfTwips(kDesignHeightTwips));
    panel_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                             10, 10, window_.Hwnd(), nullptr, ModuleHandle(), this);
    label_ = CreateWindowExW(0, L"STATIC", kRecordCountCaption, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, 0,
                             0, 10, kLabelHeightPixels, panel_, nullptr, ModuleHandle(), nullptr);
    labelFont_ = RecordCountFont();
    if (label_ && labelFont_) SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);
    labelBrush_ = CreateSolidBrush(GetSysColor(COLOR_ACTIVECAPTION));
    grid_ = std::make_unique<GridView>(panel_, kGridId);
    grid_->SetHandlers([this] { PickCurrentRow(); }, nullptr);
    grid_->SetCols(2);
    grid_->SetRows(2);
    Layout();
}

ComboDropDown::~ComboDropDown() {
    *alive_ = false;
    grid_.reset();
    if (panel_ && IsWindow(panel_)) DestroyWindow(panel_);
    if (labelFont_) DeleteObject(labelFont_);
    if (labelBrush_) DeleteObject(labelBrush_);
    if (source_) source_->Release();
}

void ComboDropDown::SetDataSource(IDispatch* source) {
    if (source) source->AddRef();
    if (source_) source_->Release();
    source_ = source;
}

// Only the first request loads; one made during the load's yields restarts it there.
void ComboDropDown::GetData() {
    if (loading_) {
        restart_ = true;
        return;
    }
    loading_ = true;
    const std::shared_ptr<bool> alive = alive_;
    bool more = true;
    while (more) {
        restart_ = false;
        if (!LoadOnce()) return;  // the owner ended: this object is gone
        more = restart_;
    }
    loading_ = false;
}

bool ComboDropDown::LoadOnce() {
    grid_->Clear();
    grid_->SetCols(2);
    grid_->SetRows(2);
    grid_->SetColWidth(0, kFixedColumnTwips);
    if (!source_) {
        owner_.SetOneTimeLoaded(false);
        grid_->ShowColumns();
        return true;
    }
    IDispatch* source = source_;
    source->AddRef();  // a source set during the yields is loaded by the restart
    SetUpColumns();
    const bool alive = LoadRecords(source);
    if (alive && !restart_) {
        Try([&] {
            SetWindowTextW(label_, (kRecordCountCaption + std::to_wstring(RecordSource(source).RecordCount())).c_str());
        });
        owner_.SetOneTimeLoaded(!(grid_->Cols() == 2 && grid_->Cell(0, 1).empty()));
    }
    source->Release();
    return alive;
}

void ComboDropDown::SetUpColumns() {
    int columnsTwips = kFixedColumnTwips;
    for (int i = 0; i < ColumnList::kSlots; ++i) {
        list_.Set(i, owner_.ListSlot(i));
        const ColumnSlot& slot = list_.At(i);
        if (slot.Free()) continue;
        if (grid_->Cols() < i + 2) grid_->SetCols(grid_->Cols() + 1);
        grid_->SetCell(0, i + 1, slot.caption);
        if (const std::optional<int> width = SlotWidth(slot.width)) grid_->SetColWidth(i + 1, *width);
        columnsTwips += grid_->ColWidth(i + 1);
    }
    grid_->ShowColumns();
    SizeToColumns(columnsTwips);
}

// Room for the fixed column twice and the others, those at most half the screen.
void ComboDropDown::SizeToColumns(int columnsTwips) {
    const int halfScreen = TwipsOfPixels(GetSystemMetrics(SM_CXSCREEN)) / 2;
    if (halfScreen < columnsTwips) columnsTwips = halfScreen;
    RECT client = {};
    GetClientRect(window_.Hwnd(), &client);
    window_.SetClientSize(PixelsOfTwips(columnsTwips + kFixedColumnTwips), client.bottom);
    Layout();
}

// One row per record. The load yields to the message queue as it goes (at most every 15 ms: a yield per
// record would cost more than the record) and afterwards goes back to its own record, as the host may have
// moved the source meanwhile. A failing EOF, MoveNext or Bookmark ends the records.
bool ComboDropDown::LoadRecords(IDispatch* source) {
    const RecordSource records(source);
    OwnedVariant start;
    Try([&] { records.Bookmark(start); });
    Try([&] { records.MoveFirst(); });
    const std::shared_ptr<bool> alive = alive_;
    double lastYield = MonotonicSeconds();
    try {
        for (int row = 1; !records.AtEof(); ++row) {
            LoadRecord(records, row);
            records.MoveNext();
            if (MonotonicSeconds() - lastYield < kYieldSeconds) continue;
            OwnedVariant here;
            const bool atEnd = records.AtEof();
            if (!atEnd) records.Bookmark(here);
            DoEvents();
            if (!*alive) return false;
            if (restart_ || atEnd) break;
            records.SetBookmark(*here);
            lastYield = MonotonicSeconds();
        }
    } catch (const Error&) {
    }
    if (start->vt != VT_EMPTY) Try([&] { records.SetBookmark(*start); });
    grid_->Repaint();
    return true;
}

// A field that is missing or does not convert leaves its cell empty.
void ComboDropDown::LoadRecord(const RecordSource& records, int row) {
    for (int j = 0; j < ColumnList::kSlots && !list_.At(j).Free(); ++j) {
        if (grid_->Rows() < row + 1) grid_->SetRows(grid_->Rows() + 1);
        OwnedVariant value;
        Try([&] {
            records.FieldValue(list_.At(j).name, value);
            grid_->SetCell(row, j + 1, CellText(value));
        });
    }
}

void ComboDropDown::FindRow() {
    if (!owner_.OneTimeLoaded()) return;
    const std::wstring key = owner_.BoxText();
    const int column = KeyColumn();
    for (int row = 1; row < grid_->Rows(); ++row) {
        if (grid_->Cell(row, column) != key) continue;
        grid_->SetCurrentRow(row);
        grid_->SetTopRow(row);
        return;
    }
}

int ComboDropDown::KeyColumn() const {
    for (int i = 0; i < ColumnList::kSlots; ++i)
        if (SameName(list_.At(i).name, keyField_)) return i + 1;
    return 0;
}

void ComboDropDown::Open(HWND control) {
    window_.Open(control, false);
    // Its activation: a grid that is not current loads, except while a load runs.
    if (!owner_.OneTimeLoaded() && !loading_) {
        const std::shared_ptr<bool> alive = alive_;
        GetData();
        if (!*alive) return;
    }
    FindRow();
}

void ComboDropDown::PickCurrentRow() {
    for (int i = 0; i < ColumnList::kSlots; ++i) {
        if (!SameName(list_.At(i).name, keyField_)) continue;
        const std::wstring key = grid_->Cell(grid_->CurrentRow(), i + 1);
        window_.Hide();
        owner_.SetBoxText(key);
        return;
    }
}

void ComboDropDown::Layout() {
    if (!panel_) return;
    RECT client = {};
    GetClientRect(window_.Hwnd(), &client);
    MoveWindow(panel_, 0, 0, client.right, client.bottom, TRUE);
    MoveWindow(label_, 0, 0, client.right, kLabelHeightPixels, TRUE);
    if (grid_) MoveWindow(grid_->Hwnd(), 0, kLabelHeightPixels, client.right, client.bottom - kLabelHeightPixels, TRUE);
}

LRESULT CALLBACK ComboDropDown::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<ComboDropDown*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (!self || message == WM_NCCREATE || message == WM_NCDESTROY)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->HandlePanelMessage(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT ComboDropDown::HandlePanelMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (grid_ && lParam && grid_->Notify(*reinterpret_cast<NMHDR*>(lParam), &result)) return result;
            break;
        }
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) != label_) break;
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_CAPTIONTEXT));
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_ACTIVECAPTION));
            return reinterpret_cast<LRESULT>(labelBrush_);
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kx
