#include "PageFile.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "PageCharset.h"

namespace zarvanta {
namespace {

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return text;
}

// MultiByteToWideChar without MB_ERR_INVALID_CHARS replaces malformed sequences; empty when the code page
// is not installed.
std::wstring DecodeWithCodePage(std::string_view bytes, unsigned codePage) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
    return text;
}

bool IsValidUtf8(std::string_view bytes) {
    return bytes.size() <= INT_MAX &&
           MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                               0) > 0;
}

}  // namespace

std::wstring DecodePageBytes(std::string_view bytes) {
    const PageCharset charset = SniffPageCharset(bytes);
    bytes.remove_prefix(charset.byteOrderMarkLength);
    if (bytes.empty()) return {};
    unsigned codePage = charset.codePage;
    if (codePage == codepage::kUtf16LittleEndian || codePage == codepage::kUtf16BigEndian)
        return DecodeUtf16(bytes, codePage == codepage::kUtf16BigEndian);
    if (codePage == codepage::kUnstated) codePage = IsValidUtf8(bytes) ? CP_UTF8 : CP_ACP;
    std::wstring text = DecodeWithCodePage(bytes, codePage);
    return text.empty() ? DecodeWithCodePage(bytes, CP_ACP) : text;
}

std::optional<std::wstring> ReadPageText(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size = {};
    std::string bytes;
    bool read = GetFileSizeEx(file, &size) != FALSE;
    if (read) {
        bytes.resize(static_cast<std::size_t>(std::min<LONGLONG>(size.QuadPart, kLongestPageBytes)));
        DWORD got = 0;
        read = bytes.empty() || ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        bytes.resize(got);
    }
    CloseHandle(file);
    if (!read) return std::nullopt;
    return DecodePageBytes(bytes);
}

}  // namespace zarvanta
