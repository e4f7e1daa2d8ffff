#include "SystemActions.h"

#include <windows.h>

namespace kx {

bool RecordSystemAction(const std::wstring& line) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return true;
    const std::wstring text = line + L"\r\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return true;
}

}  // namespace kx
