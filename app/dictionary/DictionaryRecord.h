#pragma once
#include <cstdint>
#include <string_view>

// One record of the dictionary table; the texts live as long as the table that holds the record.
namespace zarvanta {

struct DictionaryRecord {
    std::wstring_view Word;       // as shown to the user
    std::wstring_view AbjadWord;  // the word normalised by the engine with the default options
    std::int32_t Length = 0;      // characters of AbjadWord
    std::int32_t Abjad = 0;       // the word's value
};

enum class DictionaryField { Length, Abjad };

}  // namespace zarvanta
