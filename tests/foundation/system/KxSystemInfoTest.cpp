// kxSystemInfo in process: the version texts, the keyboard-layout switch and the screen-saver
// units as pure logic; the class against what the platform reports; machine-changing members as
// the lines they record; the monitor records; the interface as the type library publishes it.
#include <gtest/gtest.h>

#include <olectl.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ControlPanelApplets.h"
#include "Handles.h"
#include "KeyboardLayoutSwitch.h"
#include "KxSystemInfo.h"
#include "MonitorModule.h"
#include "ScreenSaverTime.h"
#include "TestSupport.h"
#include "TypeLibrary.h"
#include "VersionText.h"

namespace {

constexpr HRESULT kInvalidCall = static_cast<HRESULT>(0x800A0005);
constexpr HRESULT kOverflow = static_cast<HRESULT>(0x800A0006);
constexpr HRESULT kSubscript = static_cast<HRESULT>(0x800A0009);

// A BSTR owned by the test, passed by reference like a caller's variable; null when made empty-handed.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::wstring& text) : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR* ref() { return &value_; }
    std::wstring text() const { return value_ ? std::wstring(value_, SysStringLen(value_)) : std::wstring(); }

private:
    BSTR value_ = nullptr;
};

std::wstring Taken(BSTR text) {
    std::wstring copy = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return copy;
}

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }
std::wstring NameOf(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

class KxSystemInfoTest : public ::testing::Test {
protected:
    void SetUp() override { info_ = new kx::KxSystemInfo(); }
    void TearDown() override { info_->Release(); }

    std::wstring SystemFolder(Bstr& addPath) {
        BSTR result = nullptr;
        EXPECT_EQ(S_OK, info_->SystemFolder(addPath.ref(), &result));
        return Taken(result);
    }
    std::wstring TempFileName(Bstr& prefix, Bstr& folder) {
        BSTR result = nullptr;
        EXPECT_EQ(S_OK, info_->TempFileName(prefix.ref(), folder.ref(), &result));
        return Taken(result);
    }
    std::wstring GetShortName(const std::wstring& longName) {
        Bstr name(longName);
        BSTR result = nullptr;
        EXPECT_EQ(S_OK, info_->GetShortName(*name.ref(), &result));
        return Taken(result);
    }
    std::wstring GetSpecialFolder(long csidl) {
        kxSpecialFolder folder = static_cast<kxSpecialFolder>(csidl);
        BSTR result = nullptr;
        EXPECT_EQ(S_OK, info_->GetSpecialFolder(&folder, &result));
        return Taken(result);
    }
    short GetUserCharset(const std::wstring& fontName) {
        Bstr name(fontName);
        short result = -1;
        EXPECT_EQ(S_OK, info_->GetUserCharset(name.ref(), &result));
        EXPECT_EQ(fontName, name.text());
        return result;
    }
    LONG GetMonitorWindowMonitorIndex(LONG left, LONG top, LONG width, LONG height) {
        LONG result = -2;
        EXPECT_EQ(S_OK, info_->GetMonitorWindowMonitorIndex(left, top, width, height, &result));
        return result;
    }

    kx::KxSystemInfo* info_ = nullptr;
};

// ---- Version texts ----

TEST(VersionText, NamesPlatformsAndJoinsVersionsUnpadded) {
    EXPECT_EQ(L"WIN32", kx::PlatformName(0));
    EXPECT_EQ(L"WIN98", kx::PlatformName(1));
    EXPECT_EQ(L"WINNT", kx::PlatformName(2));
    EXPECT_EQ(L"", kx::PlatformName(3));
    EXPECT_EQ(L"5.2", kx::DottedVersion(5, 2));
    EXPECT_EQ(L"4.10", kx::DottedVersion(4, 10));
    EXPECT_EQ(L"10.0", kx::DottedVersion(10, 0));
}

TEST(VersionText, SplitsThePackedVersionIntoWindowsAndDosTexts) {
    struct Case {
        std::uint32_t packed;
        const wchar_t* windows;
        const wchar_t* dos;
    } cases[] = {
        {0x1DB10106, L"6.1", L"29.177"},   // major in the low byte, minor in the next
        {0x0A00040A, L"10.4", L"10.0"},
        {0xC0000A04, L"4.10", L"-64.0"},   // the high word is signed: its high byte keeps the sign
        {0xFFFF0005, L"5.0", L"-1.255"},
        {0x00000000, L"0.0", L"0.0"},
    };
    for (const Case& c : cases) {
        const kx::PackedVersionTexts texts = kx::SplitPackedVersion(c.packed);
        EXPECT_EQ(c.windows, texts.windows) << std::hex << c.packed;
        EXPECT_EQ(c.dos, texts.dos) << std::hex << c.packed;
    }
}

// ---- Keyboard layouts ----

// Remembers every load; loads succeed only for the names given, and make them active.
class FakeLayouts : public kx::KeyboardLayouts {
public:
    FakeLayouts(std::wstring active, std::vector<std::wstring> loadable)
        : active_(std::move(active)), loadable_(std::move(loadable)) {}
    std::wstring ActiveName() override { return active_; }
    bool Load(const std::wstring& name) override {
        loads.push_back(name);
        for (const auto& each : loadable_)
            if (each == name) {
                active_ = name;
                return true;
            }
        return false;
    }
    std::vector<std::wstring> loads;
    std::wstring active_;

private:
    std::vector<std::wstring> loadable_;
};

TEST(KeyboardLayoutSwitch, MapsLayoutNamesToLanguages) {
    EXPECT_EQ(1, kx::LanguageOfLayout(L"00000409"));
    EXPECT_EQ(0, kx::LanguageOfLayout(L"00000429"));
    EXPECT_EQ(0, kx::LanguageOfLayout(L"00000401"));
    EXPECT_EQ(-1, kx::LanguageOfLayout(L"0000040C"));  // French
    EXPECT_EQ(-1, kx::LanguageOfLayout(L""));
    EXPECT_EQ(L"00000409", kx::WantedLayout(1, L""));
    EXPECT_EQ(L"00000409", kx::WantedLayout(-1, L""));
    EXPECT_EQ(L"00000429", kx::WantedLayout(0, L""));
    EXPECT_EQ(L"0000040C", kx::WantedLayout(1, L"0000040C"));
}

TEST(KeyboardLayoutSwitch, LoadsNothingWhenTheWantedLayoutIsActive) {
    FakeLayouts layouts(L"00000409", {L"00000409"});
    kx::SwitchKeyboardLayout(1, L"00000409", layouts);
    EXPECT_TRUE(layouts.loads.empty());
}

TEST(KeyboardLayoutSwitch, StopsAfterTheFirstSuccessfulLoad) {
    FakeLayouts layouts(L"00000409", {L"00000429"});
    kx::SwitchKeyboardLayout(0, L"00000429", layouts);
    EXPECT_EQ(std::vector<std::wstring>{L"00000429"}, layouts.loads);
    EXPECT_EQ(L"00000429", layouts.active_);
}

TEST(KeyboardLayoutSwitch, ArabicStandsInForPersian) {
    FakeLayouts layouts(L"00000409", {L"00000401"});
    kx::SwitchKeyboardLayout(0, L"00000429", layouts);
    EXPECT_EQ((std::vector<std::wstring>{L"00000429", L"00000401"}), layouts.loads);
    EXPECT_EQ(L"00000401", layouts.active_);
}

TEST(KeyboardLayoutSwitch, GivesUpAfterABoundedNumberOfFailedLoads) {
    FakeLayouts persian(L"00000409", {});
    kx::SwitchKeyboardLayout(0, L"00000429", persian);
    ASSERT_EQ(static_cast<size_t>(kx::kMaxLayoutLoads), persian.loads.size());
    EXPECT_EQ(L"00000429", persian.loads.front());
    EXPECT_EQ(L"00000401", persian.loads.back());
    EXPECT_EQ(L"00000409", persian.active_);

    FakeLayouts english(L"00000429", {});
    kx::SwitchKeyboardLayout(1, L"00000409", english);
    EXPECT_EQ(std::vector<std::wstring>(kx::kMaxLayoutLoads, L"00000409"), english.loads);
}

// ---- Screen-saver units and applet command lines ----

TEST(ScreenSaverTime, RoundsSecondsToMinutesHalfToEven) {
    const std::pair<long, long> cases[] = {{0, 0}, {30, 0}, {31, 1}, {89, 1}, {90, 2},
                                           {150, 2}, {210, 4}, {600, 10}, {-90, -2}};
    for (const auto& [seconds, minutes] : cases) EXPECT_EQ(minutes, kx::MinutesFromSeconds(seconds)) << seconds;
}

TEST(ScreenSaverTime, MinutesThatDoNotFitInSecondsGiveNothing) {
    EXPECT_EQ(std::optional<long>(120), kx::SecondsFromMinutes(2));
    EXPECT_EQ(std::optional<long>(2147483640), kx::SecondsFromMinutes(35791394));
    EXPECT_EQ(std::optional<long>(-2147483640), kx::SecondsFromMinutes(-35791394));
    EXPECT_EQ(std::nullopt, kx::SecondsFromMinutes(35791395));
    EXPECT_EQ(std::nullopt, kx::SecondsFromMinutes(-35791395));
    EXPECT_EQ(std::nullopt, kx::SecondsFromMinutes(LONG_MIN));
}

TEST(ControlPanelApplets, CoversExactlyZeroToThirtyNine) {
    EXPECT_STREQ(L"rundll32.exe shell32.dll,Control_RunDLL", kx::ControlPanelCommandLine(0));
    EXPECT_STREQ(L"rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,1", kx::ControlPanelCommandLine(10));
    EXPECT_STREQ(L"rundll32.exe shell32.dll,Control_RunDLL main.cpl @0", kx::ControlPanelCommandLine(19));
    EXPECT_STREQ(L"rundll32.exe shell32.dll,Control_RunDLL wgpocpl.cpl", kx::ControlPanelCommandLine(39));
    const std::wstring runner = L"rundll32.exe shell32.dll,Control_RunDLL";
    for (long id = 0; id < kx::kControlPanelAppletCount; ++id)
        EXPECT_EQ(0, std::wstring(kx::ControlPanelCommandLine(id)).rfind(runner, 0)) << id;
    EXPECT_EQ(nullptr, kx::ControlPanelCommandLine(40));
    EXPECT_EQ(nullptr, kx::ControlPanelCommandLine(-1));
    EXPECT_EQ(nullptr, kx::ControlPanelCommandLine(LONG_MIN));
}

// ---- Folders and temporary names ----

TEST_F(KxSystemInfoTest, FoldersEndWithTheAddedPathOrABackslash) {
    wchar_t system[MAX_PATH] = {}, windows[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    GetWindowsDirectoryW(windows, MAX_PATH);
    Bstr leftOut, empty(L""), extra(L"\\drivers");
    EXPECT_EQ(std::wstring(system) + L"\\", SystemFolder(leftOut));
    EXPECT_EQ(std::wstring(system), SystemFolder(empty));
    EXPECT_EQ(std::wstring(system) + L"\\drivers", SystemFolder(extra));
    BSTR result = nullptr;
    ASSERT_EQ(S_OK, info_->WindowsFolder(leftOut.ref(), &result));
    EXPECT_EQ(std::wstring(windows) + L"\\", Taken(result));

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    ASSERT_EQ(S_OK, info_->TempFolder(&result));
    EXPECT_EQ(std::wstring(temp), Taken(result));
}

TEST_F(KxSystemInfoTest, TempFileNameCreatesAnEmptyFileInTheChosenFolder) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    kxtest::ScratchFolder scratch;
    struct Case {
        std::optional<std::wstring> prefix, folder;  // nullopt: left out
        std::wstring expectedFolder, expectedStart;
    } cases[] = {
        {std::nullopt, std::nullopt, temp, L"tmp"},
        {L"abcdef", L"TempFolder", temp, L"abc"},
        {L"kx", scratch.path(), scratch.path() + L"\\", L"kx"},
        {L"zz", L"tempfolder", L"", L""},  // the folder name is case-sensitive: no such folder
    };
    for (const Case& c : cases) {
        Bstr prefix = c.prefix ? Bstr(*c.prefix) : Bstr();
        Bstr folder = c.folder ? Bstr(*c.folder) : Bstr();
        const std::wstring name = TempFileName(prefix, folder);
        if (c.expectedFolder.empty()) {
            EXPECT_EQ(L"", name);
            continue;
        }
        EXPECT_EQ(0, lstrcmpiW(c.expectedFolder.c_str(), FolderOf(name).c_str())) << name;
        EXPECT_EQ(0, NameOf(name).rfind(c.expectedStart, 0)) << name;
        EXPECT_EQ(L".tmp", name.substr(name.size() - 4));
        EXPECT_TRUE(Exists(name)) << name;
        DeleteFileW(name.c_str());
    }
}

TEST_F(KxSystemInfoTest, GetWindowsTempDirNamesAFolderBesideTheFileItLeaves) {
    BSTR result = nullptr;
    ASSERT_EQ(S_OK, info_->GetWindowsTempDir(&result));
    const std::wstring folder = Taken(result);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    ASSERT_GT(folder.size(), 1u);
    EXPECT_EQ(L'\\', folder.back());
    const std::wstring stem = folder.substr(0, folder.size() - 1);
    EXPECT_EQ(0, lstrcmpiW(temp, FolderOf(stem).c_str()));
    EXPECT_EQ(0, NameOf(stem).rfind(L"its", 0)) << folder;
    EXPECT_FALSE(Exists(folder));
    EXPECT_TRUE(Exists(stem + L".tmp"));
    DeleteFileW((stem + L".tmp").c_str());
}

// Points the temporary folder of this process at a folder that does not exist, for one test.
class MissingTempFolder {
public:
    MissingTempFolder() {
        for (Saved& saved : saved_) {
            wchar_t value[MAX_PATH] = {};
            saved.present = GetEnvironmentVariableW(saved.name, value, MAX_PATH) > 0;
            saved.value = value;
            SetEnvironmentVariableW(saved.name, L"C:\\no such folder for kx");
        }
    }
    ~MissingTempFolder() {
        for (const Saved& saved : saved_)
            SetEnvironmentVariableW(saved.name, saved.present ? saved.value.c_str() : nullptr);
    }

private:
    struct Saved {
        const wchar_t* name;
        bool present = false;
        std::wstring value;
    };
    Saved saved_[3] = {{L"TMP"}, {L"TEMP"}, {L"USERPROFILE"}};
};

TEST_F(KxSystemInfoTest, WithoutATemporaryFolderTempDirFailsAndTempFileNameIsEmpty) {
    MissingTempFolder missing;
    BSTR result = nullptr;
    EXPECT_EQ(kInvalidCall, info_->GetWindowsTempDir(&result));
    Bstr prefix, folder;
    EXPECT_EQ(L"", TempFileName(prefix, folder));
}

TEST_F(KxSystemInfoTest, GetShortNameGivesTheShortFormOrNothing) {
    kxtest::ScratchFolder scratch;
    const std::wstring longName = scratch.File(L"a rather long file name.text");
    CloseHandle(CreateFileW(longName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    const std::wstring shortName = GetShortName(longName);
    ASSERT_NE(L"", shortName);
    EXPECT_LT(NameOf(shortName).size(), 13u);  // 8.3
    wchar_t expanded[MAX_PATH] = {};
    GetLongPathNameW(shortName.c_str(), expanded, MAX_PATH);
    EXPECT_EQ(0, lstrcmpiW(longName.c_str(), expanded));

    EXPECT_EQ(L"", GetShortName(scratch.File(L"missing file.text")));

    // A short form longer than the 255-character buffer: nothing rather than the buffer's filler.
    std::wstring deep = scratch.path();
    while (deep.size() < 300) {
        deep += L"\\d1234567";
        CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr);
    }
    ASSERT_TRUE(Exists(L"\\\\?\\" + deep));
    EXPECT_EQ(L"", GetShortName(deep));
}

TEST_F(KxSystemInfoTest, GetSpecialFolderAddsABackslashOrGivesNothing) {
    Bstr leftOut;
    BSTR windows = nullptr;
    ASSERT_EQ(S_OK, info_->WindowsFolder(leftOut.ref(), &windows));
    EXPECT_EQ(0, lstrcmpiW(Taken(windows).c_str(), GetSpecialFolder(kxsfWindows).c_str()));
    EXPECT_EQ(0, lstrcmpiW(SystemFolder(leftOut).c_str(), GetSpecialFolder(kxsfWinSystem).c_str()));
    EXPECT_EQ(L"", GetSpecialFolder(0x7F));  // names no folder
    EXPECT_EQ(L"", GetSpecialFolder(17));    // "My Computer": no path on disk
}

// ---- Versions and names ----

TEST_F(KxSystemInfoTest, GetOSVersionReportsWhatGetVersionExReports) {
    OSVERSIONINFOW platform = {};
    platform.dwOSVersionInfoSize = sizeof(platform);
    ASSERT_TRUE(GetVersionExW(&platform));
    Bstr build(L"old"), version(L"old");
    BSTR result = nullptr;
    ASSERT_EQ(S_OK, info_->GetOSVersion(build.ref(), version.ref(), &result));
    EXPECT_EQ(L"WINNT", Taken(result));
    EXPECT_EQ(std::to_wstring(platform.dwBuildNumber), build.text());
    EXPECT_EQ(std::to_wstring(platform.dwMajorVersion) + L"." + std::to_wstring(platform.dwMinorVersion),
              version.text());
    EXPECT_EQ(std::wstring::npos, version.text().find(L' '));

    ASSERT_EQ(S_OK, info_->GetOSVersion(nullptr, nullptr, &result));  // outputs left out
    EXPECT_EQ(L"WINNT", Taken(result));
}

TEST_F(KxSystemInfoTest, GetWindowsVersionUnpacksGetVersion) {
    const DWORD packed = GetVersion();
    Bstr dos(L"old");
    BSTR result = nullptr;
    ASSERT_EQ(S_OK, info_->GetWindowsVersion(dos.ref(), &result));
    const std::wstring windows = Taken(result);
    EXPECT_EQ(std::to_wstring(packed & 0xFF) + L"." + std::to_wstring((packed >> 8) & 0xFF), windows);
    EXPECT_EQ(kx::SplitPackedVersion(packed).dos, dos.text());

    Bstr version;
    ASSERT_EQ(S_OK, info_->GetOSVersion(nullptr, version.ref(), &result));
    SysFreeString(result);
    EXPECT_EQ(version.text(), windows);  // both read the same platform version
}

TEST_F(KxSystemInfoTest, MachineAndUserNamesAreThePlatformsNames) {
    wchar_t machine[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(machine, &size);
    BSTR result = nullptr;
    ASSERT_EQ(S_OK, info_->CurrentMachineName(&result));
    EXPECT_EQ(std::wstring(machine), Taken(result));

    wchar_t user[256] = {};
    size = 256;
    GetUserNameW(user, &size);
    ASSERT_EQ(S_OK, info_->CurrentUserName(&result));
    const std::wstring name = Taken(result);
    if (wcslen(user) < 25)
        EXPECT_EQ(std::wstring(user), name);
    else
        EXPECT_EQ(L"", name);
}

// ---- Character set, keys and keyboard layout ----

TEST_F(KxSystemInfoTest, GetUserCharsetGivesTheLocalesCharsetForAFontThatKeepsItsName) {
    // Under the Persian locale the default code page is Arabic.
    EXPECT_EQ(ARABIC_CHARSET, GetUserCharset(L"DejaVu Sans"));
    EXPECT_EQ(ARABIC_CHARSET, GetUserCharset(L"DEJAVU SANS"));  // names compare without case
    EXPECT_EQ(0, GetUserCharset(L"No Such Font Face"));
    EXPECT_EQ(0, GetUserCharset(L""));
}

// Sets the thread's key state for one test and restores it afterwards.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        memcpy(state, saved_, sizeof(state));
        for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU}) state[key] = 0;
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256] = {};
};

TEST_F(KxSystemInfoTest, GetShiftStatusAddsOneTwoAndFour) {
    struct Case {
        std::initializer_list<int> keys;
        short expected;
    } cases[] = {
        {{}, 0}, {{VK_SHIFT}, 1}, {{VK_CONTROL}, 2}, {{VK_MENU}, 4},
        {{VK_CONTROL, VK_MENU}, 6}, {{VK_SHIFT, VK_CONTROL, VK_MENU}, 7},
    };
    for (const Case& c : cases) {
        HeldKeys held(c.keys);
        short status = -1;
        ASSERT_EQ(S_OK, info_->GetShiftStatus(&status));
        EXPECT_EQ(c.expected, status);
    }
}

TEST_F(KxSystemInfoTest, GetLangReadsTheActiveLayoutAndSetLangKeepsAnActiveOne) {
    wchar_t name[KL_NAMELENGTH] = {};
    GetKeyboardLayoutNameW(name);
    short lang = 9;
    ASSERT_EQ(S_OK, info_->GetLang(&lang));
    EXPECT_EQ(kx::LanguageOfLayout(name), lang);

    VARIANT code;
    VariantInit(&code);
    code.vt = VT_BSTR;
    code.bstrVal = SysAllocString(name);
    short any = 0;
    EXPECT_EQ(S_OK, info_->SetLang(&any, &code));  // the active layout: nothing to load
    VariantClear(&code);
    wchar_t after[KL_NAMELENGTH] = {};
    GetKeyboardLayoutNameW(after);
    EXPECT_STREQ(name, after);
}

// ---- Desktop parameters read ----

TEST_F(KxSystemInfoTest, DesktopGettersReadThePlatformsParameters) {
    using Getter = HRESULT (STDMETHODCALLTYPE kx::KxSystemInfo::*)(LONG*);
    struct Case {
        Getter getter;
        UINT action;
    } cases[] = {
        {&kx::KxSystemInfo::WindowsGetBorder, SPI_GETBORDER},
        {&kx::KxSystemInfo::WindowsGetKeyboardSpeed, SPI_GETKEYBOARDSPEED},
        {&kx::KxSystemInfo::WindowsGetIconHorizontalSpace, SPI_ICONHORIZONTALSPACING},
        {&kx::KxSystemInfo::WindowsGetScreenSaverActive, SPI_GETSCREENSAVEACTIVE},
        {&kx::KxSystemInfo::WindowsGetKeyboardDelay, SPI_GETKEYBOARDDELAY},
        {&kx::KxSystemInfo::WindowsGetIconVerticalSpace, SPI_ICONVERTICALSPACING},
        {&kx::KxSystemInfo::WindowsGetMenuDropAlignment, SPI_GETMENUDROPALIGNMENT},
    };
    for (const Case& c : cases) {
        INT expected = 0;
        SystemParametersInfoW(c.action, 0, &expected, 0);
        LONG got = -12345;
        ASSERT_EQ(S_OK, (info_->*c.getter)(&got));
        EXPECT_EQ(expected, got) << "action " << c.action;
    }
    INT seconds = 0, beep = 0;
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
    SystemParametersInfoW(SPI_GETBEEP, 0, &beep, 0);
    LONG minutes = -1;
    ASSERT_EQ(S_OK, info_->WindowsGetScreenSaverTimerOut(&minutes));
    EXPECT_EQ(kx::MinutesFromSeconds(seconds), minutes);
    VARIANT_BOOL beepMode = 1;
    ASSERT_EQ(S_OK, info_->WindowsGetBeepMode(&beepMode));
    EXPECT_EQ(beep ? VARIANT_TRUE : VARIANT_FALSE, beepMode);
}

TEST_F(KxSystemInfoTest, ShowMouseCursorMovesTheThreadsDisplayCounter) {
    const int before = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    VARIANT_BOOL hide = VARIANT_FALSE, show = VARIANT_TRUE;
    ASSERT_EQ(S_OK, info_->ShowMouseCursor(&hide));
    ASSERT_EQ(S_OK, info_->ShowMouseCursor(&hide));
    EXPECT_EQ(before - 1, ShowCursor(TRUE));  // the counter was before - 2
    ShowCursor(FALSE);
    ASSERT_EQ(S_OK, info_->ShowMouseCursor(&show));
    ASSERT_EQ(S_OK, info_->ShowMouseCursor(&show));
    EXPECT_EQ(before + 1, ShowCursor(TRUE));  // back at before, then one more
    ShowCursor(FALSE);
}

// ---- Machine-changing members, recorded ----

// Recording replaces every machine-changing call for the length of one test.
class RecordedSystemActions {
public:
    RecordedSystemActions() : file_(scratch_.File(L"actions.txt")) {
        EXPECT_TRUE(SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", file_.c_str()));
    }
    ~RecordedSystemActions() { SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", nullptr); }
    std::string lines() const { return ReadFile(file_); }

private:
    kxtest::ScratchFolder scratch_;
    std::wstring file_;
};

TEST_F(KxSystemInfoTest, ShutDownRequestsThePrivilegeOnlyWhereItIsNeeded) {
    RecordedSystemActions recorded;
    EXPECT_EQ(S_OK, info_->ShutDownWindows(kxewLogOff));
    EXPECT_EQ(S_OK, info_->ShutDownWindows(kxewShutDown));
    EXPECT_EQ(S_OK, info_->ShutDownWindows(kxewReboot));
    EXPECT_EQ("ShutDownWindows: ExitWindowsEx flags 0\r\n"
              "ShutDownWindows: enable SeShutdownPrivilege\r\n"
              "ShutDownWindows: ExitWindowsEx flags 1\r\n"
              "ShutDownWindows: enable SeShutdownPrivilege\r\n"
              "ShutDownWindows: ExitWindowsEx flags 2\r\n",
              recorded.lines());
}

TEST_F(KxSystemInfoTest, InputAndDesktopSettersAreRecordedWithTheirPlatformValues) {
    RecordedSystemActions recorded;
    unsigned char key = 65;
    VARIANT_BOOL yes = VARIANT_TRUE, no = VARIANT_FALSE;
    LONG border = 3, speed = 20, minutes = 2, active = 0, delay = 1, alignment = 1;
    EXPECT_EQ(S_OK, info_->SendKey(&key));
    EXPECT_EQ(S_OK, info_->SwapMouseBtn(&yes));
    EXPECT_EQ(S_OK, info_->SwapMouseBtn(&no));
    EXPECT_EQ(S_OK, info_->WindowsSetBeepMode(&yes));
    EXPECT_EQ(S_OK, info_->WindowsSetBeepMode(&no));
    EXPECT_EQ(S_OK, info_->WindowsSetBorder(&border));
    EXPECT_EQ(S_OK, info_->WindowsSetKeyboardSpeed(&speed));
    EXPECT_EQ(S_OK, info_->WindowsSetScreenSaverTimerOut(&minutes));
    EXPECT_EQ(S_OK, info_->WindowsSetScreenSaverActive(&active));
    EXPECT_EQ(S_OK, info_->WindowsSetKeyboardDelay(&delay));
    EXPECT_EQ(S_OK, info_->WindowsSetMenuDropAlignment(&alignment));
    EXPECT_EQ("SendKey: keybd_event key 65 down\r\n"
              "SwapMouseBtn: SwapMouseButton 1\r\n"
              "SwapMouseBtn: SwapMouseButton 0\r\n"
              "WindowsSetBeepMode: SystemParametersInfo action 2, value -1, flags 3\r\n"
              "WindowsSetBeepMode: SystemParametersInfo action 2, value 0, flags 3\r\n"
              "WindowsSetBorder: SystemParametersInfo action 6, value 3, flags 3\r\n"
              "WindowsSetKeyboardSpeed: SystemParametersInfo action 11, value 20, flags 3\r\n"
              "WindowsSetScreenSaverTimerOut: SystemParametersInfo action 15, value 120, flags 3\r\n"
              "WindowsSetScreenSaverActive: SystemParametersInfo action 17, value 0, flags 3\r\n"
              "WindowsSetKeyboardDelay: SystemParametersInfo action 23, value 1, flags 3\r\n"
              "WindowsSetMenuDropAlignment: SystemParametersInfo action 28, value 1, flags 3\r\n",
              recorded.lines());
}

TEST_F(KxSystemInfoTest, ScreenSaverMinutesThatOverflowFailBeforeThePlatformCall) {
    RecordedSystemActions recorded;
    for (LONG minutes : {35791395L, -35791395L, LONG_MAX}) {
        LONG value = minutes;
        EXPECT_EQ(kOverflow, info_->WindowsSetScreenSaverTimerOut(&value)) << minutes;
    }
    EXPECT_EQ("", recorded.lines());
}

TEST_F(KxSystemInfoTest, RunWindowsApplicationStartsOnlyTheFortyApplets) {
    RecordedSystemActions recorded;
    for (long id : {0L, 39L, 40L, -1L, 1000L}) {
        kxRunApp app = static_cast<kxRunApp>(id);
        EXPECT_EQ(S_OK, info_->RunWindowsApplication(&app)) << id;
    }
    EXPECT_EQ("RunWindowsApplication: rundll32.exe shell32.dll,Control_RunDLL (window mode 2)\r\n"
              "RunWindowsApplication: rundll32.exe shell32.dll,Control_RunDLL wgpocpl.cpl (window mode 2)\r\n",
              recorded.lines());
}

// The three wallpaper values of the user's desktop key, saved raw and put back afterwards.
class SavedWallpaperValues {
public:
    SavedWallpaperValues() {
        for (Value& value : values_) {
            DWORD size = sizeof(value.bytes);
            value.present = RegGetValueW(HKEY_CURRENT_USER, kKey, value.name, RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                                         value.bytes, &size) == ERROR_SUCCESS;
            value.size = size;
        }
    }
    ~SavedWallpaperValues() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
        for (const Value& value : values_) {
            if (value.present)
                RegSetValueExW(key, value.name, 0, value.type, value.bytes, value.size);
            else
                RegDeleteValueW(key, value.name);
        }
        RegCloseKey(key);
    }

    static DWORD Number(const wchar_t* name) {
        DWORD value = 0xBAD, size = sizeof(value);
        EXPECT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size))
            << "not a REG_DWORD: " << std::string(name, name + wcslen(name));
        return value;
    }
    static std::wstring Text(const wchar_t* name) {
        wchar_t text[MAX_PATH] = {};
        DWORD size = sizeof(text);
        RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, text, &size);
        return text;
    }

private:
    static constexpr const wchar_t* kKey = L"Control Panel\\Desktop";
    struct Value {
        const wchar_t* name;
        bool present = false;
        DWORD type = REG_NONE;
        DWORD size = 0;
        BYTE bytes[2048] = {};
    };
    Value values_[3] = {{L"TileWallpaper"}, {L"WallpaperStyle"}, {L"Wallpaper"}};
};

TEST_F(KxSystemInfoTest, WindowsSetWallPaperStoresTheArrangementAndNormalisesTheType) {
    SavedWallpaperValues saved;
    RecordedSystemActions recorded;
    struct Case {
        std::optional<std::wstring> displayType;  // nullopt: left out
        const wchar_t* writtenBack;
        DWORD tile, style;
    } cases[] = {
        {L"center", L"CENTER", 0, 0},
        {L"Tile", L"TILE", 1, 0},
        {L"STRETCH", L"STRETCH", 0, 2},
        {L"fill", L"STRETCH", 0, 2},
        {std::nullopt, L"STRETCH", 0, 2},
    };
    std::string expectedLines;
    for (const Case& c : cases) {
        Bstr picture(L"C:\\pictures\\desert.bmp");
        Bstr type = c.displayType ? Bstr(*c.displayType) : Bstr();
        ASSERT_EQ(S_OK, info_->WindowsSetWallPaper(picture.ref(), type.ref()));
        EXPECT_EQ(c.writtenBack, type.text());
        EXPECT_EQ(c.tile, SavedWallpaperValues::Number(L"TileWallpaper"));
        EXPECT_EQ(c.style, SavedWallpaperValues::Number(L"WallpaperStyle"));
        EXPECT_EQ(L"C:\\pictures\\desert.bmp", SavedWallpaperValues::Text(L"Wallpaper"));
        expectedLines += "WindowsSetWallPaper: SystemParametersInfo action 20, value \"C:\\pictures\\desert.bmp\", "
                         "flags 3\r\n";
    }
    EXPECT_EQ(expectedLines, recorded.lines());
}

// Late binding writes the normalised type back into the caller's variable.
TEST_F(KxSystemInfoTest, WindowsSetWallPaperWritesTheTypeBackThroughDispatch) {
    SavedWallpaperValues saved;
    RecordedSystemActions recorded;
    DISPID member = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"WindowsSetWallPaper");
    ASSERT_EQ(S_OK, info_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &member));
    EXPECT_EQ(0x6003001E, member);
    BSTR typeText = SysAllocString(L"tile");
    VARIANT typeVariable;
    VariantInit(&typeVariable);
    typeVariable.vt = VT_BSTR;
    typeVariable.bstrVal = typeText;
    VARIANT args[2];
    VariantInit(&args[0]);
    args[0].vt = VT_BYREF | VT_VARIANT;  // a script's variable
    args[0].pvarVal = &typeVariable;
    VariantInit(&args[1]);
    args[1].vt = VT_BSTR;
    args[1].bstrVal = SysAllocString(L"C:\\pictures\\desert.bmp");
    DISPPARAMS params = {args, nullptr, 2, 0};
    ASSERT_EQ(S_OK, info_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                                  nullptr));
    ASSERT_EQ(VT_BSTR, typeVariable.vt);
    EXPECT_STREQ(L"TILE", typeVariable.bstrVal);
    EXPECT_EQ(1u, SavedWallpaperValues::Number(L"TileWallpaper"));
    VariantClear(&typeVariable);
    VariantClear(&args[1]);
}

// ---- Monitors ----

TEST_F(KxSystemInfoTest, MonitorRecordDescribesTheXvfbScreen) {
    LONG count = 0;
    ASSERT_EQ(S_OK, info_->GetMonitorCount(&count));
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), count);
    ASSERT_EQ(1, count);
    kxMonitorType monitor = {};
    ASSERT_EQ(S_OK, info_->GetMonitorInfo(0, &monitor));
    EXPECT_EQ(kx::LongFromHandle(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)), monitor.handle);
    EXPECT_EQ(0, monitor.MonitorLeft);
    EXPECT_EQ(0, monitor.MonitorTop);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), monitor.MonitorRight);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), monitor.MonitorBottom);
    EXPECT_EQ(1280, monitor.MonitorWidth);
    EXPECT_EQ(1024, monitor.MonitorHeight);
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.left, monitor.WorkingLeft);
    EXPECT_EQ(work.top, monitor.WorkingTop);
    EXPECT_EQ(work.right, monitor.WorkingRight);
    EXPECT_EQ(work.bottom, monitor.WorkingBottom);
    EXPECT_EQ(work.right - work.left, monitor.WorkingWidth);
    EXPECT_EQ(work.bottom - work.top, monitor.WorkingHeight);
    EXPECT_EQ(VARIANT_TRUE, monitor.Primary);
    EXPECT_EQ(VARIANT_TRUE, monitor.Default);
}

TEST_F(KxSystemInfoTest, GetMonitorInfoOutsideTheListIsSubscriptOutOfRange) {
    LONG count = 0;
    ASSERT_EQ(S_OK, info_->GetMonitorCount(&count));
    kxMonitorType monitor = {};
    for (LONG index : {count, -1L, LONG_MAX}) EXPECT_EQ(kSubscript, info_->GetMonitorInfo(index, &monitor)) << index;
}

TEST_F(KxSystemInfoTest, MonitorIndexIsTheNearestMonitorsIndex) {
    EXPECT_EQ(0, GetMonitorWindowMonitorIndex(100, 100, 200, 150));
    EXPECT_EQ(0, GetMonitorWindowMonitorIndex(1200, 1000, 500, 500));    // partly off the screen
    EXPECT_EQ(0, GetMonitorWindowMonitorIndex(-90000, 70000, 10, 10));  // far off every screen
    EXPECT_EQ(0, GetMonitorWindowMonitorIndex(10, 10, 0, 0));
    LONG result = 7;
    EXPECT_EQ(kOverflow, info_->GetMonitorWindowMonitorIndex(LONG_MAX, 0, 1, 1, &result));
    EXPECT_EQ(kOverflow, info_->GetMonitorWindowMonitorIndex(0, LONG_MIN, 10, -1, &result));
}

TEST_F(KxSystemInfoTest, EachThreadKeepsItsOwnMonitorList) {
    long countBefore = -1, countAfter = -1;
    std::thread([&] {
        countBefore = kx::monitors::MonitorCount();
        kx::KxSystemInfo* other = new kx::KxSystemInfo();
        countAfter = kx::monitors::MonitorCount();
        other->Release();
    }).join();
    EXPECT_EQ(0, countBefore);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), countAfter);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), kx::monitors::MonitorCount());
}

// ---- The published interface ----

TEST(KxSystemInfoTypeLibrary, MembersKeepTheirSlotsAndDispatchIdentities) {
    const wchar_t* const names[] = {
        L"SystemFolder", L"WindowsFolder", L"TempFolder", L"TempFileName", L"GetShortName",
        L"GetWindowsVersion", L"CurrentMachineName", L"CurrentUserName", L"GetOSVersion", L"GetWindowsTempDir",
        L"GetUserCharset", L"GetShiftStatus", L"GetLang", L"SetLang", L"GetSpecialFolder", L"ShutDownWindows",
        L"SendKey", L"ShowMouseCursor", L"SwapMouseBtn", L"WindowsGetBeepMode", L"WindowsSetBeepMode",
        L"WindowsGetBorder", L"WindowsSetBorder", L"WindowsGetKeyboardSpeed", L"WindowsSetKeyboardSpeed",
        L"WindowsGetIconHorizontalSpace", L"WindowsGetScreenSaverTimerOut", L"WindowsSetScreenSaverTimerOut",
        L"WindowsGetScreenSaverActive", L"WindowsSetScreenSaverActive", L"WindowsSetWallPaper",
        L"WindowsGetKeyboardDelay", L"WindowsSetKeyboardDelay", L"WindowsGetIconVerticalSpace",
        L"WindowsGetMenuDropAlignment", L"WindowsSetMenuDropAlignment", L"RunWindowsApplication",
        L"GetMonitorInfo", L"GetMonitorCount", L"GetMonitorWindowMonitorIndex"};
    ITypeInfo* type = kx::InterfaceTypeInfo(IID__kxSystemInfo);
    ASSERT_NE(nullptr, type);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(S_OK, type->GetTypeAttr(&attr));
    const int first = attr->cFuncs - 40;  // IDispatch's own members come first in the dual view
    type->ReleaseTypeAttr(attr);
    ASSERT_GE(first, 0);
    for (int slot = 0; slot < 40; ++slot) {
        FUNCDESC* desc = nullptr;
        ASSERT_EQ(S_OK, type->GetFuncDesc(first + slot, &desc));
        BSTR name = nullptr;
        type->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
        EXPECT_STREQ(names[slot], name) << "slot " << slot;
        EXPECT_EQ(0x60030000 + slot, desc->memid) << "slot " << slot;
        SysFreeString(name);
        type->ReleaseFuncDesc(desc);
    }
}

TEST(KxSystemInfoTypeLibrary, MonitorRecordAndEnumerationsAreAsPublished) {
    ITypeLib* library = kx::LibraryTypeLib();
    ASSERT_NE(nullptr, library);
    const GUID recordId = {0x7A956FDB, 0x24DB, 0x4392, {0xA8, 0xB5, 0x08, 0xF9, 0xD1, 0x72, 0x51, 0x71}};
    ITypeInfo* record = nullptr;
    ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(recordId, &record));
    const wchar_t* const fields[] = {L"handle", L"MonitorLeft", L"MonitorTop", L"MonitorRight", L"MonitorBottom",
                                     L"MonitorWidth", L"MonitorHeight", L"WorkingLeft", L"WorkingTop",
                                     L"WorkingRight", L"WorkingBottom", L"WorkingWidth", L"WorkingHeight",
                                     L"Primary", L"Default"};
    for (UINT i = 0; i < 15; ++i) {
        VARDESC* var = nullptr;
        ASSERT_EQ(S_OK, record->GetVarDesc(i, &var));
        BSTR name = nullptr;
        record->GetDocumentation(var->memid, &name, nullptr, nullptr, nullptr);
        EXPECT_STREQ(fields[i], name);
        EXPECT_EQ(i < 13 ? VT_I4 : VT_BOOL, var->elemdescVar.tdesc.vt) << i;
        SysFreeString(name);
        record->ReleaseVarDesc(var);
    }
    BSTR recordName = nullptr;
    record->GetDocumentation(MEMBERID_NIL, &recordName, nullptr, nullptr, nullptr);
    EXPECT_STREQ(L"kxMonitorType", recordName);
    SysFreeString(recordName);
    record->Release();

    struct Member {
        const wchar_t* name;
        LONG value;
    } members[] = {{L"kxewLogOff", 0}, {L"kxewReboot", 2}, {L"kxsfPrograms", 2}, {L"kxsfTemprorayInternetFiles", 32},
                   {L"kxsfUserDirecroy", 40}, {L"kxsfCommonFiles", 43}, {L"kraControlPanel", 0},
                   {L"kraMultimediaPropertiesViedo", 25}, {L"kraMicrosoftWorkgroupPostofficeAdmin", 39}};
    std::map<std::wstring, LONG> published;  // every enumeration member of the library
    for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
        ITypeInfo* type = nullptr;
        if (FAILED(library->GetTypeInfo(i, &type))) continue;
        TYPEATTR* attr = nullptr;
        type->GetTypeAttr(&attr);
        for (UINT v = 0; attr->typekind == TKIND_ENUM && v < attr->cVars; ++v) {
            VARDESC* var = nullptr;
            type->GetVarDesc(v, &var);
            BSTR member = nullptr;
            type->GetDocumentation(var->memid, &member, nullptr, nullptr, nullptr);
            published[member ? member : L""] = var->lpvarValue->lVal;
            SysFreeString(member);
            type->ReleaseVarDesc(var);
        }
        type->ReleaseTypeAttr(attr);
        type->Release();
    }
    for (const Member& m : members) {
        const auto found = published.find(m.name);
        ASSERT_NE(published.end(), found) << std::string(m.name, m.name + wcslen(m.name));
        EXPECT_EQ(m.value, found->second) << std::string(m.name, m.name + wcslen(m.name));
    }
}

}  // namespace
