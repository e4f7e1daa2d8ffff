#pragma once
#include <windows.h>

#include <string>

// Copies of registry keys and values for the registry class. Values travel as their stored bytes
// with their type, names and paths in UTF-16, so nothing is re-encoded on the way.
namespace kx::registry {

// Copies the key with every value (the unnamed default value too) and, when asked, its subkeys.
// False, with nothing written, when the target exists, the source is missing or the target lies
// inside the source; False when a level fails, leaving what was copied so far.
bool CopyKeyTree(HKEY sourceRoot, std::wstring sourcePath, HKEY targetRoot, std::wstring targetPath, bool withSubKeys);

// Copies one value under a new name; the target key is created when missing. False, with
// nothing written, when the source key or value is missing.
bool CopyOneValue(HKEY sourceRoot, std::wstring sourcePath, const std::wstring& sourceName, HKEY targetRoot,
                  std::wstring targetPath, const std::wstring& targetName);

}  // namespace kx::registry
