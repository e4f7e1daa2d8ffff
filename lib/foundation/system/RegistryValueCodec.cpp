#include "RegistryValueCodec.h"

#include <cstdint>

#include "ClassicRuntime.h"
#include "Text.h"

namespace kx {
namespace {
std::string LittleEndian(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

long FromLittleEndian(const std::string& bytes) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < bytes.size() && i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return static_cast<long>(static_cast<std::int32_t>(value));
}

bool IsTextType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_BINARY || type == REG_LINK || type == REG_MULTI_SZ;
}

bool IsDwordType(DWORD type) { return type == REG_DWORD || type == REG_DWORD_BIG_ENDIAN; }
}  // namespace

EncodedValue EncodeValue(const VARIANT& data, long requestedType) {
    EncodedValue value;
    const long type = requestedType == kAutomaticType ? (IsNumeric(data) ? REG_DWORD : REG_SZ) : requestedType;
    value.type = static_cast<DWORD>(type);
    if (type == REG_SZ) {
        value.bytes = ToAnsi(TrimBlanks(ToText(data)));
        value.bytes.push_back('\0');
    } else if (type == REG_DWORD) {
        value.bytes = LittleEndian(static_cast<std::uint32_t>(ToLong(data)));
    } else {
        value.bytes = ToAnsi(ToText(data));
    }
    return value;
}

std::optional<DWORD> BytesToRead(DWORD type, DWORD storedSize) {
    if (IsTextType(type)) return storedSize;
    if (IsDwordType(type)) return 4;
    return std::nullopt;
}

RegistryData DecodeValue(DWORD type, const std::string& bytes) {
    if (IsDwordType(type)) return FromLittleEndian(bytes);
    if (type == REG_SZ) return FromAnsi(bytes.substr(0, bytes.find('\0')));
    if (IsTextType(type)) return FromAnsi(bytes);
    return std::wstring();
}

std::wstring TextOf(const RegistryData& data) {
    if (const long* number = std::get_if<long>(&data)) return std::to_wstring(*number);
    return std::get<std::wstring>(data);
}

void StoreData(VARIANT* target, const RegistryData& data) {
    if (!target) return;
    VariantInit(target);
    if (const long* number = std::get_if<long>(&data)) {
        target->vt = VT_I4;
        target->lVal = *number;
        return;
    }
    target->bstrVal = ToBstr(std::get<std::wstring>(data));
    target->vt = VT_BSTR;
}

}  // namespace kx
