#include "StringConversion.h"

#include <windows.h>

#include "ErrorInfo.h"

namespace kx {
namespace {

bool Both(long conversion, long a, long b) { return (conversion & a) && (conversion & b); }

void CheckConversion(long conversion) {
    if (conversion & ~0xFFL) throw Error(kErrInvalidCall);
    if (Both(conversion, kConvertWide, kConvertNarrow) || Both(conversion, kConvertKatakana, kConvertHiragana) ||
        Both(conversion, kConvertUnicode, kConvertFromUnicode))
        throw Error(kErrInvalidCall);
}

UINT AnsiCodePageOf(LCID locale) {
    wchar_t digits[8] = {};
    if (!GetLocaleInfoW(locale, LOCALE_IDEFAULTANSICODEPAGE, digits, 8)) throw Error(kErrInvalidCall);
    const UINT codePage = static_cast<UINT>(_wtoi(digits));
    return codePage ? codePage : CP_ACP;
}

std::wstring MapString(const std::wstring& text, LCID locale, DWORD flags) {
    if (text.empty() || flags == 0) return text;
    const int size = LCMapStringW(locale, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (size <= 0) throw Error(kErrInvalidCall);
    std::wstring result(size, L'\0');
    LCMapStringW(locale, flags, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

bool IsWordBreak(wchar_t c) { return c == 0 || c == L' ' || (c >= 9 && c <= 13); }

std::wstring ProperCase(const std::wstring& text, LCID locale) {
    std::wstring result = MapString(text, locale, LCMAP_LOWERCASE);
    bool wordStart = true;
    for (wchar_t& c : result) {
        if (wordStart && !IsWordBreak(c)) c = MapString(std::wstring(1, c), locale, LCMAP_UPPERCASE)[0];
        wordStart = IsWordBreak(c);
    }
    return result;
}

std::wstring ApplyCaseAndWidth(const std::wstring& text, long conversion, LCID locale) {
    DWORD flags = 0;
    if (conversion & kConvertWide) flags |= LCMAP_FULLWIDTH;
    if (conversion & kConvertNarrow) flags |= LCMAP_HALFWIDTH;
    if (conversion & kConvertKatakana) flags |= LCMAP_KATAKANA;
    if (conversion & kConvertHiragana) flags |= LCMAP_HIRAGANA;
    std::wstring result = MapString(text, locale, flags);
    switch (conversion & kConvertProperCase) {
        case kConvertUpperCase: return MapString(result, locale, LCMAP_UPPERCASE);
        case kConvertLowerCase: return MapString(result, locale, LCMAP_LOWERCASE);
        case kConvertProperCase: return ProperCase(result, locale);
        default: return result;
    }
}

std::string RawBytes(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

std::wstring BytesAsText(const std::string& bytes, UINT codePage) {
    if (bytes.empty()) return {};
    const int size = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(size > 0 ? size : 0, L'\0');
    if (size > 0) MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

std::string TextAsBytes(const std::wstring& text, UINT codePage) {
    if (text.empty()) return {};
    const int n = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size : 0, '\0');
    if (size > 0) WideCharToMultiByte(codePage, 0, text.data(), n, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace

std::string ConvertString(const std::wstring& text, long conversion, long localeId) {
    CheckConversion(conversion);
    const LCID locale = localeId == 0 ? GetSystemDefaultLCID() : static_cast<LCID>(localeId);
    std::wstring converted = text;
    if (conversion & kConvertUnicode) converted = BytesAsText(RawBytes(text), AnsiCodePageOf(locale));
    converted = ApplyCaseAndWidth(converted, conversion, locale);
    if (conversion & kConvertFromUnicode) return TextAsBytes(converted, AnsiCodePageOf(locale));
    return RawBytes(converted);
}

}  // namespace kx
