#include "RegistryKey.h"

#include "Text.h"

namespace kx {
namespace {
constexpr DWORD kNameBufferSize = 1024;

std::optional<std::wstring> NameUpToNul(const char* buffer, LONG status) {
    if (status != ERROR_SUCCESS) return std::nullopt;
    return FromAnsi(buffer);
}
}  // namespace

RegistryKey RegistryKey::Open(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyA(root, ToAnsi(path).c_str(), &key) != ERROR_SUCCESS) key = nullptr;
    return RegistryKey(key, key != root);
}

RegistryKey RegistryKey::Create(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyA(root, ToAnsi(path).c_str(), &key) != ERROR_SUCCESS) key = nullptr;
    return RegistryKey(key, key != root);
}

RegistryKey RegistryKey::OpenToQuery(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, ToAnsi(path).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) key = nullptr;
    return RegistryKey(key, key != root);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(other.key_), owned_(other.owned_) {
    other.key_ = nullptr;
}

RegistryKey::~RegistryKey() {
    if (key_ && owned_) RegCloseKey(key_);
}

std::optional<RegistryValueInfo> RegistryKey::Info(const std::wstring& name) const {
    RegistryValueInfo info;
    if (!key_ ||
        RegQueryValueExA(key_, ToAnsi(name).c_str(), nullptr, &info.type, nullptr, &info.size) != ERROR_SUCCESS)
        return std::nullopt;
    return info;
}

std::optional<std::string> RegistryKey::Read(const std::wstring& name, DWORD size) const {
    std::string bytes(size, '\0');
    DWORD got = size;
    DWORD type = 0;
    BYTE none = 0;  // a zero-size read still needs somewhere to point
    BYTE* target = size ? reinterpret_cast<BYTE*>(bytes.data()) : &none;
    if (!key_ || RegQueryValueExA(key_, ToAnsi(name).c_str(), nullptr, &type, target, &got) != ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(got < size ? got : size);
    return bytes;
}

bool RegistryKey::Write(const std::wstring& name, DWORD type, const std::string& bytes) const {
    static const BYTE kNothing = 0;
    const BYTE* data = bytes.empty() ? &kNothing : reinterpret_cast<const BYTE*>(bytes.data());
    return key_ &&
           RegSetValueExA(key_, ToAnsi(name).c_str(), 0, type, data, static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const std::wstring& name) const {
    return key_ && RegDeleteValueA(key_, ToAnsi(name).c_str()) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteSubKey(const std::wstring& name) const {
    return key_ && RegDeleteKeyA(key_, ToAnsi(name).c_str()) == ERROR_SUCCESS;
}

std::optional<std::wstring> RegistryKey::SubKeyName(DWORD index) const {
    char buffer[kNameBufferSize] = {};
    if (!key_) return std::nullopt;
    return NameUpToNul(buffer, RegEnumKeyA(key_, index, buffer, kNameBufferSize));
}

std::optional<std::wstring> RegistryKey::ValueName(DWORD index) const {
    char buffer[kNameBufferSize] = {};
    DWORD nameSize = kNameBufferSize;
    DWORD dataSize = kNameBufferSize;
    if (!key_) return std::nullopt;
    return NameUpToNul(buffer, RegEnumValueA(key_, index, buffer, &nameSize, nullptr, nullptr, nullptr, &dataSize));
}

}  // namespace kx
