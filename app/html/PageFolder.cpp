#include "PageFolder.h"

#include <windows.h>

#include <iterator>

namespace zarvanta {
namespace {

constexpr wchar_t kPattern[] = L"*.htm";
constexpr wchar_t kExtension[] = L".htm";

bool IsPageFile(const WIN32_FIND_DATAW& entry) {
    constexpr DWORD kSkipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (entry.dwFileAttributes & kSkipped) return false;
    const std::wstring name = entry.cFileName;
    constexpr std::size_t kLength = std::size(kExtension) - 1;
    return name.size() >= kLength && lstrcmpiW(name.c_str() + name.size() - kLength, kExtension) == 0;
}

}  // namespace

std::vector<std::wstring> FindPageFiles(const std::wstring& folderWithBackslash) {
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folderWithBackslash + kPattern).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (IsPageFile(entry)) files.emplace_back(entry.cFileName);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return files;
}

}  // namespace zarvanta
