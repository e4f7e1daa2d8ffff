// The number-to-words window, opened by the main window's btnAbjadWord and driven from outside: the words of
// typed numbers in table order, Enter, Clip.txt in code page 1256 with the editor's start recorded (never run),
// a Clip.txt that cannot be written, and Esc.
#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "ZarvantaSession.h"

namespace {

using zvtest::Bounds;

using zvtest::ZarvantaSession;
using Words = std::vector<std::wstring>;

constexpr RECT kAbjadWordButton = Bounds(264, 392, 129, 41);
constexpr RECT kDoButton = Bounds(8, 8, 129, 25);
constexpr RECT kCopyButton = Bounds(232, 344, 129, 25);

// Words of 92 out of alphabetical order, two words of 3, one of 0, and a Persian yeh in a Word.
const std::string kDictionary =
    "Word\tAbjadWord\tLength\tAbjad\n"
    "محمد\tمحمد\t4\t92\n"
    "zero\tzero\t4\t0\n"
    "اب\tاب\t2\t3\n"
    "حمدم\tحمدم\t4\t92\n"
    "علی\tعلي\t3\t110\n"
    "ج\tج\t1\t3\n"
    "دمحم\tدمحم\t4\t92\n";

const Words kWordsOf92 = {L"محمد", L"حمدم", L"دمحم"};
const std::string kClipOf92 = "\xE3\xCD\xE3\xCF\r\n\xCD\xE3\xCF\xE3\r\n\xCF\xE3\xCD\xE3\r\n\r\n";

class NumberWordsWindow : public testing::Test {
protected:
    void SetUp() override {
        zarvanta_.emplace(kDictionary, std::nullopt, records_.File(L"actions.txt"));
        ASSERT_TRUE(zarvanta_->WaitForMainWindow());
        zarvanta_->ClickButton(kAbjadWordButton);
        window_ = zarvanta_->WaitForWindow(L"ZarvantaAbjad", 10000);
        ASSERT_TRUE(window_);
    }

    HWND Value() const { return FindWindowExW(window_, nullptr, L"Edit", nullptr); }
    HWND List() const { return FindWindowExW(window_, nullptr, L"ListBox", nullptr); }
    void Type(const std::wstring& text) const {
        SendMessageW(Value(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

    // A click of one of the window's buttons, handled before the call returns.
    void Click(const RECT& bounds) const { zvtest::ClickLibraryButton(window_, bounds, true); }

    Words Listed() const {
        Words words;
        HWND list = List();
        const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t word[256] = {};
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(word));
            words.push_back(word);
        }
        return words;
    }
    // Waits (bounded) for the list to hold the words.
    bool ListBecomes(const Words& words) const {
        for (int i = 0; i < 500 && Listed() != words; ++i) Sleep(20);
        return Listed() == words;
    }

    std::wstring ClipPath() const { return zarvanta_->Folder().File(L"Clip.txt"); }
    std::string EditorStarts() const { return zvtest::ReadBytes(records_.File(L"actions.txt")); }
    std::string EditorStart() const {
        const std::wstring line = L"OpenInTextEditor: notepad.exe " + ClipPath() + L"\r\n";
        return std::string(line.begin(), line.end());  // the scratch folder's path is ASCII
    }

    kxtest::ScratchFolder records_;
    std::optional<ZarvantaSession> zarvanta_;
    HWND window_ = nullptr;
};

TEST_F(NumberWordsWindow, ListsTheWordsOfTheNumberAndCopiesThemIntoClipTxt) {
    EXPECT_FALSE(IsWindowEnabled(zarvanta_->Main()));  // modal over the main window
    const struct Case {
        std::wstring typed;
        Words words;
        std::string clip;  // Clip.txt's bytes, code page 1256
    } cases[] = {
        {L"92", kWordsOf92, kClipOf92},  // table order, not alphabetical
        {L"3", {L"اب", L"ج"}, "\xC7\xC8\r\n\xCC\r\n\r\n"},
        {L"93", {}, "\r\n"},
        {L"", {L"zero"}, "zero\r\n\r\n"},
        {L"abc", {L"zero"}, "zero\r\n\r\n"},
        {L" 1 10 words", {L"علی"}, "\xDA\xE1\xED\r\n\r\n"},  // the Persian yeh is written as yeh
        {L"٩٢", kWordsOf92, kClipOf92},  // Arabic-Indic digits are stored as digits
        {L"92.5", {}, "\r\n"},
    };
    std::string starts;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        Type(c.typed);
        Click(kDoButton);
        EXPECT_EQ(c.words, Listed());
        Click(kCopyButton);
        EXPECT_EQ(c.clip, zvtest::ReadBytes(ClipPath()));
        starts += EditorStart();
        EXPECT_EQ(starts, EditorStarts());
    }
}

// Keys go through the program's message loop, as typed keys do.
TEST_F(NumberWordsWindow, EnterListsOrPressesTheFocusedButtonAndEscClosesTheWindow) {
    Type(L"92");
    PostMessageW(Value(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(ListBecomes(kWordsOf92));
    EXPECT_EQ("", EditorStarts());

    // On a button Enter is that button's stroke: btnCopy copies.
    PostMessageW(zvtest::ChildAt(window_, kCopyButton), WM_KEYDOWN, VK_RETURN, 1);
    for (int i = 0; i < 500 && EditorStarts().empty(); ++i) Sleep(20);
    EXPECT_EQ(EditorStart(), EditorStarts());
    EXPECT_EQ(kClipOf92, zvtest::ReadBytes(ClipPath()));
    EXPECT_EQ(kWordsOf92, Listed());

    PostMessageW(Value(), WM_KEYDOWN, VK_ESCAPE, 1);
    for (int i = 0; i < 500 && IsWindow(window_); ++i) Sleep(20);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_TRUE(IsWindowEnabled(zarvanta_->Main()));

    // Opened again, the list starts empty.
    zarvanta_->ClickButton(kAbjadWordButton);
    window_ = zarvanta_->WaitForWindow(L"ZarvantaAbjad", 10000);
    ASSERT_TRUE(window_);
    EXPECT_EQ(Words{}, Listed());
    SendMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
}

TEST_F(NumberWordsWindow, TabMovesThroughTheControlsInTheirOrder) {
    const HWND order[] = {Value(), zvtest::ChildAt(window_, kDoButton), List(), zvtest::ChildAt(window_, kCopyButton),
                          Value()};
    // The window is found before it has given the box its first focus.
    for (int wait = 0; wait < 250 && zvtest::FocusOf(window_) != order[0]; ++wait) Sleep(20);
    EXPECT_EQ(order[0], zvtest::FocusOf(window_));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        const HWND before = zvtest::FocusOf(window_);
        PostMessageW(before, WM_KEYDOWN, VK_TAB, 1);
        for (int wait = 0; wait < 250 && zvtest::FocusOf(window_) == before; ++wait) Sleep(20);
        EXPECT_EQ(order[i], zvtest::FocusOf(window_)) << i;
    }
}

TEST_F(NumberWordsWindow, AClipFileThatCannotBeWrittenIsReportedAndTheWindowStaysUsable) {
    CreateDirectoryW(ClipPath().c_str(), nullptr);
    Type(L"3");
    Click(kDoButton);
    zvtest::ClickLibraryButton(window_, kCopyButton);  // posted: the message box holds the click

    HWND box = zarvanta_->WaitForWindow(L"#32770", 10000);
    ASSERT_TRUE(box);
    EXPECT_NE(std::wstring::npos, zvtest::MessageBoxText(box).find(ClipPath()));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(20);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ("", EditorStarts());

    EXPECT_TRUE(IsWindow(window_));
    EXPECT_EQ((Words{L"اب", L"ج"}), Listed());
    Type(L"110");
    Click(kDoButton);
    EXPECT_EQ(Words{L"علی"}, Listed());
}

}  // namespace
