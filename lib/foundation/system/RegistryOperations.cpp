#include "RegistryOperations.h"

#include "RegistryKey.h"
#include "Text.h"

namespace kx::registry {
namespace {
// Frees its string when the write is done or has thrown.
class TextVariant {
public:
    explicit TextVariant(const std::wstring& text) {
        VariantInit(&value_);
        value_.bstrVal = ToBstr(text);
        value_.vt = VT_BSTR;
    }
    ~TextVariant() { VariantClear(&value_); }
    TextVariant(const TextVariant&) = delete;
    TextVariant& operator=(const TextVariant&) = delete;
    const VARIANT& get() const { return value_; }

private:
    VARIANT value_;
};
}  // namespace

bool KeyExists(HKEY root, const std::wstring& path) { return RegistryKey::Open(root, path).IsOpen(); }

bool CreateKey(HKEY root, const std::wstring& path) { return RegistryKey::Create(root, path).IsOpen(); }

bool DeleteValue(HKEY root, const std::wstring& path, const std::wstring& name) {
    const RegistryKey key = RegistryKey::Open(root, path);
    return key.IsOpen() && key.DeleteValue(name);
}

bool DeleteKey(HKEY root, const std::wstring& path, const std::wstring& keyName) {
    if (path.empty() && keyName.empty()) return false;  // would name the root key itself
    const RegistryKey key = RegistryKey::Open(root, path);
    return key.IsOpen() && key.DeleteSubKey(keyName);
}

RegistryData QueryValue(HKEY root, const std::wstring& path, const std::wstring& name) {
    const RegistryKey key = RegistryKey::Open(root, path);
    const auto info = key.Info(name);
    if (!info) return std::wstring();
    const auto size = BytesToRead(info->type, info->size);
    if (!size) return std::wstring();
    const auto bytes = key.Read(name, *size);
    if (!bytes) return std::wstring();
    return DecodeValue(info->type, *bytes);
}

DWORD ValueType(HKEY root, const std::wstring& path, const std::wstring& name) {
    const auto info = RegistryKey::Open(root, path).Info(name);
    return info ? info->type : REG_NONE;
}

void WriteValue(HKEY root, const std::wstring& path, const std::wstring& name, const VARIANT& data, long type) {
    const RegistryKey key = RegistryKey::Create(root, path);
    const EncodedValue value = EncodeValue(data, type);
    key.Write(name, value.type, value.bytes);
}

void WriteText(HKEY root, const std::wstring& path, const std::wstring& name, const std::wstring& text) {
    const TextVariant data(text);
    WriteValue(root, path, name, data.get(), kAutomaticType);
}

void WriteBytes(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::string& bytes) {
    RegistryKey::Create(root, path).Write(name, type, bytes);
}

std::optional<std::wstring> SubKeyAt(HKEY root, const std::wstring& path, DWORD index) {
    return RegistryKey::Open(root, path).SubKeyName(index);
}

std::optional<std::wstring> ValueNameAt(HKEY root, const std::wstring& path, DWORD index) {
    return RegistryKey::Open(root, path).ValueName(index);
}

}  // namespace kx::registry
