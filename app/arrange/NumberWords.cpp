#include "NumberWords.h"

#include "ArrangementTexts.h"
#include "CodePage1256.h"
#include "LeadingNumber.h"
#include "OutputFile.h"

namespace zarvanta {

std::vector<std::wstring> WordsOfAbjadNumber(RecordSet& records, std::wstring_view typedNumber) {
    records.SetFilter(DictionaryField::Abjad, LeadingNumber(typedNumber));
    std::vector<std::wstring> words;
    for (; !records.IsEof(); records.MoveNext()) words.emplace_back(records.Word());
    return words;
}

std::wstring ClipText(const std::vector<std::wstring>& entries) {
    std::wstring text;
    for (const auto& entry : entries) text += entry + L"\r\n";
    return text + L"\r\n";
}

ClipFileResult WriteClipFile(const std::filesystem::path& folder, const std::vector<std::wstring>& entries) {
    OutputFile file(folder / kClipFileName);
    if (file.Open()) file.Write(EncodeCodePage1256(ClipText(entries)));
    const bool written = file.Close();
    return {written, file.Path(), written ? std::wstring() : file.Error()};
}

}  // namespace zarvanta
