#include "SkinPainter.h"

namespace zarvanta {

namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLORREF color) {
    TRIVERTEX v = {};
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(color) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(color) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(color) << 8);
    return v;
}

}  // namespace

void SkinPainter::Fill(const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

void SkinPainter::VerticalGradient(const RECT& rect, COLORREF top, COLORREF bottom) {
    TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, top), Vertex(rect.right, rect.bottom, bottom)};
    GRADIENT_RECT span = {0, 1};
    GradientFill(dc_, vertices, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

void SkinPainter::Panel(const RECT& rect, int radius, COLORREF top, COLORREF bottom, COLORREF border) {
    HRGN shape = CreateRoundRectRgn(rect.left, rect.top, rect.right + 1, rect.bottom + 1, radius, radius);
    SelectClipRgn(dc_, shape);
    VerticalGradient(rect, top, bottom);
    SelectClipRgn(dc_, nullptr);
    HBRUSH pen = CreateSolidBrush(border);
    FrameRgn(dc_, shape, pen, 1, 1);
    DeleteObject(pen);
    DeleteObject(shape);
}

void SkinPainter::Frame(const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FrameRect(dc_, &rect, brush);
    DeleteObject(brush);
}

void SkinPainter::Circle(POINT centre, int radius, COLORREF fill, COLORREF border) {
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, border);
    HGDIOBJ oldBrush = SelectObject(dc_, brush);
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    Ellipse(dc_, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void SkinPainter::Line(POINT from, POINT to, int width, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, width, color);
    HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
    SelectObject(dc_, old);
    DeleteObject(pen);
}

void SkinPainter::Text(const RECT& rect, std::wstring_view text, const SkinFont& font, COLORREF color, UINT format,
                       bool rightToLeft) {
    LOGFONTW spec = {};
    spec.lfHeight = -MulDiv(font.points, 96, 72);
    spec.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    spec.lfCharSet = ARABIC_CHARSET;
    spec.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynW(spec.lfFaceName, font.face, LF_FACESIZE);
    HFONT handle = CreateFontIndirectW(&spec);
    HGDIOBJ old = SelectObject(dc_, handle);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, color);
    RECT box = rect;
    DrawTextW(dc_, text.data(), static_cast<int>(text.size()), &box,
              format | DT_NOPREFIX | (rightToLeft ? DT_RTLREADING : 0));
    SelectObject(dc_, old);
    DeleteObject(handle);
}

}  // namespace zarvanta
