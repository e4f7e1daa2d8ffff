// Which renames go ahead, and the names of new folders.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ItemNames.h"

namespace {

using kx::RenameStep;

TEST(ItemNames, AcceptableNames) {
    struct Case {
        std::wstring name;
        bool acceptable;
    };
    const Case cases[] = {
        {L"report.txt", true}, {L"New Folder (2)", true}, {L"...a", true}, {L"\u0646\u0627\u0645", true},
        {L"", false},          {L".", false},             {L"..", false},  {L"a\\b", false},
        {L"..\\x", false},     {L"a/b", false},           {L"C:x", false}, {L"a*", false},
        {L"a?", false},        {L"a\"b", false},          {L"<a>", false}, {L"a|b", false},
        {L"a\tb", false},      {std::wstring(L"a\0b", 3), false},
    };
    for (const Case& c : cases) EXPECT_EQ(kx::IsAcceptableItemName(c.name), c.acceptable) << c.name;
}

TEST(ItemNames, RenameSteps) {
    const std::set<std::wstring> others = {L"taken.txt", L"Other"};
    const auto exists = [&](const std::wstring& name) { return others.count(name) > 0; };
    struct Case {
        const wchar_t* oldName;
        const wchar_t* newName;
        RenameStep step;
    };
    const Case cases[] = {
        {L"New Folder", L"New Folder", RenameStep::End},  // unchanged: the edit ends, no restart
        {L"a.txt", L"b.txt", RenameStep::Rename},
        {L"a.txt", L"A.TXT", RenameStep::Rename},  // a change of case: the item itself is no other name
        {L"a.txt", L"taken.txt", RenameStep::Restart},
        {L"a.txt", L"..", RenameStep::End},
        {L"a.txt", L"..\\x", RenameStep::End},
        {L"a.txt", L"", RenameStep::End},
    };
    for (const Case& c : cases) EXPECT_EQ(kx::ChooseRenameStep(c.oldName, c.newName, exists), c.step) << c.newName;
}

TEST(ItemNames, NewFolderNames) {
    struct Case {
        long entriesLikeIt;
        std::set<std::wstring> taken;
        const wchar_t* name;
    };
    const Case cases[] = {
        {0, {}, L"New Folder"},
        {1, {L"New Folder"}, L"New Folder (1)"},
        {2, {L"New Folder", L"New Folder (1)"}, L"New Folder (2)"},
        {2, {L"New Folder", L"New Folder (2)"}, L"New Folder (3)"},  // a gap: the counted name is taken
        {3, {L"New Folder", L"New Folder (3)", L"New Folder (4)"}, L"New Folder (5)"},
        {1, {L"New Folders.txt"}, L"New Folder (1)"},
    };
    for (const Case& c : cases) {
        const auto exists = [&](const std::wstring& name) { return c.taken.count(name) > 0; };
        EXPECT_EQ(kx::NewFolderName(c.entriesLikeIt, exists), c.name);
    }
}

TEST(ItemNames, NewFolderNameEndsWhenEveryNameIsTaken) {
    EXPECT_EQ(kx::NewFolderName(2, [](const std::wstring&) { return true; }), L"New Folder (5)");
}

}  // namespace
