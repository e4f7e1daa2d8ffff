// A small program the tests start: "exit N" ends with code N, "sleep MS N" waits MS milliseconds
// and ends with N, "idle" keeps a message loop running until it is ended.
#include <windows.h>

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc >= 3 && lstrcmpiW(argv[1], L"exit") == 0) return _wtoi(argv[2]);
    if (argc >= 4 && lstrcmpiW(argv[1], L"sleep") == 0) {
        Sleep(static_cast<DWORD>(_wtoi(argv[2])));
        return _wtoi(argv[3]);
    }
    if (argc >= 2 && lstrcmpiW(argv[1], L"idle") == 0) {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        return 0;
    }
    return 100;
}
