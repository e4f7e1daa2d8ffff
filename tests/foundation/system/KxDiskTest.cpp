#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "KxDisk.h"
#include "PathParts.h"
#include "SizeUnits.h"
#include "TestSupport.h"
#include "TypeLibrary.h"

namespace {

constexpr HRESULT kInvalidCall = static_cast<HRESULT>(0x800A0005);
constexpr HRESULT kDeviceUnavailable = static_cast<HRESULT>(0x800A0044);
constexpr HRESULT kPathNotFound = static_cast<HRESULT>(0x800A004C);

// A BSTR owned by the test, passed by reference like a caller's variable.
class Bstr {
public:
    explicit Bstr(const std::wstring& text = L"") : value_(SysAllocStringLen(text.data(), UINT(text.size()))) {}
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR* operator&() { return &value_; }
    std::wstring text() const { return value_ ? std::wstring(value_, SysStringLen(value_)) : std::wstring(); }

private:
    BSTR value_;
};

void WriteFile(const std::wstring& path, const std::string& content) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << content;
}

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A drive letter that names no drive on this machine.
wchar_t MissingDriveLetter() {
    const DWORD drives = GetLogicalDrives();
    for (int i = 25; i >= 0; --i)
        if (!(drives & (1u << i))) return static_cast<wchar_t>(L'A' + i);
    return 0;
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

class KxDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        disk_ = new kx::KxDisk();
        wchar_t folder[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, folder);
        savedFolder_ = folder;
    }
    void TearDown() override {
        SetCurrentDirectoryW(savedFolder_.c_str());
        disk_->Release();
    }

    LONG ShellProgramWait(const std::wstring& commandLine, VARIANT_BOOL wait, VARIANT_BOOL locked) {
        Bstr command(commandLine);
        LONG result = 12345;
        EXPECT_EQ(S_OK, disk_->ShellProgramWait(&command, &wait, &locked, &result));
        return result;
    }

    LONG ExtractFileName(const std::wstring& fullName, std::wstring* path, std::wstring* name, std::wstring* ext) {
        Bstr full(fullName), p(L"old"), n(L"old"), e(L"old");
        LONG result = -1;
        EXPECT_EQ(S_OK, disk_->ExtractFileName(&full, &p, &n, &e, &result));
        *path = p.text();
        *name = n.text();
        *ext = e.text();
        return result;
    }

    bool FileExists(const std::wstring& source) {
        Bstr text(source);
        VARIANT_BOOL result = 1;
        EXPECT_EQ(S_OK, disk_->FileExists(&text, &result));
        return result == VARIANT_TRUE;
    }

    HRESULT ChangeCurDir(const std::wstring& path) {
        BSTR text = SysAllocString(path.c_str());
        const HRESULT hr = disk_->ChangeCurDir(text);
        SysFreeString(text);
        return hr;
    }

    kx::KxDisk* disk_ = nullptr;
    std::wstring savedFolder_;
};

TEST_F(KxDiskTest, ShellProgramWaitReturnsExitCodeOrStatus) {
    const std::wstring helper = Quoted(kxtest::HelperPath());
    const std::wstring missing = L"Z:\\no\\such\\program.exe";
    const VARIANT_BOOL yes = VARIANT_TRUE, no = VARIANT_FALSE;
    struct Case {
        const char* label;
        std::wstring command;
        VARIANT_BOOL wait, locked;
        LONG expected;
    } cases[] = {
        {"exit 3 waiting with messages", helper + L" exit 3", yes, no, 3},
        {"exit 3 blocking", helper + L" exit 3", yes, yes, 3},
        {"still running without a wait", helper + L" sleep 3000 0", no, no, 259},
        {"still running, locked without a wait", helper + L" sleep 3000 0", no, yes, 259},
        {"cannot start, no wait", missing, no, no, 0},
        {"cannot start, waiting", missing, yes, no, -1},
        {"cannot start, blocking", missing, yes, yes, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, ShellProgramWait(c.command, c.wait, c.locked)) << c.label;
}

// A window that counts the messages handled for it.
class CountingWindow {
public:
    static constexpr UINT kPing = WM_USER + 1;
    CountingWindow() {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = &Procedure;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"KxDiskCountingWindow";
        RegisterClassW(&cls);
        hwnd_ = CreateWindowExW(0, cls.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, cls.hInstance,
                                nullptr);
        pings_ = ticks_ = 0;
    }
    ~CountingWindow() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }
    static int pings() { return pings_; }
    static int ticks() { return ticks_; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kPing) ++pings_;
        if (message == WM_TIMER) ++ticks_;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND hwnd_;
    static inline int pings_ = 0;
    static inline int ticks_ = 0;
};

double ThreadCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

struct ShellRun {
    double seconds;
    double cpuSeconds;
};

ShellRun RunHelper(kx::KxDisk* disk, const std::wstring& parameters, VARIANT_BOOL wait, VARIANT_BOOL locked) {
    Bstr file(kxtest::HelperPath()), params(parameters), folder(L""), verb(L"open");
    kxProgramRun mode = kxHide;
    const double cpu = ThreadCpuSeconds();
    const DWORD start = GetTickCount();
    EXPECT_EQ(S_OK, disk->ShellProgram(&file, &params, &folder, &mode, &verb, &wait, &locked));
    return {(GetTickCount() - start) / 1000.0, ThreadCpuSeconds() - cpu};
}

TEST_F(KxDiskTest, ShellProgramWaitsWhileHandlingMessagesWithoutSpinning) {
    CountingWindow window;
    PostMessageW(window.hwnd(), CountingWindow::kPing, 0, 0);
    SetTimer(window.hwnd(), 1, 50, nullptr);
    const ShellRun run = RunHelper(disk_, L"sleep 1000 0", VARIANT_TRUE, VARIANT_FALSE);
    KillTimer(window.hwnd(), 1);
    EXPECT_GE(run.seconds, 0.9);
    EXPECT_EQ(1, CountingWindow::pings()) << "a waiting message is handled inside the wait";
    EXPECT_GE(CountingWindow::ticks(), 3) << "messages that come later are handled too";
    EXPECT_LT(run.cpuSeconds, run.seconds / 4)
        << "the wait must not poll at full speed (" << run.cpuSeconds << " s of processor time)";
}

TEST_F(KxDiskTest, ShellProgramLockedWaitHandlesNoMessages) {
    CountingWindow window;
    PostMessageW(window.hwnd(), CountingWindow::kPing, 0, 0);
    const ShellRun run = RunHelper(disk_, L"sleep 700 0", VARIANT_TRUE, VARIANT_TRUE);
    EXPECT_GE(run.seconds, 0.6);
    EXPECT_EQ(0, CountingWindow::pings());
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, window.hwnd(), CountingWindow::kPing, CountingWindow::kPing, PM_REMOVE));
}

TEST_F(KxDiskTest, ShellProgramWithoutWaitReturnsAtOnce) {
    for (VARIANT_BOOL locked : {VARIANT_FALSE, VARIANT_TRUE})
        EXPECT_LT(RunHelper(disk_, L"sleep 3000 0", VARIANT_FALSE, locked).seconds, 1.5) << "locked " << locked;
    // A target that cannot be started shows nothing and does not wait.
    Bstr missing(L"Z:\\no\\such\\document.kxnone");
    VARIANT_BOOL yes = VARIANT_TRUE;
    EXPECT_EQ(S_OK, disk_->ShellProgram(&missing, nullptr, nullptr, nullptr, nullptr, &yes, &yes));
}

TEST_F(KxDiskTest, ExtractFileNameSplitsAndTellsWhatExists) {
    kxtest::ScratchFolder scratch;
    const std::wstring root = scratch.path();
    WriteFile(scratch.File(L"archive.tar.gz"), "x");
    CreateDirectoryW(scratch.File(L"dir").c_str(), nullptr);
    WriteFile(scratch.File(L"dir\\a.txt"), "x");
    CreateDirectoryW(scratch.File(L"empty").c_str(), nullptr);
    CreateDirectoryW(scratch.File(L"v1.2").c_str(), nullptr);
    WriteFile(scratch.File(L"v1.2\\b.txt"), "x");
    CreateDirectoryW(scratch.File(L"hidden").c_str(), nullptr);
    WriteFile(scratch.File(L"hidden\\h.txt"), "x");
    SetFileAttributesW(scratch.File(L"hidden\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    struct Case {
        std::wstring full;
        LONG result;
        std::wstring path, name, ext;
    } cases[] = {
        {root + L"\\archive.tar.gz", 1, root + L"\\", L"archive", L"tar.gz"},
        {root + L"\\dir", 2, root + L"\\dir\\", L"", L""},
        {root + L"\\dir\\", 2, root + L"\\dir\\", L"", L""},
        {root + L"\\empty", 0, root + L"\\", L"empty", L""},
        {root + L"\\v1.2", 2, root + L"\\v1.2\\", L"", L"2"},  // the folder keeps its "extension"
        {root + L"\\hidden", 0, root + L"\\", L"hidden", L""},  // hidden files are not listed
        {root + L"\\dir\\*.txt", 1, root + L"\\dir\\", L"*", L"txt"},
        {L"report.txt", 0, L"", L"report", L"txt"},
        {L"", 0, L"", L"", L""},
    };
    for (const Case& c : cases) {
        std::wstring path, name, ext;
        const std::string label(c.full.begin(), c.full.end());
        EXPECT_EQ(c.result, ExtractFileName(c.full, &path, &name, &ext)) << label;
        EXPECT_EQ(c.path, path) << label;
        EXPECT_EQ(c.name, name) << label;
        EXPECT_EQ(c.ext, ext) << label;
    }
}

TEST(PathParts, SplitsAtTheLastBackslashAndTheFirstDotAfterIt) {
    struct Case {
        std::wstring full, folder, name, extension;
    } cases[] = {
        {L"C:\\a.b\\c", L"C:\\a.b", L"c", L""},
        {L"C:\\dir\\", L"C:\\dir", L"", L""},
        {L".profile", L"", L"", L"profile"},
        {L"name.", L"", L"name", L""},
        {L"\\x.y.z", L"", L"x", L"y.z"},
    };
    for (const Case& c : cases) {
        const kx::PathParts parts = kx::SplitPath(c.full);
        EXPECT_EQ(c.folder, parts.folder);
        EXPECT_EQ(c.name, parts.name);
        EXPECT_EQ(c.extension, parts.extension);
    }
}

TEST_F(KxDiskTest, GetDriveRewritesTheCallersTextAndGivesTheDriveType) {
    Bstr drive(L"c");
    kxDriveType type = static_cast<kxDriveType>(-1);
    ASSERT_EQ(S_OK, disk_->GetDrive(&drive, &type));
    EXPECT_EQ(kxDrvFixed, type);
    EXPECT_EQ(std::wstring(L"C:\\\0", 4), drive.text());

    const wchar_t letter = MissingDriveLetter();
    ASSERT_NE(0, letter);
    Bstr none(std::wstring(1, static_cast<wchar_t>(towlower(letter))) + L"anything");
    ASSERT_EQ(S_OK, disk_->GetDrive(&none, &type));
    EXPECT_EQ(0, type);
    EXPECT_EQ(std::wstring(1, letter) + std::wstring(L":\\\0", 3), none.text());
}

TEST(SizeUnits, LadderPicksTheLargestUnitOfAtLeastOne) {
    struct Case {
        double bytes, amount;
        std::wstring unit;
    } cases[] = {
        {0, 0, L"Bytes"},
        {500, 500, L"Bytes"},
        {1023, 1023, L"Bytes"},
        {1024, 1, L"Kilobytes"},
        {1536, 1.5, L"Kilobytes"},
        {3.0 * 1024 * 1024, 3, L"Megabytes"},
        {5.0 * 1024 * 1024 * 1024, 5, L"Gigabytes"},
        {3000.0 * 1024 * 1024 * 1024, 3000, L"Gigabytes"},  // no larger unit
    };
    for (const Case& c : cases) {
        const kx::SizeInUnit size = kx::ToLargestUnit(c.bytes);
        EXPECT_DOUBLE_EQ(c.amount, size.amount) << c.bytes;
        EXPECT_EQ(c.unit, size.unit) << c.bytes;
    }
    EXPECT_FLOAT_EQ(1.23f, kx::RoundToHundredths(1.2345f));
    EXPECT_FLOAT_EQ(1.13f, kx::RoundToHundredths(1.125f));  // a half goes away from zero
    EXPECT_FLOAT_EQ(4.66f, kx::RoundToHundredths(4.6566f));
}

TEST_F(KxDiskTest, DiskSizeOfDriveCAndOfAMissingDrive) {
    const std::vector<std::wstring> units = {L"Bytes", L"Kilobytes", L"Megabytes", L"Gigabytes"};
    Bstr drive(L"C"), unit, freeUnit;
    float bytes = -1, inUnit = -1, freeBytes = -1, freeInUnit = -1;
    ASSERT_EQ(S_OK, disk_->DiskSize(&drive, &bytes, &inUnit, &unit, &freeBytes, &freeInUnit, &freeUnit));
    ULARGE_INTEGER available, total, free;
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:\\", &available, &total, &free));
    EXPECT_FLOAT_EQ(static_cast<float>(total.QuadPart), bytes);
    EXPECT_GT(freeBytes, 0);
    const kx::SizeInUnit expected = kx::ToLargestUnit(bytes);
    EXPECT_EQ(expected.unit, unit.text());
    EXPECT_NEAR(expected.amount, inUnit, 0.006);
    EXPECT_NE(units.end(), std::find(units.begin(), units.end(), freeUnit.text()));

    const wchar_t letter = MissingDriveLetter();
    Bstr missing(std::wstring(1, letter)), missingUnit(L"x"), missingFreeUnit(L"x");
    freeInUnit = 7.257f;  // no free space leaves the caller's amount, rounded
    ASSERT_EQ(S_OK, disk_->DiskSize(&missing, &bytes, &inUnit, &missingUnit, &freeBytes, &freeInUnit,
                                    &missingFreeUnit));
    EXPECT_EQ(0, bytes);
    EXPECT_EQ(0, inUnit);
    EXPECT_EQ(L"Bytes", missingUnit.text());
    EXPECT_EQ(0, freeBytes);
    EXPECT_FLOAT_EQ(7.26f, freeInUnit);
    EXPECT_EQ(L"Bytes", missingFreeUnit.text());
}

TEST_F(KxDiskTest, FileExistsOfRootsFilesAndPatterns) {
    kxtest::ScratchFolder scratch;
    WriteFile(scratch.File(L"present.txt"), "x");
    const std::wstring missingRoot = std::wstring(1, MissingDriveLetter()) + L":\\";
    struct Case {
        std::wstring source;
        bool exists;
    } cases[] = {
        {L"c:\\", true},
        {missingRoot, false},
        {L":\\", false},
        {scratch.File(L"present.txt"), true},
        {scratch.File(L"absent.txt"), false},
        {scratch.File(L"*.txt"), true},
        {scratch.File(L"*.doc"), false},
        {scratch.path(), true},
        {L"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.exists, FileExists(c.source)) << std::string(c.source.begin(), c.source.end());
}

TEST_F(KxDiskTest, FileCopyOverwriteTrueKeepsAnExistingTarget) {
    kxtest::ScratchFolder scratch;
    WriteFile(scratch.File(L"new.txt"), "new");
    WriteFile(scratch.File(L"target.txt"), "old");
    Bstr source(L"  " + scratch.File(L"new.txt") + L" "), target(scratch.File(L"target.txt") + L"  ");
    VARIANT_BOOL keep = VARIANT_TRUE, replace = VARIANT_FALSE, copied = 1;

    ASSERT_EQ(S_OK, disk_->FileCopy(&source, &target, &keep, &copied));
    EXPECT_EQ(VARIANT_FALSE, copied);
    EXPECT_EQ("old", ReadFile(scratch.File(L"target.txt")));

    ASSERT_EQ(S_OK, disk_->FileCopy(&source, &target, &replace, &copied));
    EXPECT_EQ(VARIANT_TRUE, copied);
    EXPECT_EQ("new", ReadFile(scratch.File(L"target.txt")));
}

TEST_F(KxDiskTest, FileMoveMovesButDoesNotReplace) {
    kxtest::ScratchFolder scratch;
    WriteFile(scratch.File(L"a.txt"), "a");
    WriteFile(scratch.File(L"taken.txt"), "taken");
    Bstr source(L" " + scratch.File(L"a.txt") + L" "), target(scratch.File(L"b.txt"));
    Bstr taken(scratch.File(L"taken.txt"));
    VARIANT_BOOL moved = 1;
    ASSERT_EQ(S_OK, disk_->FileMove(&source, &target, &moved));
    EXPECT_EQ(VARIANT_TRUE, moved);
    EXPECT_FALSE(Exists(scratch.File(L"a.txt")));
    EXPECT_EQ("a", ReadFile(scratch.File(L"b.txt")));

    Bstr back(scratch.File(L"b.txt"));
    ASSERT_EQ(S_OK, disk_->FileMove(&back, &taken, &moved));
    EXPECT_EQ(VARIANT_FALSE, moved);
    EXPECT_EQ("taken", ReadFile(scratch.File(L"taken.txt")));
}

TEST_F(KxDiskTest, FileOperationDeletesEverySourceJoinedByBars) {
    kxtest::ScratchFolder scratch;
    for (const wchar_t* name : {L"one.txt", L"two.txt", L"three.txt", L"four.txt"}) WriteFile(scratch.File(name), "x");
    kxFileOperation remove = kxFO_DELETE;
    kxFileOperationFlag quiet = static_cast<kxFileOperationFlag>(kxFOF_NOCONFIRMATION | kxFOF_SILENT);
    Bstr sources(scratch.File(L"one.txt") + L"|" + scratch.File(L"two.txt")), target(L"");
    VARIANT_BOOL done = 1;
    ASSERT_EQ(S_OK, disk_->FileOperation(&sources, &target, &remove, &quiet, &done));
    EXPECT_EQ(VARIANT_TRUE, done);
    EXPECT_FALSE(Exists(scratch.File(L"one.txt")));
    EXPECT_FALSE(Exists(scratch.File(L"two.txt")));

    // An empty item does not cut the list short.
    Bstr gap(scratch.File(L"three.txt") + L"||" + scratch.File(L"four.txt") + L"|");
    ASSERT_EQ(S_OK, disk_->FileOperation(&gap, &target, &remove, &quiet, &done));
    EXPECT_EQ(VARIANT_TRUE, done);
    EXPECT_FALSE(Exists(scratch.File(L"three.txt")));
    EXPECT_FALSE(Exists(scratch.File(L"four.txt")));
}

TEST_F(KxDiskTest, FileOperationWithoutSourceOrWithAMissingOneFails) {
    kxtest::ScratchFolder scratch;
    WriteFile(scratch.File(L"keep.txt"), "x");
    SetCurrentDirectoryW(scratch.path().c_str());
    kxFileOperation remove = kxFO_DELETE;
    kxFileOperationFlag quiet =
        static_cast<kxFileOperationFlag>(kxFOF_NOCONFIRMATION | kxFOF_SILENT | 0x400 /* no error UI */);
    Bstr target(L"");
    for (const wchar_t* source : {L"", L"|", L"||"}) {
        Bstr empty(source);
        VARIANT_BOOL done = 1;
        ASSERT_EQ(S_OK, disk_->FileOperation(&empty, &target, &remove, &quiet, &done));
        EXPECT_EQ(VARIANT_FALSE, done) << "source \"" << std::string(source, source + wcslen(source)) << "\"";
    }
    EXPECT_TRUE(Exists(scratch.File(L"keep.txt")));

    Bstr absent(scratch.File(L"absent.txt"));
    VARIANT_BOOL done = 1;
    ASSERT_EQ(S_OK, disk_->FileOperation(&absent, &target, &remove, &quiet, &done));
    EXPECT_EQ(VARIANT_FALSE, done);
}

TEST_F(KxDiskTest, ChangeCurDirChangesDriveAndFolderOrRaises) {
    kxtest::ScratchFolder scratch;
    ASSERT_EQ(S_OK, ChangeCurDir(L"  " + scratch.path() + L" "));
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(0, lstrcmpiW(scratch.path().c_str(), current));

    EXPECT_EQ(kPathNotFound, ChangeCurDir(scratch.File(L"no such folder")));
    EXPECT_EQ(kPathNotFound, ChangeCurDir(L""));
    EXPECT_EQ(kDeviceUnavailable, ChangeCurDir(std::wstring(1, MissingDriveLetter()) + L":\\folder"));
}

// Recording replaces every machine-changing call for the length of one test.
class RecordedSystemActions {
public:
    explicit RecordedSystemActions(const std::wstring& file) : file_(file) {
        EXPECT_TRUE(SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", file.c_str()));
    }
    ~RecordedSystemActions() { SetEnvironmentVariableW(L"KX_RECORD_SYSTEM_ACTIONS", nullptr); }
    std::string lines() const { return ReadFile(file_); }

private:
    std::wstring file_;
};

TEST_F(KxDiskTest, MachineChangingCallsAreRecordedNotRun) {
    kxtest::ScratchFolder scratch;
    RecordedSystemActions recorded(scratch.File(L"actions.txt"));
    VARIANT_BOOL open = VARIANT_TRUE, closed = VARIANT_FALSE, yes = VARIANT_TRUE, no = VARIANT_FALSE;
    EXPECT_EQ(S_OK, disk_->CDDoor(&open));
    EXPECT_EQ(S_OK, disk_->CDDoor(&closed));
    BSTR drive = SysAllocString(L"dat");
    EXPECT_EQ(S_OK, disk_->MakeRecycleBinEmpty(drive, &yes, &no, &yes));
    SysFreeString(drive);
    EXPECT_EQ(S_OK, disk_->MakeRecycleBinEmpty(nullptr, nullptr, nullptr, nullptr));
    Bstr format(L"  e "), lower(L"c");
    LONG result = 0;
    EXPECT_EQ(S_OK, disk_->FormatDrive(&format, &result));
    EXPECT_EQ(kx::kFormatRecordedResult, result);
    EXPECT_EQ(S_OK, disk_->FormatDrive(&lower, &result));
    EXPECT_EQ(S_OK, disk_->MapDrive());
    EXPECT_EQ("CDDoor: set CDAudio door open\r\n"
              "CDDoor: set CDAudio door closed\r\n"
              "MakeRecycleBinEmpty: root \"d:\\\" flags 5\r\n"
              "MakeRecycleBinEmpty: root \"\" flags 7\r\n"
              "FormatDrive: drive 4\r\n"
              "FormatDrive: drive 2\r\n"
              "MapDrive: RESOURCETYPE_DISK\r\n",
              recorded.lines());
}

TEST_F(KxDiskTest, FormatDriveOfNoDriveIsAnInvalidCall) {
    kxtest::ScratchFolder scratch;
    RecordedSystemActions recorded(scratch.File(L"actions.txt"));
    for (const wchar_t* text : {L"", L"   "}) {
        Bstr drive(text);
        LONG result = 99;
        EXPECT_EQ(kInvalidCall, disk_->FormatDrive(&drive, &result));
    }
    EXPECT_EQ("", recorded.lines());
}

// The shell's FO_/FOF_ names and DriveType are renamed for C++ only; the type library keeps them.
TEST(KxDiskTypeLibrary, EnumerationsKeepTheirPublishedNames) {
    ITypeLib* library = kx::LibraryTypeLib();
    ASSERT_NE(nullptr, library);
    struct Member {
        const wchar_t* enumeration;
        const wchar_t* name;
        LONG value;
    } members[] = {
        {L"kxProgramRun", L"kxSHOWMAXIMIZED", 3}, {L"kxProgramRun", L"kxRESTORE", 9},
        {L"DriveType", L"kxDrvFixed", 3},         {L"kxFileOperation", L"FO_DELETE", 3},
        {L"kxFileOperationFlag", L"FOF_NOCONFIRMATION", 16},
        {L"kxFileOperationFlag", L"FOF_CREATEPROGRESSDLG", 0},
    };
    for (const Member& m : members) {
        const std::string label(m.name, m.name + wcslen(m.name));
        ITypeInfo* info = nullptr;
        MEMBERID id = 0;
        USHORT found = 1;
        std::wstring name = m.enumeration;
        ASSERT_EQ(S_OK, library->FindName(name.data(), 0, &info, &id, &found)) << label;
        ASSERT_EQ(1, found) << label;
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        EXPECT_EQ(TKIND_ENUM, attr->typekind) << label;
        bool seen = false;
        for (UINT i = 0; i < attr->cVars; ++i) {
            VARDESC* var = nullptr;
            info->GetVarDesc(i, &var);
            BSTR varName = nullptr;
            info->GetDocumentation(var->memid, &varName, nullptr, nullptr, nullptr);
            if (std::wstring(varName ? varName : L"") == m.name) {
                seen = true;
                EXPECT_EQ(m.value, var->lpvarValue->lVal) << label;
            }
            SysFreeString(varName);
            info->ReleaseVarDesc(var);
        }
        EXPECT_TRUE(seen) << label;
        info->ReleaseTypeAttr(attr);
        info->Release();
    }
}

// Defaults a late-bound caller relies on when it leaves the argument out.
TEST(KxDiskTypeLibrary, DefaultsOfOptionalParameters) {
    ITypeInfo* info = kx::InterfaceTypeInfo(IID__kxDisk);
    ASSERT_NE(nullptr, info);
    struct Default {
        UINT slot, param;
        LONG value;
    } defaults[] = {{0, 1, -1}, {0, 2, 0}, {3, 3, 1}, {3, 5, 0}, {5, 1, -1}, {10, 2, 0}, {12, 3, 384}};
    for (const Default& d : defaults) {
        FUNCDESC* desc = nullptr;
        ASSERT_EQ(S_OK, info->GetFuncDesc(d.slot, &desc));
        const PARAMDESC& param = desc->lprgelemdescParam[d.param].paramdesc;
        ASSERT_TRUE(param.wParamFlags & PARAMFLAG_FHASDEFAULT) << "slot " << d.slot << " param " << d.param;
        VARIANT value;
        VariantInit(&value);
        VariantChangeType(&value, &param.pparamdescex->varDefaultValue, 0, VT_I4);
        EXPECT_EQ(d.value, value.lVal) << "slot " << d.slot << " param " << d.param;
        info->ReleaseFuncDesc(desc);
    }
}

}  // namespace
