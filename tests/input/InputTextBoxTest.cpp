// The input controls' shared text box on a plain parent window: what reaches the owner first, what its
// own messages do, and what a re-creation keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "InputTextBox.h"

namespace {

using kx::InputTextBox;

// Records the box's calls as "down 65 sys", "char 97", "up 65", "own 771", ...; discards what it is told to.
class RecordingInput : public InputTextBox::Input {
public:
    bool BoxKeyDown(WPARAM& keyCode, bool systemKey) override {
        calls.push_back("down " + std::to_string(keyCode) + (systemKey ? " sys" : ""));
        return discard;
    }
    bool BoxChar(WPARAM& character) override {
        calls.push_back("char " + std::to_string(character));
        if (replaceWith) character = replaceWith;
        return discard;
    }
    void BoxKeyUp(WPARAM keyCode, bool systemKey) override {
        calls.push_back("up " + std::to_string(keyCode) + (systemKey ? " sys" : ""));
    }
    void BoxMouse(UINT, WPARAM, LPARAM) override {}
    void BoxFocus(bool gained, HWND) override { calls.push_back(gained ? "focus" : "blur"); }
    bool BoxMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        calls.push_back("own " + std::to_string(message));
        result = 7;
        return refuse;
    }

    std::vector<std::string> calls;
    bool discard = false;
    bool refuse = true;
    WPARAM replaceWith = 0;
};

// The parent's EN_CHANGE notifications.
int changes = 0;

LRESULT CALLBACK CountingChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) ++changes;
    return DefWindowProcW(window, message, wParam, lParam);
}

class InputTextBoxTest : public testing::Test {
protected:
    InputTextBoxTest() {
        SetWindowLongPtrW(parent.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingChanges));
    }

    kxtest::HostWindow parent;
    RecordingInput input;
    InputTextBox box{parent.hwnd(), input, nullptr, {}, {WM_CLEAR}};

    void SetUp() override { box.Place(0, 0, 200, 20); }
    LONG_PTR BoxStyle() const { return GetWindowLongPtrW(box.Hwnd(), GWL_STYLE); }
};

TEST_F(InputTextBoxTest, KeysReachTheOwnerFirst) {
    const struct {
        UINT message;
        WPARAM code;
        bool discard;
        WPARAM replaceWith;
        const char* call;
        const wchar_t* text;  // the box's text after the key
    } cases[] = {
        {WM_KEYDOWN, VK_RIGHT, false, 0, "down 39", L""},
        {WM_SYSKEYDOWN, VK_DOWN, true, 0, "down 40 sys", L""},
        {WM_KEYUP, 'A', false, 0, "up 65", L""},
        {WM_SYSKEYUP, 'A', false, 0, "up 65 sys", L""},
        {WM_CHAR, 'a', false, 0, "char 97", L"a"},
        {WM_CHAR, 'a', true, 0, "char 97", L""},
        {WM_CHAR, 'a', false, 'b', "char 97", L"b"},
    };
    for (const auto& c : cases) {
        box.SetText(L"");
        input.calls.clear();
        input.discard = c.discard;
        input.replaceWith = c.replaceWith;
        SendMessageW(box.Hwnd(), c.message, c.code, 1);
        EXPECT_EQ(std::vector<std::string>{c.call}, input.calls) << c.call;
        EXPECT_EQ(c.text, box.Text()) << c.call;
    }
}

// The owner's own messages: answered by the owner when it takes them, acted on by the box otherwise.
TEST_F(InputTextBoxTest, OwnMessagesGoToTheOwner) {
    for (const bool refuse : {true, false}) {
        box.SetText(L"abc");
        SendMessageW(box.Hwnd(), EM_SETSEL, 0, -1);
        input.calls.clear();
        input.refuse = refuse;
        const LRESULT result = SendMessageW(box.Hwnd(), WM_CLEAR, 0, 0);
        EXPECT_EQ(std::vector<std::string>{"own " + std::to_string(WM_CLEAR)}, input.calls);
        EXPECT_EQ(refuse ? L"abc" : L"", box.Text());
        if (refuse) {
            EXPECT_EQ(7, result);
        }
    }
    input.calls.clear();
    SendMessageW(box.Hwnd(), WM_CUT, 0, 0);
    EXPECT_TRUE(input.calls.empty());
}

// A new alignment or direction makes the window anew with the same text, caret, focus, state and events;
// the box shows as it did even while its parent is hidden.
TEST_F(InputTextBoxTest, RecreationKeepsWhatTheBoxHad) {
    const struct {
        InputTextBox::Style style;
        bool focused;
        bool parentShown;
        bool boxShown;
    } cases[] = {
        {{1, false, true, true}, true, true, true},
        {{2, true, false, false}, false, true, true},
        {{0, true, true, false}, false, false, true},
        {{1, false, false, true}, false, false, false},
    };
    for (const auto& c : cases) {
        box.SetStyle({});
        ShowWindow(parent.hwnd(), SW_SHOWNA);
        box.Show(true);
        box.SetText(L"12345");
        box.SetCaret(3);
        if (c.focused) SetFocus(box.Hwnd());
        else SetFocus(nullptr);
        if (!c.parentShown) ShowWindow(parent.hwnd(), SW_HIDE);
        box.Show(c.boxShown);
        const HWND old = box.Hwnd();
        input.calls.clear();

        box.SetStyle(c.style);
        EXPECT_NE(old, box.Hwnd());
        EXPECT_EQ(L"12345", box.Text());
        EXPECT_EQ(3, box.Caret());
        EXPECT_EQ(c.focused, GetFocus() == box.Hwnd());
        EXPECT_EQ(c.boxShown, (BoxStyle() & WS_VISIBLE) != 0);
        EXPECT_EQ(c.style.locked, (BoxStyle() & ES_READONLY) != 0);
        EXPECT_EQ(c.style.enabled, (BoxStyle() & WS_DISABLED) == 0);
        EXPECT_EQ(c.style.rightToLeft, (GetWindowLongPtrW(box.Hwnd(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0);
        EXPECT_EQ(c.focused, input.calls == std::vector<std::string>{"focus"});
        const int before = changes;
        box.SetText(L"6");
        EXPECT_EQ(before + 1, changes);
    }
    ShowWindow(parent.hwnd(), SW_SHOWNA);
}

// Typed text is not cut at the platform's default limit.
TEST_F(InputTextBoxTest, TakesLongText) {
    box.SetStyle({1});
    const std::wstring text(40000, L'7');
    SendMessageW(box.Hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    EXPECT_EQ(text.size(), box.Text().size());
}

}  // namespace
