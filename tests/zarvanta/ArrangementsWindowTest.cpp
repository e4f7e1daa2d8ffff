// The letter arrangements window, opened by the main window's btnComplex and driven from outside: runs of both
// modes with and without the dictionary check, the letter limit, an output file that cannot be written, and
// the three ways of stopping a long run. The editor is not started; its command lines are recorded.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "ZarvantaSession.h"

namespace {

using zvtest::Bounds;

using zvtest::ZarvantaSession;

constexpr RECT kComplexButton = Bounds(264, 344, 129, 41);
constexpr RECT kRunButton = Bounds(432, 120, 129, 49);
constexpr RECT kCancelButton = Bounds(288, 120, 129, 49);
constexpr RECT kLength = Bounds(26, 22, 31, 13);
constexpr RECT kProgressCaption = Bounds(16, 152, 257, 17);

const std::string kDictionary =
    "Word\tAbjadWord\tLength\tAbjad\n"
    "cab\tcab\t3\t0\n"
    "اب\tاب\t2\t3\n"
    "علي\tعلي\t3\t110\n";

const std::wstring kTooManyLetters = L"بيشتر از 11 حرف محاسبه نميشود.\r\nThe len must be smaller or equal 11";

std::string CodePage1256(const std::wstring& text) {
    std::string bytes(text.size() * 2, '\0');
    const int size = WideCharToMultiByte(1256, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                         static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size));
    return bytes;
}

std::wstring FromUtf8(const std::string& bytes) {
    std::wstring text(bytes.size(), L'\0');
    const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                         static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(size));
    return text;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds = 30000) {
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        if (done()) return true;
        Sleep(20);
    }
    return done();
}

class ArrangementsWindow : public testing::Test {
protected:
    void SetUp() override {
        zarvanta_.emplace(kDictionary, std::nullopt, records_.File(L"actions.txt"));
        ASSERT_TRUE(zarvanta_->WaitForMainWindow());
        ASSERT_TRUE(Open());
    }

    bool Open() {
        zarvanta_->ClickButton(kComplexButton);
        window_ = zarvanta_->WaitForWindow(L"ZarvantaComplex", 10000);
        return window_ != nullptr;
    }

    HWND Letters() const { return FindWindowExW(window_, nullptr, L"Edit", nullptr); }
    HWND Button(const RECT& bounds) const { return zvtest::ChildAt(window_, bounds); }

    void Type(const std::wstring& letters) const {
        SendMessageW(Letters(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(letters.c_str()));
    }
    void Choose(int mode, bool dictionaryCheck) const {
        SendMessageW(FindWindowExW(window_, nullptr, L"ComboBox", nullptr), CB_SETCURSEL, mode, 0);
        SendMessageW(FindWindowExW(window_, nullptr, L"Button", nullptr), BM_SETCHECK,
                     dictionaryCheck ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    // A key pressed in the letters box.
    void Press(WPARAM key) const { PostMessageW(Letters(), WM_KEYDOWN, key, 1); }

    bool Running() const { return IsWindowEnabled(Button(kCancelButton)) && !IsWindowEnabled(Button(kRunButton)); }
    bool Idle() const { return !IsWindowEnabled(Button(kCancelButton)) && IsWindowEnabled(Button(kRunButton)); }

    // The editor's command lines so far.
    std::vector<std::wstring> EditorStarts() const {
        std::vector<std::wstring> lines;
        const std::wstring all = FromUtf8(zvtest::ReadBytes(records_.File(L"actions.txt")));
        for (std::size_t start = 0, end; (end = all.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            lines.push_back(all.substr(start, end - start));
        return lines;
    }
    std::wstring EditorStart(const wchar_t* file) const {
        return L"OpenInTextEditor: notepad.exe " + zarvanta_->Folder().File(file);
    }
    // Waits for the run to end with the editor started for so many files in all.
    bool RunEndsWithEditorStarts(std::size_t count) const {
        return WaitUntil([&] { return EditorStarts().size() >= count && Idle(); });
    }

    std::string FileBytes(const wchar_t* name) const { return zvtest::ReadBytes(zarvanta_->Folder().File(name)); }

    // Waits for the program's message box, takes its text and closes it.
    std::optional<std::wstring> AnswerMessageBox() {
        HWND box = zarvanta_->WaitForWindow(L"#32770", 10000);
        if (!box) return std::nullopt;
        EXPECT_EQ(L"Zarvanta", TextOf(box));
        const std::wstring text = zvtest::MessageBoxText(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(box); });
        return text;
    }

    kxtest::ScratchFolder records_;
    std::optional<ZarvantaSession> zarvanta_;
    HWND window_ = nullptr;
};

TEST_F(ArrangementsWindow, RunsWriteBothFilesAndOpenThemInTheEditor) {
    EXPECT_FALSE(IsWindowEnabled(zarvanta_->Main()));
    EXPECT_TRUE(Idle());

    // Mode 0 with the dictionary check, started by btnDo.
    Type(L"abc");
    EXPECT_EQ(L"3", TextOf(Button(kLength)));
    Choose(0, true);
    zvtest::ClickLibraryButton(window_, kRunButton);
    ASSERT_TRUE(RunEndsWithEditorStarts(2));
    EXPECT_EQ("abc\r\nacb\r\nbac\r\nbca\r\ncab\r\ncba\r\n", FileBytes(L"Output.txt"));
    EXPECT_EQ("cab : cab, \r\n", FileBytes(L"OutputDic.txt"));
    EXPECT_EQ((std::vector<std::wstring>{EditorStart(L"Output.txt"), EditorStart(L"OutputDic.txt")}),
              EditorStarts());
    EXPECT_EQ(L"", TextOf(Button(kProgressCaption)));

    // Mode 1 with the check, started by Enter in the letters box: 9 × 9 words in the rows' order.
    Type(L"اب");
    Choose(1, true);
    Press(VK_RETURN);
    ASSERT_TRUE(RunEndsWithEditorStarts(4));
    const std::string words = FileBytes(L"Output.txt");
    EXPECT_EQ(81, std::count(words.begin(), words.end(), '\n'));
    const std::string first = CodePage1256(L"اب\r\nاط\r\nاک\r\n");
    EXPECT_EQ(first, words.substr(0, first.size()));
    EXPECT_EQ(CodePage1256(L"سع\r\n"), words.substr(words.size() - 4));
    EXPECT_EQ(CodePage1256(L"اب : اب, \r\n"), FileBytes(L"OutputDic.txt"));

    // Without the check OutputDic.txt is emptied and only Output.txt opens; the letters box shows the letters
    // normalised (Persian yeh as Arabic yeh).
    Type(L"علی");
    Choose(0, false);
    Press(VK_RETURN);
    ASSERT_TRUE(RunEndsWithEditorStarts(5));
    EXPECT_EQ(EditorStart(L"Output.txt"), EditorStarts().back());
    EXPECT_EQ(L"علي", TextOf(Letters()));
    const std::string arrangements = FileBytes(L"Output.txt");
    EXPECT_EQ(6, std::count(arrangements.begin(), arrangements.end(), '\n'));
    EXPECT_EQ("", FileBytes(L"OutputDic.txt"));

    SendMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window_) && IsWindowEnabled(zarvanta_->Main()); }));
}

TEST_F(ArrangementsWindow, TabMovesThroughTheEnabledControlsInTheirOrder) {
    const HWND order[] = {Letters(), Button(kRunButton), FindWindowExW(window_, nullptr, L"ComboBox", nullptr),
                          FindWindowExW(window_, nullptr, L"Button", nullptr), Letters()};
    ASSERT_TRUE(WaitUntil([&] { return zvtest::FocusOf(window_) == order[0]; }, 5000));  // given as it shows
    for (std::size_t i = 1; i < std::size(order); ++i) {
        const HWND before = zvtest::FocusOf(window_);
        PostMessageW(before, WM_KEYDOWN, VK_TAB, 1);
        WaitUntil([&] { return zvtest::FocusOf(window_) != before; }, 5000);
        EXPECT_EQ(order[i], zvtest::FocusOf(window_)) << i;
    }
}

TEST_F(ArrangementsWindow, RefusalsAndUnwritableFilesAreReportedAndLeaveTheWindowUsable) {
    // Twelve letters: the two-line message, and nothing written or opened.
    Type(L"ابجدهوزحطيکل");
    Press(VK_RETURN);
    EXPECT_EQ(std::optional<std::wstring>(kTooManyLetters), AnswerMessageBox());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(zarvanta_->Folder().File(L"Output.txt").c_str()));
    EXPECT_TRUE(Idle());

    // Output.txt held open elsewhere: a message naming the file, no editor, the window idle again.
    HANDLE held = CreateFileW(zarvanta_->Folder().File(L"Output.txt").c_str(), GENERIC_READ, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    Type(L"abc");
    for (const int mode : {0, 1}) {
        Choose(mode, true);
        Press(VK_RETURN);
        const std::optional<std::wstring> message = AnswerMessageBox();
        ASSERT_TRUE(message.has_value()) << "mode " << mode;
        EXPECT_NE(std::wstring::npos, message->find(L"Output.txt")) << "mode " << mode;
        EXPECT_TRUE(WaitUntil([&] { return Idle(); })) << "mode " << mode;
    }
    EXPECT_TRUE(EditorStarts().empty());
    CloseHandle(held);

    Choose(0, false);
    Press(VK_RETURN);
    ASSERT_TRUE(RunEndsWithEditorStarts(1));
    EXPECT_EQ("abc\r\nacb\r\nbac\r\nbca\r\ncab\r\ncba\r\n", FileBytes(L"Output.txt"));
}

// Eleven letters are accepted; the great cycle of eleven letters would write some 30 billion words. The cancel
// button, Esc and closing the window each stop it soon (the bound here is generous; the window looks at the flag
// every 30 ms or so), and the words written so far are whole lines, opened in the editor.
TEST_F(ArrangementsWindow, CancelButtonEscAndClosingStopALongRun) {
    constexpr std::uint64_t kLineBytes = 11 + 2;
    const struct {
        const char* name;
        std::function<void()> stop;
        bool closes;
    } cases[] = {
        {"cancel button", [this] { zvtest::ClickLibraryButton(window_, kCancelButton); }, false},
        {"Esc", [this] { Press(VK_ESCAPE); }, false},
        {"closing", [this] { PostMessageW(window_, WM_CLOSE, 0, 0); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!IsWindow(window_)) {
            ASSERT_TRUE(Open());
        }
        const std::size_t startsBefore = EditorStarts().size();
        Type(L"ابجدهوزحطيک");
        Choose(1, false);
        Press(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return Running(); }, 10000));
        Sleep(100);
        const auto asked = std::chrono::steady_clock::now();
        c.stop();
        ASSERT_TRUE(WaitUntil([&] { return c.closes ? !IsWindow(window_) : Idle(); }, 5000));
        EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
        ASSERT_TRUE(WaitUntil([&] { return EditorStarts().size() > startsBefore; }));
        EXPECT_EQ(EditorStart(L"Output.txt"), EditorStarts().back());
        WIN32_FILE_ATTRIBUTE_DATA output = {};
        ASSERT_TRUE(
            GetFileAttributesExW(zarvanta_->Folder().File(L"Output.txt").c_str(), GetFileExInfoStandard, &output));
        EXPECT_EQ(0u, (output.nFileSizeLow + (static_cast<std::uint64_t>(output.nFileSizeHigh) << 32)) % kLineBytes);
    }
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(zarvanta_->Main()); }));

    // The window opens again and runs as before.
    ASSERT_TRUE(Open());
    const std::size_t startsBefore = EditorStarts().size();
    Type(L"abc");
    Choose(0, false);
    Press(VK_RETURN);
    ASSERT_TRUE(RunEndsWithEditorStarts(startsBefore + 1));
    EXPECT_EQ("abc\r\nacb\r\nbac\r\nbca\r\ncab\r\ncba\r\n", FileBytes(L"Output.txt"));
}

}  // namespace
