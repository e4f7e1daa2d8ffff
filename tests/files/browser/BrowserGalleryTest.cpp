// Pictures of the browser for a look by eye: both reading orders, with and without the left menu, entry 2
// hovered; saved beside the test program as browser-gallery-*.png.
#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "ScreenCapture.h"

namespace {

TEST(BrowserGallery, ReadingOrdersAndMenus) {
    kxtest::ScratchFolder scratch;
    kxtest::MakeFolder(scratch.File(L"Documents"));
    for (const wchar_t* name : {L"notes.txt", L"report.doc", L"\u0646\u0627\u0645\u0647.txt"})
        kxtest::MakeFile(scratch.File(name));
    struct Look {
        bool rightToLeft, menu;
        const wchar_t* file;
    };
    const Look looks[] = {{false, true, L"browser-gallery-ltr-menu.png"},
                          {false, false, L"browser-gallery-ltr.png"},
                          {true, true, L"browser-gallery-rtl-menu.png"},
                          {true, false, L"browser-gallery-rtl.png"}};
    for (const Look& look : looks) {
        kxtest::HostedBrowser host(look.rightToLeft);
        host.browser->put_RightToLeft(look.rightToLeft ? VARIANT_TRUE : VARIANT_FALSE);
        host.browser->put_ShowLeftMenu(look.menu ? VARIANT_TRUE : VARIANT_FALSE);
        kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"Text|*.txt|All|*.*");
        host.browser->put_FilterIndex(1);
        kxtest::GoTo(host.browser, scratch.path() + L"\\");
        const HWND control = GetParent(host.List());
        SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(host.browser->Form().picToolBar[2]), 0);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        kxtest::PumpMessages(100);
        kxtest::ScreenCapture shot(control);
        EXPECT_TRUE(shot.SavePng(kxtest::BesideThisProgram(look.file))) << look.file;
        EXPECT_EQ(kxtest::ShownTexts(host.List()).size(), 4u);
    }
}

}  // namespace
