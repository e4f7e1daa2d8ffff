#include "WordsLabel.h"

namespace kx {

WordsLabel::WordsLabel(HWND owner) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    window_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_OWNERDRAW | SS_NOTIFY, 0, 0, 0, 0, owner, nullptr,
                              instance, nullptr);
}

WordsLabel::~WordsLabel() {
    if (window_) DestroyWindow(window_);
}

void WordsLabel::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void WordsLabel::SetLook(const Look& look) {
    look_ = look;
    if (!window_) return;
    EnableWindow(window_, look.enabled);
    InvalidateRect(window_, nullptr, TRUE);
}

void WordsLabel::Place(int left, int top, int width, int height) {
    if (window_) SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WordsLabel::Show(bool visible) {
    if (window_ && (IsWindowVisible(window_) != FALSE) != visible) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void WordsLabel::Draw(const DRAWITEMSTRUCT& item) const {
    HBRUSH back = CreateSolidBrush(look_.back);
    FillRect(item.hDC, &item.rcItem, back);
    DeleteObject(back);
    const HGDIOBJ oldFont = look_.font ? SelectObject(item.hDC, look_.font) : nullptr;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, look_.enabled ? look_.fore : GetSysColor(COLOR_GRAYTEXT));
    UINT format = DT_NOPREFIX | (look_.wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    format |= look_.alignment == 1 ? DT_RIGHT : look_.alignment == 2 ? DT_CENTER : DT_LEFT;
    if (look_.rightToLeft) format |= DT_RTLREADING;
    RECT area = item.rcItem;
    DrawTextW(item.hDC, caption_.c_str(), static_cast<int>(caption_.size()), &area, format);
    if (oldFont) SelectObject(item.hDC, oldFont);
}

}  // namespace kx
