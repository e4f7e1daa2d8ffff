#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "arrange/ArrangementCounts.h"
#include "arrange/AscendingArrangements.h"
#include "arrange/DictionaryHits.h"
#include "arrange/SubstitutionTable.h"
#include "arrange/SubstitutionWords.h"
#include "dictionary/DictionaryTable.h"
#include "engine/AbjadAlphabet.h"
#include "engine/AbjadEngine.h"

using zarvanta::AscendingArrangements;
using zarvanta::SubstitutionWords;
using zarvanta::WordSequence;

namespace {

// The lines the sequence writes, one entry per line, repeats included.
std::vector<std::string> LinesOf(WordSequence& sequence) {
    std::vector<std::string> lines;
    const std::size_t size = sequence.WordLength() + 2;
    for (bool more = sequence.FirstBlock(); more; more = sequence.NextBlock()) {
        for (const auto& suffix : sequence.Suffixes()) {
            char raw[zarvanta::kMaxLineBytes];
            (sequence.Prefix() | suffix).Store(raw);
            for (std::uint64_t r = 0; r < sequence.Repeats(); ++r) lines.emplace_back(raw, size);
        }
    }
    return lines;
}

std::vector<std::string> LinesOf(const std::vector<std::wstring>& words) {
    std::vector<std::string> lines;
    for (const auto& word : words) lines.push_back(arrangetest::PlatformCodePage1256(word) + "\r\n");
    return lines;
}

// Each word's ordinals as the sequence reports them are exactly where it comes in the list of its words.
void ExpectOrdinalsOfEveryWord(const WordSequence& sequence, const std::vector<std::wstring>& words) {
    std::map<std::wstring, std::vector<std::uint64_t>> where;
    for (std::uint64_t i = 0; i < words.size(); ++i) where[words[i]].push_back(i);
    for (const auto& [word, ordinals] : where) {
        std::vector<zarvanta::Symbol> symbols;
        for (const wchar_t c : word) symbols.push_back(*sequence.Alphabet().SymbolOf(c));
        std::vector<std::uint64_t> reported;
        for (const auto& run : sequence.OrdinalsOf(symbols))
            for (std::uint64_t i = 0; i < run.Count; ++i) reported.push_back(run.First + i);
        EXPECT_EQ(reported, ordinals) << testing::PrintToString(word);
    }
}

// Every ordering of the letters' positions, sorted.
std::vector<std::wstring> SortedPositionOrderings(const std::wstring& letters) {
    std::vector<std::size_t> positions(letters.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::vector<std::wstring> words;
    if (letters.empty()) return words;
    do {
        std::wstring word;
        for (const auto p : positions) word += letters[p];
        words.push_back(word);
    } while (std::next_permutation(positions.begin(), positions.end()));
    std::sort(words.begin(), words.end());
    return words;
}

void AddSubstitutions(const std::wstring& prefix, std::wstring_view rest, std::vector<std::wstring>& words) {
    if (rest.empty()) {
        words.push_back(prefix);
        return;
    }
    for (const wchar_t c : zarvanta::SubstitutionRowOf(rest.front()))
        AddSubstitutions(prefix + c, rest.substr(1), words);
}

}  // namespace

TEST(ArrangeSequence, CountsOfTheAllLettersProgress) {
    const double partial[] = {0, 1, 4, 15, 64, 325, 1956, 13699, 109600, 986409, 9864100, 108505111};
    for (int n = 0; n <= 11; ++n) EXPECT_EQ(zarvanta::PartialArrangementCount(n), partial[n]) << n;
    EXPECT_EQ(zarvanta::Factorial(0), 1);
    EXPECT_EQ(zarvanta::Factorial(11), 39916800);
    EXPECT_EQ(zarvanta::ResultsTableLastIndex(0), 3);
    EXPECT_EQ(zarvanta::ResultsTableLastIndex(2), 6);  // 5.6
    EXPECT_EQ(zarvanta::ResultsTableLastIndex(3), 17);  // 16.8
    EXPECT_EQ(zarvanta::ResultsTableLastIndex(11), 111767040);
}

TEST(ArrangeSequence, SubstitutionRowsServeEachLetterInAbjadOrder) {
    ASSERT_EQ(zarvanta::kSubstitutionRows.size(), 28u);
    for (std::size_t i = 0; i < 28; ++i) {
        const auto row = zarvanta::kSubstitutionRows[i];
        EXPECT_EQ(row.front(), zarvanta::kLetterString[i]) << i;
        EXPECT_EQ(row.size(), (i == 7 || i == 20 || i == 21) ? 10u : 9u) << i;
    }
    EXPECT_EQ(zarvanta::SubstitutionRowOf(L'و'), L"وسسحهزقخر");
    EXPECT_EQ(zarvanta::SubstitutionRowOf(L'غ'), L"غجيضظاسقن");
    EXPECT_TRUE(zarvanta::SubstitutionRowOf(L'آ').empty());
    EXPECT_TRUE(zarvanta::SubstitutionRowOf(L' ').empty());
}

TEST(ArrangeSequence, AscendingArrangementsAreTheSortedOrderingsOfThePositions) {
    for (const std::wstring letters : {L"", L"a", L"ba", L"cab", L"aab", L"aaaa", L"abab", L"ابجد", L"جا a",
                                       L"zyxwvu", L"aabbcc", L"gfedcba", L"aaabbbc", L"aaaaaaa"}) {
        SCOPED_TRACE(testing::PrintToString(letters));
        AscendingArrangements sequence(letters);
        const auto expected = SortedPositionOrderings(letters);
        EXPECT_EQ(LinesOf(sequence), LinesOf(expected));
        EXPECT_EQ(sequence.WordCount(), expected.size());
        ExpectOrdinalsOfEveryWord(sequence, expected);
    }
    AscendingArrangements sequence(L"aab");
    const auto symbols = [&](const std::wstring& word) {
        std::vector<zarvanta::Symbol> s;
        for (const wchar_t c : word) s.push_back(*sequence.Alphabet().SymbolOf(c));
        return s;
    };
    EXPECT_TRUE(sequence.OrdinalsOf(symbols(L"abb")).empty());
    EXPECT_TRUE(sequence.OrdinalsOf(symbols(L"ab")).empty());
}

TEST(ArrangeSequence, SubstitutionWordsFollowTheRowsLastLetterFastest) {
    for (const std::wstring letters : {L"", L"ا", L"اب", L"حف", L"ووو", L"اxب", L"آ", L"ابجده", L"ووحوو"}) {
        SCOPED_TRACE(testing::PrintToString(letters));
        SubstitutionWords sequence(letters);
        std::vector<std::wstring> expected;
        AddSubstitutions(L"", letters, expected);
        EXPECT_EQ(LinesOf(sequence), LinesOf(expected));
        EXPECT_EQ(sequence.WordCount(), expected.size());
        ExpectOrdinalsOfEveryWord(sequence, expected);
    }
    SubstitutionWords sequence(L"اب");
    const auto ta = *sequence.Alphabet().SymbolOf(L'ط');
    const auto ba = *sequence.Alphabet().SymbolOf(L'ب');
    EXPECT_TRUE(sequence.OrdinalsOf(std::vector<zarvanta::Symbol>{ta, ba}).empty());  // ط is not in the row of ا
    EXPECT_TRUE(sequence.OrdinalsOf(std::vector<zarvanta::Symbol>{ba}).empty());
}

// A dictionary check finds a word's key only as the word itself, which holds for letters as the engine
// normalises them; other letters are refused.
TEST(ArrangeSequence, DictionaryHitsNeedNormalisedLetters) {
    zarvanta::RecordSet records(zarvanta::DictionaryTable::Parse(
        "Word\tAbjadWord\tLength\tAbjad\nبا\tبا\t2\t3\nبا۲\tبا\t2\t3\n", L"fixture.txt"));
    records.SetFilter(zarvanta::DictionaryField::Length, 2);
    const zarvanta::AbjadEngine engine;
    AscendingArrangements unnormalised(L"آب");
    EXPECT_THROW(zarvanta::DictionaryHits(records, engine, unnormalised), std::invalid_argument);

    AscendingArrangements normalised(L"اب");
    const zarvanta::DictionaryHits hits(records, engine, normalised);
    ASSERT_EQ(hits.Hits().size(), 1u);
    EXPECT_EQ(hits.Hits()[0].Words.First, 1u);
    EXPECT_EQ(*hits.Hits()[0].Line, arrangetest::PlatformCodePage1256(L"با : با, با۲, \r\n"));
}
