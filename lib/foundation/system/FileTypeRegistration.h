#pragma once
#include <string>

// Registration of a file type with its icon and shell command, written twice: below
// HKEY_CLASSES_ROOT and below HKEY_LOCAL_MACHINE\Software\CLASSES. The file type is lower-cased
// in place as soon as it is accepted.
namespace kx::registry {

// 0 when written; -1 for a missing description, type or icon path or an icon file that does not
// exist; else the number of the error that stopped the writing (what was written stays).
long RegisterFileType(std::wstring& fileType, const std::wstring& description, const std::wstring& iconPath,
                      const std::wstring& shellApp, const std::wstring& verb);

// Whether both copies name this icon and, when shellApp is given, this command; never fails.
bool FileTypeRegistered(std::wstring& fileType, const std::wstring& iconPath, const std::wstring& shellApp,
                        const std::wstring& verb);

// Deletes the extension and class keys as far as keys without subkeys can go: 0, or -1 for an
// empty file type, or the number of an error raised on the way.
long DeleteFileType(std::wstring& fileType);

}  // namespace kx::registry
