#include "DictionaryWriter.h"

#include "DictionaryFormat.h"

namespace zarvanta {

OwnedDictionaryRecord MakeDictionaryRecord(const AbjadEngine& engine, const std::wstring& word) {
    OwnedDictionaryRecord record{word, engine.CorrectWord(word), 0, engine.MakeAbjad(word).value_or(0)};
    record.Length = static_cast<std::int32_t>(record.AbjadWord.size());
    return record;
}

void WriteDictionary(const AbjadEngine& engine, const std::vector<std::wstring>& words, std::ostream& out) {
    out << kDictionaryHeader << '\n';
    for (const auto& word : words) {
        const OwnedDictionaryRecord record = MakeDictionaryRecord(engine, word);
        out << FormatDictionaryLine({record.Word, record.AbjadWord, record.Length, record.Abjad}) << '\n';
    }
}

}  // namespace zarvanta
