#include "ProcessWait.h"

#include "ClassicRuntime.h"

namespace kx {

ProcessWaitMode ChooseProcessWait(bool waitForCompletion, bool locked) {
    if (!waitForCompletion) return ProcessWaitMode::None;
    return locked ? ProcessWaitMode::Blocking : ProcessWaitMode::Responsive;
}

namespace {
DWORD WaitHandlingMessages(HANDLE process) {
    for (;;) {
        const DWORD status = WaitForSingleObject(process, 0);
        if (status != WAIT_TIMEOUT) return status;
        DoEvents();
        // Sleep until the process ends or a message comes, rather than polling at full speed.
        MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
    }
}
}  // namespace

DWORD WaitForProcess(HANDLE process, ProcessWaitMode mode) {
    switch (mode) {
        case ProcessWaitMode::Blocking: return WaitForSingleObject(process, INFINITE);
        case ProcessWaitMode::Responsive: return WaitHandlingMessages(process);
        case ProcessWaitMode::None: break;
    }
    return WAIT_TIMEOUT;
}

}  // namespace kx
