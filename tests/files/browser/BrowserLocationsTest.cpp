// The file browser's places in a live control: the address box as the extended combo box holds it, and
// navigation by the address box, the left menu and the Up button; typed text goes nowhere.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BrowserFixture.h"

namespace {

using Browser = kx::ActFileDialog;
using kxtest::GoTo;
using kxtest::PathOf;

std::wstring Upper(std::wstring text) {
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// A hosted browser whose Desktop and My Documents are folders of the test.
class Places {
public:
    Places() : redirect(desktop.path(), documents.path()) {}
    kxtest::ScratchFolder desktop, documents;
    kxtest::ShellFoldersRedirect redirect;
};

void Choose(kxtest::HostedBrowser& hosted, int entry) {
    SendMessageW(hosted.Address(), CB_SETCURSEL, entry, 0);
    SendMessageW(GetParent(hosted.Address()), WM_COMMAND, MAKEWPARAM(kx::kIdAddress, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(hosted.Address()));
}

void PressUp(kxtest::HostedBrowser& hosted) { SendMessageW(hosted.browser->Form().cmdUp, BM_CLICK, 0, 0); }

TEST(BrowserLocationsTest, TheAddressBoxShowsTheFolderChainUnderItsDrive) {
    Places places;
    kxtest::HostedBrowser hosted;
    GoTo(hosted.browser, L"C:\\windows\\system32");
    const std::vector<kxtest::ShownEntry> entries = kxtest::ShownEntries(hosted.Address());
    ASSERT_GE(entries.size(), 7u);
    const struct {
        const wchar_t* text;
        int image, selectedImage, indent;  // images as the image list counts them, from 0
    } top[] = {
        {L"Desktop", 8, 8, 0},         {L"My Documents", 9, 9, 1}, {L"My Computer", 10, 10, 1},
        {L"Local Disk (C:)", 2, 2, 2}, {L"windows", 6, 7, 3},      {L"system32", 6, 7, 4},
    };
    for (size_t i = 0; i < std::size(top); ++i) {
        EXPECT_EQ(top[i].text, entries[i].text) << i;
        EXPECT_EQ(top[i].image, entries[i].image) << i;
        EXPECT_EQ(top[i].selectedImage, entries[i].selectedImage) << i;
        EXPECT_EQ(top[i].indent, entries[i].indent) << i;
    }
    EXPECT_EQ(L"My Network", entries.back().text);
    EXPECT_EQ(12, entries.back().image);
    EXPECT_EQ(L"system32", kxtest::SelectedEntryText(hosted.Address()));
    GoTo(hosted.browser, L"C:\\");
    EXPECT_EQ(L"Local Disk (C:)", kxtest::SelectedEntryText(hosted.Address()));
    GoTo(hosted.browser, places.documents.path());
    EXPECT_EQ(L"My Documents", kxtest::SelectedEntryText(hosted.Address()));
}

TEST(BrowserLocationsTest, ChoosingAFolderEntryListsItUnderAnUpperCasePath) {
    Places places;
    kxtest::HostedBrowser hosted;
    GoTo(hosted.browser, L"C:\\windows\\system32\\");
    Choose(hosted, 4);  // windows
    EXPECT_EQ(L"C:\\WINDOWS\\", PathOf(hosted.browser));
    const std::vector<std::wstring> shown = kxtest::ShownTexts(hosted.List());
    EXPECT_FALSE(shown.empty());
    Choose(hosted, 2);  // My Computer: the drives
    EXPECT_EQ(L"\\", PathOf(hosted.browser));
    Choose(hosted, 3);  // a drive
    EXPECT_EQ(L"C:\\", PathOf(hosted.browser));
}

TEST(BrowserLocationsTest, UpClimbsFolderDriveMyComputerDesktop) {
    Places places;
    kxtest::HostedBrowser hosted;
    GoTo(hosted.browser, L"C:\\windows\\system32\\");
    const std::wstring desktop = Upper(places.desktop.path() + L"\\");
    const std::vector<std::wstring> expected = {L"C:\\WINDOWS\\", L"C:\\", L"\\", desktop};
    for (const std::wstring& path : expected) {
        PressUp(hosted);
        EXPECT_EQ(path, PathOf(hosted.browser));
    }
    PressUp(hosted);  // the Desktop is the top
    EXPECT_EQ(desktop, PathOf(hosted.browser));
}

TEST(BrowserLocationsTest, TheLeftMenuGoesToItsFourPlaces) {
    Places places;
    kxtest::HostedBrowser hosted;
    const std::wstring expected[] = {Upper(places.desktop.path() + L"\\"), Upper(places.documents.path() + L"\\"),
                                     L"\\", L"\\\\"};
    for (int i = 0; i < 4; ++i) {
        GoTo(hosted.browser, L"C:\\windows\\");
        // A click on the entry's caption, as the caption tells the entry.
        SendMessageW(hosted.browser->Form().picToolBar[i], WM_COMMAND,
                     MAKEWPARAM(kx::kIdToolBarLabel + i, STN_CLICKED),
                     reinterpret_cast<LPARAM>(hosted.browser->Form().lblToolbar[i]));
        EXPECT_EQ(expected[i], PathOf(hosted.browser)) << i;
    }
}

TEST(BrowserLocationsTest, TypedTextInTheAddressBoxGoesNowhere) {
    Places places;
    kxtest::HostedBrowser hosted;
    GoTo(hosted.browser, L"C:\\windows\\");
    const HWND edit = reinterpret_cast<HWND>(SendMessageW(hosted.Address(), CBEM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(nullptr, edit);
    SetWindowTextW(edit, L"D:\\elsewhere");
    SendMessageW(GetParent(hosted.Address()), WM_COMMAND, MAKEWPARAM(kx::kIdAddress, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(hosted.Address()));
    NMCBEENDEDITW ended = {};
    ended.hdr = {hosted.Address(), static_cast<UINT_PTR>(kx::kIdAddress), static_cast<UINT>(CBEN_ENDEDITW)};
    ended.iWhy = CBENF_RETURN;
    SendMessageW(GetParent(hosted.Address()), WM_NOTIFY, kx::kIdAddress, reinterpret_cast<LPARAM>(&ended));
    EXPECT_EQ(L"C:\\WINDOWS\\", Upper(PathOf(hosted.browser)));
    // Up then works on the path itself.
    PressUp(hosted);
    EXPECT_EQ(L"C:\\", PathOf(hosted.browser));
}

TEST(BrowserLocationsTest, ShellProgramIsRecordedInsteadOfRunInTests) {
    kxtest::ScratchFolder f;
    const std::wstring record = f.File(L"actions.txt");
    SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", record.c_str());
    kxtest::LooseBrowser b;
    BSTR file = SysAllocString(L"C:\\notes.txt");
    EXPECT_EQ(S_OK, b.browser->ShellProgram(&file));
    SysFreeString(file);
    SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", nullptr);
    char text[256] = {};
    FILE* in = _wfopen(record.c_str(), L"rb");
    ASSERT_NE(nullptr, in);
    fread(text, 1, sizeof(text) - 1, in);
    fclose(in);
    EXPECT_STREQ("ShellExecute open C:\\notes.txt\r\n", text);
}

}  // namespace
