#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "TestSupport.h"

// One control in kxhelper's "host" mode, a separate process: its log read back line by line, commands sent
// by WM_COPYDATA. The process is closed and its log removed when the object goes.
namespace kxtest {

class HostedControl {
public:
    HostedControl(const std::wstring& progId, const std::vector<std::wstring>& arguments,
                  const std::wstring& environment = L"") {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        log_ = std::wstring(folder) + L"kxhost" + std::to_wstring(GetCurrentProcessId()) + L"_" +
               std::to_wstring(counter_++) + L".log";
        DeleteFileW(log_.c_str());
        std::wstring command = L"\"" + HelperPath() + L"\" host " + progId + L" \"" + log_ + L"\"";
        for (const std::wstring& argument : arguments) command += L" " + Quoted(argument);
        STARTUPINFOW startup = {sizeof(startup)};
        if (!environment.empty()) SetEnvironmentVariableW(environment.substr(0, environment.find(L'=')).c_str(),
                                                          environment.substr(environment.find(L'=') + 1).c_str());
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &process_)) {
            AssignProcessToJobObject(HelperJob(), process_.hProcess);
            CloseHandle(process_.hThread);
            process_.hThread = nullptr;
        }
        if (!environment.empty())
            SetEnvironmentVariableW(environment.substr(0, environment.find(L'=')).c_str(), nullptr);
        if (WaitForLine(L"ready ", 30000)) {
            std::wstring ready;
            for (const std::wstring& line : Lines())  // the settings may log events before it
                if (ready.empty() && line.rfind(L"ready ", 0) == 0) ready = line;
            const size_t second = ready.find(L' ', 6);
            host_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::stoul(ready.substr(6))));
            control_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::stoul(ready.substr(second + 1))));
        }
    }
    ~HostedControl() {
        if (process_.hProcess) {
            if (IsWindow(host_)) PostMessageW(host_, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
        }
        DeleteFileW(log_.c_str());
    }
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;

    HWND host() const { return host_; }
    HWND control() const { return control_; }

    std::vector<std::wstring> Lines() const {
        std::vector<std::wstring> lines;
        HANDLE file = CreateFileW(log_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return lines;
        std::string bytes;
        char chunk[4096];
        DWORD read = 0;
        while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) bytes.append(chunk, read);
        CloseHandle(file);
        std::wstring text(bytes.size(), L'\0');
        text.resize(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                        static_cast<int>(text.size())));
        size_t start = 0, end;
        while ((end = text.find(L"\r\n", start)) != std::wstring::npos) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    // Lines from index on, as one text with "\n" after each.
    std::wstring LinesFrom(size_t index) const {
        const std::vector<std::wstring> lines = Lines();
        std::wstring text;
        for (size_t i = index; i < lines.size(); ++i) text += lines[i] + L"\n";
        return text;
    }

    // Waits until a line beginning with start is logged after the first `after` lines.
    bool WaitForLine(const std::wstring& start, DWORD milliseconds, size_t after = 0) const {
        const DWORD end = GetTickCount() + milliseconds;
        do {
            const std::vector<std::wstring> lines = Lines();
            for (size_t i = after; i < lines.size(); ++i)
                if (lines[i].rfind(start, 0) == 0) return true;
            Sleep(20);
        } while (static_cast<LONG>(GetTickCount() - end) < 0);
        return false;
    }

    void Command(const std::wstring& text) const {
        COPYDATASTRUCT data = {0, static_cast<DWORD>(text.size() * sizeof(wchar_t)), const_cast<wchar_t*>(text.c_str())};
        SendMessageW(host_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    }

    // A property read through the host; "?" when it does not answer.
    std::wstring Get(const std::wstring& name) const {
        const size_t before = Lines().size();
        Command(L"get " + name);
        const std::wstring prefix = L"  " + name + L"=";
        if (!WaitForLine(prefix, 5000, before)) return L"?";
        const std::vector<std::wstring> lines = Lines();
        for (size_t i = before; i < lines.size(); ++i)
            if (lines[i].rfind(prefix, 0) == 0) return lines[i].substr(prefix.size());
        return L"?";
    }

    void Set(const std::wstring& name, const std::wstring& value) const { Command(L"set " + name + L"=" + value); }

    // A command that may run long (the control yields meanwhile): sent, but not waited for past a moment.
    void CommandWithoutWaiting(const std::wstring& text) const {
        COPYDATASTRUCT data = {0, static_cast<DWORD>(text.size() * sizeof(wchar_t)), const_cast<wchar_t*>(text.c_str())};
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(host_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 300, &answer);
    }

    // A list view item's rectangle in its client coordinates, asked through memory of the host process.
    RECT ItemRect(HWND list, int index) const {
        RECT rect = {LVIR_BOUNDS, 0, 0, 0};
        void* remote = VirtualAllocEx(process_.hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
        if (!remote) return {};
        SIZE_T moved = 0;
        WriteProcessMemory(process_.hProcess, remote, &rect, sizeof(rect), &moved);
        SendMessageW(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process_.hProcess, remote, &rect, sizeof(rect), &moved);
        VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
        return rect;
    }

    // Closes the host window and waits for the process; true when it ended by itself.
    bool Close() {
        if (IsWindow(host_)) PostMessageW(host_, WM_CLOSE, 0, 0);
        return process_.hProcess && WaitForSingleObject(process_.hProcess, 15000) == WAIT_OBJECT_0;
    }

private:
    // Every helper joins one job that ends them all with this process, so a failing test leaves none
    // behind holding the test runner's output open.
    static HANDLE HelperJob() {
        static const HANDLE job = [] {
            const HANDLE made = CreateJobObjectW(nullptr, nullptr);
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
            limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            if (made) SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
            return made;
        }();
        return job;
    }

    // An argument as CommandLineToArgvW reads it back: backslashes before the closing quote doubled.
    static std::wstring Quoted(const std::wstring& argument) {
        const size_t last = argument.find_last_not_of(L'\\');
        const size_t trailing = argument.size() - (last == std::wstring::npos ? 0 : last + 1);
        return L"\"" + argument + std::wstring(trailing, L'\\') + L"\"";
    }

    std::wstring log_;
    PROCESS_INFORMATION process_ = {};
    HWND host_ = nullptr;
    HWND control_ = nullptr;
    static inline int counter_ = 0;
};

}  // namespace kxtest
