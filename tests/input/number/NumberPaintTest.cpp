// kxGetNumber's drop button on its surface: the platform's scroll-bar arrow in its three states, at the
// left end for left-to-right text and at the right end for right-to-left, none in the simple style.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NumberFixture.h"

namespace {

std::vector<COLORREF> Pixels(HDC dc, const RECT& r) {
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

// What the platform draws for the state in a rectangle of the same size.
std::vector<COLORREF> Expected(const RECT& r, UINT state) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT area = r;
    DrawFrameControl(dc, &area, DFC_SCROLL, state);
    std::vector<COLORREF> pixels = Pixels(dc, r);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

RECT ButtonRect(kx::KxGetNumber* n) {
    const kx::PixelRect& b = n->ButtonRect();
    return {static_cast<LONG>(b.left), static_cast<LONG>(b.top), static_cast<LONG>(b.right),
            static_cast<LONG>(b.bottom)};
}

HDC SurfaceDc(kx::KxGetNumber* n) {
    LONG hdc = 0;
    n->get_hdc(&hdc);
    return reinterpret_cast<HDC>(static_cast<LONG_PTR>(hdc));
}

TEST(NumberPaint, TheButtonInItsStatesAndDirections) {
    for (bool rightToLeft : {false, true}) {
        kxtest::HostedNumbers h;
        kx::KxGetNumber* n = h.number();
        n->put_RightToLeft(rightToLeft ? VARIANT_TRUE : VARIANT_FALSE);
        const RECT button = ButtonRect(n);
        EXPECT_EQ(GetSystemMetrics(SM_CYVTHUMB), button.right - button.left + (rightToLeft ? 1 : 0)) << rightToLeft;
        EXPECT_EQ(Expected(button, DFCS_SCROLLDOWN), Pixels(SurfaceDc(n), button)) << "normal " << rightToLeft;

        // Pressed: the flat pushed face while the left button is held on it.
        const POINT centre = h.ButtonCentre();
        SetCursorPos(centre.x, centre.y);
        kxtest::PumpMessages(50);
        INPUT press = {};
        press.type = INPUT_MOUSE;
        press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        SendInput(1, &press, sizeof(INPUT));
        EXPECT_TRUE(h.PumpUntil([&] {
            return Pixels(SurfaceDc(n), button) == Expected(button, DFCS_SCROLLDOWN | DFCS_PUSHED | DFCS_FLAT);
        })) << "pushed " << rightToLeft;
        SetCursorPos(centre.x + 200, centre.y);  // released away: nothing opens
        kxtest::PumpMessages(50);
        press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &press, sizeof(INPUT));
        EXPECT_TRUE(h.PumpUntil([&] { return Pixels(SurfaceDc(n), button) == Expected(button, DFCS_SCROLLDOWN); }));
        EXPECT_FALSE(h.DropDownShown());

        n->put_Enabled(VARIANT_FALSE);
        EXPECT_EQ(Expected(button, DFCS_SCROLLDOWN | DFCS_INACTIVE), Pixels(SurfaceDc(n), button))
            << "inactive " << rightToLeft;
    }
}

TEST(NumberPaint, TheSimpleStyleDrawsNoButton) {
    kxtest::HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    const RECT button = ButtonRect(n);
    n->put_Style(static_cast<kxGCComboStyle>(1));
    const std::vector<COLORREF> pixels = Pixels(SurfaceDc(n), button);
    for (COLORREF p : pixels) EXPECT_EQ(GetSysColor(COLOR_WINDOW), p);
}

}  // namespace
