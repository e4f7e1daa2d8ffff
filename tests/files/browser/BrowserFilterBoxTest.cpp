// actFileDialog's filter box, typed patterns and file name in the project's container, over a scratch folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "BrowserFixture.h"

namespace {

using kxtest::HostedBrowser;
using kxtest::ShownTexts;
using Texts = std::vector<std::wstring>;

constexpr DISPID kFilterIndexChanged = 4;

struct FilterFolder {
    FilterFolder() {
        kxtest::MakeFolder(scratch.File(L"B"));
        for (const wchar_t* name : {L"a.txt", L"c.TXT", L"notes.log", L"x.doc", L"notes.txt.bak"})
            kxtest::MakeFile(scratch.File(name));
    }
    std::wstring Path() const { return scratch.path() + L"\\"; }
    kxtest::ScratchFolder scratch;
};

short FilterIndexOf(kx::ActFileDialog* browser) {
    short index = -9;
    browser->get_FilterIndex(&index);
    return index;
}

int Count(const std::vector<DISPID>& events, DISPID id) {
    return static_cast<int>(std::count(events.begin(), events.end(), id));
}

// The user picks an entry of the filter box.
void ChooseFilter(HostedBrowser& host, int entry) {
    const HWND box = host.browser->Form().cmbPatern;
    SendMessageW(box, CB_SETCURSEL, entry, 0);
    SendMessageW(GetParent(host.List()), WM_COMMAND, MAKEWPARAM(kx::kIdPattern, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

void TypeIntoFileNameBox(HostedBrowser& host, const wchar_t* text) {
    const HWND box = host.browser->Form().txtFileName;
    SetWindowTextW(box, text);
    SendMessageW(box, WM_CHAR, VK_RETURN, 0);
}

TEST(BrowserFilterBox, TwoEntriesWithTheSecondSelected) {
    FilterFolder folder;
    HostedBrowser host;
    host.browser->put_FilterIndex(1);
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"Text files|*.txt|All files|*.*");
    kxtest::GoTo(host.browser, folder.Path());
    const HWND box = host.browser->Form().cmbPatern;
    EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"B", L"a.txt", L"c.TXT", L"notes.log", L"notes.txt.bak", L"x.doc"}));

    host.events.clear();
    ChooseFilter(host, 0);
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"B", L"a.txt", L"c.TXT", L"notes.txt.bak"}));
    EXPECT_EQ(FilterIndexOf(host.browser), 0);
    EXPECT_EQ(Count(host.events, kFilterIndexChanged), 1);
}

TEST(BrowserFilterBox, ASecondShorterFilterReplacesTheEntries) {
    FilterFolder folder;
    HostedBrowser host;
    kxtest::GoTo(host.browser, folder.Path());
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"A|*.a|B|*.b|C|*.c");
    host.browser->put_FilterIndex(2);
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"Logs|*.log|Docs|*.doc");
    const HWND box = host.browser->Form().cmbPatern;
    EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(FilterIndexOf(host.browser), 1);
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"B", L"x.doc"}));
    ChooseFilter(host, 0);
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"B", L"notes.log"}));
}

TEST(BrowserFilterBox, FilterIndexSevenOverTwoEntriesSelectsTheLast) {
    HostedBrowser host;
    host.browser->put_FilterIndex(7);
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"Text|*.txt|All|*.*");
    EXPECT_EQ(SendMessageW(host.browser->Form().cmbPatern, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(FilterIndexOf(host.browser), 1);
}

TEST(BrowserFilterBox, SettingFilterIndexLeavesTheBox) {
    FilterFolder folder;
    HostedBrowser host;
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"Text|*.txt|All|*.*");
    kxtest::GoTo(host.browser, folder.Path());
    host.events.clear();
    host.browser->put_FilterIndex(1);
    EXPECT_EQ(SendMessageW(host.browser->Form().cmbPatern, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ShownTexts(host.List()).size(), 6u);
    EXPECT_EQ(Count(host.events, kFilterIndexChanged), 0);
    EXPECT_EQ(host.browser->put_FilterIndex(-2), MAKE_HRESULT(1, FACILITY_CONTROL, 380));
}

TEST(BrowserFilterBox, ATypedPatternListsByItAndLeavesTheBox) {
    FilterFolder folder;
    HostedBrowser host;
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"Text|*.txt|All|*.*");
    kxtest::GoTo(host.browser, folder.Path());
    TypeIntoFileNameBox(host, L"*.log");
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"B", L"notes.log"}));
    EXPECT_EQ(FilterIndexOf(host.browser), -1);
    EXPECT_EQ(SendMessageW(host.browser->Form().cmbPatern, CB_GETCURSEL, 0, 0), 0);
    TypeIntoFileNameBox(host, L"plain");  // Enter without "*" changes nothing
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"B", L"notes.log"}));
}

TEST(BrowserFilterBox, ABareNameTakesTheFiltersExtension) {
    FilterFolder folder;
    HostedBrowser host;
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"Text|*.txt|All|*.*");
    kxtest::GoTo(host.browser, folder.Path());
    SetWindowTextW(host.browser->Form().txtFileName, L"report");
    EXPECT_EQ(kxtest::BrowserText(host.browser, &kx::ActFileDialog::get_FileName), L"report.txt");
    host.browser->put_FilterIndex(1);
    SetWindowTextW(host.browser->Form().txtFileName, L"report");
    EXPECT_EQ(kxtest::BrowserText(host.browser, &kx::ActFileDialog::get_FileName), L"report.*");
}

TEST(BrowserFilterBox, AFullPathMovesPathAndSelectsTheFile) {
    FilterFolder folder;
    kxtest::MakeFile(folder.scratch.File(L"report.final.txt"));
    HostedBrowser host;
    kxtest::GoTo(host.browser, L"C:\\");
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_FileName, folder.Path() + L"REPORT.final.txt");
    EXPECT_EQ(kxtest::PathOf(host.browser), folder.Path());
    EXPECT_EQ(kxtest::BrowserText(host.browser, &kx::ActFileDialog::get_Extension), L"final.txt");
    bool selected = false;
    for (const kxtest::ShownItem& item : kxtest::ShownItems(host.List()))
        if (item.text == L"report.final.txt") selected = item.selected;
    EXPECT_TRUE(selected);
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_FileName, L"x.doc");
    EXPECT_EQ(kxtest::PathOf(host.browser), folder.Path());  // a bare name leaves Path
}

TEST(BrowserFilterBox, ASavedIndexBelowMinusOneLoadsAsZero) {
    kxtest::SavedBag saved;
    VARIANT index;
    index.vt = VT_I4;
    index.lVal = -5;
    saved.bag->Write(L"FilterIndex", &index);
    kxtest::LooseBrowser loaded(saved.bag);
    ASSERT_EQ(loaded.loaded, S_OK);
    EXPECT_EQ(FilterIndexOf(loaded.browser), 0);
}

TEST(BrowserFilterBox, AnEmptyFilterAtRunTimeLeavesOneEntryForEveryFile) {
    HostedBrowser host;
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"A|*.a|B|*.b");
    kxtest::SetBrowserText(host.browser, &kx::ActFileDialog::put_Filter, L"");
    EXPECT_EQ(SendMessageW(host.browser->Form().cmbPatern, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(kxtest::BrowserText(host.browser, &kx::ActFileDialog::get_Filter), L"");
}

}  // namespace
