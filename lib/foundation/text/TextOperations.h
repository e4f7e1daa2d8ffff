#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "TextComparer.h"

// Searches, replacements and sorts of the library's string members. Positions are 1-based and 0
// means not found, as in the classic runtime. Pure logic, no platform calls.
namespace kx {

// The runtime's InStr: the first occurrence of find at or after start. An empty find is found at
// start while start lies inside the text; nothing is found in an empty text.
size_t FindPosition(std::wstring_view text, std::wstring_view find, size_t start, const TextComparer& comparer);
// Position of the count-th occurrence; each search starts one character after the previous find,
// so occurrences may overlap. 0 when there are fewer, or count < 1.
size_t FindOccurrence(std::wstring_view text, std::wstring_view find, long count, const TextComparer& comparer);

// Every occurrence replaced once, left to right, not overlapping. An empty find changes nothing.
std::wstring ReplaceAll(std::wstring_view text, std::wstring_view find, std::wstring_view with,
                        const TextComparer& comparer);
// Replaces until the text no longer holds find. Ends where repeating could not: an empty find
// changes nothing, and when with itself holds find one pass is made. nullopt when the replacing
// would not end in practice: the passes together would scan more than workLimit characters
// (a replacement such as "ab" -> "bbaa" leaves a new occurrence after every pass).
std::optional<std::wstring> ReplaceUntilGone(std::wstring_view text, std::wstring_view find, std::wstring_view with,
                                             const TextComparer& comparer, size_t workLimit);
// For each character of find in turn, every occurrence becomes the character of with at the same
// place, or is removed when with is shorter; later steps see the results of earlier ones.
std::wstring ReplaceEachChar(std::wstring_view text, std::wstring_view find, std::wstring_view with,
                             const TextComparer& comparer);

// The characters in order (ascending or descending); equal characters keep their order.
std::wstring SortChars(std::wstring_view text, bool ascending, const TextComparer& comparer);
std::wstring Reversed(std::wstring_view text);
// text count times; empty when count < 1.
std::wstring Repeated(std::wstring_view text, long count);

}  // namespace kx
