// Ctrl+A in the text box selects the whole text; Ctrl+Shift+A does not. Real key presses through the
// input queue, so the program sees the shift state as a user's keyboard gives it.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "ZarvantaSession.h"

namespace {

void PressWith(std::vector<WORD> modifiers, WORD key) {
    std::vector<INPUT> inputs;
    const auto push = [&](WORD vk, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD m : modifiers) push(m, false);
    push(key, false);
    push(key, true);
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) push(*m, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The selection (start, end) once the program has handled its input; waits a bounded time for a change.
std::pair<int, int> SelectionAfterInput(HWND edit, std::pair<int, int> before) {
    std::pair<int, int> now = before;
    for (int i = 0; i < 40 && now == before; ++i) {
        Sleep(25);
        DWORD start = 0, end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        now = {static_cast<int>(start), static_cast<int>(end)};
    }
    return now;
}

// Another test's window may hold the foreground for a moment: ask until the window has it.
bool BringToFront(HWND window) {
    for (int i = 0; i < 80; ++i) {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        Sleep(25);
    }
    return false;
}

TEST(ZarvantaTextBox, ControlASelectsAllAndControlShiftADoesNot) {
    zvtest::ZarvantaSession zarvanta(std::string("Word\tAbjadWord\tLength\tAbjad\n"), std::nullopt);
    HWND main = zarvanta.WaitForMainWindow();
    ASSERT_TRUE(main);
    HWND edit = zarvanta.TextBox();
    zarvanta.SetText(L"بسم الله");
    SendMessageW(edit, EM_SETSEL, 2, 2);
    Sleep(200);

    ASSERT_TRUE(BringToFront(main));
    PressWith({VK_CONTROL, VK_SHIFT}, 'A');
    EXPECT_EQ(std::make_pair(2, 2), SelectionAfterInput(edit, {2, 2}));
    EXPECT_EQ(L"بسم الله", zarvanta.Text());

    // A window of a test running beside this one can take the keys once; the press is tried again then.
    std::pair<int, int> selection = {2, 2};
    for (int attempt = 0; attempt < 3 && selection == std::make_pair(2, 2); ++attempt) {
        ASSERT_TRUE(BringToFront(main));
        PressWith({VK_CONTROL}, 'A');
        selection = SelectionAfterInput(edit, {2, 2});
    }
    EXPECT_EQ(std::make_pair(0, 8), selection);
    EXPECT_EQ(L"بسم الله", zarvanta.Text());
}

}  // namespace
