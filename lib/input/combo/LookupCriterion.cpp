#include "LookupCriterion.h"

#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <cstdlib>

namespace kx {
namespace {

constexpr long kNumberTypes[] = {2, 3, 4, 5, 6, 9, 10, 14, 16, 17, 18, 19, 20, 21, 72, 128, 131, 139};
constexpr long kDateTypes[] = {7, 64, 133, 134, 135};
constexpr long kBooleanType = 11;

template <size_t N>
bool Contains(const long (&types)[N], long type) {
    for (long t : types)
        if (t == type) return true;
    return false;
}

// The shortest plain text that reads back as the same number, with "." as the decimal point.
std::wstring NumberLiteral(double value) {
    wchar_t buffer[40];
    for (int digits = 15; digits <= 17; ++digits) {
        swprintf(buffer, sizeof(buffer) / sizeof(buffer[0]), L"%.*g", digits, value);
        if (wcstod(buffer, nullptr) == value) break;
    }
    return buffer;
}

std::optional<std::wstring> NumberText(const std::wstring& text) {
    double value = 0;
    if (FAILED(VarR8FromStr(const_cast<wchar_t*>(text.c_str()), LOCALE_USER_DEFAULT, 0, &value))) return std::nullopt;
    return NumberLiteral(value);
}

std::optional<std::wstring> DateText(const std::wstring& text) {
    DATE date = 0;
    SYSTEMTIME time = {};
    if (FAILED(VarDateFromStr(const_cast<wchar_t*>(text.c_str()), LOCALE_USER_DEFAULT, 0, &date)) || !VariantTimeToSystemTime(date, &time))
        return std::nullopt;
    wchar_t buffer[32];
    swprintf(buffer, sizeof(buffer) / sizeof(buffer[0]), L"#%02u-%02u-%04u#", time.wMonth, time.wDay, time.wYear);
    return std::wstring(buffer);
}

std::optional<std::wstring> BooleanText(const std::wstring& text) {
    VARIANT_BOOL value = VARIANT_FALSE;
    if (FAILED(VarBoolFromStr(const_cast<wchar_t*>(text.c_str()), LOCALE_USER_DEFAULT, 0, &value))) return std::nullopt;
    return std::wstring(value ? L"True" : L"False");
}

}  // namespace

KeyKind KeyKindOfFieldType(long adoType) {
    if (Contains(kNumberTypes, adoType)) return KeyKind::Number;
    if (Contains(kDateTypes, adoType)) return KeyKind::Date;
    if (adoType == kBooleanType) return KeyKind::Boolean;
    return KeyKind::Text;
}

std::wstring QuotedText(const std::wstring& text) {
    std::wstring quoted = L"'";
    for (wchar_t c : text) {
        quoted += c;
        if (c == L'\'') quoted += c;
    }
    return quoted + L"'";
}

std::optional<std::wstring> LookupCriterion(const std::wstring& keyField, long adoType, const std::wstring& text) {
    std::optional<std::wstring> literal;
    switch (KeyKindOfFieldType(adoType)) {
        case KeyKind::Number: literal = NumberText(text); break;
        case KeyKind::Date: literal = DateText(text); break;
        case KeyKind::Boolean: literal = BooleanText(text); break;
        case KeyKind::Text: literal = QuotedText(text); break;
    }
    if (!literal) return std::nullopt;
    return keyField + L" = " + *literal;
}

}  // namespace kx
