// The main window's Quran button opens the page viewer on the program's "Quran" folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ZarvantaSession.h"

namespace {

const std::string kDictionary = "Word\tAbjadWord\tLength\tAbjad\n";
constexpr RECT kQuranButton = zvtest::Bounds(16, 336, 129, 41);

int ListCount(HWND viewer) {
    HWND list = FindWindowExW(viewer, nullptr, L"ListBox", nullptr);
    return list ? static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)) : -1;
}

TEST(ZarvantaPageViewer, QuranButtonListsThePagesOfTheProgramsQuranFolder) {
    zvtest::ZarvantaSession zarvanta(kDictionary, std::nullopt);
    ASSERT_TRUE(zarvanta.WaitForMainWindow());
    const std::wstring folder = zarvanta.Folder().File(L"Quran");
    CreateDirectoryW(folder.c_str(), nullptr);
    zvtest::WriteBytes(folder + L"\\a.htm", "<p>a</p>");
    zvtest::WriteBytes(folder + L"\\b.htm", "<p>b</p>");
    zvtest::WriteBytes(folder + L"\\c.txt", "c");

    zarvanta.ClickButton(kQuranButton);
    HWND viewer = zarvanta.WaitForWindow(L"ZarvantaHtmlViewer", 10000);
    ASSERT_TRUE(viewer);
    EXPECT_EQ(2, ListCount(viewer));
    EXPECT_FALSE(IsWindowEnabled(zarvanta.Main()));

    SendMessageW(viewer, WM_CLOSE, 0, 0);
    for (int i = 0; i < 100 && !IsWindowEnabled(zarvanta.Main()); ++i) Sleep(50);
    EXPECT_TRUE(IsWindowEnabled(zarvanta.Main()));
}

}  // namespace
