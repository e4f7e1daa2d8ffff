#include "StringModule.h"

#include <windows.h>

namespace kx {
namespace {

UINT PlatformCodePage(long codePage) { return codePage == kSystemAnsiCodePage ? GetACP() : static_cast<UINT>(codePage); }

// The bytes including the terminating zero, or nullopt when the code page converts nothing.
std::optional<std::string> EncodeWithTerminator(const std::wstring& text, UINT codePage) {
    const int size = WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::nullopt;
    std::string bytes(size, '\0');
    const int written = WideCharToMultiByte(codePage, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    if (written <= 0) return std::nullopt;
    bytes.resize(written);
    return bytes;
}

}  // namespace

std::optional<std::string> ToCodePageBytes(const std::wstring& text, long codePage) {
    auto bytes = EncodeWithTerminator(text, PlatformCodePage(codePage));
    if (bytes) bytes->pop_back();
    return bytes;
}

std::optional<std::wstring> FromCodePageBytes(const std::string& bytes, long codePage) {
    const UINT platformCodePage = PlatformCodePage(codePage);
    const int size = MultiByteToWideChar(platformCodePage, 0, bytes.c_str(), -1, nullptr, 0);
    if (size <= 0) return std::nullopt;
    std::wstring text(size + 1, L'\0');
    const int written = MultiByteToWideChar(platformCodePage, 0, bytes.c_str(), -1, text.data(), size + 1);
    if (written <= 0) return std::nullopt;
    text.resize(written - 1);
    return text;
}

bool IsCodePageRepresentable(const std::wstring& text, long codePage) {
    const UINT platformCodePage = PlatformCodePage(codePage);
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(platformCodePage, 0, text.c_str(), -1, nullptr, 0, nullptr, &usedDefault) > 0)
        return !usedDefault;
    // Code pages such as UTF-8 and UTF-7 take no used-default flag: a text that comes back
    // unchanged through the code page is representable in it.
    const auto bytes = ToCodePageBytes(text, codePage);
    if (!bytes) return false;
    const auto back = FromCodePageBytes(*bytes, codePage);
    return back && *back == text.substr(0, text.find(L'\0'));
}

}  // namespace kx
