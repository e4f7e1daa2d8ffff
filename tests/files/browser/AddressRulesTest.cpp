// The browser's places as data: the drive label rule, the address box for a path, and where choosing an
// entry or going up leads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AddressRules.h"

namespace {

using kx::AddressEntry;
using kx::Drive;

const std::wstring kDesktop = L"C:\\users\\me\\Desktop\\";
const std::wstring kDocuments = L"C:\\users\\me\\Documents\\";

std::vector<Drive> TwoDrives() { return {kx::DescribeDrive(L'C', 3, L""), kx::DescribeDrive(L'Z', 3, L"")}; }

std::vector<std::wstring> Keys(const kx::AddressBox& box) {
    std::vector<std::wstring> keys;
    for (const AddressEntry& entry : box.entries) keys.push_back(entry.key);
    return keys;
}

TEST(AddressRulesTest, DriveLabels) {
    const struct {
        wchar_t letter;
        int type;
        const wchar_t* label;
        const wchar_t* text;
        int shownType;
    } cases[] = {
        {L'A', 2, L"IGNORED", L"Floppy (A:)", 2},       // A and B: no label read, still a floppy
        {L'b', 2, L"", L"Floppy (B:)", 2},
        {L'E', 2, L"", L"Removable Disk (E:)", 6},       // a floppy type from C on is removable
        {L'E', 6, L"", L"Removable Disk (E:)", 6},
        {L'D', 3, L"DATA", L"DATA (D:)", 3},
        {L'F', 5, L"", L"CD Drive (F:)", 5},
        {L'N', 4, L"", L"Network Drive (N:)", 4},
        {L'Q', 1, L"", L"Unnone Disk (Q:)", 1},
        {L'C', 3, L"", L"Local Disk (C:)", 3},
    };
    for (const auto& c : cases) {
        const Drive drive = kx::DescribeDrive(c.letter, c.type, c.label);
        EXPECT_EQ(c.text, drive.text);
        EXPECT_EQ(c.shownType, drive.type) << drive.text;
    }
}

TEST(AddressRulesTest, AFolderPathShowsItsChainUnderItsDriveAndSelectsTheLastFolder) {
    const kx::AddressBox box =
        kx::BuildAddressBox(L"C:\\WINDOWS\\SYSTEM32\\", TwoDrives(), kDesktop, kDocuments, true);
    const std::vector<std::wstring> keys = {L"Desktop", L"MyDoc", L"MyComp", L"C", L"3Folder", L"4Folder", L"Z",
                                            L"MyNet"};
    EXPECT_EQ(keys, Keys(box));
    EXPECT_EQ(L"4Folder", box.selectedKey);
    const AddressEntry& windows = box.entries[4];
    EXPECT_EQ(L"WINDOWS", windows.text);
    EXPECT_EQ(3, windows.indent);
    EXPECT_EQ(kx::kImageFolder, windows.image);
    EXPECT_EQ(kx::kImageOpenFolder, windows.selectedImage);
    EXPECT_EQ(L"SYSTEM32", box.entries[5].text);
    EXPECT_EQ(4, box.entries[5].indent);
    EXPECT_EQ(L"Local Disk (C:)", box.entries[3].text);
    EXPECT_EQ(2, box.entries[3].indent);
    EXPECT_EQ(3, box.entries[3].image);
}

TEST(AddressRulesTest, TheSelectedEntryForEachKindOfPath) {
    const struct {
        const wchar_t* path;
        const wchar_t* selected;
        size_t entries;
    } cases[] = {
        {L"C:\\", L"C", 6},
        {L"Z:\\tmp\\", L"3Folder", 7},
        {L"\\", L"MyComp", 6},
        {L"c:\\USERS\\ME\\DOCUMENTS\\", L"MyDoc", 6},  // without regard to case
        {L"C:\\users\\me\\Desktop\\", L"Desktop", 6},
        {L"\\\\", L"MyNet", 6},
        {L"\\\\server\\", L"0Net", 7},
        {L"\\\\server\\share\\", L"1Net", 8},
        {L"Q:\\nowhere\\", L"", 6},  // no such drive: nothing selected
    };
    for (const auto& c : cases) {
        const kx::AddressBox box = kx::BuildAddressBox(c.path, TwoDrives(), kDesktop, kDocuments, true);
        EXPECT_EQ(c.selected, box.selectedKey) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(c.entries, box.entries.size()) << testing::PrintToString(std::wstring(c.path));
    }
    const kx::AddressBox share =
        kx::BuildAddressBox(L"\\\\server\\share\\", TwoDrives(), kDesktop, kDocuments, true);
    EXPECT_EQ(L"server", share.entries[6].text);
    EXPECT_EQ(2, share.entries[6].indent);
    EXPECT_EQ(L"share", share.entries[7].text);
    EXPECT_EQ(3, share.entries[7].indent);
}

TEST(AddressRulesTest, AHiddenBoxHoldsOnlyTheFirstThreeEntries) {
    const kx::AddressBox box = kx::BuildAddressBox(L"C:\\", TwoDrives(), kDesktop, kDocuments, false);
    EXPECT_EQ((std::vector<std::wstring>{L"Desktop", L"MyDoc", L"MyComp"}), Keys(box));
    EXPECT_EQ(L"", box.selectedKey);
}

TEST(AddressRulesTest, ChoosingAnEntryLeadsToItsPathInUpperCase) {
    const kx::AddressBox folders =
        kx::BuildAddressBox(L"C:\\Windows\\System32\\", TwoDrives(), kDesktop, kDocuments, true);
    const kx::AddressBox network =
        kx::BuildAddressBox(L"\\\\server\\share\\", TwoDrives(), kDesktop, kDocuments, true);
    const struct {
        const kx::AddressBox* box;
        int selected;
        const wchar_t* path;
    } cases[] = {
        {&folders, 0, L"C:\\USERS\\ME\\DESKTOP\\"},
        {&folders, 1, L"C:\\USERS\\ME\\DOCUMENTS\\"},
        {&folders, 2, L"\\"},
        {&folders, 3, L"C:\\"},
        {&folders, 4, L"C:\\WINDOWS\\"},
        {&folders, 5, L"C:\\WINDOWS\\SYSTEM32\\"},
        {&folders, 6, L"Z:\\"},
        {&folders, 7, L"\\\\"},
        {&network, 6, L"\\\\SERVER\\"},
        {&network, 7, L"\\\\SERVER\\SHARE\\"},
    };
    for (const auto& c : cases) {
        const auto path = kx::PathOfEntry(c.box->entries, c.selected, kDesktop, kDocuments);
        ASSERT_TRUE(path.has_value()) << c.selected;
        EXPECT_EQ(c.path, *path) << c.selected;
    }
    EXPECT_FALSE(kx::PathOfEntry(folders.entries, -1, kDesktop, kDocuments).has_value());  // typed text
}

TEST(AddressRulesTest, UpFollowsTheChainToTheDesktop) {
    const kx::AddressBox box =
        kx::BuildAddressBox(L"C:\\WINDOWS\\SYSTEM32\\", TwoDrives(), kDesktop, kDocuments, true);
    // SYSTEM32 -> WINDOWS -> C -> My Computer -> Desktop -> nothing.
    std::vector<std::wstring> chain;
    for (int at = 5; at >= 0; at = kx::ParentEntry(box.entries, at)) chain.push_back(box.entries[at].key);
    EXPECT_EQ((std::vector<std::wstring>{L"4Folder", L"3Folder", L"C", L"MyComp", L"Desktop"}), chain);
    EXPECT_EQ(0, kx::ParentEntry(box.entries, 7));  // My Network -> Desktop
    const kx::AddressBox network =
        kx::BuildAddressBox(L"\\\\server\\share\\", TwoDrives(), kDesktop, kDocuments, true);
    EXPECT_EQ(6, kx::ParentEntry(network.entries, 7));  // share -> server
    EXPECT_EQ(5, kx::ParentEntry(network.entries, 6));  // server -> My Network
}

TEST(AddressRulesTest, UpWithoutASelectedEntryWorksOnThePath) {
    const struct {
        const wchar_t* path;
        const wchar_t* up;  // null: nothing happens
    } cases[] = {
        {L"C:\\A\\B\\", L"C:\\A\\"},
        {L"C:\\A\\", L"C:\\"},
        {L"C:\\", L"\\"},
        {L"", L"\\"},
        {L"ABCD\\", nullptr},
    };
    for (const auto& c : cases) {
        const auto up = kx::PathOneUp(c.path);
        EXPECT_EQ(c.up != nullptr, up.has_value()) << testing::PrintToString(std::wstring(c.path));
        if (c.up && up) EXPECT_EQ(c.up, *up);
    }
}

}  // namespace
