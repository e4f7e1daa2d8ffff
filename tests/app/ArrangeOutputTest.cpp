#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "TestSupport.h"
#include "arrange/ArrangementCounts.h"
#include "arrange/ArrangementRun.h"
#include "arrange/ArrangementTexts.h"
#include "arrange/SubstitutionTable.h"
#include "dictionary/DictionaryTable.h"
#include "engine/AbjadEngine.h"

using zarvanta::AbjadEngine;
using zarvanta::ArrangementMode;
using zarvanta::ArrangementOutcome;
using zarvanta::ArrangementRequest;
using zarvanta::RecordSet;

namespace {

// Keys the cases below produce, with the same key twice in a row, again further down after another one, and
// under a Length their letters do not have.
const char* const kFixture =
    "Word\tAbjadWord\tLength\tAbjad\n"
    "cab\tcab\t3\t0\n"
    "CAB\tcab\t3\t0\n"               // joins the line of cab
    "aba\taba\t3\t0\n"
    "cab again\tcab\t3\t0\n"         // the same key after another one: not on the line
    "acb\tacb\t4\t0\n"               // filtered out by its Length
    "it's\tit's\t4\t0\n"
    "ابجد\tابجد\t4\t10\n"
    "أبجد\tابجد\t4\t10\n"
    "دبجا\tدبجا\t4\t10\n"
    "دبجا طولاني\tدبجا\t5\t10\n"   // filtered out by its Length
    "سعفص\tسعفص\t4\t230\n"
    "ابجد دوباره\tابجد\t4\t10\n"   // out of the run of ابجد
    "باب\tباب\t3\t5\n"
    "بطا\tبطا\t3\t12\n"
    "ب ا\tب ا\t3\t3\n"
    "جاb\tجاb\t3\t4\n"
    "بآ\tبآ\t2\t2\n"
    "با\tبا\t2\t3\n"
    "یک\tيک\t2\t30\n"               // Farsi yeh in the word: written as yeh
    "جبّ\tجبّ\t3\t5\n"
    "بجب\tبجب\t3\t7\n"
    "فح\tفح\t2\t88\n"
    "abcdabc\tabcdabc\t7\t0\n"
    "aaaaaaa\taaaaaaa\t7\t0\n"
    "هو ابجد\tهو ابجد\t7\t21\n";

struct FixtureRecord {
    std::wstring word;
    std::wstring abjadWord;
    int length;
};

// The window's steps as they were written: every arrangement stored in a table, the table sorted, a linear
// search for each look-up. For a few letters only.
class ReferenceRun {
public:
    ReferenceRun(const AbjadEngine& engine, const zarvanta::DictionaryTable& table, bool dictionaryCheck)
        : engine_(engine), dictionaryCheck_(dictionaryCheck) {
        for (zarvanta::DictionaryTable::Index i = 0; i < table.Size(); ++i) {
            const auto& r = table.Record(i);
            records_.push_back({std::wstring(r.Word), std::wstring(r.AbjadWord), r.Length});
        }
    }

    void AllLetters(const std::wstring& letters) {
        n_ = letters.size();
        const auto last = static_cast<std::size_t>(zarvanta::ResultsTableLastIndex(static_cast<int>(n_)));
        std::vector<std::wstring> results(last + 1);
        std::size_t value = 0;
        BuildArrangements(L"", letters, results, value);
        // The exchange sort over the indexes from 1 leaves them in ascending order; the entry at 0 stays.
        std::sort(results.begin() + 1, results.end());
        for (const auto& entry : results)
            if (entry.size() == n_ && !entry.empty()) WriteWord(entry);
    }

    void GreatCycle(const std::wstring& letters) {
        n_ = letters.size();
        BuildSubstitutions(L"", letters);
    }

    std::string Output() const { return arrangetest::PlatformCodePage1256(output_); }
    std::string OutputDic() const { return arrangetest::PlatformCodePage1256(outputDic_); }

private:
    void BuildArrangements(const std::wstring& prefix, const std::wstring& rest, std::vector<std::wstring>& results,
                           std::size_t& value) {
        if (prefix.size() >= 1) results.at(value++) = prefix;
        for (std::size_t i = 0; i < rest.size(); ++i)
            BuildArrangements(prefix + rest[i], rest.substr(0, i) + rest.substr(i + 1), results, value);
    }

    void BuildSubstitutions(const std::wstring& prefix, const std::wstring& rest) {
        if (rest.empty()) {
            WriteWord(prefix);
            return;
        }
        for (const auto row : zarvanta::kSubstitutionRows)
            if (row.front() == rest.front())
                for (const wchar_t c : row) BuildSubstitutions(prefix + c, rest.substr(1));
    }

    void WriteWord(const std::wstring& word) {
        output_ += word + L"\r\n";
        if (!dictionaryCheck_) return;
        if (const auto line = LookUp(word)) outputDic_ += *line + L"\r\n";
    }

    std::optional<std::wstring> LookUp(const std::wstring& word) const {
        std::vector<const FixtureRecord*> filtered;
        for (const auto& r : records_)
            if (r.length == static_cast<int>(n_)) filtered.push_back(&r);
        const std::wstring key = engine_.CorrectWord(word);
        std::size_t i = 0;
        while (i < filtered.size() && filtered[i]->abjadWord != key) ++i;
        if (i == filtered.size()) return std::nullopt;
        std::wstring list;
        for (; i < filtered.size() && filtered[i]->abjadWord == key; ++i) list += filtered[i]->word + L", ";
        return key + L" : " + list;
    }

    const AbjadEngine& engine_;
    bool dictionaryCheck_;
    std::vector<FixtureRecord> records_;
    std::size_t n_ = 0;
    std::wstring output_;
    std::wstring outputDic_;
};

struct LetterCase {
    const wchar_t* letters;
    int optionOff = -1;  // an option switched off, or on for option 0
};

AbjadEngine EngineFor(const LetterCase& c) {
    AbjadEngine engine;
    if (c.optionOff >= 0) engine.Options().Toggle(c.optionOff);
    return engine;
}

struct RunFiles {
    zarvanta::ArrangementResult result;
    std::string output;
    std::string outputDic;
};

RunFiles RunInto(const kxtest::ScratchFolder& folder, const AbjadEngine& engine, RecordSet& records,
                 const std::wstring& letters, ArrangementMode mode, bool check) {
    arrangetest::RecordingSink sink;
    ArrangementRequest request{letters, mode, check, &records, folder.path()};
    auto result = zarvanta::RunArrangements(engine, request, sink);
    return {result, arrangetest::ReadBytes(folder.File(L"Output.txt")),
            arrangetest::ReadBytes(folder.File(L"OutputDic.txt"))};
}

}  // namespace

TEST(ArrangeOutput, BothModesWriteWhatTheWindowsStepsWrite) {
    const std::vector<LetterCase> cases = {
        {L"abc"}, {L"aab"}, {L"ابجد"}, {L"ببا"}, {L"ا ب"}, {L"اbج"},
        {L"آب", 1},         // option 1 off: آ stays, and has no row
        {L"آب"},            // option 1 on: اب
        {L""}, {L"it's"}, {L"کی"},
        {L"بّج"},           // option 0 off: the shadda is a letter
        {L"بّج", 0},        // option 0 on: ببج
        {L"حف"},            // rows with repeated letters: repeated words
        {L"ابجده"}, {L"ابجد هو"}, {L"aabbccd"}, {L"a"}, {L"aaaaaaa"},
    };
    const auto table = zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt");
    RecordSet records(zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt"));
    for (const auto& c : cases) {
        const AbjadEngine engine = EngineFor(c);
        const std::wstring letters = engine.CorrectWord(c.letters);
        for (const auto mode : {ArrangementMode::AllLetters, ArrangementMode::GreatCycle}) {
            for (const bool check : {false, true}) {
                SCOPED_TRACE(testing::Message() << "letters " << testing::PrintToString(std::wstring(c.letters))
                                                << " mode " << static_cast<int>(mode) << " check " << check);
                ReferenceRun reference(engine, *table, check);
                if (mode == ArrangementMode::AllLetters) reference.AllLetters(letters);
                else reference.GreatCycle(letters);

                kxtest::ScratchFolder folder;
                const RunFiles run = RunInto(folder, engine, records, c.letters, mode, check);
                EXPECT_EQ(run.result.Outcome, ArrangementOutcome::Completed);
                EXPECT_EQ(run.result.Letters, letters);
                EXPECT_EQ(run.result.FilesToOpen.size(), check ? 2u : 1u);
                EXPECT_EQ(run.output, reference.Output());
                EXPECT_EQ(run.outputDic, reference.OutputDic());
            }
        }
    }
}

TEST(ArrangeOutput, WritesTheDocumentedWords) {
    struct Case {
        const wchar_t* letters;
        ArrangementMode mode;
        std::vector<std::wstring> firstWords;
        std::size_t wordCount;
        std::wstring lastWord;
    };
    const std::vector<Case> cases = {
        {L"abc", ArrangementMode::AllLetters, {L"abc", L"acb", L"bac", L"bca", L"cab", L"cba"}, 6, L"cba"},
        {L"aab", ArrangementMode::AllLetters, {L"aab", L"aab", L"aba", L"aba", L"baa", L"baa"}, 6, L"baa"},
        {L"اب", ArrangementMode::GreatCycle, {L"اب", L"اط", L"اک", L"اد"}, 81, L"سع"},
        {L"ب ", ArrangementMode::GreatCycle, {}, 0, L""},   // a blank has no row
        {L"ا", ArrangementMode::AllLetters, {L"ا"}, 1, L"ا"},
    };
    RecordSet records(zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt"));
    const AbjadEngine engine;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.letters)));
        kxtest::ScratchFolder folder;
        const RunFiles run = RunInto(folder, engine, records, c.letters, c.mode, false);
        std::string expectedStart;
        for (const auto& word : c.firstWords) expectedStart += arrangetest::PlatformCodePage1256(word) + "\r\n";
        EXPECT_EQ(run.output.substr(0, expectedStart.size()), expectedStart);
        EXPECT_EQ(static_cast<std::size_t>(std::count(run.output.begin(), run.output.end(), '\n')), c.wordCount);
        if (c.wordCount > 0) {
            const std::string last = arrangetest::PlatformCodePage1256(c.lastWord) + "\r\n";
            EXPECT_EQ(run.output.substr(run.output.size() - last.size()), last);
        }
    }
}

TEST(ArrangeOutput, EmptyLettersWriteNoWordOrOneEmptyLine) {
    RecordSet records(zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt"));
    const AbjadEngine engine;
    kxtest::ScratchFolder folder;
    EXPECT_EQ(RunInto(folder, engine, records, L"", ArrangementMode::AllLetters, true).output, "");
    EXPECT_EQ(RunInto(folder, engine, records, L"", ArrangementMode::GreatCycle, true).output, "\r\n");
}

TEST(ArrangeOutput, DictionaryLinesFollowTheRunOfTheFirstMatch) {
    RecordSet records(zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt"));
    const AbjadEngine engine;
    kxtest::ScratchFolder folder;
    EXPECT_EQ(RunInto(folder, engine, records, L"abc", ArrangementMode::AllLetters, true).outputDic,
              "cab : cab, CAB, \r\n");
    // Repeated letters repeat the word and its line; the apostrophe is a letter like any other.
    EXPECT_EQ(RunInto(folder, engine, records, L"aab", ArrangementMode::AllLetters, true).outputDic,
              "aba : aba, \r\naba : aba, \r\n");
    EXPECT_EQ(RunInto(folder, engine, records, L"'sit", ArrangementMode::AllLetters, true).outputDic,
              "it's : it's, \r\n");
    // The same word written four times by rows that hold its letters twice.
    const std::string line = arrangetest::PlatformCodePage1256(L"فح : فح, \r\n");
    EXPECT_EQ(RunInto(folder, engine, records, L"حف", ArrangementMode::GreatCycle, true).outputDic,
              line + line + line + line);
    // The word of the table is written in code page 1256, Farsi yeh as yeh.
    EXPECT_EQ(RunInto(folder, engine, records, L"کي", ArrangementMode::AllLetters, true).outputDic,
              "\xED\x98 : \xED\x98, \r\n");
}

TEST(ArrangeOutput, RefusesMoreThanElevenLettersAfterNormalising) {
    RecordSet records(zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt"));
    AbjadEngine engine;
    engine.Options().Set(0, true);
    kxtest::ScratchFolder folder;
    arrangetest::RecordingSink sink;

    // Twelve letters: refused, and nothing touched but the letters, which come back normalised.
    ArrangementRequest request{L"ابجدهوزحطيكل", ArrangementMode::GreatCycle, true, &records, folder.path()};
    auto result = zarvanta::RunArrangements(engine, request, sink);
    EXPECT_EQ(result.Outcome, ArrangementOutcome::Refused);
    EXPECT_EQ(result.Letters, L"ابجدهوزحطيکل");
    EXPECT_EQ(result.Message, L"بيشتر از 11 حرف محاسبه نميشود.\r\nThe len must be smaller or equal 11");
    EXPECT_TRUE(result.FilesToOpen.empty());
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.File(L"Output.txt")));

    // Eleven are accepted (a Latin letter among them keeps the great cycle short).
    request.Letters = L"ابجدهوزحطيx";
    result = zarvanta::RunArrangements(engine, request, sink);
    EXPECT_EQ(result.Outcome, ArrangementOutcome::Completed);
    EXPECT_EQ(arrangetest::ReadBytes(folder.File(L"Output.txt")), "");
    // A shadda at the start has no letter to double and goes: twelve characters typed, eleven letters.
    request.Letters = L"ّابجدهوزحطيx";
    EXPECT_EQ(zarvanta::RunArrangements(engine, request, sink).Outcome, ArrangementOutcome::Completed);
}
