// Zarvanta: the Abjad calculator. Binds to the Korvix32 library at run time by class identity.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "FaultRecorder.h"
#include "MainWindow.h"

namespace {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\'));
}

int RunMessageLoop(zarvanta::MainWindow& window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.TranslateAccelerator(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    kx::InstallFaultRecorder();  // faults of the program and the library go to KX_FAULT_LOG, when tests name one
    if (FAILED(OleInitialize(nullptr))) return 1;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int exitCode = 1;
    {
        zarvanta::MainWindow window(ProgramFolder());
        if (window.Open(show)) exitCode = RunMessageLoop(window);
    }
    OleUninitialize();
    return exitCode;
}
