#include "EditBoxColours.h"

#include <vector>

namespace kx {

EditBoxColours::EditBoxColours()
    : brush_(CreateSolidBrush(GetSysColor(COLOR_WINDOW))),
      back_(GetSysColor(COLOR_WINDOW)),
      fore_(GetSysColor(COLOR_WINDOWTEXT)) {}

EditBoxColours::~EditBoxColours() {
    if (brush_) DeleteObject(brush_);
}

void EditBoxColours::Set(HWND box, COLORREF back, COLORREF fore) {
    if (back != back_ || !brush_) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(back);
    }
    back_ = back;
    fore_ = fore;
    if (box) InvalidateRect(box, nullptr, TRUE);
}

LRESULT EditBoxColours::Colour(HDC dc) const {
    SetTextColor(dc, fore_);
    SetBkColor(dc, back_);
    return reinterpret_cast<LRESULT>(brush_);
}

std::wstring EditText(HWND box) {
    if (!box) return {};
    const int length = GetWindowTextLengthW(box);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int got = GetWindowTextW(box, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

}  // namespace kx
