#include "TextEditorLauncher.h"

#include <windows.h>

#include "SystemActions.h"
#include "arrange/ArrangementTexts.h"

namespace zarvanta {

bool OpenInTextEditor(const std::wstring& filePath) {
    std::wstring command = std::wstring(kEditorCommand) + filePath;
    if (kx::RecordSystemAction(L"OpenInTextEditor: " + command)) return true;
    STARTUPINFOW startup = {sizeof startup};
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace zarvanta
