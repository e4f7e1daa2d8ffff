#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "dictionary/DictionaryTable.h"
#include "dictionary/DictionaryWriter.h"
#include "tools/HunspellWordList.h"

using zarvanta::AbjadEngine;
using zarvanta::DictionaryTable;

TEST(HunspellWordList, TakesEachWordOnceWithoutItsFlags) {
    const std::string content = "5\nآب/AB\r\nآب\n  نان  \n\nپژوهش/\nنان/X\n";
    EXPECT_EQ(zarvanta::ParseHunspellWords(content, L"fa.dic"), (std::vector<std::wstring>{L"آب", L"نان", L"پژوهش"}));
    // A first line that is not a count is a word like the others.
    EXPECT_EQ(zarvanta::ParseHunspellWords("آب\nنان", L"fa.dic"), (std::vector<std::wstring>{L"آب", L"نان"}));
    EXPECT_TRUE(zarvanta::ParseHunspellWords("0\n", L"fa.dic").empty());
}

TEST(HunspellWordList, InvalidTextNamesTheFileAndLine) {
    try {
        zarvanta::ParseHunspellWords("2\nآب\n\xC3\x28\n", L"fa.dic");
        ADD_FAILURE() << "invalid UTF-8 was read";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "fa.dic: line 3 is not UTF-8");
    }
}

TEST(DictionaryWriter, RecordsHoldTheNormalisedWordItsLengthAndValue) {
    struct Case { std::wstring word; std::wstring abjadWord; std::int32_t length; std::int32_t abjad; };
    const std::vector<Case> cases = {
        {L"محمد", L"محمد", 4, 92},
        {L"پژوهش", L"بزوهش", 5, 320},
        {L"ایران", L"ايران", 5, 262},                             // Farsi yeh folded
        {L"می\u200Cروم", L"مي\u200Cروم", 6, 296},                 // the non-joiner counts as a character, worth 0
        {L"أمر", L"أمر", 3, 240},                                 // alef with hamza above has no rule and counts 0
    };
    const AbjadEngine engine;
    for (const auto& c : cases) {
        const auto record = zarvanta::MakeDictionaryRecord(engine, c.word);
        EXPECT_EQ(record.Word, c.word);
        EXPECT_EQ(record.AbjadWord, c.abjadWord);
        EXPECT_EQ(record.Length, c.length) << c.abjad;
        EXPECT_EQ(record.Abjad, c.abjad);
    }
}

TEST(DictionaryWriter, WrittenFileReadsBackInOrder) {
    const std::vector<std::wstring> words = {L"نان", L"آب", L"كتاب"};
    std::ostringstream out;
    zarvanta::WriteDictionary(AbjadEngine(), words, out);
    EXPECT_EQ(out.str().substr(0, 28), "Word\tAbjadWord\tLength\tAbjad\n");

    const auto table = DictionaryTable::Parse(out.str(), L"written");
    ASSERT_EQ(table->Size(), words.size());
    for (DictionaryTable::Index i = 0; i < words.size(); ++i) EXPECT_EQ(table->Record(i).Word, words[i]);
    EXPECT_EQ(table->Record(2).AbjadWord, L"کتاب");
    EXPECT_EQ(table->Record(2).Abjad, 423);
}
