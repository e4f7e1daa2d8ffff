// The page viewer window: its list of the folder's pages, the navigation its browser is given, its look,
// and its modal run over the main window. The browser is a recording double unless a test says otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "HtmlTestSupport.h"
#include "TestSupport.h"
#include "html/HtmlViewerWindow.h"
#include "html/PageTextView.h"
#include "html/SystemWebBrowser.h"

using zarvanta::HtmlViewerWindow;

namespace {

// Records every address it is given; a plain child window stands in its area.
class RecordingBrowser : public zarvanta::PageBrowser {
public:
    RecordingBrowser(HWND parent, const RECT& bounds, std::vector<std::wstring>& log) : log_(log) {
        window_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    ~RecordingBrowser() override {
        if (IsWindow(window_)) DestroyWindow(window_);
    }
    void Navigate(const std::wstring& address) override { log_.push_back(address); }
    HWND Window() const override { return window_; }

private:
    std::vector<std::wstring>& log_;
    HWND window_ = nullptr;
};

// A viewer over a folder whose browser records where it is sent.
struct RecordedViewer {
    explicit RecordedViewer(const std::wstring& folder)
        : window(folder, [this](HWND parent, const RECT& bounds) {
              ++browsersMade;
              return std::make_unique<RecordingBrowser>(parent, bounds, navigations);
          }) {}
    std::vector<std::wstring> navigations;
    int browsersMade = 0;
    HtmlViewerWindow window;
};

std::vector<std::wstring> Sorted(std::vector<std::wstring> entries) {
    std::sort(entries.begin(), entries.end());
    return entries;
}

RECT ClientRectOf(HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ClickEntry(HWND list, int index) {
    RECT item = {};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
}

struct FolderCase {
    const char* name;
    std::vector<std::wstring> files;  // a name ending in '\' is a folder
    std::vector<std::wstring> hidden;
    std::vector<std::wstring> listed;  // in any order: the search decides
};

TEST(HtmlViewer, ListsThePagesOfTheFolderAndShowsTheFirstAtOnce) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    const FolderCase cases[] = {
        {"two pages", {L"a.htm", L"b.htm"}, {}, {L"a", L"b"}},
        {"other extensions",
         {L"a.htm", L"b.htm", L"c.html", L"d.txt", L"e.htm.bak", L"f.htmx", L"g.htm\\", L"htm"},
         {L"h.htm"},
         {L"a", L"b"}},
        {"any case, Persian names",
         {L"Upper.HTM", L"\u0633\u0648\u0631\u0647 \u062D\u0645\u062F.htm", L"\u06CC\u06A9 \u062F\u0648.Htm"},
         {},
         {L"Upper", L"\u0633\u0648\u0631\u0647 \u062D\u0645\u062F", L"\u06CC\u06A9 \u062F\u0648"}},
        {"no page", {L"readme.txt"}, {}, {}},
        {"empty folder", {}, {}, {}},
    };
    for (const FolderCase& c : cases) {
        kxtest::ScratchFolder folder;
        for (const std::wstring& file : c.files) {
            if (file.back() == L'\\') CreateDirectoryW(folder.File(file.substr(0, file.size() - 1)).c_str(), nullptr);
            else htmltest::WriteBytes(folder.File(file), "<p>page</p>");
        }
        for (const std::wstring& file : c.hidden) {
            htmltest::WriteBytes(folder.File(file), "<p>hidden</p>");
            SetFileAttributesW(folder.File(file).c_str(), FILE_ATTRIBUTE_HIDDEN);
        }
        RecordedViewer viewer(folder.path() + L"\\");
        ASSERT_TRUE(viewer.window.Create(owner.hwnd())) << c.name;
        const std::vector<std::wstring> listed = htmltest::ListEntries(viewer.window.List());
        EXPECT_EQ(Sorted(listed), Sorted(c.listed)) << c.name;
        if (listed.empty()) {
            EXPECT_TRUE(viewer.navigations.empty()) << c.name;
        } else {
            EXPECT_EQ(viewer.navigations, std::vector<std::wstring>{folder.path() + L"\\" + listed[0] + L".htm"})
                << c.name;
        }
        EXPECT_EQ(SendMessageW(viewer.window.List(), LB_GETCURSEL, 0, 0), LB_ERR) << c.name;
        viewer.window.Destroy();
    }
}

TEST(HtmlViewer, MissingFolderGivesAnEmptyListAndABlankBrowser) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    kxtest::ScratchFolder folder;
    RecordedViewer viewer(folder.File(L"Quran") + L"\\");
    ASSERT_TRUE(viewer.window.Create(owner.hwnd()));
    EXPECT_TRUE(htmltest::ListEntries(viewer.window.List()).empty());
    EXPECT_TRUE(viewer.navigations.empty());
    EXPECT_EQ(viewer.browsersMade, 1);
}

TEST(HtmlViewer, AClickShowsTheChosenPageByThePathBuiltFromTheFolder) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    kxtest::ScratchFolder folder;
    const std::wstring persian = L"\u0633\u0648\u0631\u0647 \u0646\u0627\u0633";
    htmltest::WriteBytes(folder.File(L"a.htm"), "<p>a</p>");
    htmltest::WriteBytes(folder.File(persian + L".htm"), "<p>b</p>");
    const std::wstring path = folder.path() + L"\\";
    RecordedViewer viewer(path);
    ASSERT_TRUE(viewer.window.Create(owner.hwnd()));
    const std::vector<std::wstring> listed = htmltest::ListEntries(viewer.window.List());
    ASSERT_EQ(listed.size(), 2u);
    ClickEntry(viewer.window.List(), 1);
    ClickEntry(viewer.window.List(), 0);
    const std::vector<std::wstring> expected = {path + listed[0] + L".htm", path + listed[1] + L".htm",
                                                path + listed[0] + L".htm"};
    EXPECT_EQ(viewer.navigations, expected);
    EXPECT_EQ(viewer.browsersMade, 1);  // one browser for the window's life
}

TEST(HtmlViewer, OpeningAgainListsTheFolderAgain) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    kxtest::ScratchFolder folder;
    htmltest::WriteBytes(folder.File(L"a.htm"), "<p>a</p>");
    {
        RecordedViewer first(folder.path() + L"\\");
        ASSERT_TRUE(first.window.Create(owner.hwnd()));
        EXPECT_EQ(htmltest::ListEntries(first.window.List()), std::vector<std::wstring>{L"a"});
    }
    htmltest::WriteBytes(folder.File(L"b.htm"), "<p>b</p>");
    DeleteFileW(folder.File(L"a.htm").c_str());
    RecordedViewer second(folder.path() + L"\\");
    ASSERT_TRUE(second.window.Create(owner.hwnd()));
    EXPECT_EQ(htmltest::ListEntries(second.window.List()), std::vector<std::wstring>{L"b"});
    EXPECT_EQ(second.navigations, std::vector<std::wstring>{folder.path() + L"\\b.htm"});
}

TEST(HtmlViewer, WindowIsLaidOutAsDesigned) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    kxtest::ScratchFolder folder;
    RecordedViewer viewer(folder.path() + L"\\");
    ASSERT_TRUE(viewer.window.Create(owner.hwnd()));
    const HWND window = viewer.window.Handle();

    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"Html Viewer");
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner.hwnd());
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 807);
    EXPECT_EQ(client.bottom, 475);
    RECT outer = {}, around = {};
    GetWindowRect(window, &outer);
    GetWindowRect(owner.hwnd(), &around);
    EXPECT_NEAR((outer.left + outer.right) / 2, (around.left + around.right) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, (around.top + around.bottom) / 2, 1);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)), owner.icon());

    const HWND list = viewer.window.List();
    const RECT listRect = ClientRectOf(list);
    EXPECT_EQ(listRect.left, 616);
    EXPECT_EQ(listRect.top, 8);
    EXPECT_EQ(listRect.right - listRect.left, 177);
    EXPECT_EQ(listRect.bottom - listRect.top, 446);
    EXPECT_TRUE(GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_FALSE(GetWindowLongPtrW(list, GWL_STYLE) & LBS_SORT);
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
    EXPECT_EQ(font.lfHeight, -11);  // 8.25 points at 96 dots per inch
    EXPECT_EQ(font.lfCharSet, ARABIC_CHARSET);

    const HWND browser = viewer.window.Browser()->Window();
    const RECT browserRect = ClientRectOf(browser);
    EXPECT_EQ(browserRect.left, 8);
    EXPECT_EQ(browserRect.top, 8);
    EXPECT_EQ(browserRect.right - browserRect.left, 601);
    EXPECT_EQ(browserRect.bottom - browserRect.top, 457);
    EXPECT_EQ(GetFocus(), list);  // first in the tab order
    EXPECT_EQ(GetNextDlgTabItem(window, list, FALSE), browser);
}

// Closes the viewer from inside its own modal loop and notes what the owner looked like meanwhile.
struct ModalProbe {
    HWND owner = nullptr;
    bool ownerWasEnabled = true;
    HWND viewer = nullptr;
    bool quitInstead = false;
};
ModalProbe probe;

BOOL CALLBACK FindViewer(HWND window, LPARAM) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (lstrcmpW(name, HtmlViewerWindow::kWindowClass) != 0) return TRUE;
    probe.viewer = window;
    return FALSE;
}

void CALLBACK CloseViewer(HWND, UINT, UINT_PTR timer, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), FindViewer, 0);
    if (!probe.viewer) return;
    KillTimer(nullptr, timer);
    probe.ownerWasEnabled = IsWindowEnabled(probe.owner) != FALSE;
    if (probe.quitInstead) PostQuitMessage(7);
    else PostMessageW(probe.viewer, WM_CLOSE, 0, 0);
}

TEST(HtmlViewer, ShowsModallyOverItsOwnerUntilClosed) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    kxtest::ScratchFolder folder;
    htmltest::WriteBytes(folder.File(L"a.htm"), "<p>a</p>");
    probe = {owner.hwnd()};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseViewer);
    zarvanta::ShowHtmlViewer(owner.hwnd(), folder.path() + L"\\");
    KillTimer(nullptr, timer);
    ASSERT_TRUE(probe.viewer);
    EXPECT_FALSE(probe.ownerWasEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_FALSE(IsWindow(probe.viewer));
}

TEST(HtmlViewer, AQuitMessageEndsTheModalRunAndIsPostedAgain) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    kxtest::ScratchFolder folder;
    probe = {owner.hwnd()};
    probe.quitInstead = true;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseViewer);
    zarvanta::ShowHtmlViewer(owner.hwnd(), folder.path() + L"\\");
    KillTimer(nullptr, timer);
    ASSERT_TRUE(probe.viewer);
    EXPECT_FALSE(IsWindow(probe.viewer));
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    MSG quit = {};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

// The tests run Wine without its HTML engine, so the viewer falls back to the built-in view there; the
// system control is still there to be placed by its program identity.
TEST(HtmlViewer, UsesTheSystemBrowserOnlyWhereItHasAnHtmlEngine) {
    htmltest::OleSession ole;
    htmltest::OwnerWindow owner;
    kxtest::ScratchFolder folder;
    HtmlViewerWindow chosen(folder.path() + L"\\");
    ASSERT_TRUE(chosen.Create(owner.hwnd()));
    wchar_t name[64] = {};
    GetClassNameW(chosen.Browser()->Window(), name, 64);
    EXPECT_STREQ(name, zarvanta::SystemWebBrowser::HasHtmlEngine() ? L"Shell Embedding"
                                                                     : zarvanta::PageTextView::kWindowClass);
    chosen.Destroy();

    HtmlViewerWindow system(folder.path() + L"\\", [](HWND parent, const RECT& bounds) {
        return std::unique_ptr<zarvanta::PageBrowser>(zarvanta::SystemWebBrowser::Create(parent, bounds));
    });
    ASSERT_TRUE(system.Create(owner.hwnd()));
    ASSERT_NE(system.Browser(), nullptr);
    const HWND control = system.Browser()->Window();
    ASSERT_TRUE(IsWindow(control));
    EXPECT_EQ(GetParent(control), system.Handle());
    const RECT rect = ClientRectOf(control);
    EXPECT_EQ(rect.left, 8);
    EXPECT_EQ(rect.right - rect.left, 601);
    EXPECT_EQ(rect.bottom - rect.top, 457);
    system.Browser()->Navigate(folder.File(L"missing.htm"));  // no engine: nothing to show, and no failure
    system.Destroy();
    EXPECT_FALSE(IsWindow(control));
}

}  // namespace
