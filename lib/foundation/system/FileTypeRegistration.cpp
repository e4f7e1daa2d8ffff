#include "FileTypeRegistration.h"

#include <windows.h>

#include <new>

#include "ErrorInfo.h"
#include "RegistryOperations.h"
#include "Text.h"

namespace kx::registry {
namespace {
constexpr long kRejected = -1;

struct ClassesRoot {
    HKEY root;
    const wchar_t* prefix;
};

const ClassesRoot kClassesRoots[] = {
    {HKEY_CLASSES_ROOT, L""},
    {HKEY_LOCAL_MACHINE, L"Software\\CLASSES\\"},
};

std::wstring ClassName(const std::wstring& fileType) { return fileType + L"file"; }

std::wstring CommandPath(const std::wstring& fileType, const std::wstring& verb) {
    return ClassName(fileType) + L"\\Shell\\" + verb + L"\\command";
}

// A directory listing with normal attributes: the first plain file that matches (wildcards allowed).
bool NormalFileExists(const std::wstring& path) {
    std::wstring pattern = path;
    if (!pattern.empty() && (pattern.back() == L'\\' || pattern.back() == L'/')) pattern += L'*';
    WIN32_FIND_DATAA found = {};
    const HANDLE search = FindFirstFileA(ToAnsi(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_INVALID_NAME || error == ERROR_BAD_PATHNAME || error == ERROR_NOT_READY)
            throw Error(kErrBadFileName);
        return false;
    }
    constexpr DWORD kNotNormal = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    bool exists = false;
    do {
        exists = (found.dwFileAttributes & kNotNormal) == 0;
    } while (!exists && FindNextFileA(search, &found));
    FindClose(search);
    return exists;
}

void WriteClassKeys(const ClassesRoot& at, const std::wstring& fileType, const std::wstring& description,
                    const std::wstring& iconPath) {
    const std::wstring prefix = at.prefix;
    const std::wstring cls = prefix + ClassName(fileType);
    WriteText(at.root, prefix + L"." + fileType, L"", ClassName(fileType));
    WriteText(at.root, cls, L"", description);
    WriteBytes(at.root, cls, L"EditFlags", REG_BINARY, std::string(4, '\0'));
    WriteText(at.root, cls + L"\\DefaultIcon", L"", iconPath + L",0");
    CreateKey(at.root, cls + L"\\Shell");
}

void WriteCommand(const ClassesRoot& at, const std::wstring& fileType, const std::wstring& shellApp,
                  const std::wstring& verb) {
    const std::wstring prefix = at.prefix;
    CreateKey(at.root, prefix + ClassName(fileType) + L"\\Shell\\" + verb);
    WriteText(at.root, prefix + CommandPath(fileType, verb), L"", shellApp);
}

// Runs one step; an error it raises becomes its number.
template <class Step>
long ErrorNumberOfStep(Step&& step) {
    try {
        step();
        return 0;
    } catch (const Error& e) {
        return e.number;
    } catch (const std::bad_alloc&) {
        return kErrOutOfMemory;
    }
}

bool DefaultValueIs(const ClassesRoot& at, const std::wstring& path, const std::wstring& expected) {
    try {
        return TextOf(QueryValue(at.root, at.prefix + path, L"")) == expected;
    } catch (...) {
        return true;  // a comparison that fails to run is skipped
    }
}
}  // namespace

long RegisterFileType(std::wstring& fileType, const std::wstring& description, const std::wstring& iconPath,
                      const std::wstring& shellApp, const std::wstring& verb) {
    if (description.empty() || fileType.empty() || iconPath.empty()) return kRejected;
    bool iconExists = false;
    if (const long error = ErrorNumberOfStep([&] { iconExists = NormalFileExists(iconPath); })) return error;
    if (!iconExists) return kRejected;
    return ErrorNumberOfStep([&] {
        fileType = ToLowerText(fileType);
        for (const ClassesRoot& at : kClassesRoots) WriteClassKeys(at, fileType, description, iconPath);
        if (shellApp.empty()) return;
        for (const ClassesRoot& at : kClassesRoots) WriteCommand(at, fileType, shellApp, verb);
    });
}

bool FileTypeRegistered(std::wstring& fileType, const std::wstring& iconPath, const std::wstring& shellApp,
                        const std::wstring& verb) {
    fileType = ToLowerText(fileType);
    bool registered = true;
    for (const ClassesRoot& at : kClassesRoots)
        registered = DefaultValueIs(at, ClassName(fileType) + L"\\DefaultIcon", iconPath + L",0") && registered;
    if (shellApp.empty()) return registered;
    for (const ClassesRoot& at : kClassesRoots)
        registered = DefaultValueIs(at, CommandPath(fileType, verb), shellApp) && registered;
    return registered;
}

long DeleteFileType(std::wstring& fileType) {
    if (fileType.empty()) return kRejected;
    return ErrorNumberOfStep([&] {
        fileType = ToLowerText(fileType);
        const std::wstring extension = L"." + fileType;
        const std::wstring cls = TextOf(QueryValue(HKEY_CLASSES_ROOT, extension, L""));
        for (const ClassesRoot& at : kClassesRoots) {
            const std::wstring prefix = at.prefix;
            DeleteKey(at.root, prefix + extension, L"");
            if (!cls.empty()) DeleteKey(at.root, prefix + cls, L"");  // never the classes root itself
        }
    });
}

}  // namespace kx::registry
