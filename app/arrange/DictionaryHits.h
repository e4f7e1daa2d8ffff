#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/RecordSet.h"
#include "engine/AbjadEngine.h"
#include "WordSequence.h"

// Which of a sequence's words the dictionary holds, and the OutputDic.txt line each of them gets: what the word
// look-up gives in the record set as the caller filtered it, in code page 1256 with its line break. The keys
// are few, so they are found by where they come in the sequence instead of by looking every word up.
namespace zarvanta {

struct DictionaryHit {
    OrdinalRun Words;         // the occurrences of the word, in the sequence's order
    const std::string* Line;  // its line, held by the DictionaryHits
};

class DictionaryHits {
public:
    // The sequence's letters must be as the engine normalises them (a run's letters are), so that a word is
    // looked up as itself: throws std::invalid_argument otherwise.
    DictionaryHits(RecordSet& records, const AbjadEngine& engine, const WordSequence& words);
    DictionaryHits(const DictionaryHits&) = delete;
    DictionaryHits& operator=(const DictionaryHits&) = delete;

    // In the order of the words.
    const std::vector<DictionaryHit>& Hits() const { return hits_; }

private:
    void AddKey(RecordSet& records, const AbjadEngine& engine, const WordSequence& words, std::wstring_view key);

    std::vector<std::string> lines_;
    std::vector<DictionaryHit> hits_;
};

// The look-up's line of the word, ready to write; empty when the look-up gives nothing.
std::string DictionaryLineOf(RecordSet& records, const AbjadEngine& engine, std::wstring_view word);

}  // namespace zarvanta
