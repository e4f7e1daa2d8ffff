#pragma once
#include <string>
#include <vector>

// The browser's filter string "description|pattern|description|pattern", the extensions a pattern admits
// and the name the file-name box gives back. Pure text work, no platform calls.
namespace kx {

struct FilterEntry {
    std::wstring description;
    std::wstring pattern;  // one or more pieces separated by ";", e.g. "*.txt;*.doc"
};

// The entries of a filter string; a final "|" may be left out. A last description without a pattern
// keeps an empty pattern (every file). An empty string reads as "*.*|*.*", one entry.
std::vector<FilterEntry> ParseFilter(const std::wstring& filter);

// The entry a filter index selects among count entries: beyond the last gives the last; -1 (typed
// pattern) and an empty list stay as they are.
int ClampFilterIndex(int index, int count);

// The extension part of each ";"-separated piece, from its first "." on ("*.txt" gives ".txt", "*.*"
// gives ".*"), blanks around a piece ignored. An empty pattern gives the single "*.*"; a piece without
// "." admits every file and gives ".*".
std::vector<std::wstring> ExtensionsOfPattern(const std::wstring& pattern);

// Whether a file name passes one extension: ".*" and "*.*" pass everything; otherwise the name contains
// the extension anywhere, case ignored (notes.txt.bak passes .txt).
bool NameHasExtension(const std::wstring& name, const std::wstring& extension);
bool NameMatchesAny(const std::wstring& name, const std::vector<std::wstring>& extensions);

// The extension a typed pattern admits: from its first "." on, ".*" when it has none.
std::wstring TypedPatternExtension(const std::wstring& typedPattern);

// What the file-name box gives back: a name without "." gets the first extension of the selected filter
// ("report" with *.txt reads report.txt, with "*.*" report.*); a typed pattern (index -1) adds nothing.
std::wstring FileNameWithExtension(const std::wstring& typed, int filterIndex,
                                   const std::vector<std::wstring>& extensions);

}  // namespace kx
