#pragma once
#include <oaidl.h>
#include <windows.h>

#include <optional>
#include <string>
#include <variant>

// How the registry class turns automation data into stored bytes and stored bytes back into a
// result: text in the system ANSI code page, numbers as 32-bit little-endian integers.
namespace kx {

// A value as the class hands it out: a String or a Long.
using RegistryData = std::variant<std::wstring, long>;

constexpr long kAutomaticType = -1;  // REG_DWORD for numeric data, else REG_SZ

struct EncodedValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

// Throws Error 13 or 6 when a REG_DWORD's data is not a 32-bit integer (halves round to even).
EncodedValue EncodeValue(const VARIANT& data, long requestedType);

// How many bytes to read for a stored value of this type and size; none for the types that
// read as an empty text.
std::optional<DWORD> BytesToRead(DWORD type, DWORD storedSize);
RegistryData DecodeValue(DWORD type, const std::string& bytes);

std::wstring TextOf(const RegistryData& data);              // a Long in decimal
void StoreData(VARIANT* target, const RegistryData& data);  // target is treated as uninitialised

}  // namespace kx
