// kxGetNumber as one picture for people to look at: the four text styles left to right and right to left,
// and the open calculator drop-down, as the screen shows them.
#include <gtest/gtest.h>

#include <algorithm>

#include "GdiTestSupport.h"
#include "NumberFixture.h"
#include "ScreenCapture.h"
#include "TestSupport.h"

namespace {

constexpr int kMargin = 8;

// Copies what the screen shows of a window into the gallery at a point; the window's size.
SIZE PasteWindow(HWND window, HDC gallery, int x, int y) {
    const kxtest::ScreenCapture shot(window);
    RECT r = {};
    GetWindowRect(window, &r);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, shot.Bitmap());
    BitBlt(gallery, x, y, r.right - r.left, r.bottom - r.top, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    return {r.right - r.left, r.bottom - r.top};
}

TEST(NumberGallery, TextStylesDirectionsAndTheOpenCalculator) {
    constexpr int kCellWidth = 160, kCellHeight = 30, kCalculatorRoom = 180;
    kxtest::Canvas gallery(4 * (kCellWidth + kMargin) + kMargin, 2 * kCellHeight + kCalculatorRoom + 3 * kMargin,
                           32, RGB(0xE0, 0xE0, 0xE0));
    for (int row = 0; row < 2; ++row) {
        for (int style = 0; style < 4; ++style) {
            kxtest::HostedNumbers h;
            kx::KxGetNumber* n = h.number();
            n->put_RightToLeft(row == 1 ? VARIANT_TRUE : VARIANT_FALSE);
            ASSERT_EQ(S_OK, n->put_TextStyle(static_cast<kxGCTextStyle>(style)));
            ASSERT_EQ(S_OK, n->put_Value(1234.5));
            ASSERT_TRUE(h.FocusBox(1)) << "the second control has the focus, the first shows its style";
            h.Settle();
            const SIZE size = PasteWindow(h.ControlWindow(), gallery.dc(), kMargin + style * (kCellWidth + kMargin),
                                          kMargin + row * (kCellHeight + kMargin));
            EXPECT_GT(size.cx, 0);
        }
    }

    kxtest::HostedNumbers h;
    ASSERT_EQ(S_OK, h.number()->put_Value(12.5));
    ASSERT_TRUE(h.FocusBox());
    ASSERT_EQ(S_OK, h.number()->ShowComboCalc());
    ASSERT_TRUE(h.PumpUntil([&] { return h.DropDownShown(); }));
    h.Settle();
    const SIZE calculator = PasteWindow(h.DropDown()->Hwnd(), gallery.dc(), kMargin, 2 * kCellHeight + 3 * kMargin);
    EXPECT_GT(calculator.cx, 0);
    EXPECT_LE(calculator.cy, kCalculatorRoom) << "the calculator fits its place in the picture";
    h.DropDown()->Hide();

    GdiFlush();
    HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(gallery.dc(), OBJ_BITMAP));
    EXPECT_TRUE(kxtest::SavePng(picture, kxtest::BesideThisProgram(L"number-gallery.png")));
}

}  // namespace
