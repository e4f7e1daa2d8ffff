#include "FolderActions.h"

#include <windows.h>

namespace kx {
namespace {

bool EntryExists(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

std::wstring NameOf(const std::wstring& itemPath) {
    const size_t slash = itemPath.find_last_of(L'\\');
    return slash == std::wstring::npos ? itemPath : itemPath.substr(slash + 1);
}

}  // namespace

long CountNewFolderLikeEntries(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"New Folder*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    long count = 0;
    do ++count;
    while (FindNextFileW(search, &entry));
    FindClose(search);
    return count;
}

std::wstring MakeNewFolder(const std::wstring& folder) {
    const std::wstring name = NewFolderName(CountNewFolderLikeEntries(folder),
                                            [&](const std::wstring& candidate) { return EntryExists(folder + candidate); });
    return CreateDirectoryW((folder + name).c_str(), nullptr) ? name : std::wstring();
}

RenameResult RenameItem(const std::wstring& folder, const std::wstring& itemPath, const std::wstring& newName) {
    const auto otherExists = [&](const std::wstring& name) { return EntryExists(folder + name); };
    switch (ChooseRenameStep(NameOf(itemPath), newName, otherExists)) {
    case RenameStep::End: return RenameResult::Unchanged;
    case RenameStep::Restart: return RenameResult::Restart;
    case RenameStep::Rename: break;
    }
    return MoveFileW(itemPath.c_str(), (folder + newName).c_str()) ? RenameResult::Renamed : RenameResult::Unchanged;
}

}  // namespace kx
