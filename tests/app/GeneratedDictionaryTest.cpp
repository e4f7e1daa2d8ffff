#include <gtest/gtest.h>

#include <map>
#include <string>

#include "TestSupport.h"
#include "dictionary/RecordSet.h"
#include "dictionary/WordLookup.h"

using zarvanta::AbjadEngine;
using zarvanta::DictionaryField;
using zarvanta::RecordSet;

namespace {

// The dic.txt the build made from the Persian word list, loaded once for the whole suite.
class GeneratedDictionary : public testing::Test {
protected:
    static void SetUpTestSuite() {
        records_ = new RecordSet(RecordSet::Open(kxtest::EnvironmentPath(L"KX_DICTIONARY")));
    }
    static void TearDownTestSuite() {
        delete records_;
        records_ = nullptr;
    }

    static inline RecordSet* records_ = nullptr;
};

}  // namespace

TEST_F(GeneratedDictionary, HoldsEveryWordOfTheListInItsOrder) {
    RecordSet& records = *records_;
    records.ClearFilter();
    EXPECT_EQ(records.RecordCount(), 331788u);
    EXPECT_EQ(records.Word(), L"آب");
}

TEST_F(GeneratedDictionary, EveryRecordIsTheEnginesViewOfItsWord) {
    const AbjadEngine engine;
    const auto& table = records_->Table();
    std::size_t mismatches = 0;
    for (zarvanta::DictionaryTable::Index i = 0; i < table.Size(); ++i) {
        const auto& record = table.Record(i);
        const std::wstring word(record.Word);
        const std::wstring abjadWord = engine.CorrectWord(word);
        const bool agrees = record.AbjadWord == abjadWord && record.Abjad == engine.MakeAbjad(word) &&
                            record.Length == static_cast<std::int32_t>(abjadWord.size()) &&
                            abjadWord.find(L'\u06CC') == std::wstring::npos;
        if (!agrees && ++mismatches <= 5) ADD_FAILURE() << "record " << i << " disagrees with the engine";
    }
    EXPECT_EQ(mismatches, 0u);
}

TEST_F(GeneratedDictionary, KnownWordsHaveTheirValues) {
    const std::map<std::wstring, std::pair<std::wstring, std::int32_t>> known = {
        {L"محمد", {L"محمد", 92}},
        {L"پژوهش", {L"بزوهش", 320}},
        {L"ایران", {L"ايران", 262}},
        {L"آبادان", {L"ابادان", 59}},
    };
    RecordSet& records = *records_;
    records.ClearFilter();
    for (const auto& [word, expected] : known) {
        ASSERT_TRUE(records.FindAbjadWord(expected.first)) << expected.second;
        EXPECT_EQ(records.Current().Abjad, expected.second);
        bool listed = false;
        for (records.SetFilter(DictionaryField::Abjad, expected.second); !records.IsEof(); records.MoveNext())
            listed = listed || records.Word() == word;
        EXPECT_TRUE(listed) << expected.second;
        records.ClearFilter();
    }
}

TEST_F(GeneratedDictionary, LooksUpAGeneratedWordUnderItsLengthFilter) {
    RecordSet& records = *records_;
    records.SetFilter(DictionaryField::Length, 4);
    EXPECT_EQ(zarvanta::LookUpWord(records, AbjadEngine(), L"محمد"), L"محمد : محمد, ");
    EXPECT_EQ(zarvanta::LookUpWord(records, AbjadEngine(), L"دمحم"), std::nullopt);
    records.ClearFilter();
}
