#pragma once
#include <string>

#include "ItemNames.h"

// The browser's changes to a folder: a new folder and the rename of an item. Wide calls; no message is
// shown and no error escapes.
namespace kx {

// The number of entries of folder (ending in "\") whose names match "New Folder*.*", files included.
long CountNewFolderLikeEntries(const std::wstring& folder);

// Makes the next new folder in folder (ending in "\"); its name, or empty when it could not be made.
std::wstring MakeNewFolder(const std::wstring& folder);

enum class RenameResult {
    Unchanged,  // the name was kept: unchanged, refused or refused by the file system
    Restart,    // another entry has the name: edit again
    Renamed,
};

// Renames the entry itemPath (a full path) to newName in folder (ending in "\").
RenameResult RenameItem(const std::wstring& folder, const std::wstring& itemPath, const std::wstring& newName);

}  // namespace kx
