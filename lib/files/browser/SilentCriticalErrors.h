#pragma once
#include <windows.h>

// While it lives, the system shows no critical-error box (a drive without a medium) for this thread's
// file calls; they fail instead.
namespace kx {

class SilentCriticalErrors {
public:
    SilentCriticalErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
    ~SilentCriticalErrors() { SetThreadErrorMode(previous_, nullptr); }
    SilentCriticalErrors(const SilentCriticalErrors&) = delete;
    SilentCriticalErrors& operator=(const SilentCriticalErrors&) = delete;

private:
    DWORD previous_ = 0;
};

}  // namespace kx
