#include "DictionaryHits.h"

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>

#include "CodePage1256.h"
#include "dictionary/WordLookup.h"

namespace zarvanta {
namespace {

// The normalisation replaces characters one by one (a shadda, which it doubles or drops, is not kept by itself),
// so where it keeps every letter it keeps every word made of them.
bool EngineKeepsLetters(const AbjadEngine& engine, const std::wstring& letters) {
    return std::all_of(letters.begin(), letters.end(), [&](wchar_t c) {
        const std::wstring letter(1, c);
        return engine.CorrectWord(letter) == letter;
    });
}

// Nothing when a character of the text is not in the alphabet.
std::optional<std::vector<Symbol>> SymbolsOf(const SymbolAlphabet& alphabet, std::wstring_view text) {
    std::vector<Symbol> symbols;
    for (const wchar_t c : text) {
        const auto symbol = alphabet.SymbolOf(c);
        if (!symbol) return std::nullopt;
        symbols.push_back(*symbol);
    }
    return symbols;
}

}  // namespace

std::string DictionaryLineOf(RecordSet& records, const AbjadEngine& engine, std::wstring_view word) {
    const auto line = LookUpWord(records, engine, word);
    if (!line) return {};
    return EncodeCodePage1256(*line) + "\r\n";
}

// One pass over the filtered records finds the keys; their lines come from the look-up itself.
DictionaryHits::DictionaryHits(RecordSet& records, const AbjadEngine& engine, const WordSequence& words) {
    if (!EngineKeepsLetters(engine, words.Alphabet().Letters()))
        throw std::invalid_argument("The letters of a dictionary check must be normalised.");
    std::set<std::wstring, std::less<>> keys;
    for (records.MoveFirst(); !records.IsEof(); records.MoveNext()) {
        const std::wstring_view key = records.Current().AbjadWord;
        if (key.size() == words.WordLength() && SymbolsOf(words.Alphabet(), key)) keys.emplace(key);
    }
    lines_.reserve(keys.size());
    for (const auto& key : keys) AddKey(records, engine, words, key);
    std::sort(hits_.begin(), hits_.end(),
              [](const DictionaryHit& a, const DictionaryHit& b) { return a.Words.First < b.Words.First; });
}

void DictionaryHits::AddKey(RecordSet& records, const AbjadEngine& engine, const WordSequence& words,
                            std::wstring_view key) {
    const auto ordinals = words.OrdinalsOf(*SymbolsOf(words.Alphabet(), key));
    if (ordinals.empty()) return;
    std::string line = DictionaryLineOf(records, engine, key);
    if (line.empty()) return;
    lines_.push_back(std::move(line));
    for (const auto& run : ordinals) hits_.push_back({run, &lines_.back()});
}

}  // namespace zarvanta
