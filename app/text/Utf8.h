#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 to and from the program's wide text (UTF-16 where wchar_t has 16 bits, as on Windows).
namespace zarvanta {

// Where decoding stopped: npos when the whole input was valid.
struct Utf8DecodeResult {
    static constexpr std::size_t npos = std::string_view::npos;
    std::size_t errorOffset = npos;
    bool ok() const { return errorOffset == npos; }
};

// Appends the decoded text; rejects truncated and overlong sequences, surrogates and values past U+10FFFF.
Utf8DecodeResult AppendUtf8(std::string_view bytes, std::wstring& text);
// Encodes the text; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::wstring_view text);

}  // namespace zarvanta
