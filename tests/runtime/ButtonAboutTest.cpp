// The button's About shows the library's About box with the button's title.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "AboutBox.h"
#include "KxButton.h"

namespace {

// Waits (bounded) for the About box, reads its title, then closes it with Escape.
std::wstring ReadTitleAndClose() {
    for (int i = 0; i < 500; ++i) {
        HWND box = FindWindowW(kx::kAboutBoxClass, nullptr);
        if (box && IsWindowVisible(box)) {
            wchar_t title[128] = {};
            GetWindowTextW(GetDlgItem(box, kx::kAboutTitle), title, 128);
            PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageW(box, WM_CHAR, VK_ESCAPE, 0);
            return title;
        }
        Sleep(10);
    }
    return L"(no About box)";
}

TEST(ButtonAboutTest, AboutShowsTheBoxWithTheButtonsTitle) {
    kx::KxButton* button = new kx::KxButton();
    std::wstring title;
    std::thread closer([&title] { title = ReadTitleAndClose(); });
    EXPECT_EQ(S_OK, button->About());
    closer.join();
    EXPECT_EQ(L"Velmora Group Button", title);
    EXPECT_EQ(nullptr, FindWindowW(kx::kAboutBoxClass, nullptr));
    button->Release();
}

}  // namespace
