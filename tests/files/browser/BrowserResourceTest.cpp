// actFileDialog's new folders, renames and navigation keep the counts of GDI objects and windows flat.
#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "GdiTestSupport.h"

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM counter) {
    CountWindow(window, counter);
    EnumChildWindows(window, CountWindow, counter);
    return TRUE;
}

// The windows of this thread, the control's children included.
int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
    return count;
}

void Cycle(kxtest::HostedBrowser& host, const std::wstring& folder, int i) {
    const HWND control = GetParent(host.List());
    kxtest::GoTo(host.browser, folder);
    SendMessageW(control, WM_COMMAND, kx::kMenuNewFolder, 0);  // makes the folder and starts its rename
    if (HWND edit = FindWindowExW(host.List(), nullptr, L"Edit", nullptr)) {
        SetWindowTextW(edit, (L"F" + std::to_wstring(i)).c_str());
        SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    }
    kxtest::PumpMessages(5);
    SendMessageW(control, WM_COMMAND, kx::kMenuRefresh, 0);
    PostMessageW(host.List(), WM_KEYDOWN, VK_BACK, 0);  // up to the parent
    kxtest::PumpMessages(5);
    SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(host.browser->Form().picToolBar[i % 4]), 0);
}

TEST(BrowserResources, TwoHundredCyclesLeaveTheCountsFlat) {
    kxtest::ScratchFolder scratch;
    const std::wstring folder = scratch.path() + L"\\";
    kxtest::HostedBrowser host;
    for (int i = 0; i < 5; ++i) Cycle(host, folder, i);  // caches and image lists settle
    const DWORD gdi = kxtest::GdiObjectCount();
    const int windows = ThreadWindowCount();
    for (int i = 5; i < 205; ++i) Cycle(host, folder, i);
    EXPECT_LE(kxtest::GdiObjectCount(), gdi + 8);
    EXPECT_EQ(ThreadWindowCount(), windows);
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"F204").c_str(), &entry);
    EXPECT_NE(search, INVALID_HANDLE_VALUE);  // the renames happened
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

}  // namespace
