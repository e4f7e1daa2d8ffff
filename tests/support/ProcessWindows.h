#pragma once
#include <windows.h>

#include <vector>

// The windows of this process, and the USER object count made of them: Wine's GetGuiResources answers 0.
namespace kxtest {

namespace detail {

inline bool OfThisProcess(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

// The window and every window below it.
inline void AddWithDescendants(HWND window, std::vector<HWND>& found) {
    found.push_back(window);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) CALLBACK -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
}

}  // namespace detail

// Every window of this process: the top-level ones, the message-only ones, and the children of both.
inline std::vector<HWND> ProcessWindows() {
    std::vector<HWND> topLevel;
    EnumWindows(
        [](HWND window, LPARAM list) CALLBACK -> BOOL {
            if (detail::OfThisProcess(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&topLevel));
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
        if (detail::OfThisProcess(window)) topLevel.push_back(window);
    std::vector<HWND> all;
    for (HWND window : topLevel) detail::AddWithDescendants(window, all);
    return all;
}

// The windows of this process whose window class a module registered.
inline std::vector<HWND> ProcessWindowsOfModule(HMODULE module) {
    std::vector<HWND> found;
    for (HWND window : ProcessWindows())
        if (reinterpret_cast<HMODULE>(GetClassLongPtrW(window, GCLP_HMODULE)) == module) found.push_back(window);
    return found;
}

// The input method's window of a thread comes and goes with the thread's first and last window.
inline bool IsInputMethodWindow(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpiW(name, L"IME") == 0 || lstrcmpiW(name, L"MSCTFIME UI") == 0;
}

// USER objects of this process, counted as its windows other than the input method's.
inline DWORD UserObjectCount() {
    DWORD count = 0;
    for (HWND window : ProcessWindows()) count += !IsInputMethodWindow(window);
    return count;
}

}  // namespace kxtest
