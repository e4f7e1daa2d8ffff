#pragma once
#include <string>

// Machine-changing platform calls (formatting a drive, emptying the recycle bin, the CD door,
// shut-down) pass through here. When the environment variable KX_RECORD_SYSTEM_ACTIONS names a
// file, each such call is appended to it as one line and not carried out, so tests can check
// what would have happened without changing the machine.
namespace kx {

// True when the action was recorded instead of run; the caller then skips the real call.
bool RecordSystemAction(const std::wstring& line);

}  // namespace kx
