#pragma once
#include <windows.h>

#include <string>
#include <thread>

#include "AboutBox.h"

// A control's About shows the library's modal About box; these helpers read its title and close it.
namespace kxtest {

// This process's About box (other test programs may show theirs at the same time).
inline HWND OwnAboutBox() {
    HWND box = nullptr;
    while ((box = FindWindowExW(nullptr, box, kx::kAboutBoxClass, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(box)) return box;
    }
    return nullptr;
}

// Waits (bounded) for the About box, reads its title, then closes it with Escape; a box that is
// not found or does not close is ended through a quit message to the showing thread.
inline std::wstring ReadAboutTitleAndClose(DWORD showingThread) {
    std::wstring title = L"(no About box)";
    for (int i = 0; i < 1000; ++i) {
        if (HWND box = OwnAboutBox()) {
            wchar_t text[128] = {};
            GetWindowTextW(GetDlgItem(box, kx::kAboutTitle), text, 128);
            title = text;
            PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageW(box, WM_CHAR, VK_ESCAPE, 0);
            break;
        }
        Sleep(10);
    }
    for (int i = 0; i < 500 && OwnAboutBox(); ++i) Sleep(10);
    if (OwnAboutBox() || title == L"(no About box)") PostThreadMessageW(showingThread, WM_QUIT, 0, 0);
    return title;
}

// Runs a control's About on this thread and answers the title its box showed; *result gets About's own.
template <class ShowAbout>
std::wstring AboutTitleShownBy(ShowAbout showAbout, HRESULT* result) {
    std::wstring title;
    const DWORD thread = GetCurrentThreadId();
    std::thread closer([&title, thread] { title = ReadAboutTitleAndClose(thread); });
    *result = showAbout();
    closer.join();
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // a quit passed on by the box
    return title;
}

}  // namespace kxtest
