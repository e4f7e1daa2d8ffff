#include "AlertCaption.h"

#include <olectl.h>

#include "PictureObjects.h"

namespace kx {
namespace {

constexpr int kHimetricPerInch = 2540;

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

UINT TextFlags(bool rightToLeft) { return DT_CENTER | DT_NOCLIP | (rightToLeft ? DT_RTLREADING : 0); }

}  // namespace

PixelSize MeasureCaption(HFONT font, const std::wstring& text) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    PixelSize size;
    if (text.empty()) {  // an empty label keeps the height of one line
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        size.height = metrics.tmHeight;
    } else {
        RECT area = {0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CALCRECT | DT_NOCLIP);
        size = {area.right - area.left, area.bottom - area.top};
    }
    if (previous) SelectObject(dc, previous);
    DeleteDC(dc);
    return size;
}

void DrawCaption(HDC dc, HFONT font, const std::wstring& text, const RECT& area, COLORREF fore, COLORREF back,
                 bool rightToLeft) {
    if (back != CLR_INVALID) {
        HBRUSH brush = CreateSolidBrush(back);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = SetTextColor(dc, fore);
    RECT box = area;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, TextFlags(rightToLeft));
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
    if (previous) SelectObject(dc, previous);
}

bool HasImage(IPictureDisp* picture) {
    const PictureRef object = picture ? PictureOf(picture) : nullptr;
    return object && PictureHandle(object.get()) != nullptr;
}

PixelSize PictureSize(IPictureDisp* picture) {
    const PictureRef object = picture ? PictureOf(picture) : nullptr;
    if (!object) return {};
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    object->get_Width(&width);
    object->get_Height(&height);
    return {MulDiv(width, ScreenDpi(LOGPIXELSX), kHimetricPerInch),
            MulDiv(height, ScreenDpi(LOGPIXELSY), kHimetricPerInch)};
}

void DrawPicture(HDC dc, IPictureDisp* picture, PixelPoint at) {
    const PictureRef object = picture ? PictureOf(picture) : nullptr;
    if (!object || !PictureHandle(object.get())) return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    object->get_Width(&width);
    object->get_Height(&height);
    const PixelSize size = PictureSize(picture);
    object->Render(dc, at.x, at.y, size.width, size.height, 0, height, width, -height, nullptr);
}

}  // namespace kx
