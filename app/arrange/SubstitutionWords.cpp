#include "SubstitutionWords.h"

#include <algorithm>
#include <string>

#include "SubstitutionTable.h"

namespace zarvanta {
namespace {

std::wstring CharactersOfRows(std::wstring_view letters) {
    std::wstring characters;
    for (const wchar_t letter : letters)
        for (const wchar_t c : SubstitutionRowOf(letter))
            if (characters.find(c) == std::wstring::npos) characters.push_back(c);
    return characters;
}

// Counts the wheels (each the index into its row) on by one, the last fastest; false when all wrap around.
bool Advance(std::vector<std::size_t>& wheels, const std::vector<std::vector<Symbol>>& rows, std::size_t first) {
    for (std::size_t i = wheels.size(); i-- > 0;) {
        if (++wheels[i] < rows[first + i].size()) return true;
        wheels[i] = 0;
    }
    return false;
}

}  // namespace

SubstitutionWords::SubstitutionWords(std::wstring_view letters) : alphabet_(CharactersOfRows(letters)) {
    for (const wchar_t letter : letters) {
        std::vector<Symbol> row;
        for (const wchar_t c : SubstitutionRowOf(letter)) row.push_back(*alphabet_.SymbolOf(c));
        rows_.push_back(std::move(row));
    }
    prefixLength_ = rows_.size() - std::min(rows_.size(), kSuffixLength);
    if (EveryLetterHasARow()) MakeSuffixes();
}

std::uint64_t SubstitutionWords::WordCount() const {
    std::uint64_t count = 1;
    for (const auto& row : rows_) count *= row.size();
    return count;
}

bool SubstitutionWords::EveryLetterHasARow() const {
    return std::none_of(rows_.begin(), rows_.end(), [](const auto& row) { return row.empty(); });
}

void SubstitutionWords::MakeSuffixes() {
    std::vector<std::size_t> wheels(rows_.size() - prefixLength_, 0);
    std::string bytes(wheels.size(), '\0');
    do {
        for (std::size_t i = 0; i < wheels.size(); ++i) bytes[i] = alphabet_.Byte(rows_[prefixLength_ + i][wheels[i]]);
        LineBits line;
        line.Place(bytes + "\r\n", prefixLength_);
        suffixes_.push_back(line);
    } while (Advance(wheels, rows_, prefixLength_));
}

bool SubstitutionWords::FirstBlock() {
    if (!EveryLetterHasARow()) return false;
    choices_.assign(prefixLength_, 0);
    PlacePrefix();
    return true;
}

bool SubstitutionWords::NextBlock() {
    if (!Advance(choices_, rows_, 0)) return false;
    PlacePrefix();
    return true;
}

void SubstitutionWords::PlacePrefix() {
    prefix_ = LineBits();
    for (std::size_t i = 0; i < prefixLength_; ++i) {
        const char byte = alphabet_.Byte(rows_[i][choices_[i]]);
        prefix_.Place({&byte, 1}, i);
    }
}

// Every choice of row places that spells the word, each a single ordinal: the choices read as a number whose
// digits count in the rows' lengths.
std::vector<OrdinalRun> SubstitutionWords::OrdinalsOf(std::span<const Symbol> word) const {
    if (word.size() != rows_.size() || !EveryLetterHasARow()) return {};
    std::vector<OrdinalRun> ordinals{{0, 1}};
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        std::vector<OrdinalRun> longer;
        for (const auto& partial : ordinals)
            for (std::size_t j = 0; j < rows_[i].size(); ++j)
                if (rows_[i][j] == word[i]) longer.push_back({partial.First * rows_[i].size() + j, 1});
        ordinals.swap(longer);
    }
    return ordinals;
}

}  // namespace zarvanta
