#pragma once
#include <cstddef>
#include <string_view>

// The character set a page's bytes are written in, as far as the bytes say: a byte-order mark, or a
// <meta charset> / <meta http-equiv="Content-Type" content="...; charset=..."> near the start.
namespace zarvanta {

namespace codepage {
constexpr unsigned kUnstated = 0;
constexpr unsigned kUtf16LittleEndian = 1200;
constexpr unsigned kUtf16BigEndian = 1201;
constexpr unsigned kUtf8 = 65001;
}  // namespace codepage

struct PageCharset {
    unsigned codePage = codepage::kUnstated;  // a Windows code page number
    std::size_t byteOrderMarkLength = 0;
};

PageCharset SniffPageCharset(std::string_view bytes);

// The code page of a charset label ("utf-8", "windows-1256", "iso-8859-6" ...); kUnstated when unknown.
unsigned CodePageOfCharsetLabel(std::string_view label);

}  // namespace zarvanta
