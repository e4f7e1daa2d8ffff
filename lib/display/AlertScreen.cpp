#include "AlertScreen.h"

#include "Rounding.h"

namespace kx {
namespace {

std::int32_t Twips(long pixels, double twipsPerPixel) {
    return static_cast<std::int32_t>(RoundHalfEven(pixels * twipsPerPixel));
}

TwipsRect InTwips(const RECT& r, const AlertScreen& screen) {
    return {Twips(r.left, screen.twipsPerPixelX), Twips(r.top, screen.twipsPerPixelY),
            Twips(r.right, screen.twipsPerPixelX), Twips(r.bottom, screen.twipsPerPixelY)};
}

}  // namespace

std::optional<RECT> TaskbarRect() {
    const HWND bar = FindWindowA("Shell_traywnd", nullptr);
    RECT rect = {};
    if (!bar || !IsWindowVisible(bar) || !GetWindowRect(bar, &rect)) return std::nullopt;
    return rect;
}

AlertScreen ReadAlertScreen() {
    AlertScreen screen;
    HDC dc = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    if (dpiX > 0) screen.twipsPerPixelX = 1440.0 / dpiX;
    if (dpiY > 0) screen.twipsPerPixelY = 1440.0 / dpiY;
    screen.width = Twips(GetSystemMetrics(SM_CXSCREEN), screen.twipsPerPixelX);
    screen.height = Twips(GetSystemMetrics(SM_CYSCREEN), screen.twipsPerPixelY);
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    screen.workArea = InTwips(work, screen);
    if (const std::optional<RECT> bar = TaskbarRect()) screen.taskbar = InTwips(*bar, screen);
    return screen;
}

}  // namespace kx
