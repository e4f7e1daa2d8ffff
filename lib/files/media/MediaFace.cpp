#include "MediaFace.h"

namespace kx {
namespace {

constexpr COLORREF kFrame = RGB(0x30, 0x30, 0x38);
constexpr COLORREF kScreen = RGB(0x1E, 0x4E, 0x8C);
constexpr COLORREF kSign = RGB(0xF0, 0xF0, 0xF0);

void FillBox(HDC dc, const RECT& box, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void FillTriangle(HDC dc, const POINT (&corners)[3], COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, corners, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

}  // namespace

void DrawMediaFace(HDC dc, int width, int height) {
    FillBox(dc, {0, 0, width, height}, kFrame);
    FillBox(dc, {width / 8, height / 8, width - width / 8, height - height / 8}, kScreen);
    const POINT sign[3] = {{width * 3 / 8, height / 4}, {width * 3 / 8, height * 3 / 4}, {width * 3 / 4, height / 2}};
    FillTriangle(dc, sign, kSign);
}

}  // namespace kx
