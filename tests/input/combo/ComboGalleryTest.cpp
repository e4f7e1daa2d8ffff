// Pictures for a reader: the open drop-down under its combo, and the host's property frame over the combo's
// two pages (both tabs filled), saved beside the test program.
#include <gtest/gtest.h>

#include <algorithm>

#include "ComboFixture.h"
#include "DialogDriver.h"
#include "ScreenCapture.h"

namespace {

using kxtest::HostedCombo;

TEST(ComboGalleryTest, TheOpenDropDown) {
    kx::TableRecordSet* table = kxtest::PeopleTable();
    HostedCombo hosted(40, 40);
    BSTR none = SysAllocString(L"");
    for (const wchar_t* field : {L"Id", L"Name"}) {
        BSTR name = SysAllocString(field);
        hosted.combo()->AddItem(name, none, 1200);
        SysFreeString(name);
    }
    SysFreeString(none);
    hosted.Bind(table, L"Id", L"Name");
    kxtest::LetValue(hosted.combo(), kxtest::Long(12));
    SetForegroundWindow(hosted.HostWindow());
    hosted.combo()->ShowComboCombo();
    kx::ComboDropDown* dropDown = hosted.combo()->DropDown();
    ASSERT_TRUE(hosted.PumpUntil([&] { return dropDown->Shown(); }));
    hosted.Settle();
    RECT host = {}, drop = {};
    GetWindowRect(hosted.HostWindow(), &host);
    GetWindowRect(dropDown->Hwnd(), &drop);
    const RECT both = {host.left, host.top, std::max(host.right, drop.right), std::max(host.bottom, drop.bottom)};
    const kxtest::ScreenCapture shot(both);
    EXPECT_TRUE(shot.SavePng(kxtest::BesideThisProgram(L"combo-dropdown.png")));
    EXPECT_EQ(dropDown->Grid().CurrentRow(), 2);
    dropDown->Hide();
    table->Release();
}

// Wine's frame shows the pages in tabs; the picture is taken before its Cancel closes it.
TEST(ComboGalleryTest, ThePropertyFrameShowsBothPages) {
    HostedCombo hosted;
    BSTR none = SysAllocString(L"");
    BSTR name = SysAllocString(L"Id");
    hosted.combo()->AddItem(name, none, 1000);
    SysFreeString(name);
    SysFreeString(none);
    ISpecifyPropertyPages* specify = nullptr;
    hosted.combo()->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&specify));
    CAUUID pages = {};
    specify->GetPages(&pages);
    specify->Release();
    IUnknown* object = static_cast<IDispatch*>(hosted.combo());
    bool pictured = false;
    {
        kxtest::DialogDriver driver([&](HWND frame) {
            kxtest::SyncWith(frame);
            Sleep(300);
            const kxtest::ScreenCapture shot(frame);
            pictured = shot.SavePng(kxtest::BesideThisProgram(L"combo-pages.png"));
            kxtest::PressButton(frame, IDCANCEL);
        });
        EXPECT_EQ(S_OK, OleCreatePropertyFrame(hosted.HostWindow(), 0, 0, L"cboTest", 1, &object, pages.cElems,
                                               pages.pElems, LOCALE_USER_DEFAULT, 0, nullptr));
    }
    EXPECT_TRUE(pictured);
    CoTaskMemFree(pages.pElems);
}

}  // namespace
