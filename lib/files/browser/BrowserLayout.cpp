// actFileDialog's layout: the address row at the top, the list in the middle, the file-name and filter rows
// at the bottom, the left menu at the left edge; the arithmetic is BrowserGeometry's.
#include "ActFileDialog.h"

#include <cmath>

#include "BrowserGeometry.h"

namespace kx {
namespace {

constexpr int kDropHeight = 200;  // the open height of the address and filter boxes, in pixels

SIZE SizeOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void Place(HWND window, const LayoutRect& rect, ScaleFactors factors, int height = -1) {
    const PixelRect at = ToPixels(rect, factors);
    MoveWindow(window, at.left, at.top, at.width, height < 0 ? at.height : height, TRUE);
}

void AlignLabel(HWND label, bool rightToLeft) {
    LONG_PTR style = GetWindowLongPtrW(label, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    LONG_PTR extended = GetWindowLongPtrW(label, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_RTLREADING | WS_EX_RIGHT);
    style |= rightToLeft ? SS_RIGHT : SS_LEFT;
    if (rightToLeft) extended |= WS_EX_RTLREADING;
    SetWindowLongPtrW(label, GWL_STYLE, style);
    SetWindowLongPtrW(label, GWL_EXSTYLE, extended);
    InvalidateRect(label, nullptr, TRUE);
}

}  // namespace

void ActFileDialog::Layout() {
    BrowserForm& form = *form_;
    RECT inner = {}, outer = {};
    GetClientRect(Hwnd(), &inner);
    GetWindowRect(Hwnd(), &outer);
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const ScaleFactors f = ScaleFactorsFor(scaleMode_, scaleWidth_, scaleHeight_, inner.right, inner.bottom, dpiX, dpiY);

    BrowserLayoutInput in;
    in.width = inner.right * f.x;
    in.height = inner.bottom * f.y;
    in.border = borderStyle_ != 0 ? std::round(((outer.right - outer.left) - inner.right) * f.x) : 0;
    in.showLeftMenu = showLeftMenu_;
    in.rightToLeft = ControlBase::RightToLeft();
    const SIZE entry = SizeOf(form.picToolBar[0]), up = SizeOf(form.cmdUp);
    in.menuEntryWidth = entry.cx * f.x;
    in.menuEntryHeight = entry.cy * f.y;
    in.searchLabelWidth = SizeOf(form.lblSearch).cx * f.x;
    in.fileNameLabelWidth = SizeOf(form.lblFileName).cx * f.x;
    in.filterLabelWidth = SizeOf(form.lblFilter).cx * f.x;
    in.labelHeight = SizeOf(form.lblSearch).cy * f.y;
    in.upWidth = up.cx * f.x;
    in.upHeight = up.cy * f.y;
    in.addressHeight = SizeOf(form.imgDir.Hwnd()).cy * f.y;
    in.fileNameHeight = SizeOf(form.txtFileName).cy * f.y;
    in.filterHeight = SizeOf(form.cmbPatern).cy * f.y;
    const BrowserLayout layout = LayOutBrowser(in);

    for (HWND label : {form.lblSearch, form.lblFileName, form.lblFilter}) AlignLabel(label, layout.labelsRightAligned);
    for (int i = 0; i < kLeftMenuEntries; ++i) {
        ShowWindow(form.picToolBar[i], layout.menuVisible ? SW_SHOWNA : SW_HIDE);
        Place(form.picToolBar[i], layout.menuEntry[i], f);
    }
    Place(form.lblSearch, layout.searchLabel, f);
    Place(form.imgDir.Hwnd(), layout.address, f, kDropHeight);
    Place(form.cmdUp, layout.up, f);
    Place(form.lstView.Hwnd(), layout.list, f);
    Place(form.lblFileName, layout.fileNameLabel, f);
    Place(form.txtFileName, layout.fileName, f);
    Place(form.lblFilter, layout.filterLabel, f);
    Place(form.cmbPatern, layout.filter, f, kDropHeight);
}

}  // namespace kx
