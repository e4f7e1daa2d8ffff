#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "engine/AbjadEngine.h"
#include "DictionaryRecord.h"

namespace zarvanta {

// A word's record as the engine sees it: AbjadWord is its normalised spelling, Length the number of
// characters of that spelling (what the letter arrangements compare), Abjad its value.
struct OwnedDictionaryRecord {
    std::wstring Word;
    std::wstring AbjadWord;
    std::int32_t Length = 0;
    std::int32_t Abjad = 0;
};
OwnedDictionaryRecord MakeDictionaryRecord(const AbjadEngine& engine, const std::wstring& word);

// Writes dic.txt: the header, then one record per word in the order given, lines ended by LF.
void WriteDictionary(const AbjadEngine& engine, const std::vector<std::wstring>& words, std::ostream& out);

}  // namespace zarvanta
