#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/RecordSet.h"

// The number-to-words window (frmAbjad): the dictionary words of an Abjad number and their copy in Clip.txt.
namespace zarvanta {

// List1's entries for the text of txtValue: the Word of every record whose Abjad equals the number the text
// starts with (0 when it starts with none), in table order. Leaves the record set filtered by that value.
std::vector<std::wstring> WordsOfAbjadNumber(RecordSet& records, std::wstring_view typedNumber);

// Clip.txt's text: each entry followed by CR LF, then one more CR LF.
std::wstring ClipText(const std::vector<std::wstring>& entries);

struct ClipFileResult {
    bool Written = false;
    std::filesystem::path File;  // Clip.txt: opened in the editor (kEditorCommand + path) once written
    std::wstring Error;          // when not written: which file failed and why
};

// Creates or empties Clip.txt in the folder and writes the text in code page 1256.
ClipFileResult WriteClipFile(const std::filesystem::path& folder, const std::vector<std::wstring>& entries);

}  // namespace zarvanta
