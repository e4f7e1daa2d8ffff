#include "FaultRecorder.h"

#include "ModuleState.h"

namespace kx {
namespace {

constexpr wchar_t kLibraryFile[] = L"Korvix32.dll";
constexpr wchar_t kRecorderAtom[] = L"KxFaultRecorder";  // the local atom table is the process's own
constexpr LONG kCapacity = 1024;

struct CodeName {
    DWORD code;
    const wchar_t* name;
};

constexpr CodeName kRecordedCodes[] = {
    {EXCEPTION_ACCESS_VIOLATION, L"access violation"},
    {EXCEPTION_ILLEGAL_INSTRUCTION, L"illegal instruction"},
    {EXCEPTION_PRIV_INSTRUCTION, L"privileged instruction"},
    {EXCEPTION_STACK_OVERFLOW, L"stack overflow"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO, L"integer division by zero"},
    {EXCEPTION_INT_OVERFLOW, L"integer overflow"},
};

// Everything the handler touches is static: nothing is allocated while a fault is being handled.
PVOID g_handler = nullptr;
ATOM g_atom = 0;
HMODULE g_home = nullptr;
wchar_t g_logPath[MAX_PATH] = {};
wchar_t g_program[64] = {};
FaultRecord g_faults[kCapacity];
volatile LONG g_claimed = 0;
volatile LONG g_published[kCapacity] = {};

const wchar_t* NameOfCode(DWORD code) {
    for (const CodeName& entry : kRecordedCodes)
        if (entry.code == code) return entry.name;
    return nullptr;
}

// A line built in a fixed buffer, cut short when it is full.
class Line {
public:
    Line(wchar_t* buffer, size_t size) : buffer_(buffer), size_(size) { buffer_[0] = 0; }
    Line& operator<<(const wchar_t* text) {
        while (*text && used_ + 1 < size_) buffer_[used_++] = *text++;
        buffer_[used_] = 0;
        return *this;
    }
    Line& Hex(ULONG_PTR value, int minimumDigits = 1) { return Number(value, 16, minimumDigits); }
    Line& Decimal(DWORD value) { return Number(value, 10, 1); }
    size_t Length() const { return used_; }

private:
    Line& Number(ULONG_PTR value, unsigned base, int minimumDigits) {
        wchar_t text[24] = {};
        int count = 0;
        do {
            text[count++] = L"0123456789abcdef"[value % base];
            value /= base;
        } while (value || count < minimumDigits);
        for (int i = 0, j = count - 1; i < j; ++i, --j) {
            const wchar_t digit = text[i];
            text[i] = text[j];
            text[j] = digit;
        }
        return *this << text;
    }

    wchar_t* buffer_;
    size_t size_;
    size_t used_ = 0;
};

void WriteDescription(Line& line, const FaultRecord& fault) {
    const wchar_t* name = NameOfCode(fault.code);
    line << (name ? name : L"fault") << L" (";
    line.Hex(fault.code, 8) << L")";
    if (fault.code == EXCEPTION_ACCESS_VIOLATION) {
        line << (fault.access == EXCEPTION_WRITE_FAULT     ? L" writing 0x"
                 : fault.access == EXCEPTION_EXECUTE_FAULT ? L" executing 0x"
                                                           : L" reading 0x");
        line.Hex(fault.accessed);
    }
    line << L" at " << fault.module << L"+0x";
    line.Hex(fault.offset) << L", thread ";
    line.Decimal(fault.thread);
}

const wchar_t* FileNameOf(const wchar_t* path) {
    const wchar_t* name = path;
    for (const wchar_t* c = path; *c; ++c)
        if (*c == L'\\' || *c == L'/') name = c + 1;
    return name;
}

template <size_t N>
void CopyText(wchar_t (&to)[N], const wchar_t* from) {
    Line(to, N) << from;
}

// The module that holds the address, when it is ours: the recorder's own or the library.
bool LocateInOwnCode(ULONG_PTR address, FaultRecord& fault) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(address), &module))
        return false;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    const wchar_t* file = FileNameOf(path);
    if (module != g_home && CompareStringOrdinal(file, -1, kLibraryFile, -1, TRUE) != CSTR_EQUAL) return false;
    CopyText(fault.module, file);
    fault.offset = address - reinterpret_cast<ULONG_PTR>(module);
    return true;
}

void Keep(const FaultRecord& fault) {
    const LONG slot = InterlockedIncrement(&g_claimed) - 1;
    if (slot >= kCapacity) return;
    g_faults[slot] = fault;
    InterlockedExchange(&g_published[slot], 1);
}

void AppendToLog(const FaultRecord& fault) {
    if (!g_logPath[0]) return;
    wchar_t text[512];
    Line line(text, sizeof(text) / sizeof(text[0]));
    line << L"fault in " << g_program << L" (process ";
    line.Decimal(GetCurrentProcessId()) << L"): ";
    WriteDescription(line, fault);
    line << L"\r\n";
    char bytes[1024];
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(line.Length()), bytes, sizeof(bytes),
                                         nullptr, nullptr);
    HANDLE file = CreateFileW(g_logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

LONG CALLBACK RecordFault(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (!NameOfCode(record.ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
    FaultRecord fault;
    fault.code = record.ExceptionCode;
    fault.thread = GetCurrentThreadId();
    if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
        fault.access = record.ExceptionInformation[0];
        fault.accessed = record.ExceptionInformation[1];
    }
    if (!LocateInOwnCode(reinterpret_cast<ULONG_PTR>(record.ExceptionAddress), fault))
        return EXCEPTION_CONTINUE_SEARCH;
    Keep(fault);
    AppendToLog(fault);
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

bool InstallFaultRecorder() {
    if (g_handler || FindAtomW(kRecorderAtom)) return false;
    g_atom = AddAtomW(kRecorderAtom);
    g_home = ModuleHandle();
    const DWORD length = GetEnvironmentVariableW(L"KX_FAULT_LOG", g_logPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) g_logPath[0] = 0;
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    CopyText(g_program, FileNameOf(program));
    g_handler = AddVectoredExceptionHandler(1, &RecordFault);
    return g_handler != nullptr;
}

bool InstallFaultRecorderForLog() {
    return GetEnvironmentVariableW(L"KX_FAULT_LOG", nullptr, 0) > 0 && InstallFaultRecorder();
}

void RemoveFaultRecorder() {
    if (!g_handler) return;
    RemoveVectoredExceptionHandler(g_handler);
    g_handler = nullptr;
    DeleteAtom(g_atom);
    g_atom = 0;
}

size_t RecordedFaultCount() {
    const LONG claimed = g_claimed;
    return static_cast<size_t>(claimed < kCapacity ? claimed : kCapacity);
}

// A slot is read once its writer has published it (a few instructions after claiming it).
FaultRecord RecordedFault(size_t index) {
    if (index >= RecordedFaultCount()) return {};
    for (int wait = 0; wait < 1000 && !g_published[index]; ++wait) Sleep(0);
    return g_faults[index];
}

std::wstring DescribeFault(const FaultRecord& fault) {
    wchar_t text[512];
    Line line(text, sizeof(text) / sizeof(text[0]));
    WriteDescription(line, fault);
    return text;
}

}  // namespace kx
