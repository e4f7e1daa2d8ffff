#pragma once
#include <algorithm>
#include <cwctype>
#include <string>

// Comparisons of names without regard to case, as the file system and the network compare them.
namespace kx {

inline std::wstring UpperText(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

inline bool SameTextIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(x) == std::towupper(y);
           });
}

inline bool StartsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && SameTextIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace kx
