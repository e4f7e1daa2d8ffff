#include "KxDisk.h"

#include <shellapi.h>
#include <shlobj.h>
#include <mmsystem.h>
#include <winnetwk.h>

#include <string>

#include "ErrorInfo.h"
#include "PathParts.h"
#include "ProcessWait.h"
#include "SizeUnits.h"
#include "SystemActions.h"
#include "Text.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.kxDisk";
constexpr FILEOP_FLAGS kDefaultFileOperationFlags = 384;  // FOF_FILESONLY | FOF_SIMPLEPROGRESS

std::wstring TextOf(const BSTR* text) { return text ? FromBstr(*text) : std::wstring(); }
// A by-reference String that was left out arrives as a null BSTR.
std::wstring TextOr(const BSTR* text, const wchar_t* fallback) {
    return text && *text ? FromBstr(*text) : std::wstring(fallback);
}
VARIANT_BOOL BoolOr(const VARIANT_BOOL* value, VARIANT_BOOL fallback) { return value ? *value : fallback; }
bool IsTrue(const VARIANT_BOOL* value, VARIANT_BOOL fallback) { return BoolOr(value, fallback) != VARIANT_FALSE; }
VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

void SetSingle(float* target, float value) {
    if (target) *target = value;
}

// The logical drive strings ("C:\" NUL "D:\" NUL ...), upper-cased, read whole however many drives there are.
std::wstring LogicalDriveStrings() {
    const DWORD capacity = GetLogicalDriveStringsW(0, nullptr);
    std::wstring list(capacity, L'\0');
    const DWORD length = capacity ? GetLogicalDriveStringsW(capacity, list.data()) : 0;
    list.resize(length <= capacity ? length : 0);
    return ToUpperText(list);
}

bool DriveLetterExists(wchar_t letter) {
    const std::wstring wanted = ToUpperText(std::wstring(1, letter));
    const std::wstring list = LogicalDriveStrings();
    for (size_t entry = 0; entry < list.size();) {
        if (list[entry] == wanted[0]) return true;
        const size_t end = list.find(L'\0', entry);
        if (end == std::wstring::npos) break;
        entry = end + 1;
    }
    return false;
}

bool FindFindsAnything(const std::wstring& pattern) {
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

// The classic directory listing as an existence test: the first entry that is not hidden, a system
// file or a folder counts.
bool ListingFindsFile(const std::wstring& pattern) {
    if (pattern.empty()) return false;
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return false;
    constexpr DWORD kNotListed = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    bool found = false;
    do {
        found = (data.dwFileAttributes & kNotListed) == 0;
    } while (!found && FindNextFileW(search, &data));
    FindClose(search);
    return found;
}

// 0 nothing, 1 a listed file, 2 a folder holding at least one listed file.
long ExistenceOf(const std::wstring& fullName) {
    if (ListingFindsFile(fullName)) return 1;
    if (fullName.empty()) return 0;
    return ListingFindsFile(WithTrailingBackslash(fullName) + L"*.*") ? 2 : 0;
}

bool IsPlainFolder(const std::wstring& path) {
    return path.find(L'*') == std::wstring::npos && GetFileAttributesW(path.c_str()) == FILE_ATTRIBUTE_DIRECTORY;
}

// The shell's list form of "a|b|c": each item ends with a NUL and the list with one more. Empty items
// are dropped, since an empty entry would end the list early.
std::wstring ShellFileList(const std::wstring& items) {
    std::wstring list;
    size_t start = 0;
    for (;;) {
        const size_t bar = items.find(L'|', start);
        const std::wstring item = items.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start);
        if (!item.empty()) list += item + L'\0';
        if (bar == std::wstring::npos) break;
        start = bar + 1;
    }
    return list.empty() ? list : list + L'\0';
}

// One recycle-bin flag: its bit of the Boolean (True is -1, every bit set).
DWORD FlagBit(const VARIANT_BOOL* value, DWORD bit) {
    return static_cast<DWORD>(static_cast<USHORT>(BoolOr(value, VARIANT_TRUE))) & bit;
}
}  // namespace

STDMETHODIMP KxDisk::ShellProgramWait(BSTR* cmdline, VARIANT_BOOL* WaitForCompeleted, VARIANT_BOOL* Locked,
                                      LONG* Result) {
    return Guard(kSource, [&] {
        std::wstring commandLine = TextOf(cmdline);
        commandLine.push_back(L'\0');  // the platform may write into the command line
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        long status = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                                     nullptr, nullptr, &startup, &process);
        const ProcessWaitMode mode =
            ChooseProcessWait(IsTrue(WaitForCompeleted, VARIANT_TRUE), IsTrue(Locked, VARIANT_FALSE));
        if (mode != ProcessWaitMode::None) status = static_cast<long>(WaitForProcess(process.hProcess, mode));
        DWORD exitCode = 0;
        if (GetExitCodeProcess(process.hProcess, &exitCode)) status = static_cast<long>(exitCode);
        if (process.hThread) CloseHandle(process.hThread);
        if (process.hProcess) CloseHandle(process.hProcess);
        *Result = status;
    });
}

STDMETHODIMP KxDisk::ExtractFileName(BSTR* FullFileName, BSTR* Path, BSTR* FileName, BSTR* EXT, LONG* Result) {
    return Guard(kSource, [&] {
        const std::wstring fullName = TextOf(FullFileName);
        const long existence = ExistenceOf(fullName);
        PathParts parts;
        if (!fullName.empty()) {
            parts = SplitPath(fullName);
            if (existence != 0 && IsPlainFolder(fullName)) {
                parts.folder = fullName;
                parts.name.clear();
            }
        }
        AssignBstr(Path, WithTrailingBackslash(parts.folder));
        AssignBstr(FileName, parts.name);
        AssignBstr(EXT, parts.extension);
        *Result = existence;
    });
}

STDMETHODIMP KxDisk::GetDrive(BSTR* DriveStr, kxDriveType* Result) {
    return Guard(kSource, [&] {
        const std::wstring list = LogicalDriveStrings();
        std::wstring root = ToUpperText(TextOf(DriveStr).substr(0, 1)) + L":\\";
        root.push_back(L'\0');
        AssignBstr(DriveStr, root);
        const bool listed = list.find(root) != std::wstring::npos;
        *Result = static_cast<kxDriveType>(listed ? GetDriveTypeW(root.c_str()) : 0);
    });
}

STDMETHODIMP KxDisk::ShellProgram(BSTR* FileName, BSTR* mParameter, BSTR* mWorkingDir, kxProgramRun* mWindowMode,
                                  BSTR* mOpretion, VARIANT_BOOL* WaitForCompeleted, VARIANT_BOOL* Locked) {
    return Guard(kSource, [&] {
        const std::wstring file = TextOf(FileName);
        const std::wstring parameters = TextOf(mParameter);
        const std::wstring folder = TextOf(mWorkingDir);
        const std::wstring verb = TextOr(mOpretion, L"open");
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = verb.c_str();
        info.lpFile = file.c_str();
        info.lpParameters = parameters.c_str();
        info.lpDirectory = folder.c_str();
        info.nShow = mWindowMode ? *mWindowMode : kxSHOWNORMAL;
        if (!ShellExecuteExW(&info)) info.hProcess = nullptr;  // nothing started: nothing to wait for
        WaitForProcess(info.hProcess,
                       ChooseProcessWait(IsTrue(WaitForCompeleted, VARIANT_FALSE), IsTrue(Locked, VARIANT_FALSE)));
        if (info.hProcess) CloseHandle(info.hProcess);
    });
}

STDMETHODIMP KxDisk::CDDoor(VARIANT_BOOL* OpenDoor) {
    return Guard(kSource, [&] {
        const wchar_t* command =
            IsTrue(OpenDoor, VARIANT_FALSE) ? L"set CDAudio door open" : L"set CDAudio door closed";
        if (RecordSystemAction(std::wstring(L"CDDoor: ") + command)) return;
        mciSendStringW(command, nullptr, 0, nullptr);
    });
}

STDMETHODIMP KxDisk::MakeRecycleBinEmpty(BSTR Drive, VARIANT_BOOL* NoConfirmation, VARIANT_BOOL* NoProgress,
                                         VARIANT_BOOL* NoSound) {
    return Guard(kSource, [&] {
        const std::wstring drive = FromBstr(Drive);
        const std::wstring root = drive.empty() ? std::wstring() : drive.substr(0, 1) + L":\\";
        const DWORD flags = FlagBit(NoConfirmation, SHERB_NOCONFIRMATION) | FlagBit(NoProgress, SHERB_NOPROGRESSUI) |
                            FlagBit(NoSound, SHERB_NOSOUND);
        if (RecordSystemAction(L"MakeRecycleBinEmpty: root \"" + root + L"\" flags " + std::to_wstring(flags)))
            return;
        SHEmptyRecycleBinW(nullptr, root.c_str(), flags);
    });
}

STDMETHODIMP KxDisk::DiskSize(BSTR* Drive, float* DiskSizeInByte, float* DiskSizeInUnit, BSTR* DiskSizeUnit,
                              float* DiskFreeSizeInByte, float* DiskFreeSizeInUnit, BSTR* DiskFreeSizeUnit) {
    return Guard(kSource, [&] {
        const std::wstring root = TextOf(Drive).substr(0, 1) + L":\\";
        ULARGE_INTEGER available = {}, total = {}, free = {};
        if (!GetDiskFreeSpaceExW(root.c_str(), &available, &total, &free)) total.QuadPart = free.QuadPart = 0;
        const float totalBytes = static_cast<float>(total.QuadPart);
        const float freeBytes = static_cast<float>(free.QuadPart);
        SetSingle(DiskSizeInByte, totalBytes);
        SetSingle(DiskFreeSizeInByte, freeBytes);

        const SizeInUnit totalSize = ToLargestUnit(totalBytes);
        SetSingle(DiskSizeInUnit, RoundToHundredths(static_cast<float>(totalSize.amount)));
        AssignBstr(DiskSizeUnit, totalSize.unit);

        // No free space leaves the caller's amount as it was (rounded like the others).
        SizeInUnit freeSize = {DiskFreeSizeInUnit ? *DiskFreeSizeInUnit : 0.0, L"Bytes"};
        if (freeBytes != 0) freeSize = ToLargestUnit(freeBytes);
        SetSingle(DiskFreeSizeInUnit, RoundToHundredths(static_cast<float>(freeSize.amount)));
        AssignBstr(DiskFreeSizeUnit, freeSize.unit);
    });
}

STDMETHODIMP KxDisk::FileExists(BSTR* sSource, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        const std::wstring source = TextOf(sSource);
        const bool isDriveRoot = source.size() >= 2 && source.compare(source.size() - 2, 2, L":\\") == 0;
        bool exists = false;
        if (isDriveRoot)
            exists = DriveLetterExists(source[0]);  // the drive list: a drive without a medium counts
        else if (!source.empty())
            exists = FindFindsAnything(source);
        *Result = ToVariantBool(exists);
    });
}

STDMETHODIMP KxDisk::FormatDrive(BSTR* Drive, LONG* Result) {
    return Guard(kSource, [&] {
        const std::wstring drive = ToUpperText(TrimBlanks(TextOf(Drive)));
        if (drive.empty()) throw Error(kErrInvalidCall);
        const std::string code = ToAnsi(drive.substr(0, 1));
        const int number = (code.empty() ? 0 : static_cast<unsigned char>(code[0])) - 'A';
        if (RecordSystemAction(L"FormatDrive: drive " + std::to_wstring(number))) {
            *Result = kFormatRecordedResult;
            return;
        }
        *Result = static_cast<LONG>(SHFormatDrive(nullptr, static_cast<UINT>(number), 0, 0));
    });
}

STDMETHODIMP KxDisk::MapDrive() {
    return Guard(kSource, [&] {
        if (RecordSystemAction(L"MapDrive: RESOURCETYPE_DISK")) return;
        WNetConnectionDialog(nullptr, RESOURCETYPE_DISK);
    });
}

STDMETHODIMP KxDisk::FileCopy(BSTR* Source, BSTR* Target, VARIANT_BOOL* Overwrite, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        // Overwrite is the platform's fail-if-exists flag: True keeps an existing target.
        const BOOL failIfExists = IsTrue(Overwrite, VARIANT_FALSE);
        *Result = ToVariantBool(
            CopyFileW(TrimBlanks(TextOf(Source)).c_str(), TrimBlanks(TextOf(Target)).c_str(), failIfExists));
    });
}

STDMETHODIMP KxDisk::FileMove(BSTR* Source, BSTR* Target, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        *Result = ToVariantBool(MoveFileW(TrimBlanks(TextOf(Source)).c_str(), TrimBlanks(TextOf(Target)).c_str()));
    });
}

STDMETHODIMP KxDisk::FileOperation(BSTR* Source, BSTR* Target, kxFileOperation* FileOper, kxFileOperationFlag* Flag,
                                   VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        const std::wstring from = ShellFileList(TextOf(Source));
        if (from.empty()) {  // nothing named: the shell must not guess a source
            *Result = VARIANT_FALSE;
            return;
        }
        std::wstring to = TextOf(Target);
        to.push_back(L'\0');  // c_str() adds the second NUL
        SHFILEOPSTRUCTW operation = {};
        operation.wFunc = FileOper ? static_cast<UINT>(*FileOper) : 0;
        operation.pFrom = from.c_str();
        operation.pTo = to.c_str();
        operation.fFlags = Flag ? static_cast<FILEOP_FLAGS>(*Flag) : kDefaultFileOperationFlags;
        const int failure = SHFileOperationW(&operation);
        if (operation.hNameMappings) SHFreeNameMappings(operation.hNameMappings);
        *Result = ToVariantBool(failure == 0 && !operation.fAnyOperationsAborted);
    });
}

STDMETHODIMP KxDisk::ChangeCurDir(BSTR Path) {
    return Guard(kSource, [&] {
        const std::wstring path = TrimBlanks(FromBstr(Path));
        if (path.size() >= 2 && path[1] == L':' && !SetCurrentDirectoryW(path.substr(0, 2).c_str()))
            throw Error(kErrDeviceUnavailable);
        if (!SetCurrentDirectoryW(path.c_str())) throw Error(kErrPathNotFound);
    });
}

}  // namespace kx
