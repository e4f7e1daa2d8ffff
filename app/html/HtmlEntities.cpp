#include "HtmlEntities.h"

#include <algorithm>
#include <array>

namespace zarvanta {
namespace {

struct NamedReference {
    std::wstring_view name;
    char32_t character;
    bool withoutSemicolon;  // the old names browsers also take without ';'
};

// Sorted by name (binary search).
constexpr std::array<NamedReference, 58> kNamed = {{
    {L"AElig", 0xC6, false},  {L"amp", 0x26, true},       {L"apos", 0x27, false},   {L"bdquo", 0x201E, false},
    {L"brvbar", 0xA6, false}, {L"bull", 0x2022, false},   {L"cent", 0xA2, false},   {L"copy", 0xA9, true},
    {L"curren", 0xA4, false}, {L"dagger", 0x2020, false}, {L"deg", 0xB0, false},    {L"divide", 0xF7, false},
    {L"emsp", 0x2003, false}, {L"ensp", 0x2002, false},   {L"euro", 0x20AC, false}, {L"frac12", 0xBD, false},
    {L"frac14", 0xBC, false}, {L"frac34", 0xBE, false},   {L"gt", 0x3E, true},      {L"hellip", 0x2026, false},
    {L"iexcl", 0xA1, false},  {L"iquest", 0xBF, false},   {L"laquo", 0xAB, false},  {L"larr", 0x2190, false},
    {L"ldquo", 0x201C, false}, {L"lrm", 0x200E, false},   {L"lsaquo", 0x2039, false}, {L"lsquo", 0x2018, false},
    {L"lt", 0x3C, true},      {L"mdash", 0x2014, false},  {L"micro", 0xB5, false},  {L"middot", 0xB7, false},
    {L"nbsp", 0xA0, true},    {L"ndash", 0x2013, false},  {L"not", 0xAC, false},    {L"para", 0xB6, false},
    {L"permil", 0x2030, false}, {L"plusmn", 0xB1, false}, {L"pound", 0xA3, false},  {L"quot", 0x22, true},
    {L"raquo", 0xBB, false},  {L"rarr", 0x2192, false},   {L"rdquo", 0x201D, false}, {L"reg", 0xAE, true},
    {L"rlm", 0x200F, false},  {L"rsaquo", 0x203A, false}, {L"rsquo", 0x2019, false}, {L"sbquo", 0x201A, false},
    {L"sect", 0xA7, false},   {L"shy", 0xAD, false},      {L"thinsp", 0x2009, false}, {L"times", 0xD7, false},
    {L"trade", 0x2122, false}, {L"uml", 0xA8, false},     {L"yen", 0xA5, false},    {L"zwj", 0x200D, false},
    {L"zwnj", 0x200C, false}, {L"zwsp", 0x200B, false},
}};

constexpr std::size_t kLongestName = 8;
constexpr std::size_t kLongestNumber = 10;  // digits read before the value is out of range anyway
constexpr char32_t kReplacement = 0xFFFD;

bool IsAsciiAlnum(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

void AppendCharacter(char32_t c, std::wstring& out) {
    if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
    if (c >= 0x10000) {
        c -= 0x10000;
        out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
        return;
    }
    out.push_back(static_cast<wchar_t>(c));
}

int DigitValue(wchar_t c, int base) {
    int value = -1;
    if (c >= L'0' && c <= L'9') value = c - L'0';
    else if (c >= L'a' && c <= L'f') value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F') value = c - L'A' + 10;
    return value < base ? value : -1;
}

// "&#...;" or "&#x...;"; the ';' may be left out, as browsers allow.
std::size_t DecodeNumeric(std::wstring_view text, std::size_t at, std::wstring& out) {
    std::size_t i = at + 2;
    int base = 10;
    if (i < text.size() && (text[i] == L'x' || text[i] == L'X')) {
        base = 16;
        ++i;
    }
    const std::size_t digitsStart = i;
    char32_t value = 0;
    for (; i < text.size() && DigitValue(text[i], base) >= 0; ++i)
        if (i - digitsStart < kLongestNumber) value = value * base + DigitValue(text[i], base);
        else value = 0x110000;  // too long: out of range
    if (i == digitsStart) return 0;
    if (i < text.size() && text[i] == L';') ++i;
    AppendCharacter(value, out);
    return i - at;
}

std::size_t DecodeNamed(std::wstring_view text, std::size_t at, std::wstring& out) {
    std::size_t end = at + 1;
    while (end < text.size() && end - at - 1 < kLongestName && IsAsciiAlnum(text[end])) ++end;
    const std::wstring_view name = text.substr(at + 1, end - at - 1);
    const auto found =
        std::lower_bound(kNamed.begin(), kNamed.end(), name,
                         [](const NamedReference& entry, std::wstring_view key) { return entry.name < key; });
    if (found == kNamed.end() || found->name != name) return 0;
    const bool semicolon = end < text.size() && text[end] == L';';
    if (!semicolon && !found->withoutSemicolon) return 0;
    AppendCharacter(found->character, out);
    return end - at + (semicolon ? 1 : 0);
}

}  // namespace

std::size_t DecodeCharacterReference(std::wstring_view text, std::size_t at, std::wstring& out) {
    if (at + 1 >= text.size() || text[at] != L'&') return 0;
    return text[at + 1] == L'#' ? DecodeNumeric(text, at, out) : DecodeNamed(text, at, out);
}

std::wstring DecodeCharacterReferences(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t used = text[i] == L'&' ? DecodeCharacterReference(text, i, out) : 0;
        if (used) {
            i += used;
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

}  // namespace zarvanta
