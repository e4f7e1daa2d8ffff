#pragma once
#include <windows.h>
#include <ole2.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Shared by the page viewer's tests: COM for the test's thread, page files, an owner window, a bounded pump.
namespace htmltest {

class OleSession {
public:
    OleSession() { OleInitialize(nullptr); }
    ~OleSession() { OleUninitialize(); }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
};

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

// A captioned top-level window with an icon of its own, like the main window the viewer is opened from.
class OwnerWindow {
public:
    OwnerWindow() {
        WNDCLASSW ownerClass = {};
        ownerClass.lpfnWndProc = DefWindowProcW;
        ownerClass.hInstance = GetModuleHandleW(nullptr);
        ownerClass.lpszClassName = L"HtmlTestOwner";
        RegisterClassW(&ownerClass);
        icon_ = LoadIconW(nullptr, IDI_INFORMATION);
        window_ = CreateWindowExW(0, L"HtmlTestOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 240, 212, 800, 600,
                                  nullptr, nullptr, ownerClass.hInstance, nullptr);
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    }
    ~OwnerWindow() {
        if (IsWindow(window_)) DestroyWindow(window_);
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND hwnd() const { return window_; }
    HICON icon() const { return icon_; }

private:
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
};

inline void PumpMessages(DWORD milliseconds = 50) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

inline std::vector<std::wstring> ListEntries(HWND list) {
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        entries.push_back(text);
    }
    return entries;
}

}  // namespace htmltest
