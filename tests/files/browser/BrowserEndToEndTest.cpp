// actFileDialog in its own process (kxhelper's host mode in atl.dll), driven by real clicks and keys:
// opening folders and files, Backspace and F5, the right-click menu's new folder, rename and launches.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cwctype>
#include <string>

#include "HostedControl.h"
#include "RemoteInput.h"
#include "TestSupport.h"

namespace {

using kxtest::HostedControl;
using kxtest::SendMouse;
using kxtest::Until;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void MakeFile(const std::wstring& path) { CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)); }

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

void Key(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(60);
}

void Type(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
        inputs[0].ki.wScan = inputs[1].ki.wScan = c;
        inputs[0].ki.dwFlags = KEYEVENTF_UNICODE;
        inputs[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
        Sleep(20);
    }
}

// Whether a pop-up menu window is showing.
bool MenuShown() {
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr))
        if (IsWindowVisible(menu)) return true;
    return false;
}

int SelectedItem(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }

// A browser in the helper over a folder, its list view found, events and FileName and Path logged.
struct BrowserProcess {
    explicit BrowserProcess(const std::wstring& folder)
        : host(L"Korvix32.actFileDialog", {L"Path=" + folder, L"+FileName", L"+Path"}) {
        list = FindWindowExW(host.control(), nullptr, WC_LISTVIEWW, nullptr);
        host.Command(L"call Refresh");
    }

    // Moves the pointer onto an item's icon (the list's hit test takes the icon and the text, not the column).
    void PointAt(int index) const {
        const RECT item = host.ItemRect(list, index);
        POINT at = {item.left + 8, (item.top + item.bottom) / 2};
        ClientToScreen(list, &at);
        SetCursorPos(at.x, at.y);
        Sleep(50);
    }
    void ClickItem(int index, int clicks = 1) const {
        PointAt(index);
        SendMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, clicks);
    }
    // Right-clicks an item (or the list's empty part for -1) and waits for the menu.
    bool OpenMenuAt(int index) const {
        if (index >= 0) {
            PointAt(index);
        } else {
            POINT at = {8, 120};
            ClientToScreen(list, &at);
            SetCursorPos(at.x, at.y);
        }
        SendMouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        return Until(MenuShown);
    }
    // Chooses the n-th item of the open menu (separators are skipped by the keys).
    void ChooseMenuItem(int n) const {
        for (int i = 0; i < n; ++i) Key(VK_DOWN);
        Key(VK_RETURN);
        Until([] { return !MenuShown(); });
    }
    int Count() const { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
    bool Logged(const std::wstring& start, size_t after = 0) const { return host.WaitForLine(start, 10000, after); }

    HostedControl host;
    HWND list = nullptr;
};

TEST(BrowserEndToEnd, FoldersOpenBackspaceGoesUpAndFilesAreChosen) {
    kxtest::ScratchFolder scratch;
    CreateDirectoryW(scratch.File(L"Sub").c_str(), nullptr);
    MakeFile(scratch.File(L"Sub\\inner.txt"));
    MakeFile(scratch.File(L"a.txt"));
    MakeFile(scratch.File(L"b.txt"));
    BrowserProcess browser(scratch.path() + L"\\");
    ASSERT_TRUE(IsWindow(browser.list)) << browser.host.LinesFrom(0);
    ASSERT_EQ(browser.Count(), 3);

    browser.ClickItem(0, 2);  // the folder Sub
    ASSERT_TRUE(browser.Logged(L"PathChanged(")) << browser.host.LinesFrom(0);
    EXPECT_TRUE(Until([&] { return browser.Count() == 1; }));
    EXPECT_EQ(Upper(browser.host.Get(L"Path")), Upper(scratch.path() + L"\\Sub\\"));

    size_t before = browser.host.Lines().size();
    Key(VK_BACK);
    ASSERT_TRUE(browser.Logged(L"PathChanged(", before)) << browser.host.LinesFrom(before);
    EXPECT_TRUE(Until([&] { return browser.Count() == 3; }));
    EXPECT_EQ(Upper(browser.host.Get(L"Path")), Upper(scratch.path() + L"\\"));

    Key(VK_F5);
    EXPECT_EQ(browser.Count(), 3);

    before = browser.host.Lines().size();
    browser.ClickItem(1);
    ASSERT_TRUE(browser.Logged(L"FilenameClick()", before)) << browser.host.LinesFrom(before);
    EXPECT_TRUE(browser.Logged(L"  FileName=a.txt", before));
    EXPECT_EQ(SelectedItem(browser.list), 1);

    before = browser.host.Lines().size();
    Key(VK_DOWN);
    Key(VK_RETURN);
    ASSERT_TRUE(browser.Logged(L"FilenameDblClick()", before)) << browser.host.LinesFrom(before);
    EXPECT_TRUE(browser.Logged(L"  FileName=b.txt", before));
}

TEST(BrowserEndToEnd, NewFolderBesideTwoTakesTheNextNumberAndItsNameIsEdited) {
    kxtest::ScratchFolder scratch;
    CreateDirectoryW(scratch.File(L"New Folder").c_str(), nullptr);
    CreateDirectoryW(scratch.File(L"New Folder (1)").c_str(), nullptr);
    BrowserProcess browser(scratch.path() + L"\\");
    ASSERT_EQ(browser.Count(), 2);
    ASSERT_TRUE(browser.OpenMenuAt(0));
    browser.ChooseMenuItem(3);  // External Open, Refresh, New Folder
    ASSERT_TRUE(Until([&] { return Exists(scratch.File(L"New Folder (2)")); }));
    ASSERT_TRUE(Until([&] { return FindWindowExW(browser.list, nullptr, L"Edit", nullptr) != nullptr; }));
    EXPECT_EQ(browser.Count(), 3);

    Key(VK_RETURN);  // the proposed name unchanged: the edit ends
    EXPECT_TRUE(Until([&] { return FindWindowExW(browser.list, nullptr, L"Edit", nullptr) == nullptr; }));
    Sleep(300);
    EXPECT_EQ(FindWindowExW(browser.list, nullptr, L"Edit", nullptr), nullptr);  // and does not start again

    ASSERT_TRUE(browser.OpenMenuAt(2));
    browser.ChooseMenuItem(4);  // ... Rename
    ASSERT_TRUE(Until([&] { return FindWindowExW(browser.list, nullptr, L"Edit", nullptr) != nullptr; }));
    Type(L"Done");
    Key(VK_RETURN);
    EXPECT_TRUE(Until([&] { return Exists(scratch.File(L"Done")); }));
    EXPECT_FALSE(Exists(scratch.File(L"New Folder (2)")));
}

TEST(BrowserEndToEnd, RenamesThatLeaveTheFolderOrTakeAnotherNameAreRefused) {
    kxtest::ScratchFolder scratch;
    CreateDirectoryW(scratch.File(L"fbt").c_str(), nullptr);
    MakeFile(scratch.File(L"fbt\\a.txt"));
    MakeFile(scratch.File(L"fbt\\b.txt"));
    BrowserProcess browser(scratch.path() + L"\\fbt\\");
    ASSERT_EQ(browser.Count(), 2);
    ASSERT_TRUE(browser.OpenMenuAt(0));
    browser.ChooseMenuItem(4);
    ASSERT_TRUE(Until([&] { return FindWindowExW(browser.list, nullptr, L"Edit", nullptr) != nullptr; }));
    Type(L"..\\x");
    Key(VK_RETURN);
    EXPECT_TRUE(Until([&] { return FindWindowExW(browser.list, nullptr, L"Edit", nullptr) == nullptr; }));
    EXPECT_TRUE(Exists(scratch.File(L"fbt\\a.txt")));
    EXPECT_FALSE(Exists(scratch.File(L"x")));

    ASSERT_TRUE(browser.OpenMenuAt(0));
    browser.ChooseMenuItem(4);
    ASSERT_TRUE(Until([&] { return FindWindowExW(browser.list, nullptr, L"Edit", nullptr) != nullptr; }));
    Type(L"b.txt");  // another entry's name: the edit starts again
    Key(VK_RETURN);
    Sleep(300);
    EXPECT_TRUE(Until([&] { return FindWindowExW(browser.list, nullptr, L"Edit", nullptr) != nullptr; }));
    Key(VK_ESCAPE);
    EXPECT_TRUE(Until([&] { return FindWindowExW(browser.list, nullptr, L"Edit", nullptr) == nullptr; }));
    EXPECT_TRUE(Exists(scratch.File(L"fbt\\a.txt")));
}

TEST(BrowserEndToEnd, ExplorerAndExternalOpenAreRecordedWithTheirCommandLines) {
    kxtest::ScratchFolder scratch;
    const std::wstring folder = scratch.File(L"My Files");
    CreateDirectoryW(folder.c_str(), nullptr);
    MakeFile(folder + L"\\a.txt");
    const std::wstring record = scratch.File(L"actions.txt");
    SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", record.c_str());
    {
        BrowserProcess browser(folder + L"\\");
        SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", nullptr);
        ASSERT_EQ(browser.Count(), 1);
        ASSERT_TRUE(browser.OpenMenuAt(0));
        browser.ChooseMenuItem(1);  // External Open
        ASSERT_TRUE(Until([&] { return Exists(record); }));
        ASSERT_TRUE(browser.OpenMenuAt(-1));
        browser.ChooseMenuItem(5);  // Windows Explorer
        Sleep(500);
    }
    HANDLE file = CreateFileW(record.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    char bytes[4096] = {};
    DWORD read = 0;
    ReadFile(file, bytes, sizeof(bytes) - 1, &read, nullptr);
    CloseHandle(file);
    std::wstring text(read, L'\0');
    text.resize(MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(read), text.data(), static_cast<int>(text.size())));
    EXPECT_EQ(Upper(text), Upper(L"ShellExecute open " + folder + L"\\a.txt\r\nStartProgram: Explorer.exe \"" + folder +
                                 L"\" (window mode 1)\r\n"));
}

TEST(BrowserEndToEnd, ClosingTheHostDuringTheNetworkWalk) {
    kxtest::ScratchFolder scratch;
    std::string text = "domain BIG\n";
    for (int i = 0; i < 20000; ++i) text += "  server \\\\S" + std::to_string(i) + "\n";
    const std::wstring fixture = scratch.File(L"network.txt");
    HANDLE file = CreateFileW(fixture.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    SetEnvironmentVariableW(L"KX_NETWORK_FIXTURE", fixture.c_str());
    HostedControl host(L"Korvix32.actFileDialog", {L"Path=C:\\"});
    SetEnvironmentVariableW(L"KX_NETWORK_FIXTURE", nullptr);
    ASSERT_TRUE(IsWindow(host.control()));
    host.CommandWithoutWaiting(L"set Path=\\\\");
    EXPECT_TRUE(host.Close());
    EXPECT_TRUE(host.WaitForLine(L"closed", 5000)) << host.LinesFrom(0);
}

}  // namespace
