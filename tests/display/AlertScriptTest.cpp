// A real client from outside: Wine's cscript shows a kxAlert with "Yes" and "No" and prints what Show
// returned; the test finds the window in the work area and clicks "No" with real input.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "TestSupport.h"

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindAlertOfProcess(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || std::wstring(name) != L"KxAlertWindow" || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectVisibleChild(HWND window, LPARAM param) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// The alert window once it has stopped moving, or null.
HWND WaitForSettledAlert(DWORD process) {
    RECT last = {};
    int still = 0;
    for (int i = 0; i < 1000; ++i) {
        Search search = {process, nullptr};
        EnumWindows(FindAlertOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            RECT now = {};
            GetWindowRect(search.found, &now);
            still = EqualRect(&now, &last) ? still + 1 : 0;
            last = now;
            if (still >= 10) return search.found;
        }
        Sleep(20);
    }
    return nullptr;
}

TEST(AlertScript, CscriptShowsTheAlertAndGetsTheButtonClickedFromOutside) {
    kxtest::ScratchFolder folder;
    const std::wstring script = folder.File(L"alert.vbs"), output = folder.File(L"out.txt");
    std::ofstream(std::filesystem::path(script)) << "Set a = CreateObject(\"Korvix32.kxAlert\")\r\n"
                             "a.TextButton1 = \"Yes\"\r\n"
                             "a.TextButton2 = \"No\"\r\n"
                             "a.TimeToShow = 0.2\r\n"
                             "r = a.Show(\"Go on?\")\r\n"
                             "WScript.Echo \"result \" & r\r\n";
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE out = CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    STARTUPINFOW startup = {sizeof(startup)};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = out;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION child = {};
    std::wstring command = L"cscript.exe //nologo \"" + script + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child));
    CloseHandle(out);

    const HWND alert = WaitForSettledAlert(child.dwProcessId);
    EXPECT_NE(alert, nullptr);
    if (alert) {
        RECT r = {}, area = {};
        GetWindowRect(alert, &r);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom)
            << "inside the work area";
        std::vector<HWND> buttons;
        EnumChildWindows(alert, CollectVisibleChild, reinterpret_cast<LPARAM>(&buttons));
        ASSERT_EQ(buttons.size(), 2u);
        std::sort(buttons.begin(), buttons.end(), [](HWND a, HWND b) {
            RECT ra = {}, rb = {};
            GetWindowRect(a, &ra);
            GetWindowRect(b, &rb);
            return ra.left < rb.left;
        });
        RECT no = {};
        GetWindowRect(buttons[1], &no);
        kxtest::SendLeftClickAt((no.left + no.right) / 2, (no.top + no.bottom) / 2);
    }
    const bool ended = WaitForSingleObject(child.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(child.hProcess, 1);
    EXPECT_TRUE(ended);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    std::ifstream read{std::filesystem::path(output)};
    std::string text((std::istreambuf_iterator<char>(read)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("result 2"), std::string::npos) << text;
}

}  // namespace
