#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The entries of one folder as the browser lists them: an entry with the hidden or the system attribute
// comes only when each such attribute is asked for. A folder that cannot be read gives no entries, and
// no system dialog (a drive without a medium) appears.
namespace kx {

struct FolderEntry {
    std::wstring name;
    DWORD attributes = 0;
};

std::vector<FolderEntry> ReadFolder(const std::wstring& folder, bool hidden, bool system);

}  // namespace kx
