#pragma once
#include <string>

// Opens a text file in the system's text editor: the command line "notepad.exe " and the path, started in a
// normal, focused window without waiting for it. When KX_RECORD_SYSTEM_ACTIONS names a file, the command line
// is appended to it instead and nothing is started (tests).
namespace zarvanta {

// False when the editor could not be started.
bool OpenInTextEditor(const std::wstring& filePath);

}  // namespace zarvanta
