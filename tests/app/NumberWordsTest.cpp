#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "ArrangeTestSupport.h"
#include "TestSupport.h"
#include "arrange/LeadingNumber.h"
#include "arrange/NumberWords.h"
#include "dictionary/DictionaryTable.h"

using zarvanta::RecordSet;
using Words = std::vector<std::wstring>;

namespace {

// Words of 92 out of alphabetical order, a word of 0 and one with an apostrophe.
const char* const kFixture =
    "Word\tAbjadWord\tLength\tAbjad\n"
    "محمد\tمحمد\t4\t92\n"
    "zero\tzero\t4\t0\n"
    "حمدم\tحمدم\t4\t92\n"
    "it's\tit's\t4\t0\n"
    "اب\tاب\t2\t3\n"
    "دمحم\tدمحم\t4\t92\n";

RecordSet FixtureRecords() { return RecordSet(zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt")); }

}  // namespace

TEST(NumberWords, ReadsTheNumberTheTextStartsWith) {
    struct Case { const wchar_t* text; double number; };
    const Case cases[] = {
        {L"92", 92}, {L"  9 2 ", 92}, {L"92abc", 92}, {L"abc", 0}, {L"", 0}, {L"-5", -5}, {L"- 5", -5},
        {L"+3", 3}, {L"1.5", 1.5}, {L".5", 0.5}, {L"1.2.3", 1.2}, {L"1e3", 1000}, {L"1D2", 100}, {L"2e", 2},
        {L"2e+", 2}, {L"--1", 0}, {L"1,000", 1}, {L"\t7\n", 7}, {L"٩٢", 0}, {L"محمد", 0}, {L"&H5C", 92},
        {L"1e400", std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zarvanta::LeadingNumber(c.text), c.number) << testing::PrintToString(std::wstring(c.text));
}

TEST(NumberWords, ListsTheWordsOfTheNumberInTableOrder) {
    RecordSet records = FixtureRecords();
    struct Case { const wchar_t* typed; Words words; };
    const std::vector<Case> cases = {
        {L"92", {L"محمد", L"حمدم", L"دمحم"}},  // table order, not alphabetical
        {L"", {L"zero", L"it's"}},             // empty or not a number: the words of 0
        {L"abc", {L"zero", L"it's"}},
        {L" 3", {L"اب"}},
        {L"93", {}},
        {L"92.5", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zarvanta::WordsOfAbjadNumber(records, c.typed), c.words)
            << testing::PrintToString(std::wstring(c.typed));
}

TEST(NumberWords, CopiesTheListIntoClipTxt) {
    struct Case { Words entries; std::string bytes; };
    const std::vector<Case> cases = {
        {{}, "\r\n"},
        {{L"zero", L"it's"}, "zero\r\nit's\r\n\r\n"},
        {{L"کتاب", L"یک"}, "\x98\xCA\xC7\xC8\r\n\xED\x98\r\n\r\n"},  // code page 1256, Farsi yeh as yeh
    };
    kxtest::ScratchFolder folder;
    for (const auto& c : cases) {
        const auto result = zarvanta::WriteClipFile(folder.path(), c.entries);
        EXPECT_TRUE(result.Written);
        EXPECT_TRUE(result.Error.empty());
        EXPECT_EQ(result.File, std::filesystem::path(folder.File(L"Clip.txt")));
        EXPECT_EQ(arrangetest::ReadBytes(result.File), c.bytes);
    }
    EXPECT_EQ(zarvanta::ClipText({L"a", L"b"}), L"a\r\nb\r\n\r\n");
}

TEST(NumberWords, ReportsAClipFileThatCannotBeWritten) {
    kxtest::ScratchFolder folder;
    std::filesystem::create_directory(folder.File(L"Clip.txt"));
    const auto result = zarvanta::WriteClipFile(folder.path(), {L"zero"});
    EXPECT_FALSE(result.Written);
    EXPECT_NE(result.Error.find(L"Clip.txt"), std::wstring::npos);
}
