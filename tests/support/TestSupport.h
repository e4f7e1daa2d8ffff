#pragma once
#include <windows.h>
#include <oleauto.h>
#include <shellapi.h>

#include <string>

// Paths and scratch folders for tests that run under Wine.
namespace kxtest {

// A Unix path given by the build (environment) as a path this Windows process can open.
inline std::wstring WindowsPathOf(const std::wstring& unixPath) {
    std::wstring path = L"Z:" + unixPath;
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

inline std::wstring EnvironmentPath(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    GetEnvironmentVariableW(name, value, MAX_PATH);
    return value[0] == L'/' ? WindowsPathOf(value) : std::wstring(value);
}

// The helper program: "exit N", "sleep MS N", "idle".
inline std::wstring HelperPath() { return EnvironmentPath(L"KX_HELPER"); }

// The text of a BSTR a call handed over, which is freed.
inline std::wstring TakeBstr(BSTR text) {
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return result;
}

// A file in the folder of the running test program.
inline std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// A fresh folder under the temporary folder, removed with its files when the object goes.
class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"kxtest" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                std::to_wstring(counter_++);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveTree(L"\\\\?\\" + path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    // Removes a folder and everything below it, however deep (the shell's delete mishandles
    // paths longer than MAX_PATH).
    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + L"\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(path);
                } else {
                    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(path.c_str());
                }
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring path_;
    static inline int counter_ = 0;
};

}  // namespace kxtest
