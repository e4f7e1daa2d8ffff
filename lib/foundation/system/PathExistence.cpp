#include "PathExistence.h"

#include <windows.h>

#include "Text.h"

namespace kx {
namespace {

bool DriveLetterExists(wchar_t letter) {
    const DWORD capacity = GetLogicalDriveStringsW(0, nullptr);
    std::wstring list(capacity, L'\0');
    const DWORD length = capacity ? GetLogicalDriveStringsW(capacity, list.data()) : 0;
    list.resize(length <= capacity ? length : 0);
    list = ToUpperText(list);
    const wchar_t wanted = ToUpperText(std::wstring(1, letter))[0];
    for (size_t entry = 0; entry < list.size(); entry = list.find(L'\0', entry) + 1) {
        if (list[entry] == wanted) return true;
        if (list.find(L'\0', entry) == std::wstring::npos) break;
    }
    return false;
}

bool SearchFindsAnything(const std::wstring& pattern) {
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

}  // namespace

bool PathExists(const std::wstring& path) {
    if (path.size() >= 2 && path.compare(path.size() - 2, 2, L":\\") == 0) return DriveLetterExists(path[0]);
    return !path.empty() && SearchFindsAnything(path);
}

bool IsPlainFile(const std::wstring& path) {
    if (path.find_first_of(L"*?") != std::wstring::npos) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace kx
