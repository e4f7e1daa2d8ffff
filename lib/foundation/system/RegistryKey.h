#pragma once
#include <windows.h>

#include <optional>
#include <string>

// One open registry key, reached through the platform's ANSI entry points: names and text data
// cross in the system code page. Closed when the object goes.
namespace kx {

struct RegistryValueInfo {
    DWORD type = REG_NONE;
    DWORD size = 0;
};

class RegistryKey {
public:
    static RegistryKey Open(HKEY root, const std::wstring& path);         // RegOpenKeyA
    static RegistryKey Create(HKEY root, const std::wstring& path);       // RegCreateKeyA
    static RegistryKey OpenToQuery(HKEY root, const std::wstring& path);  // KEY_QUERY_VALUE only

    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&&) = delete;
    RegistryKey(const RegistryKey&) = delete;
    ~RegistryKey();

    bool IsOpen() const { return key_ != nullptr; }

    std::optional<RegistryValueInfo> Info(const std::wstring& name) const;
    // At most size bytes of the value; the bytes the platform returned.
    std::optional<std::string> Read(const std::wstring& name, DWORD size) const;
    bool Write(const std::wstring& name, DWORD type, const std::string& bytes) const;
    bool DeleteValue(const std::wstring& name) const;
    bool DeleteSubKey(const std::wstring& name) const;  // an empty name: this key itself
    std::optional<std::wstring> SubKeyName(DWORD index) const;
    std::optional<std::wstring> ValueName(DWORD index) const;

private:
    RegistryKey(HKEY key, bool owned) : key_(key), owned_(owned) {}
    HKEY key_ = nullptr;
    bool owned_ = false;  // false when the platform handed back the root itself
};

}  // namespace kx
