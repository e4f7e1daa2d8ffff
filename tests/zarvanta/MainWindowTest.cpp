// Zarvanta started as its own process and driven from outside: the running total, the option zones and
// their marks, Config.ini, and a start-up without a usable dictionary.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ScreenCapture.h"
#include "ZarvantaSession.h"

namespace {

using zvtest::Bounds;
using zvtest::ZarvantaSession;

// A small dictionary in the program's format (UTF-8, tab-separated).
const std::string kDictionary =
    "Word\tAbjadWord\tLength\tAbjad\n"
    "\xd8\xb9\xd9\x84\xd9\x8a\t\xd8\xb9\xd9\x84\xd9\x8a\t3\t110\n"
    "\xd9\x85\xd8\xad\xd9\x85\xd8\xaf\t\xd9\x85\xd8\xad\xd9\x85\xd8\xaf\t4\t92\n";

constexpr RECT CalculatorBounds(int i) { return Bounds(8, 72 + 40 * i, 105, 41); }
constexpr int kOptionTops[] = {347, 368, 392, 416, 440, 464, 488, 512, 533, 555};
constexpr RECT OptionBounds(int i) { return Bounds(496, kOptionTops[i], 277, 21); }
constexpr RECT kCloseZone = Bounds(752, 0, 41, 41);
constexpr RECT kMinimiseZone = Bounds(712, 0, 41, 41);

using Row = std::vector<std::wstring>;

// Types the text into the text box and then the operation's key.
Row Operate(ZarvantaSession& zarvanta, const std::wstring& text, wchar_t key) {
    zarvanta.SetText(text);
    zarvanta.TypeCharacter(key);
    const auto rows = zarvanta.Rows();
    return rows.empty() ? Row{} : rows.back();
}

std::wstring IniValue(const std::wstring& file, int option) {
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"Option", (L"Item" + std::to_wstring(option)).c_str(), L"<missing>", value, 64,
                             file.c_str());
    return value;
}

std::vector<std::wstring> IniValues(const std::wstring& file) {
    std::vector<std::wstring> values;
    for (int i = 0; i < 10; ++i) values.push_back(IniValue(file, i));
    return values;
}

const std::vector<std::wstring> kDefaultValues = {L"False", L"True", L"True", L"True", L"True",
                                                  L"True",  L"True", L"True", L"True", L"True"};

TEST(ZarvantaMainWindow, OperationsAppendRowsAndKeepTheTotal) {
    ZarvantaSession zarvanta(kDictionary, std::nullopt);
    ASSERT_TRUE(zarvanta.WaitForMainWindow());

    // Persian yeh typed on a Persian keyboard counts as Arabic yeh; the list shows the text as typed.
    EXPECT_EQ((Row{L"+", L"علی", L"110", L"110"}), Operate(zarvanta, L"علی", L'+'));
    EXPECT_EQ(L"", zarvanta.Text());  // the key never reaches the text, and the box is emptied
    EXPECT_EQ((Row{L"+", L"محمد", L"92", L"202"}), Operate(zarvanta, L"محمد", L'+'));
    EXPECT_EQ((Row{L"#", L"12", L"12", L"10"}), Operate(zarvanta, L"12", L'#'));
    EXPECT_EQ((Row{L"*", L"5", L"5", L"50"}), Operate(zarvanta, L"5", L'*'));
    EXPECT_EQ((Row{L"/", L"", L"0", L"50"}), Operate(zarvanta, L"", L'/'));
    EXPECT_EQ((Row{L"-", L"60", L"60", L"-10"}), Operate(zarvanta, L"60", L'-'));
    // Only the first 30 characters, before normalisation: the Arabic kaf stays as typed.
    const std::wstring longText = L"ك" + std::wstring(39, L'ب');
    EXPECT_EQ((Row{L"+", longText.substr(0, 30), L"98", L"88"}), Operate(zarvanta, longText, L'+'));
    // A total that would leave 32 bits is refused, and the row says so.
    EXPECT_EQ((Row{L"*", L"2147483647", L"2147483647", L"Overflow"}), Operate(zarvanta, L"2147483647", L'*'));
    // So is a number typed beyond 32 bits: it has no value, and the total stays.
    EXPECT_EQ((Row{L"+", L"99999999999", L"Overflow", L"Overflow"}), Operate(zarvanta, L"99999999999", L'+'));
    // Characters code page 1256 has no letter for count nothing.
    EXPECT_EQ((Row{L"+", L"中😀ب", L"2", L"90"}), Operate(zarvanta, L"中😀ب", L'+'));
    EXPECT_EQ(10u, zarvanta.Rows().size());

    // Reset by its zone: the list is emptied, the total is 0 and the text box is cleared.
    zarvanta.SetText(L"abc");
    zarvanta.ClickCentreOf(CalculatorBounds(0));
    EXPECT_TRUE(zarvanta.Rows().empty());
    EXPECT_EQ(L"", zarvanta.Text());
    zarvanta.SetText(L"7");
    zarvanta.ClickCentreOf(CalculatorBounds(1));
    EXPECT_EQ((Row{L"+", L"7", L"7", L"7"}), zarvanta.Rows().back());
}

// A double click of the left button at the centre of the bounds on the window, through the input queue as a
// user's mouse gives it; false when the window could not be brought to the front. Returns once it is handled.
bool DoubleClickCentreOf(HWND window, const RECT& bounds) {
    for (int i = 0; i < 80 && GetForegroundWindow() != window; ++i) {
        SetForegroundWindow(window);
        Sleep(25);
    }
    if (GetForegroundWindow() != window) return false;
    POINT centre = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    ClientToScreen(window, &centre);
    SetCursorPos(centre.x, centre.y);
    INPUT inputs[4] = {};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, inputs, sizeof(INPUT));
    Sleep(200);
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 2000, nullptr) != 0;
}

// Waits (bounded) until the focus of the program is on the window.
bool FocusReaches(HWND main, HWND window) {
    for (int waited = 0; waited < 5000; waited += 20) {
        if (window && zvtest::FocusOf(main) == window) return true;
        Sleep(20);
    }
    return false;
}

TEST(ZarvantaMainWindow, TabMovesThroughTextListAndButtonsInTabOrder) {
    ZarvantaSession zarvanta(kDictionary, std::nullopt);
    ASSERT_TRUE(zarvanta.WaitForMainWindow());
    const HWND main = zarvanta.Main();
    const std::vector<HWND> order = {
        zarvanta.TextBox(),
        zarvanta.List(),
        zvtest::ChildAt(main, Bounds(16, 336, 129, 41)),   // Quran
        zvtest::ChildAt(main, Bounds(16, 456, 129, 41)),   // Default
        zvtest::ChildAt(main, Bounds(264, 344, 129, 41)),  // letter arrangements
        zvtest::ChildAt(main, Bounds(264, 392, 129, 41)),  // number to words
        zarvanta.TextBox(),                                // and round again
    };
    ASSERT_TRUE(FocusReaches(main, order[0]));
    const std::wstring text = zarvanta.Text();
    for (std::size_t i = 1; i < order.size(); ++i) {
        PostMessageW(zvtest::FocusOf(main), WM_KEYDOWN, VK_TAB, 1);
        EXPECT_TRUE(FocusReaches(main, order[i])) << "tab " << i;
    }
    EXPECT_EQ(text, zarvanta.Text());  // the text box took no Tab character
}

TEST(ZarvantaMainWindow, OptionZonesSwitchOptionsAndClosingWritesAllTenKeys) {
    ZarvantaSession zarvanta(kDictionary, std::nullopt);
    ASSERT_TRUE(zarvanta.WaitForMainWindow());
    EXPECT_EQ(L"3", Operate(zarvanta, L"آب", L'+').at(2));  // option 1 on: alef madda counts as alef
    zarvanta.ClickCentreOf(OptionBounds(1));
    EXPECT_EQ(L"2", Operate(zarvanta, L"آب", L'+').at(2));
    zarvanta.ClickCentreOf(OptionBounds(1));
    EXPECT_EQ(L"3", Operate(zarvanta, L"آب", L'+').at(2));
    // A double click is one click: its second press switches nothing.
    ASSERT_TRUE(DoubleClickCentreOf(zarvanta.Main(), OptionBounds(1)));
    EXPECT_EQ(L"2", Operate(zarvanta, L"آب", L'+').at(2));
    zarvanta.ClickCentreOf(OptionBounds(0));  // repeat shadda
    EXPECT_EQ(L"132", Operate(zarvanta, L"محمّد", L'+').at(2));

    zarvanta.ClickCentreOf(kMinimiseZone);
    EXPECT_TRUE(IsIconic(zarvanta.Main()));
    ShowWindow(zarvanta.Main(), SW_RESTORE);
    zarvanta.ClickCentreOf(kCloseZone);
    ASSERT_EQ(std::optional<DWORD>(0), zarvanta.WaitForExit());
    std::vector<std::wstring> expected = kDefaultValues;
    expected[0] = L"True";
    expected[1] = L"False";
    EXPECT_EQ(expected, IniValues(zarvanta.Folder().File(L"Config.ini")));
}

TEST(ZarvantaMainWindow, SettingsFileValuesThatReadAsNoBooleanKeepTheDefault) {
    ZarvantaSession zarvanta(kDictionary, "[Option]\r\nItem0=1\r\nItem1=yes\r\nItem2=\r\nItem5=0\r\nItem9=false\r\n");
    ASSERT_TRUE(zarvanta.WaitForMainWindow());
    EXPECT_EQ(L"132", Operate(zarvanta, L"محمّد", L'+').at(2));  // Item0=1: on
    EXPECT_EQ(L"1", Operate(zarvanta, L"آ", L'+').at(2));        // Item1=yes: default, on
    EXPECT_EQ(L"0", Operate(zarvanta, L"گ", L'+').at(2));        // Item5=0: off, gaf counts 0
    EXPECT_EQ(L"0", Operate(zarvanta, L"ة", L'+').at(2));        // Item9=false: off
    SendMessageW(zarvanta.Main(), WM_CLOSE, 0, 0);
    ASSERT_EQ(std::optional<DWORD>(0), zarvanta.WaitForExit());
    std::vector<std::wstring> expected = kDefaultValues;
    expected[0] = L"True";
    expected[5] = L"False";
    expected[9] = L"False";
    EXPECT_EQ(expected, IniValues(zarvanta.Folder().File(L"Config.ini")));
}

TEST(ZarvantaMainWindow, WithoutSettingsFileTheDefaultsApplyAndAreWritten) {
    ZarvantaSession zarvanta(kDictionary, std::nullopt);
    ASSERT_TRUE(zarvanta.WaitForMainWindow());
    EXPECT_EQ(L"92", Operate(zarvanta, L"محمّد", L'+').at(2));  // option 0 off
    SendMessageW(zarvanta.Main(), WM_CLOSE, 0, 0);
    ASSERT_EQ(std::optional<DWORD>(0), zarvanta.WaitForExit());
    EXPECT_EQ(kDefaultValues, IniValues(zarvanta.Folder().File(L"Config.ini")));
}

// The system ends the program at a session's end without closing its window: the options are written then.
TEST(ZarvantaMainWindow, TheEndOfTheSessionWritesTheOptions) {
    ZarvantaSession zarvanta(kDictionary, std::nullopt);
    ASSERT_TRUE(zarvanta.WaitForMainWindow());
    zarvanta.ClickCentreOf(OptionBounds(0));
    SendMessageW(zarvanta.Main(), WM_ENDSESSION, TRUE, 0);
    std::vector<std::wstring> expected = kDefaultValues;
    expected[0] = L"True";
    EXPECT_EQ(expected, IniValues(zarvanta.Folder().File(L"Config.ini")));
}

TEST(ZarvantaMainWindow, AnUnusableDictionaryEndsTheStartWithAMessageNamingTheFile) {
    const struct {
        std::optional<std::string> dictionary;
        const wchar_t* expectedPart;
    } cases[] = {
        {std::nullopt, L"dic.txt"},
        {std::string("Word\tAbjadWord\tLength\tAbjad\nno tabs here\n"), L"line 2"},
        {std::string("not a dictionary\n"), L"dic.txt"},
    };
    for (const auto& c : cases) {
        ZarvantaSession zarvanta(c.dictionary, std::nullopt);
        HWND box = zarvanta.WaitForWindow(L"#32770");
        ASSERT_TRUE(box) << "no message for " << (c.dictionary ? *c.dictionary : "a missing file");
        const std::wstring message = zvtest::MessageBoxText(box);
        EXPECT_NE(std::wstring::npos, message.find(c.expectedPart)) << "message: " << message.size();
        EXPECT_NE(std::wstring::npos, message.find(L"dic.txt"));
        EXPECT_EQ(nullptr, zvtest::FindProcessWindow(zarvanta.ProcessId(), L"ZarvantaMain"));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        const std::optional<DWORD> code = zarvanta.WaitForExit();
        ASSERT_TRUE(code.has_value());
        EXPECT_NE(0u, *code);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(zarvanta.Folder().File(L"Config.ini").c_str()));
    }
}

}  // namespace
