#include "FolderReader.h"

#include "SilentCriticalErrors.h"

namespace kx {
namespace {

bool Wanted(DWORD attributes, bool hidden, bool system) {
    if ((attributes & FILE_ATTRIBUTE_HIDDEN) && !hidden) return false;
    if ((attributes & FILE_ATTRIBUTE_SYSTEM) && !system) return false;
    return true;
}

}  // namespace

std::vector<FolderEntry> ReadFolder(const std::wstring& folder, bool hidden, bool system) {
    std::vector<FolderEntry> entries;
    if (folder.size() + 3 >= MAX_PATH) return entries;
    const SilentCriticalErrors silent;
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileExW((folder + L"*.*").c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        if (Wanted(data.dwFileAttributes, hidden, system)) entries.push_back({data.cFileName, data.dwFileAttributes});
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return entries;
}

}  // namespace kx
