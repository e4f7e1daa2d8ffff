// What the user sees of the main window: the skin cut out at its corners, the option marks in their
// boxes, and PNGs of the main window and the windows its buttons open, for people to look at.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "ScreenCapture.h"
#include "ZarvantaSession.h"

namespace {

const std::string kDictionary = "Word\tAbjadWord\tLength\tAbjad\n";
constexpr std::uint32_t kMarkInk = 0x1A683C;  // the check mark's green
constexpr int kOptionTops[] = {347, 368, 392, 416, 440, 464, 488, 512, 533, 555};

RECT MarkBox(int option) { return {749, 346 + 23 * option, 749 + 21, 346 + 23 * option + 21}; }

void Settle(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 2000, nullptr);
    Sleep(300);
}

std::unique_ptr<kxtest::ScreenCapture> CaptureOf(HWND window) {
    Settle(window);
    RECT rect = {};
    GetWindowRect(window, &rect);
    return std::make_unique<kxtest::ScreenCapture>(rect);
}

TEST(ZarvantaScreen, SkinMarksAndScreenshot) {
    zvtest::ZarvantaSession zarvanta(kDictionary, std::nullopt);
    HWND main = zarvanta.WaitForMainWindow();
    ASSERT_TRUE(main);
    RECT rect = {};
    GetWindowRect(main, &rect);
    EXPECT_EQ(800, rect.right - rect.left);
    EXPECT_EQ(600, rect.bottom - rect.top);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(main, &key, &alpha, &flags));
    EXPECT_EQ(RGB(255, 0, 255), key);
    EXPECT_EQ(255, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA), flags);

    auto screen = CaptureOf(main);
    EXPECT_TRUE(screen->SavePng(L"zarvanta-main.png"));
    EXPECT_NE(0xFF00FFu, screen->At(0, 0));  // the cut-out corner shows what lies behind
    EXPECT_EQ(0, screen->CountInside(MarkBox(0), kMarkInk));  // option 0 is off by default
    for (int option = 1; option < 10; ++option) EXPECT_LT(10, screen->CountInside(MarkBox(option), kMarkInk)) << option;

    // Two clicks on one zone: the mark goes and comes back; minimising and restoring keeps the marks.
    zarvanta.ClickCentreOf({496, kOptionTops[3], 496 + 277, kOptionTops[3] + 21});
    EXPECT_EQ(0, CaptureOf(main)->CountInside(MarkBox(3), kMarkInk));
    zarvanta.ClickCentreOf({496, kOptionTops[3], 496 + 277, kOptionTops[3] + 21});
    EXPECT_LT(10, CaptureOf(main)->CountInside(MarkBox(3), kMarkInk));
    ShowWindow(main, SW_MINIMIZE);
    ShowWindow(main, SW_RESTORE);
    auto restored = CaptureOf(main);
    EXPECT_LT(10, restored->CountInside(MarkBox(3), kMarkInk));
    EXPECT_EQ(0, restored->CountInside(MarkBox(0), kMarkInk));

    // Moving the mouse without a button held over the skin does not move the window.
    SendMessageW(main, WM_MOUSEMOVE, 0, MAKELPARAM(300, 20));
    RECT after = {};
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&rect, &after));
}

// The windows the main window's buttons open, each shown over it and then closed.
TEST(ZarvantaScreen, SecondaryWindowScreenshots) {
    struct Window { RECT button; const wchar_t* className; const wchar_t* png; };
    const Window windows[] = {
        {zvtest::Bounds(264, 392, 129, 41), L"ZarvantaAbjad", L"zarvanta-number-words.png"},
        {zvtest::Bounds(264, 344, 129, 41), L"ZarvantaComplex", L"zarvanta-arrangements.png"},
    };
    zvtest::ZarvantaSession zarvanta(kDictionary, std::nullopt);
    ASSERT_TRUE(zarvanta.WaitForMainWindow());
    for (const Window& w : windows) {
        zarvanta.ClickButton(w.button);
        HWND window = zarvanta.WaitForWindow(w.className, 10000);
        ASSERT_TRUE(window) << w.png;
        EXPECT_TRUE(CaptureOf(window)->SavePng(w.png)) << w.png;
        SendMessageW(window, WM_CLOSE, 0, 0);
        for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(50);
    }
}

}  // namespace
