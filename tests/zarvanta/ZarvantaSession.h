#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"

// Drives Zarvanta.exe from outside its process: a private copy of the program in a scratch folder, with
// a dictionary and settings file of the test's choosing.
namespace zvtest {

// A place on a window from its left, top, width and height.
constexpr RECT Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out << bytes;
}

inline std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct WindowSearch {
    DWORD process;
    const wchar_t* className;
    HWND found;
};

// A top-level window of the process with the class, or null.
inline HWND FindProcessWindow(DWORD process, const wchar_t* className) {
    WindowSearch search = {process, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<WindowSearch*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == s->process && lstrcmpiW(name, s->className) == 0 && IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The child window whose bounds on window hold the centre of the given bounds, or null.
inline HWND ChildAt(HWND window, const RECT& bounds) {
    const POINT centre = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    HWND child = ChildWindowFromPointEx(window, centre, CWP_SKIPINVISIBLE);
    return child == window ? nullptr : child;
}

// The focus of the input thread of the window's program.
inline HWND FocusOf(HWND window) {
    GUITHREADINFO info = {sizeof info};
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

// A click of the library button placed at the bounds on the window. The release is posted: the button's Click
// event is raised on it, and the handler may open a modal window or run long. With handled, the release is
// sent instead, and the Click has been handled when the call returns.
inline void ClickLibraryButton(HWND window, const RECT& bounds, bool handled = false) {
    HWND button = ChildAt(window, bounds);
    if (!button) return;
    RECT placed = {};
    GetWindowRect(button, &placed);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&placed), 2);
    const LPARAM at = MAKELPARAM((bounds.left + bounds.right) / 2 - placed.left,
                                 (bounds.top + bounds.bottom) / 2 - placed.top);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (handled) SendMessageW(button, WM_LBUTTONUP, 0, at);
    else PostMessageW(button, WM_LBUTTONUP, 0, at);
}

class ZarvantaSession {
public:
    // dictionary: the bytes of dic.txt, or nothing for none; config: the bytes of Config.ini, or nothing.
    // recordedActions: when given, the file in which the program records its machine-changing calls (the text
    // editor's start among them) instead of making them.
    ZarvantaSession(const std::optional<std::string>& dictionary, const std::optional<std::string>& config,
                    const std::wstring& recordedActions = L"") {
        const std::wstring program = kxtest::EnvironmentPath(L"KX_ZARVANTA");
        CopyFileW(program.c_str(), folder_.File(L"Zarvanta.exe").c_str(), FALSE);
        if (dictionary) WriteBytes(folder_.File(L"dic.txt"), *dictionary);
        if (config) WriteBytes(folder_.File(L"Config.ini"), *config);
        STARTUPINFOW startup = {sizeof startup};
        std::wstring command = L"\"" + folder_.File(L"Zarvanta.exe") + L"\"";
        if (!recordedActions.empty()) SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", recordedActions.c_str());
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  folder_.path().c_str(), &startup, &process_) != FALSE;
        if (!recordedActions.empty()) SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", nullptr);
    }
    ~ZarvantaSession() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    ZarvantaSession(const ZarvantaSession&) = delete;
    ZarvantaSession& operator=(const ZarvantaSession&) = delete;

    bool Started() const { return started_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    const kxtest::ScratchFolder& Folder() const { return folder_; }

    // Waits (bounded) for a visible top-level window of the program with the class.
    HWND WaitForWindow(const wchar_t* className, DWORD milliseconds = 30000) {
        for (DWORD waited = 0; started_ && waited < milliseconds; waited += 50) {
            if (HWND window = FindProcessWindow(process_.dwProcessId, className)) return window;
            if (WaitForSingleObject(process_.hProcess, 50) != WAIT_TIMEOUT) break;
        }
        return nullptr;
    }
    HWND WaitForMainWindow() {
        main_ = WaitForWindow(L"ZarvantaMain");
        return main_;
    }

    HWND Main() const { return main_; }
    HWND TextBox() const { return FindWindowExW(main_, nullptr, L"Edit", nullptr); }
    HWND List() const { return FindWindowExW(main_, nullptr, WC_LISTVIEWW, nullptr); }

    // A click of the left button at a point of the main window, handled before the call returns.
    void Click(POINT point) {
        const LPARAM at = MAKELPARAM(point.x, point.y);
        SendMessageW(main_, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(main_, WM_LBUTTONUP, 0, at);
    }
    void ClickCentreOf(const RECT& zone) { Click({(zone.left + zone.right) / 2, (zone.top + zone.bottom) / 2}); }

    // A click of the library button placed at the bounds on the main window.
    void ClickButton(const RECT& bounds) { ClickLibraryButton(main_, bounds); }

    void SetText(const std::wstring& text) { SendMessageW(TextBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    std::wstring Text() const {
        wchar_t buffer[4096] = {};
        SendMessageW(TextBox(), WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    void TypeCharacter(wchar_t c) { SendMessageW(TextBox(), WM_CHAR, c, 1); }

    // The list's rows, each with its four columns, read through memory in the program's process.
    std::vector<std::vector<std::wstring>> Rows() const {
        std::vector<std::vector<std::wstring>> rows;
        HWND list = List();
        const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        constexpr SIZE_T kText = 512;
        void* remote = VirtualAllocEx(process_.hProcess, nullptr, sizeof(LVITEMW) + kText * sizeof(wchar_t),
                                      MEM_COMMIT, PAGE_READWRITE);
        if (!remote) return rows;
        auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<BYTE*>(remote) + sizeof(LVITEMW));
        for (int row = 0; row < count; ++row) {
            std::vector<std::wstring> cells;
            for (int column = 0; column < 4; ++column) {
                LVITEMW item = {};
                item.iSubItem = column;
                item.pszText = remoteText;
                item.cchTextMax = kText;
                WriteProcessMemory(process_.hProcess, remote, &item, sizeof item, nullptr);
                const LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
                std::wstring text(static_cast<size_t>(length), L'\0');
                ReadProcessMemory(process_.hProcess, remoteText, text.data(), length * sizeof(wchar_t), nullptr);
                cells.push_back(text);
            }
            rows.push_back(cells);
        }
        VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
        return rows;
    }

    // Waits (bounded) for the program to end; its exit code, or nothing when it still runs.
    std::optional<DWORD> WaitForExit(DWORD milliseconds = 20000) {
        if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    kxtest::ScratchFolder folder_;
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
    HWND main_ = nullptr;
};

// The text of a message box: its static text control.
inline std::wstring MessageBoxText(HWND box) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

}  // namespace zvtest
