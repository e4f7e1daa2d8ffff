#include "Utf8.h"

#include <algorithm>

namespace zarvanta {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

void AppendCodePoint(char32_t cp, std::wstring& text) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            text.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            text.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
            return;
        }
    }
    text.push_back(static_cast<wchar_t>(cp));
}

void AppendEncoded(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

}  // namespace

Utf8DecodeResult AppendUtf8(std::string_view bytes, std::wstring& text) {
    // One wide character per lead byte, exact for text inside the Basic Multilingual Plane.
    const auto leads = std::count_if(bytes.begin(), bytes.end(), [](char b) { return !IsContinuation(b); });
    text.reserve(text.size() + static_cast<std::size_t>(leads));
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        }
        std::size_t extra;
        char32_t cp;
        char32_t smallest;
        if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; smallest = 0x80; }
        else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; smallest = 0x800; }
        else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; smallest = 0x10000; }
        else return {i};
        if (bytes.size() - i <= extra) return {i};
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (!IsContinuation(next)) return {i};
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < smallest || cp > 0x10FFFF || IsSurrogate(cp)) return {i};
        AppendCodePoint(cp, text);
        i += extra + 1;
    }
    return {};
}

std::string EncodeUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto cp = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            const bool high = cp >= 0xD800 && cp <= 0xDBFF;
            const bool pairs = high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
            if (pairs) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
            }
        }
        if (IsSurrogate(cp) || cp > 0x10FFFF) cp = kReplacement;
        AppendEncoded(cp, out);
    }
    return out;
}

}  // namespace zarvanta
