#include "RegistryTreeCopy.h"

#include <optional>
#include <vector>

namespace kx::registry {
namespace {
constexpr int kMaxDepth = 512;               // the registry's own limit on nesting
constexpr DWORD kMaxValueNameChars = 16384;  // longest value name and its NUL
constexpr DWORD kMaxKeyNameChars = 256;      // longest key name and its NUL
constexpr int kReadAttempts = 3;             // a value that keeps growing meanwhile fails the copy

struct RawValue {
    std::wstring name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct KeyContents {
    std::vector<RawValue> values;
    std::vector<std::wstring> subKeys;
};

class WideKey {
public:
    static WideKey Open(HKEY root, const std::wstring& path, REGSAM access) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) key = nullptr;
        return WideKey(key);
    }
    static WideKey Create(HKEY root, const std::wstring& path) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            key = nullptr;
        return WideKey(key);
    }
    WideKey(WideKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    WideKey(const WideKey&) = delete;
    WideKey& operator=(const WideKey&) = delete;
    ~WideKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY get() const { return key_; }
    bool IsOpen() const { return key_ != nullptr; }

private:
    explicit WideKey(HKEY key) : key_(key) {}
    HKEY key_;
};

bool Exists(HKEY root, const std::wstring& path) { return WideKey::Open(root, path, MAXIMUM_ALLOWED).IsOpen(); }

std::optional<std::vector<std::wstring>> SubKeyNames(HKEY key, DWORD count) {
    std::vector<std::wstring> names;
    std::vector<wchar_t> name(kMaxKeyNameChars);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = kMaxKeyNameChars;
        const LONG status = RegEnumKeyExW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS) return std::nullopt;
        names.emplace_back(name.data(), length);
    }
    return names;
}

std::optional<std::vector<RawValue>> Values(HKEY key, DWORD count, DWORD largestData) {
    std::vector<RawValue> values;
    std::vector<wchar_t> name(kMaxValueNameChars);
    std::vector<BYTE> data(largestData + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = kMaxValueNameChars;
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        const LONG status = RegEnumValueW(key, i, name.data(), &length, nullptr, &type, data.data(), &size);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS) return std::nullopt;
        values.push_back(
            {std::wstring(name.data(), length), type, std::vector<BYTE>(data.begin(), data.begin() + size)});
    }
    return values;
}

// Everything of a key before anything is written, so a copy never sees its own output.
std::optional<KeyContents> Snapshot(HKEY root, const std::wstring& path) {
    const WideKey key = WideKey::Open(root, path, KEY_READ);
    if (!key.IsOpen()) return std::nullopt;
    DWORD subKeys = 0, values = 0, largestData = 0;
    if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                         &largestData, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    KeyContents contents;
    auto valueList = Values(key.get(), values, largestData);
    auto names = SubKeyNames(key.get(), subKeys);
    if (!valueList || !names) return std::nullopt;
    contents.values = std::move(*valueList);
    contents.subKeys = std::move(*names);
    return contents;
}

std::optional<RawValue> ReadValue(HKEY root, const std::wstring& path, const std::wstring& name) {
    const WideKey key = WideKey::Open(root, path, KEY_QUERY_VALUE);
    if (!key.IsOpen()) return std::nullopt;
    RawValue value;
    value.name = name;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        value.data.assign(size + 1, 0);
        DWORD got = size + 1;
        const LONG status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type, value.data.data(), &got);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        value.data.resize(got);
        return value;
    }
    return std::nullopt;
}

bool WriteRaw(HKEY key, const RawValue& value) {
    static const BYTE kNothing = 0;
    const BYTE* data = value.data.empty() ? &kNothing : value.data.data();
    return RegSetValueExW(key, value.name.c_str(), 0, value.type, data, static_cast<DWORD>(value.data.size())) ==
           ERROR_SUCCESS;
}

void DropTrailingSeparator(std::wstring& path) {
    if (!path.empty() && path.back() == L'\\') path.pop_back();
}

void DropLeadingSeparator(std::wstring& path) {
    if (!path.empty() && path.front() == L'\\') path.erase(0, 1);
}

void NormalisePaths(std::wstring& source, std::wstring& target) {
    DropTrailingSeparator(target);
    DropTrailingSeparator(source);
    DropLeadingSeparator(target);
    DropLeadingSeparator(source);
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// Key names ignore letter case, so "Software\A\b" lies inside "software\a".
bool LiesInside(HKEY sourceRoot, const std::wstring& source, HKEY targetRoot, const std::wstring& target) {
    if (sourceRoot != targetRoot) return false;
    if (source.empty()) return true;
    if (target.size() < source.size() || !SameName(target.substr(0, source.size()), source)) return false;
    return target.size() == source.size() || target[source.size()] == L'\\';
}

std::wstring Child(const std::wstring& path, const std::wstring& name) {
    return path.empty() ? name : path + L"\\" + name;
}

bool CopyLevel(HKEY sourceRoot, const std::wstring& source, HKEY targetRoot, const std::wstring& target,
               bool withSubKeys, int depth) {
    if (depth > kMaxDepth || Exists(targetRoot, target)) return false;
    const auto contents = Snapshot(sourceRoot, source);
    if (!contents) return false;
    {
        const WideKey created = WideKey::Create(targetRoot, target);
        if (!created.IsOpen()) return false;
        for (const RawValue& value : contents->values)
            if (!WriteRaw(created.get(), value)) return false;
    }
    if (!withSubKeys) return true;
    for (const std::wstring& name : contents->subKeys)
        if (!CopyLevel(sourceRoot, Child(source, name), targetRoot, Child(target, name), true, depth + 1)) return false;
    return true;
}
}  // namespace

bool CopyKeyTree(HKEY sourceRoot, std::wstring sourcePath, HKEY targetRoot, std::wstring targetPath, bool withSubKeys) {
    NormalisePaths(sourcePath, targetPath);
    if (LiesInside(sourceRoot, sourcePath, targetRoot, targetPath)) return false;
    return CopyLevel(sourceRoot, sourcePath, targetRoot, targetPath, withSubKeys, 0);
}

bool CopyOneValue(HKEY sourceRoot, std::wstring sourcePath, const std::wstring& sourceName, HKEY targetRoot,
                  std::wstring targetPath, const std::wstring& targetName) {
    NormalisePaths(sourcePath, targetPath);
    auto value = ReadValue(sourceRoot, sourcePath, sourceName);
    if (!value) return false;
    const WideKey target = WideKey::Create(targetRoot, targetPath);
    if (!target.IsOpen()) return false;
    value->name = targetName;
    return WriteRaw(target.get(), *value);
}

}  // namespace kx::registry
