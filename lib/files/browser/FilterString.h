#pragma once
#include <string>
#include <vector>

// The browser's filter string "description|pattern|description|pattern" and the name the file-name box
// gives back. Pure text work, no platform calls.
namespace kx {

struct FilterEntry {
    std::wstring description;
    std::wstring pattern;  // one or more pieces separated by ";", e.g. "*.txt;*.doc"
};

// The entries of a filter string; a final "|" may be left out. A last description without a pattern
// keeps an empty pattern (every file). An empty string reads as "*.*|*.*", one entry.
std::vector<FilterEntry> ParseFilterString(const std::wstring& filter);

// The entry a filter index selects among count entries: beyond the last gives the last; -1 (typed
// pattern) and an empty list stay as they are.
int ClampFilterIndex(int index, int count);

// What the file-name box gives back: a name without "." gets the first extension of the selected filter's
// pattern (extensions as the listing takes them: "report" with *.txt reads report.txt, with "*.*"
// report.*); a typed pattern (index -1) adds nothing.
std::wstring FileNameWithExtension(const std::wstring& typed, int filterIndex,
                                   const std::vector<std::wstring>& extensions);

}  // namespace kx
