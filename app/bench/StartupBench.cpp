// Times Zarvanta's start: from creating the process to its main window being visible, which it is only once
// the full dictionary is loaded. Needs a display and Korvix32 registered.
//     startup_bench <Zarvanta.exe>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Search {
    DWORD process;
    HWND found;
};

HWND VisibleMainWindow(DWORD process) {
    Search search = {process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (owner != s->process || lstrcmpW(name, L"ZarvantaMain") != 0 || !IsWindowVisible(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct StartFigures {
    double milliseconds = -1;   // below 0: the window never showed
    double peakMegabytes = 0;   // the program's peak working set
};

StartFigures TimeOneStart(const std::wstring& program) {
    StartFigures figures;
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    std::wstring command = L"\"" + program + L"\"";
    const Clock::time_point start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return figures;
    HWND window = nullptr;
    while (!window && Clock::now() - start < std::chrono::seconds(60) &&
           WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        window = VisibleMainWindow(process.dwProcessId);
        if (!window) Sleep(5);
    }
    if (window) {
        figures.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters))
            figures.peakMegabytes = counters.PeakWorkingSetSize / (1024.0 * 1024.0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return figures;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: startup_bench <Zarvanta.exe>\n", stderr);
        return 2;
    }
    constexpr int kRuns = 5;
    std::vector<double> times;
    double peak = 0;
    for (int run = 0; run < kRuns; ++run) {
        const StartFigures figures = TimeOneStart(argv[1]);
        if (figures.milliseconds < 0) {
            std::fputs("startup_bench: Zarvanta's main window did not show (display? Korvix32 registered?)\n", stderr);
            return 1;
        }
        times.push_back(figures.milliseconds);
        peak = std::max(peak, figures.peakMegabytes);
    }
    std::sort(times.begin(), times.end());
    std::printf("start to main window shown, full dictionary loaded: median %.0f ms, best %.0f ms of %d starts; "
                "peak working set %.1f MB\n",
                times[kRuns / 2], times.front(), kRuns, peak);
    return 0;
}
