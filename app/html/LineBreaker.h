#pragma once
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

// Splits a block's text into lines no wider than the given width: at blanks where it can, inside a word
// only when the word alone is wider than the line, and always at '\n'; a line holds at most 4096
// characters. Linear in the text's length.
namespace zarvanta {

struct LineSpan {
    std::size_t start = 0;
    std::size_t length = 0;
};

using CharacterWidth = std::function<int(wchar_t)>;

std::vector<LineSpan> BreakLines(std::wstring_view text, int maxWidth, const CharacterWidth& widthOf);

}  // namespace zarvanta
