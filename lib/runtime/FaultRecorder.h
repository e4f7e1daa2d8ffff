#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// Records the hardware faults of the project's own code, whether or not something later swallows them: the
// system's message dispatch discards a fault inside a window procedure without a sign. A vectored handler,
// first in line, sees every exception and keeps those that are an access violation, an illegal or privileged
// instruction, a stack overflow or an integer division fault whose faulting instruction lies in the module that
// holds the recorder or in Korvix32.dll. C++ exceptions and the faults that the system's own libraries raise
// and handle inside themselves (parameter probing) are not recorded. The recorder only records: every exception
// goes on to the usual handlers.
namespace kx {

struct FaultRecord {
    DWORD code = 0;
    DWORD thread = 0;
    ULONG_PTR offset = 0;     // of the faulting instruction in its module
    ULONG_PTR accessed = 0;   // an access violation's address
    ULONG_PTR access = 0;     // an access violation's kind: 0 read, 1 write, 8 execute
    wchar_t module[64] = {};  // the module's file name
};

// Installs the process's recorder; true when this call installed it. One recorder per process: once any module
// has installed one, later calls (from the same or another module) install nothing. When KX_FAULT_LOG names a
// file at that time, each fault is also appended to it as a line (FaultLogLine), for a program started by tests.
bool InstallFaultRecorder();
// The same for the library in a host that has no recorder of its own (a script host that tests run): installed
// only when KX_FAULT_LOG names a file, since then the faults have somewhere to go.
bool InstallFaultRecorderForLog();
// Removes the recorder this module installed; before the module unloads.
void RemoveFaultRecorder();

// The faults recorded since installation, oldest first (the first ones are kept when there are very many).
size_t RecordedFaultCount();
FaultRecord RecordedFault(size_t index);

// "access violation (C0000005) writing 0x0 at Korvix32.dll+0x1a2b, thread 12".
std::wstring DescribeFault(const FaultRecord& fault);

}  // namespace kx
