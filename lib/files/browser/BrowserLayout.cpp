// actFileDialog's layout: the address row at the top, the list in the middle, the file-name and filter rows
// at the bottom, the left menu at the left edge.
#include "ActFileDialog.h"

namespace kx {
namespace {

constexpr int kMenuWidth = 80;    // 1200 twips
constexpr int kLabelColumn = 88;  // 1320 twips
constexpr int kRowHeight = 21;
constexpr int kGap = 4;

void Place(HWND window, int left, int top, int width, int height) {
    MoveWindow(window, left, top, width > 0 ? width : 0, height > 0 ? height : 0, TRUE);
}

}  // namespace

void ActFileDialog::Layout() {
    BrowserForm& form = *form_;
    const int width = ScaleWidth(), height = ScaleHeight();
    const int menu = showLeftMenu_ ? kMenuWidth : 0;
    for (int i = 0; i < kLeftMenuEntries; ++i) {
        ShowWindow(form.picToolBar[i], showLeftMenu_ ? SW_SHOWNA : SW_HIDE);
        Place(form.picToolBar[i], 0, i * 57, 73, 57);
    }
    const int fields = menu + kLabelColumn;
    const int upWidth = 25;
    Place(form.lblSearch, menu, kGap + 3, kLabelColumn, 13);
    Place(form.imgDir.Hwnd(), fields, 0, width - fields - upWidth - kGap, 300);
    Place(form.cmdUp, width - upWidth, 0, upWidth, kRowHeight);
    const int filterTop = height - kRowHeight - 3;
    const int nameTop = filterTop - kRowHeight - kGap;
    Place(form.lstView.Hwnd(), menu, 28, width - menu, nameTop - 28 - kGap);
    Place(form.lblFileName, menu, nameTop + 4, kLabelColumn, 13);
    Place(form.txtFileName, fields, nameTop, width - fields, kRowHeight);
    Place(form.lblFilter, menu, filterTop + 4, kLabelColumn, 13);
    Place(form.cmbPatern, fields, filterTop, width - fields, 200);
}

}  // namespace kx
