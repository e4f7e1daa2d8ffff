#pragma once
#include <functional>
#include <string>

// The names the user gives items in the browser: which renames go ahead, and the name of a new folder.
// Pure text work; the file system is asked through the predicates the caller passes.
namespace kx {

// A name that stays inside its folder: not empty, not "." or "..", and free of \ / : * ? " < > | and of
// control characters.
bool IsAcceptableItemName(const std::wstring& name);

enum class RenameStep {
    End,      // nothing to do: the edit ends and the item keeps its name
    Restart,  // another entry has that name: the edit starts again
    Rename,   // ask the file system
};

// What confirming newName for the item called oldName leads to. An unchanged name ends the edit; a change
// of case alone goes to the file system; otherName tells whether another entry of the folder has a name.
RenameStep ChooseRenameStep(const std::wstring& oldName, const std::wstring& newName,
                            const std::function<bool(const std::wstring&)>& otherNameExists);

// "New Folder" when entriesLikeIt (entries whose names begin with "New Folder") is 0, else
// "New Folder (n)"; when that name is taken, the next number that is free.
std::wstring NewFolderName(long entriesLikeIt, const std::function<bool(const std::wstring&)>& nameExists);

}  // namespace kx
