#include "FaultWatch.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace kxtest {
namespace {

std::string Utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

// The fault log of the programs this one starts (they inherit KX_FAULT_LOG), read on from where the last look
// ended. This program's own faults, recorded in memory, do not go to it.
class ProgramsFaultLog {
public:
    ProgramsFaultLog() {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        path_ = std::wstring(folder) + L"kxfaults" + std::to_wstring(GetCurrentProcessId()) + L".log";
        DeleteFileW(path_.c_str());
        SetEnvironmentVariableW(L"KX_FAULT_LOG", path_.c_str());
    }
    ~ProgramsFaultLog() { DeleteFileW(path_.c_str()); }
    ProgramsFaultLog(const ProgramsFaultLog&) = delete;
    ProgramsFaultLog& operator=(const ProgramsFaultLog&) = delete;

    // The lines written since the last look; a line still being written waits for the next.
    std::vector<std::string> NewLines() {
        std::vector<std::string> lines;
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return lines;
        LARGE_INTEGER at;
        at.QuadPart = read_;
        std::string text;
        char buffer[4096];
        DWORD got = 0;
        if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN))
            while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
        CloseHandle(file);
        for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            read_ += static_cast<LONGLONG>(end + 1 - start);
        }
        return lines;
    }

private:
    std::wstring path_;
    LONGLONG read_ = 0;
};

ProgramsFaultLog* g_programsLog = nullptr;
size_t g_looked = 0;                                // this process's faults up to here have been looked at
std::vector<std::pair<size_t, size_t>> g_expected;  // ranges of them that tests caused on purpose

bool Expected(size_t index) {
    for (const auto& [first, end] : g_expected)
        if (index >= first && index < end) return true;
    return false;
}

// Every fault recorded since the last look, in this process and in the programs it started.
std::vector<std::string> NewFaults() {
    std::vector<std::string> faults;
    for (const size_t count = kx::RecordedFaultCount(); g_looked < count; ++g_looked)
        if (!Expected(g_looked)) faults.push_back("fault: " + Utf8(kx::DescribeFault(kx::RecordedFault(g_looked))));
    if (g_programsLog)
        for (std::string& line : g_programsLog->NewLines()) faults.push_back(std::move(line));
    return faults;
}

// Fails the test that has just run with the faults recorded while it ran.
class FaultListener : public testing::EmptyTestEventListener {
public:
    void OnTestEnd(const testing::TestInfo&) override {
        for (const std::string& fault : NewFaults()) ADD_FAILURE() << fault;
    }
};

}  // namespace

int RunTestsWatchingFaults() {
    kx::InstallFaultRecorder();
    ProgramsFaultLog programsLog;
    g_programsLog = &programsLog;
    testing::UnitTest::GetInstance()->listeners().Append(new FaultListener);
    const int result = RUN_ALL_TESTS();
    const std::vector<std::string> outside = NewFaults();
    for (const std::string& fault : outside) std::fprintf(stderr, "%s (outside any test)\n", fault.c_str());
    g_programsLog = nullptr;
    return outside.empty() ? result : 1;
}

ExpectedFaults::ExpectedFaults() : first_(kx::RecordedFaultCount()) {}

ExpectedFaults::~ExpectedFaults() { g_expected.emplace_back(first_, kx::RecordedFaultCount()); }

std::vector<kx::FaultRecord> ExpectedFaults::Faults() const {
    std::vector<kx::FaultRecord> faults;
    for (size_t i = first_; i < kx::RecordedFaultCount(); ++i) faults.push_back(kx::RecordedFault(i));
    return faults;
}

}  // namespace kxtest
