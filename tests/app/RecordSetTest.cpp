#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "dictionary/DictionaryError.h"
#include "dictionary/DictionaryTable.h"
#include "dictionary/RecordSet.h"
#include "dictionary/WordLookup.h"

using zarvanta::AbjadEngine;
using zarvanta::DictionaryError;
using zarvanta::DictionaryField;
using zarvanta::DictionaryTable;
using zarvanta::RecordSet;

namespace {

// Texts need not agree with the engine here: the store keeps what the file says.
const char* const kFixture =
    "Word\tAbjadWord\tLength\tAbjad\n"
    "alpha\tkey\t3\t10\n"        // 0
    "beta\tkey\t3\t20\n"         // 1
    "gamma\tother\t5\t10\n"      // 2
    "delta\tkey\t3\t10\n"        // 3: same key again after a different one
    "it's\tit's\t4\t20\n"        // 4
    "کتاب\tکتاب\t4\t423\n"      // 5
    "كتاب\tکتاب\t4\t423\n";     // 6

RecordSet FixtureRecords() { return RecordSet(DictionaryTable::Parse(kFixture, L"fixture.txt")); }

std::vector<std::wstring> WordsFromHere(RecordSet& records) {
    std::vector<std::wstring> words;
    for (; !records.IsEof(); records.MoveNext()) words.emplace_back(records.Word());
    return words;
}

std::wstring MessageOf(const std::string& content) {
    try {
        DictionaryTable::Parse(content, L"C:\\data\\dic.txt");
    } catch (const DictionaryError& error) {
        return error.Message();
    }
    return L"(no error)";
}

void WriteFile(const std::wstring& path, const std::string& content) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << content;
}

}  // namespace

TEST(RecordSet, IteratesInTableOrderAndReadsEveryField) {
    RecordSet records = FixtureRecords();
    EXPECT_EQ(records.RecordCount(), 7u);
    EXPECT_EQ(WordsFromHere(records),
              (std::vector<std::wstring>{L"alpha", L"beta", L"gamma", L"delta", L"it's", L"کتاب", L"كتاب"}));
    EXPECT_TRUE(records.IsEof());
    records.MoveNext();
    EXPECT_TRUE(records.IsEof());
    EXPECT_THROW(records.Current(), std::out_of_range);

    records.MoveFirst();
    records.MoveNext();
    const auto& beta = records.Current();
    EXPECT_EQ(beta.Word, L"beta");
    EXPECT_EQ(beta.AbjadWord, L"key");
    EXPECT_EQ(beta.Length, 3);
    EXPECT_EQ(beta.Abjad, 20);
}

TEST(RecordSet, FiltersByNumericEqualityInTableOrder) {
    struct Case { DictionaryField field; double value; std::vector<std::wstring> words; };
    const std::vector<Case> cases = {
        {DictionaryField::Abjad, 10, {L"alpha", L"gamma", L"delta"}},
        {DictionaryField::Abjad, 20, {L"beta", L"it's"}},
        {DictionaryField::Abjad, 20.0, {L"beta", L"it's"}},
        {DictionaryField::Abjad, 20.5, {}},            // no whole value matches a fraction
        {DictionaryField::Abjad, 0, {}},
        {DictionaryField::Abjad, 1e12, {}},
        {DictionaryField::Length, 3, {L"alpha", L"beta", L"delta"}},
        {DictionaryField::Length, 4, {L"it's", L"کتاب", L"كتاب"}},
    };
    RecordSet records = FixtureRecords();
    for (const auto& c : cases) {
        records.SetFilter(c.field, c.value);
        EXPECT_EQ(records.RecordCount(), c.words.size()) << c.value;
        EXPECT_EQ(WordsFromHere(records), c.words) << c.value;
    }
    records.ClearFilter();
    EXPECT_EQ(records.RecordCount(), 7u);
    EXPECT_EQ(records.Word(), L"alpha");
}

TEST(RecordSet, SearchesByAbjadWordFromTheFirstRecordOfTheFilter) {
    RecordSet records = FixtureRecords();
    records.MoveNext();
    records.MoveNext();
    ASSERT_TRUE(records.FindAbjadWord(L"key"));  // from the first record, not from the current one
    EXPECT_EQ(records.Word(), L"alpha");

    records.SetFilter(DictionaryField::Abjad, 20);
    ASSERT_TRUE(records.FindAbjadWord(L"key"));  // the first of the key inside the filter
    EXPECT_EQ(records.Word(), L"beta");
    records.MoveNext();
    EXPECT_EQ(records.Word(), L"it's");           // and the cursor moves on inside the filter

    records.SetFilter(DictionaryField::Length, 5);
    EXPECT_FALSE(records.FindAbjadWord(L"key"));
    EXPECT_TRUE(records.IsEof());

    records.ClearFilter();
    EXPECT_FALSE(records.FindAbjadWord(L"KEY"));  // ordinal comparison
    EXPECT_FALSE(records.FindAbjadWord(L""));
    EXPECT_TRUE(records.FindAbjadWord(L"it's"));  // an apostrophe is just a character
    EXPECT_EQ(records.Word(), L"it's");
}

TEST(WordLookup, GathersTheRunOfNeighboursThatShareTheNormalisedWord) {
    const AbjadEngine engine;
    RecordSet records = FixtureRecords();
    struct Case { std::wstring word; std::optional<std::wstring> line; };
    const std::vector<Case> cases = {
        {L"key", L"key : alpha, beta, "},  // delta, further down after "other", is not part of it
        {L"other", L"other : gamma, "},
        {L"it's", L"it's : it's, "},
        {L"كتاب", L"کتاب : کتاب, كتاب, "},  // normalised before the search
        {L"missing", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(zarvanta::LookUpWord(records, engine, c.word), c.line);

    records.SetFilter(DictionaryField::Length, 3);
    EXPECT_EQ(zarvanta::LookUpWord(records, engine, L"key"), L"key : alpha, beta, delta, ");  // neighbours in the filter
    records.SetFilter(DictionaryField::Length, 4);
    EXPECT_EQ(zarvanta::LookUpWord(records, engine, L"key"), std::nullopt);
}

TEST(DictionaryTable, AcceptsLineEndingsAByteOrderMarkAndAMissingLastBreak) {
    const std::vector<std::string> contents = {
        "Word\tAbjadWord\tLength\tAbjad\r\na\tb\t1\t-2\r\n",
        "\xEF\xBB\xBFWord\tAbjadWord\tLength\tAbjad\na\tb\t1\t-2\n",
        "Word\tAbjadWord\tLength\tAbjad\na\tb\t1\t-2",
    };
    for (const auto& content : contents) {
        const auto table = DictionaryTable::Parse(content, L"dic.txt");
        ASSERT_EQ(table->Size(), 1u);
        EXPECT_EQ(table->Record(0).Word, L"a");
        EXPECT_EQ(table->Record(0).AbjadWord, L"b");
        EXPECT_EQ(table->Record(0).Length, 1);
        EXPECT_EQ(table->Record(0).Abjad, -2);
    }
    EXPECT_EQ(DictionaryTable::Parse("Word\tAbjadWord\tLength\tAbjad\n", L"dic.txt")->Size(), 0u);
}

TEST(DictionaryTable, MalformedContentIsReportedWithFileAndLine) {
    const std::string header = "Word\tAbjadWord\tLength\tAbjad\n";
    const std::string good = "a\tb\t1\t2\n";
    struct Case { std::string content; std::wstring where; std::wstring problem; };
    const std::vector<Case> cases = {
        {"", L"line 1", L"header"},
        {"Word\tAbjadWord\tLength\n", L"line 1", L"header"},
        {"word\tabjadword\tlength\tabjad\n", L"line 1", L"header"},
        {header + "a\tb\t1\n", L"line 2", L"4 fields separated by tabs were expected, found 3"},
        {header + good + "a\tb\t1\t2\t3\n", L"line 3", L"found 5"},
        {header + good + "\n" + good, L"line 3", L"found 1"},
        {header + good + "\tb\t1\t2\n", L"line 3", L"the Word field is empty"},
        {header + good + "a\tb\tone\t2\n", L"line 3", L"the Length field is not a whole number"},
        {header + good + "a\tb\t1\t\n", L"line 3", L"the Abjad field is not a whole number"},
        {header + good + "a\tb\t1\t2.5\n", L"line 3", L"the Abjad field"},
        {header + good + "a\tb\t1\t99999999999\n", L"line 3", L"the Abjad field"},
        {header + good + "a\tb\t+1\t2\n", L"line 3", L"the Length field"},
        {header + good + good + "a\xFF\tb\t1\t2\n", L"line 4", L"not valid UTF-8"},
        {header + "\xE2\x82\tb\t1\t2\n", L"line 2", L"not valid UTF-8"},
    };
    for (const auto& c : cases) {
        const std::wstring message = MessageOf(c.content);
        EXPECT_NE(message.find(L"\"C:\\data\\dic.txt\""), std::wstring::npos) << message;
        EXPECT_NE(message.find(L"malformed at " + c.where + L":"), std::wstring::npos) << message;
        EXPECT_NE(message.find(c.problem), std::wstring::npos) << message;
    }
}

TEST(DictionaryTable, LoadsAFileAndNamesAMissingOrBadOne) {
    kxtest::ScratchFolder folder;
    const std::wstring good = folder.File(L"dic.txt");
    WriteFile(good, "Word\tAbjadWord\tLength\tAbjad\nمحمد\tمحمد\t4\t92\n");
    RecordSet records = RecordSet::Open(good);
    ASSERT_EQ(records.RecordCount(), 1u);
    EXPECT_EQ(records.Word(), L"محمد");

    const std::wstring missing = folder.File(L"absent.txt");
    try {
        RecordSet::Open(missing);
        ADD_FAILURE() << "a missing dictionary opened";
    } catch (const DictionaryError& error) {
        EXPECT_EQ(error.Message(), L"Cannot open the dictionary file \"" + missing + L"\".");
    }

    const std::wstring bad = folder.File(L"bad.txt");
    WriteFile(bad, "Word\tAbjadWord\tLength\tAbjad\nx\ty\t1\n");
    try {
        RecordSet::Open(bad);
        ADD_FAILURE() << "a malformed dictionary opened";
    } catch (const DictionaryError& error) {
        EXPECT_EQ(error.Message(), L"The dictionary file \"" + bad +
                                       L"\" is malformed at line 2: 4 fields separated by tabs were expected, found 3.");
    }
}
