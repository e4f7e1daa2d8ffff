#include "FrameTitle.h"

namespace kx {

UINT FrameTitle::TextFormat() const {
    return DT_SINGLELINE | DT_NOCLIP | (rightToLeft_ ? DT_RTLREADING | DT_RIGHT : DT_LEFT);
}

void FrameTitle::AutoSize(HDC dc) {
    RECT size = {0, 0, 0, 0};
    if (!caption_.empty())
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &size, TextFormat() | DT_CALCRECT);
    box_.right = box_.left + size.right;
    box_.bottom = box_.top + size.bottom;
}

void FrameTitle::MoveTo(long left, long top) {
    OffsetRect(&box_, left - box_.left, top - box_.top);
}

FrameTitleBox FrameTitle::Box() const {
    return {!caption_.empty(), box_.left, box_.right - box_.left, box_.bottom - box_.top};
}

bool FrameTitle::Contains(POINT point) const { return !caption_.empty() && PtInRect(&box_, point); }

void FrameTitle::Draw(HDC dc, bool opaque, COLORREF back) const {
    if (caption_.empty()) return;
    if (opaque) {
        HBRUSH brush = CreateSolidBrush(back);
        FillRect(dc, &box_, brush);
        DeleteObject(brush);
    }
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT box = box_;
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box, TextFormat());
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
}

}  // namespace kx
