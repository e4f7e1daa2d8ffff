// The fault recorder and the test listener over it: a fault that the system's message dispatch swallows is
// recorded with its module and offset and fails the test that caused it, in this program or in one it started;
// the system's own probing faults and C++ exceptions are not recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "FaultWatch.h"
#include "PlantedFault.h"
#include "TestSupport.h"

namespace {

ULONG_PTR OffsetInThisProgram(const void* address) {
    return reinterpret_cast<ULONG_PTR>(address) - reinterpret_cast<ULONG_PTR>(GetModuleHandleW(nullptr));
}

std::wstring ThisProgramName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program = path;
    return program.substr(program.find_last_of(L'\\') + 1);
}

// Each kind of fault, made inside a window procedure where the system discards it, is recorded where it happened.
TEST(FaultRecorder, RecordsFaultsSwallowedInsideAWindowProcedure) {
    struct Case {
        kxtest::PlantedFault fault;
        DWORD code;
        const wchar_t* description;
    };
    const Case cases[] = {
        {kxtest::PlantedFault::NullWrite, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION),
         L"access violation (c0000005) writing 0x0 at "},
        {kxtest::PlantedFault::DivisionByZero, static_cast<DWORD>(EXCEPTION_INT_DIVIDE_BY_ZERO),
         L"integer division by zero (c0000094) at "},
        {kxtest::PlantedFault::IllegalInstruction, static_cast<DWORD>(EXCEPTION_ILLEGAL_INSTRUCTION),
         L"illegal instruction (c000001d) at "},
    };
    const ULONG_PTR procedure = OffsetInThisProgram(reinterpret_cast<const void*>(&kxtest::FaultingWindowProc));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.description);
        kxtest::ExpectedFaults expected;
        kxtest::MakeFaultingWindow(c.fault);
        const std::vector<kx::FaultRecord> faults = expected.Faults();
        ASSERT_EQ(faults.size(), 1u);
        const kx::FaultRecord& fault = faults[0];
        EXPECT_EQ(fault.code, c.code);
        EXPECT_EQ(fault.thread, GetCurrentThreadId());
        EXPECT_EQ(fault.module, ThisProgramName());
        EXPECT_GE(fault.offset, procedure);
        EXPECT_LT(fault.offset, procedure + 256) << "in the procedure's few instructions";
        const std::wstring text = kx::DescribeFault(fault);
        EXPECT_EQ(text.find(c.description + ThisProgramName() + L"+0x"), 0u) << text;
    }
}

// Exceptions that are not faults of our code: the system's libraries probing a pointer inside themselves, a
// C++ exception thrown and caught.
TEST(FaultRecorder, LeavesOutWhatIsNotAFaultOfOurCode) {
    struct Case {
        const char* name;
        void (*cause)();
    };
    const Case cases[] = {
        {"IsBadReadPtr", [] { EXPECT_TRUE(IsBadReadPtr(nullptr, 4)); }},
        {"IsBadWritePtr", [] { EXPECT_TRUE(IsBadWritePtr(reinterpret_cast<void*>(16), 4)); }},
        {"lstrlenW", [] { EXPECT_EQ(lstrlenW(reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(8))), 0); }},
        {"C++ exception", [] {
             try {
                 throw std::runtime_error("thrown");
             } catch (const std::exception&) {
             }
         }},
    };
    for (const Case& c : cases) {
        kxtest::ExpectedFaults expected;
        c.cause();
        EXPECT_TRUE(expected.Faults().empty()) << c.name;
    }
}

// --- the listener, seen from outside: this program run again with one of the tests below ---

struct ChildRun {
    DWORD exitCode = 0;
    std::string output;
    std::string faultLog;
};

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Runs this program with the one test; the child's own faults go to a fault log of its own.
ChildRun RunThisProgramWith(const std::wstring& test) {
    kxtest::ScratchFolder scratch;
    const std::wstring outputPath = scratch.File(L"output.txt"), logPath = scratch.File(L"faults.log");
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup = {sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(program) + L"\" --gtest_also_run_disabled_tests --gtest_filter=" + test;
    wchar_t ownLog[MAX_PATH] = {};
    GetEnvironmentVariableW(L"KX_FAULT_LOG", ownLog, MAX_PATH);
    SetEnvironmentVariableW(L"KX_FAULT_LOG", logPath.c_str());
    PROCESS_INFORMATION process = {};
    const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process) != FALSE;
    SetEnvironmentVariableW(L"KX_FAULT_LOG", ownLog);
    CloseHandle(output);
    ChildRun run;
    EXPECT_TRUE(started) << "the test program could not be started again";
    if (!started) return run;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 120000), WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.output = ReadFileBytes(outputPath);
    run.faultLog = ReadFileBytes(logPath);
    return run;
}

TEST(FaultListener, FailsATestDuringWhichAFaultWasRecordedAndPassesOneWithout) {
    struct Case {
        const wchar_t* test;
        DWORD exitCode;
        const char* failure;  // in the child's output; null: none
        const char* logged;   // in the child's fault log; null: nothing
    };
    const Case cases[] = {
        {L"FaultRecorderChild.DISABLED_FaultsInAWindowProcedure", 1, "access violation (c0000005) writing 0x0 at ",
         "access violation (c0000005) writing 0x0 at "},
        {L"FaultRecorderChild.DISABLED_StartsAHelperThatFaults", 1, "fault in kxhelper.exe (process ", nullptr},
        {L"FaultRecorderChild.DISABLED_RunsCleanly", 0, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.test);
        const ChildRun run = RunThisProgramWith(c.test);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.output;
        if (c.failure) {
            EXPECT_NE(run.output.find("[  FAILED  ] FaultRecorderChild."), std::string::npos) << run.output;
            EXPECT_NE(run.output.find(c.failure), std::string::npos) << run.output;
        } else {
            EXPECT_EQ(run.output.find("fault: "), std::string::npos) << run.output;
            EXPECT_EQ(run.output.find("fault in "), std::string::npos) << run.output;
        }
        if (c.logged) EXPECT_NE(run.faultLog.find(c.logged), std::string::npos) << run.faultLog;
        else EXPECT_EQ(run.faultLog, "");
    }
}

// Run only by the test above, each in a child process.
TEST(FaultRecorderChild, DISABLED_FaultsInAWindowProcedure) { kxtest::MakeFaultingWindow(); }

TEST(FaultRecorderChild, DISABLED_StartsAHelperThatFaults) {
    std::wstring command = L"\"" + kxtest::HelperPath() + L"\" fault";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 99;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u) << "the helper's fault was swallowed: it ends normally";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

TEST(FaultRecorderChild, DISABLED_RunsCleanly) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    EXPECT_NE(window, nullptr);
    EXPECT_TRUE(IsBadReadPtr(nullptr, 4));  // the system's probing fault is not ours
    DestroyWindow(window);
}

}  // namespace
