#pragma once
#include <string>

// Opens a browser location in the system's explorer ("Explorer.exe" with a normal window). Recorded
// instead when KX_RECORD_SYSTEM_ACTIONS names a file.
namespace kx {

void OpenInExplorer(const std::wstring& location);

}  // namespace kx
