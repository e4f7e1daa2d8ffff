// actFileDialog's parts where the layout puts them, in pixels at 96 DPI, and the left menu's highlight.
#include <gtest/gtest.h>

#include <cstdlib>

#include "BrowserFixture.h"
#include "MenuHover.h"

namespace {

using kxtest::HostedBrowser;

// A child's rectangle in its control's client coordinates.
RECT PlaceOf(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(BrowserPlacement, TheDesignSizeWithTheMenu) {
    HostedBrowser host;  // 438 x 312 pixels: 6570 x 4680 twips
    const kx::BrowserForm& form = host.browser->Form();
    const RECT list = PlaceOf(form.lstView.Hwnd());
    EXPECT_EQ(list.left, 80);
    EXPECT_EQ(list.top, 28);
    EXPECT_EQ(list.right - list.left, 358);
    EXPECT_EQ(PlaceOf(form.cmbPatern).left, 168);
    EXPECT_EQ(PlaceOf(form.txtFileName).left, 168);
    EXPECT_EQ(PlaceOf(form.lblFilter).left, 80);
    EXPECT_EQ(PlaceOf(form.cmdUp).right, 438);
    EXPECT_TRUE(IsWindowVisible(form.picToolBar[3]));
}

TEST(BrowserPlacement, RightToLeftLabelsEndAtTheRightEdge) {
    HostedBrowser host;
    host.browser->put_RightToLeft(VARIANT_TRUE);
    const kx::BrowserForm& form = host.browser->Form();
    for (HWND label : {form.lblSearch, form.lblFileName, form.lblFilter}) {
        EXPECT_EQ(PlaceOf(label).right, 438);
        EXPECT_EQ(GetWindowLongPtrW(label, GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
    }
    EXPECT_EQ(PlaceOf(form.cmdUp).left, 80);
    EXPECT_EQ(PlaceOf(form.cmbPatern).left, 80);
    EXPECT_EQ(PlaceOf(form.picToolBar[0]).left, 0);
}

TEST(BrowserPlacement, WithoutTheMenuAndWithABorder) {
    HostedBrowser host;
    host.browser->put_ShowLeftMenu(VARIANT_FALSE);
    const kx::BrowserForm& form = host.browser->Form();
    EXPECT_EQ(PlaceOf(form.lstView.Hwnd()).left, 0);
    EXPECT_FALSE(IsWindowVisible(form.picToolBar[0]));
    host.browser->put_BorderStyle(1);
    RECT outer, inner;
    GetWindowRect(GetParent(host.List()), &outer);
    GetClientRect(GetParent(host.List()), &inner);
    const int b = (outer.right - outer.left) - inner.right;  // the border allowance, in pixels
    ASSERT_GT(b, 0);
    EXPECT_EQ(PlaceOf(form.lstView.Hwnd()).left, b);
    EXPECT_EQ(PlaceOf(form.lstView.Hwnd()).top, b + 28);
}

TEST(BrowserPlacement, TheLayoutFollowsTheSizeInTwips) {
    HostedBrowser host;
    host.Site()->Move(0, 0, 600, 400);  // 9000 x 6000 twips, saved at 6570 x 4680
    const RECT list = PlaceOf(host.browser->Form().lstView.Hwnd());
    EXPECT_EQ(list.right - list.left, 600 - 80);
    EXPECT_EQ(PlaceOf(host.browser->Form().cmbPatern).right, 600);
    float width = 0;
    host.browser->get_ScaleWidth(&width);
    EXPECT_FLOAT_EQ(width, 9000);
}

TEST(BrowserPlacement, ATinyControlGetsNoNegativeSizes) {
    HostedBrowser host;
    host.Site()->Move(0, 0, 30, 20);
    for (HWND part : {host.browser->Form().lstView.Hwnd(), host.browser->Form().txtFileName}) {
        const RECT r = PlaceOf(part);
        EXPECT_GE(r.right - r.left, 0);
        EXPECT_GE(r.bottom - r.top, 0);
    }
}

bool Near(COLORREF got, COLORREF want, int tolerance = 4) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

// The colour of a pane's pixel as the screen shows it.
COLORREF PaneAt(HWND pane, int x, int y) {
    UpdateWindow(pane);
    HDC dc = GetDC(pane);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(pane, dc);
    return colour;
}

void MouseOver(HostedBrowser& host, HWND window) {
    SendMessageW(GetParent(host.List()), WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

TEST(BrowserPlacement, TheHoveredEntryIsHighlighted) {
    HostedBrowser host;
    const long back = 0x00A08060;
    host.browser->put_BackColor(back);
    const kx::BrowserForm& form = host.browser->Form();
    const kx::HoverColors colors = kx::HoverColorsFor(back);
    RECT pane;
    GetClientRect(form.picToolBar[2], &pane);
    MouseOver(host, form.lblToolbar[2]);
    EXPECT_TRUE(Near(PaneAt(form.picToolBar[2], 2, 1), colors.top)) << std::hex << PaneAt(form.picToolBar[2], 2, 1);
    EXPECT_TRUE(Near(PaneAt(form.picToolBar[2], 2, pane.bottom - 2), colors.bottom));
    EXPECT_EQ(PaneAt(form.picToolBar[2], 0, 0), static_cast<COLORREF>(colors.outline));
    EXPECT_EQ(PaneAt(form.picToolBar[0], 0, 0), static_cast<COLORREF>(back));

    MouseOver(host, form.imgToolBar[0]);
    EXPECT_EQ(PaneAt(form.picToolBar[2], 0, 0), static_cast<COLORREF>(back));
    EXPECT_EQ(PaneAt(form.picToolBar[0], 0, 0), static_cast<COLORREF>(colors.outline));
    MouseOver(host, form.lstView.Hwnd());  // onto the list: the highlight stays
    EXPECT_EQ(PaneAt(form.picToolBar[0], 0, 0), static_cast<COLORREF>(colors.outline));
    MouseOver(host, GetParent(host.List()));  // onto the control's surface: it goes
    EXPECT_EQ(PaneAt(form.picToolBar[0], 0, 0), static_cast<COLORREF>(back));
}

}  // namespace
