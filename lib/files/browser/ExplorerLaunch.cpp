#include "ExplorerLaunch.h"

#include <windows.h>

#include "ExplorerCommand.h"
#include "SystemActions.h"

namespace kx {

void OpenInExplorer(const std::wstring& location) {
    std::wstring commandLine = ExplorerCommandLine(location);
    if (RecordSystemAction(L"StartProgram: " + commandLine + L" (window mode 1)")) return;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace kx
