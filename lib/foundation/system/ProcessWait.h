#pragma once
#include <windows.h>

// Waiting for a started process on the caller's thread.
namespace kx {

enum class ProcessWaitMode {
    None,        // return at once
    Blocking,    // no window message is handled until the process ends
    Responsive,  // the thread's messages are handled while the process runs
};

// Locked picks the blocking wait; waiting at all is asked for by waitForCompletion.
ProcessWaitMode ChooseProcessWait(bool waitForCompletion, bool locked);

// Waits as the mode says and gives the last wait's result: WAIT_OBJECT_0 once the process ended,
// WAIT_FAILED for no process at all. Mode None does not wait and gives WAIT_TIMEOUT.
DWORD WaitForProcess(HANDLE process, ProcessWaitMode mode);

}  // namespace kx
