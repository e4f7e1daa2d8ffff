// New folders and renames in scratch folders.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FolderActions.h"
#include "TestSupport.h"

namespace {

using kx::RenameResult;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void MakeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
}

TEST(FolderActions, NewFolderTakesTheNextName) {
    kxtest::ScratchFolder scratch;
    const std::wstring folder = scratch.path() + L"\\";
    EXPECT_EQ(kx::MakeNewFolder(folder), L"New Folder");
    EXPECT_EQ(kx::MakeNewFolder(folder), L"New Folder (1)");
    EXPECT_EQ(kx::MakeNewFolder(folder), L"New Folder (2)");
    EXPECT_TRUE(Exists(folder + L"New Folder (2)"));
}

TEST(FolderActions, NewFolderSkipsAGapInTheNumbering) {
    kxtest::ScratchFolder scratch;
    const std::wstring folder = scratch.path() + L"\\";
    CreateDirectoryW((folder + L"New Folder").c_str(), nullptr);
    CreateDirectoryW((folder + L"New Folder (2)").c_str(), nullptr);
    EXPECT_EQ(kx::CountNewFolderLikeEntries(folder), 2);
    EXPECT_EQ(kx::MakeNewFolder(folder), L"New Folder (3)");
}

TEST(FolderActions, NewFolderInAMissingFolderMakesNothing) {
    kxtest::ScratchFolder scratch;
    EXPECT_EQ(kx::MakeNewFolder(scratch.path() + L"\\missing\\"), L"");
    EXPECT_FALSE(Exists(scratch.path() + L"\\missing"));
}

TEST(FolderActions, RenameTable) {
    kxtest::ScratchFolder scratch;
    const std::wstring folder = scratch.path() + L"\\fbt\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    MakeFile(folder + L"other.txt");
    struct Case {
        const wchar_t* newName;
        RenameResult result;
        const wchar_t* nameAfter;  // the item's name afterwards
    };
    const Case cases[] = {
        {L"a.txt", RenameResult::Unchanged, L"a.txt"},
        {L"other.txt", RenameResult::Restart, L"a.txt"},
        {L"..", RenameResult::Unchanged, L"a.txt"},
        {L"..\\x", RenameResult::Unchanged, L"a.txt"},
        {L"sub/x", RenameResult::Unchanged, L"a.txt"},
        {L"", RenameResult::Unchanged, L"a.txt"},
        {L"a?.txt", RenameResult::Unchanged, L"a.txt"},
        {L"b.txt", RenameResult::Renamed, L"b.txt"},
    };
    for (const Case& c : cases) {
        MakeFile(folder + L"a.txt");
        EXPECT_EQ(kx::RenameItem(folder, folder + L"a.txt", c.newName), c.result) << c.newName;
        EXPECT_TRUE(Exists(folder + c.nameAfter)) << c.newName;
        EXPECT_FALSE(Exists(scratch.path() + L"\\x")) << c.newName;  // never out of the folder
        DeleteFileW((folder + L"b.txt").c_str());
    }
}

TEST(FolderActions, ARenameTheFileSystemRefusesKeepsTheName) {
    kxtest::ScratchFolder scratch;
    const std::wstring folder = scratch.path() + L"\\";
    MakeFile(folder + L"a.txt");
    const std::wstring longName(300, L'n');
    EXPECT_EQ(kx::RenameItem(folder, folder + L"a.txt", longName), RenameResult::Unchanged);
    EXPECT_TRUE(Exists(folder + L"a.txt"));
    EXPECT_EQ(kx::RenameItem(folder, folder + L"gone.txt", L"c.txt"), RenameResult::Unchanged);
}

}  // namespace
