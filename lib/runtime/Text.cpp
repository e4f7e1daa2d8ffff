#include "Text.h"

#include "ErrorInfo.h"

namespace kx {

std::wstring FromBstr(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

BSTR ToBstr(const std::wstring& text) {
    BSTR result = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!result) throw Error(kErrOutOfMemory);
    return result;
}

void AssignBstr(BSTR* target, const std::wstring& text) {
    if (!target) return;
    BSTR copy = ToBstr(text);
    SysFreeString(*target);
    *target = copy;
}

std::string ToAnsi(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

std::wstring FromAnsi(const std::string& text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

std::wstring TrimBlanks(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    const size_t last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

static std::wstring MapCase(const std::wstring& text, DWORD flags) {
    if (text.empty()) return text;
    std::wstring result(text);
    LCMapStringW(LOCALE_USER_DEFAULT, flags, text.data(), static_cast<int>(text.size()), result.data(),
                 static_cast<int>(result.size()));
    return result;
}

std::wstring ToLowerText(const std::wstring& text) { return MapCase(text, LCMAP_LOWERCASE); }
std::wstring ToUpperText(const std::wstring& text) { return MapCase(text, LCMAP_UPPERCASE); }

}  // namespace kx
