#pragma once
#include <oaidl.h>
#include <windows.h>

#include <optional>
#include <string>

#include "RegistryValueCodec.h"

// The raw key and value operations of the registry class. Each opens what it needs below a root
// key, does its work and closes it again; failures show only in the results.
namespace kx::registry {

bool KeyExists(HKEY root, const std::wstring& path);
bool CreateKey(HKEY root, const std::wstring& path);
bool DeleteValue(HKEY root, const std::wstring& path, const std::wstring& name);
// Deletes the subkey keyName of path, or path itself when keyName is empty; never a root key,
// and never a key that still has subkeys.
bool DeleteKey(HKEY root, const std::wstring& path, const std::wstring& keyName);

// The stored value: a String, a Long for the DWORD types, an empty String when missing.
RegistryData QueryValue(HKEY root, const std::wstring& path, const std::wstring& name);
DWORD ValueType(HKEY root, const std::wstring& path, const std::wstring& name);  // REG_NONE when missing

// Creates the key when missing, then writes the value encoded for the type (kAutomaticType
// chooses); conversion errors are thrown after the key was created.
void WriteValue(HKEY root, const std::wstring& path, const std::wstring& name, const VARIANT& data, long type);
void WriteText(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text);
void WriteBytes(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::string& bytes);

std::optional<std::wstring> SubKeyAt(HKEY root, const std::wstring& path, DWORD index);
std::optional<std::wstring> ValueNameAt(HKEY root, const std::wstring& path, DWORD index);

}  // namespace kx::registry
