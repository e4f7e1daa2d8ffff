#include "AlertFace.h"

namespace kx {
namespace {

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT area = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

}  // namespace

void DrawAlertFace(HDC dc, int width, int height) {
    Fill(dc, 0, 0, width, height, RGB(0xE1, 0xFF, 0xFF));               // tooltip-yellow ground
    Fill(dc, 0, 0, width, height / 4, RGB(0x31, 0x6A, 0xC5));           // title band
    Fill(dc, width / 6, height * 3 / 8, width * 5 / 6, height / 2, RGB(0x40, 0x40, 0x40));  // message line
    Fill(dc, width / 3, height * 5 / 8, width * 2 / 3, height * 7 / 8, RGB(0xC0, 0xC0, 0xC0));  // button
    const RECT outline = {0, 0, width, height};
    HBRUSH frame = CreateSolidBrush(RGB(0x80, 0x80, 0x80));
    FrameRect(dc, &outline, frame);
    DeleteObject(frame);
}

}  // namespace kx
