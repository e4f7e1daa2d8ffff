// The lookup combo in kxhelper's host mode, another process, over the helper's people table: real clicks
// on its button, a row and another window; its box, label, grid and drop-down window read from outside.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "../../files/browser/HostedControl.h"
#include "ControlTestSupport.h"
#include "RemoteInput.h"

namespace {

using kxtest::ClickAt;
using kxtest::HostedControl;
using kxtest::RemoteText;
using kxtest::Until;

int PixelsOfTwips(int twips) { return MulDiv(twips, 96, 1440); }

// A list view cell's text, asked through memory of the list's process.
std::wstring CellText(HWND list, int row, int column) {
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (!process) return L"?";
    constexpr int kChars = 128;
    wchar_t text[kChars + 1] = {};
    auto* remote = static_cast<BYTE*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + sizeof(text), MEM_COMMIT, PAGE_READWRITE));
    if (remote) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
        item.cchTextMax = kChars;
        SIZE_T moved = 0;
        WriteProcessMemory(process, remote, &item, sizeof(item), &moved);
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote + sizeof(LVITEMW), text, kChars * sizeof(wchar_t), &moved);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

// The drop-down of the helper's combo: a top-level window of the host's thread holding a list view, and
// its record count label.
struct DropDown {
    HWND window = nullptr;
    HWND list = nullptr;
    HWND label = nullptr;
};

BOOL CALLBACK FindDropDownParts(HWND child, LPARAM found) {
    auto* dropDown = reinterpret_cast<DropDown*>(found);
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (lstrcmpiW(name, WC_LISTVIEWW) == 0) dropDown->list = child;
    if (lstrcmpiW(name, L"Static") == 0 && RemoteText(child).rfind(L" Records Count", 0) == 0) dropDown->label = child;
    return TRUE;
}

BOOL CALLBACK FindDropDownWindow(HWND window, LPARAM found) {
    auto* dropDown = reinterpret_cast<DropDown*>(found);
    DropDown parts;
    EnumChildWindows(window, FindDropDownParts, reinterpret_cast<LPARAM>(&parts));
    if (!parts.list) return TRUE;
    *dropDown = parts;
    dropDown->window = window;
    return FALSE;
}

DropDown FindDropDown(HWND host) {
    DropDown dropDown;
    EnumThreadWindows(GetWindowThreadProcessId(host, nullptr), FindDropDownWindow,
                      reinterpret_cast<LPARAM>(&dropDown));
    return dropDown;
}

// A combo in the helper over one of its tables, keyed by keyField, each column width twips wide.
struct ComboProcess {
    ComboProcess(const std::wstring& table, const std::wstring& keyField, int width)
        : host(L"Korvix32.kxGetCombo", {L"KeyField=" + keyField, L"ShowField=Name", L"+Text"}) {
        const size_t before = host.Lines().size();
        host.Command(L"source " + table + L" " + std::to_wstring(width));
        sourced = host.WaitForLine(L"  source done", 10000, before);
        box = FindWindowExW(host.control(), nullptr, L"Edit", nullptr);
        label = FindWindowExW(host.control(), nullptr, L"Static", nullptr);
    }
    bool OpenByButton() {
        SetForegroundWindow(host.host());
        ClickAt(host.control(), kxtest::DropButtonPoint(host.control(), box));
        return Until([&] {
            dropDown = FindDropDown(host.host());
            return dropDown.window && IsWindowVisible(dropDown.window);
        });
    }
    int ListWidth() const {
        RECT client = {};
        GetClientRect(dropDown.window, &client);
        return client.right;
    }
    int Selected() const {
        return static_cast<int>(SendMessageW(dropDown.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    HostedControl host;
    bool sourced = false;
    HWND box = nullptr;
    HWND label = nullptr;
    DropDown dropDown;
};

TEST(ComboOutOfProcess, TheButtonOpensTheGridARowIsPickedAnotherWindowHidesIt) {
    ComboProcess combo(L"people", L"Id", 1500);
    ASSERT_TRUE(combo.sourced) << combo.host.LinesFrom(0);
    ASSERT_TRUE(IsWindow(combo.box));
    ASSERT_TRUE(combo.OpenByButton()) << combo.host.LinesFrom(0);
    DWORD process = 0, helper = 0;
    GetWindowThreadProcessId(combo.dropDown.window, &process);
    GetWindowThreadProcessId(combo.host.host(), &helper);
    EXPECT_EQ(process, helper);

    const HWND list = combo.dropDown.list;
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 4);
    const wchar_t* const rows[][2] = {{L"7", L"Ava"}, {L"12", L"O'Brien"}, {L"12", L"o'brien"}, {L"30", L"Zed"}};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(CellText(list, row, 1), rows[row][0]) << row;
        EXPECT_EQ(CellText(list, row, 2), rows[row][1]) << row;
    }
    EXPECT_EQ(RemoteText(combo.dropDown.label), L" Records Count: 4");
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), PixelsOfTwips(350));
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), PixelsOfTwips(1500));
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 2, 0), PixelsOfTwips(1500));
    EXPECT_EQ(combo.ListWidth(), PixelsOfTwips(350 + 1500 + 1500 + 350));

    const RECT ava = combo.host.ItemRect(list, 0);
    ClickAt(list, {ava.left + PixelsOfTwips(350) + 8, (ava.top + ava.bottom) / 2});
    EXPECT_TRUE(Until([&] { return !IsWindowVisible(combo.dropDown.window); })) << combo.host.LinesFrom(0);
    EXPECT_TRUE(Until([&] { return RemoteText(combo.box) == L"7"; })) << RemoteText(combo.box);
    EXPECT_EQ(RemoteText(combo.label), L"Ava");
    EXPECT_EQ(combo.host.Get(L"Text"), L"Ava");

    // Opened again, then another process's window comes to the front.
    ASSERT_TRUE(combo.OpenByButton());
    kxtest::HostWindow other(200, 100, 700, 500);
    SetForegroundWindow(other.hwnd());
    ClickAt(other.hwnd(), {50, 50});
    EXPECT_TRUE(Until([&] { return !IsWindowVisible(combo.dropDown.window); }));
    EXPECT_EQ(RemoteText(combo.box), L"7");
}

// Opening marks the first row of the key, compared with case: "12" the first of two, "o'brien" not O'Brien.
TEST(ComboOutOfProcess, OpeningMarksTheFirstRowOfTheKeyWithCase) {
    struct Case {
        const wchar_t* keyField;
        const wchar_t* value;
        int row;
    };
    const Case cases[] = {{L"Id", L"12", 1}, {L"Name", L"o'brien", 2}, {L"Name", L"O'Brien", 1}};
    for (const Case& c : cases) {
        ComboProcess combo(L"people", c.keyField, 1000);
        ASSERT_TRUE(combo.sourced);
        combo.host.Set(L"Value", c.value);
        ASSERT_TRUE(combo.OpenByButton()) << c.value;
        EXPECT_EQ(combo.Selected(), c.row) << c.value;
    }
}

// The count is what the source reports; wide columns leave the window at most half the screen plus the fixed
// column.
TEST(ComboOutOfProcess, TheCountAndTheClampedWidth) {
    const int halfScreen = MulDiv(GetSystemMetrics(SM_CXSCREEN), 1440, 96) / 2;
    struct Case {
        const wchar_t* table;
        int width;
        const wchar_t* count;
        int windowWidth;
    };
    const Case cases[] = {{L"empty", 1000, L" Records Count: 0", PixelsOfTwips(350 + 2000 + 350)},
                          {L"uncounted", 30000, L" Records Count: -1", PixelsOfTwips(halfScreen + 350)}};
    for (const Case& c : cases) {
        ComboProcess combo(c.table, L"Id", c.width);
        ASSERT_TRUE(combo.sourced) << c.table;
        combo.dropDown = FindDropDown(combo.host.host());
        ASSERT_TRUE(IsWindow(combo.dropDown.window)) << c.table;
        EXPECT_EQ(RemoteText(combo.dropDown.label), c.count) << c.table;
        EXPECT_EQ(combo.ListWidth(), c.windowWidth) << c.table;
    }
}

}  // namespace
