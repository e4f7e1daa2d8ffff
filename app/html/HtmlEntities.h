#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Character references of HTML text: named (&amp;), decimal (&#1604;) and hexadecimal (&#x644;).
namespace zarvanta {

// Decodes the reference that starts at text[at] (an '&') onto out and returns its length; 0 when there is
// no reference there (the '&' is then plain text).
std::size_t DecodeCharacterReference(std::wstring_view text, std::size_t at, std::wstring& out);

// Every reference of the text decoded; other text kept as it is.
std::wstring DecodeCharacterReferences(std::wstring_view text);

}  // namespace zarvanta
