#include <windows.h>

#include <string>

#include "MprNetworkEnumerator.h"
#include "NetworkFixture.h"

namespace kx {
namespace {

std::wstring EnvironmentValue(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

// The fixture file as UTF-8 text; empty when it cannot be read.
std::wstring FixtureText(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string utf8;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) utf8.append(chunk, read);
    CloseHandle(file);
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
    return text;
}

}  // namespace

std::unique_ptr<NetworkEnumerator> MakeNetworkEnumerator() {
    const std::wstring fixture = EnvironmentValue(L"KX_NETWORK_FIXTURE");
    if (!fixture.empty()) return std::make_unique<NetworkFixture>(FixtureText(fixture));
    return std::make_unique<MprNetworkEnumerator>();
}

}  // namespace kx
