#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/AbjadEngine.h"

using zarvanta::AbjadEngine;
using zarvanta::AbjadOptions;

namespace {

constexpr int kInt32Max = std::numeric_limits<std::int32_t>::max();

AbjadEngine EngineWith(std::initializer_list<std::pair<int, bool>> changes) {
    AbjadEngine engine;
    for (const auto& [index, on] : changes) engine.Options().Set(index, on);
    return engine;
}

AbjadEngine EngineWithAllOptions(bool on) {
    AbjadEngine engine;
    for (int i = 0; i < AbjadOptions::kCount; ++i) engine.Options().Set(i, on);
    return engine;
}

}  // namespace

TEST(AbjadAlphabet, LettersAndValuesFollowTheAbjadOrder) {
    struct Letter { wchar_t codePoint; int value; };
    const std::vector<Letter> expected = {
        {0x0627, 1},   {0x0628, 2},   {0x062C, 3},   {0x062F, 4},   {0x0647, 5},   {0x0648, 6},   {0x0632, 7},
        {0x062D, 8},   {0x0637, 9},   {0x064A, 10},  {0x06A9, 20},  {0x0644, 30},  {0x0645, 40},  {0x0646, 50},
        {0x0633, 60},  {0x0639, 70},  {0x0641, 80},  {0x0635, 90},  {0x0642, 100}, {0x0631, 200}, {0x0634, 300},
        {0x062A, 400}, {0x062B, 500}, {0x062E, 600}, {0x0630, 700}, {0x0636, 800}, {0x0638, 900}, {0x063A, 1000},
    };
    const AbjadEngine engine;
    ASSERT_EQ(engine.LetterString().size(), expected.size());
    EXPECT_EQ(engine.LetterString(), L"ابجدهوزحطيکلمنسعفصقرشتثخذضظغ");
    EXPECT_EQ(engine.Values()[0], 0);
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(engine.LetterString()[k], expected[k].codePoint) << "position " << k + 1;
        EXPECT_EQ(engine.Values()[k + 1], expected[k].value) << "position " << k + 1;
        EXPECT_EQ(engine.LetterValue(expected[k].codePoint), expected[k].value) << "position " << k + 1;
    }
}

TEST(AbjadOptions, DefaultsNamesAndToggles) {
    AbjadOptions options;
    EXPECT_FALSE(options.IsOn(0));
    for (int i = 1; i < AbjadOptions::kCount; ++i) EXPECT_TRUE(options.IsOn(i)) << i;
    const std::vector<std::wstring> names = {L"Repeat Tashdid", L"Replace Alef",     L"Replace Yah Hamza",
                                             L"Replace Hamza",  L"Replace Vav Hamzah", L"Replace Gaf",
                                             L"Replace J",      L"Replace Ch",       L"Replace Peh",
                                             L"Replace Tah Maksore"};
    for (int i = 0; i < AbjadOptions::kCount; ++i) EXPECT_EQ(AbjadOptions::NameOf(i), names[i]);
    EXPECT_TRUE(AbjadOptions::NameOf(10).empty());

    const AbjadOptions defaults;
    options.Toggle(5);
    EXPECT_FALSE(options.IsOn(5));
    options.Toggle(5);
    EXPECT_EQ(options, defaults);
    options.Set(-1, true);
    options.Set(10, true);
    EXPECT_EQ(options, defaults);
    EXPECT_FALSE(options.IsOn(10));
    options.Set(0, true);
    options.Set(9, false);
    options.ResetToDefaults();
    EXPECT_EQ(options, defaults);
}

TEST(CorrectWord, NormalisesUnderTheDefaultOptions) {
    const AbjadEngine engine;
    const std::vector<std::pair<std::wstring, std::wstring>> cases = {
        {L"", L""},
        {L"پژوهش", L"بزوهش"},
        {L"كتاب", L"کتاب"},              // Arabic kaf always becomes keheh
        {L"موسى", L"موسي"},              // alef maksura always becomes yeh
        {L"آب", L"اب"},
        {L"مسائل", L"مسايل"},
        {L"شیء", L"شيي"},                // Farsi yeh folds to yeh, hamza becomes yeh
        {L"مؤمن", L"مومن"},
        {L"گچ", L"کج"},
        {L"رحمة", L"رحمه"},
        {L"محمّد", L"محمّد"},            // option 0 is off: the shadda stays
        {L"Abjad 12, ok!", L"Abjad 12, ok!"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(engine.CorrectWord(text), expected);
}

TEST(CorrectWord, EachSwitchableRuleFollowsItsOwnOption) {
    struct Rule { int option; wchar_t from; wchar_t to; };
    const std::vector<Rule> rules = {
        {1, L'آ', L'ا'}, {2, L'ئ', L'ي'}, {3, L'ء', L'ي'}, {4, L'ؤ', L'و'}, {5, L'گ', L'ک'},
        {6, L'ژ', L'ز'}, {7, L'چ', L'ج'}, {8, L'پ', L'ب'}, {9, L'ة', L'ه'},
    };
    std::wstring allSources;
    for (const auto& rule : rules) allSources += rule.from;
    for (const auto& rule : rules) {
        AbjadEngine engine = EngineWithAllOptions(false);
        engine.Options().Set(rule.option, true);
        std::wstring expected = allSources;
        std::replace(expected.begin(), expected.end(), rule.from, rule.to);
        EXPECT_EQ(engine.CorrectWord(allSources), expected) << "option " << rule.option;
    }
    EXPECT_EQ(EngineWithAllOptions(false).CorrectWord(allSources), allSources);
    EXPECT_EQ(EngineWithAllOptions(false).CorrectWord(L"كى"), L"کي");  // the fixed rules need no option
}

TEST(CorrectWord, RepeatTashdidDoublesTheLetterBeforeEachShadda) {
    const AbjadEngine engine = EngineWith({{0, true}});
    const std::vector<std::pair<std::wstring, std::wstring>> cases = {
        {L"محمّد", L"محممد"},
        {L"مّّ", L"ممم"},                 // a second shadda doubles the doubled letter again
        {L"ّمحمد", L"محمد"},             // nothing before it: the shadda is dropped
        {L"ّ", L""},
        {L"پّ", L"بب"},                  // the copy is replaced like the letter
        {L"كّ", L"کک"},
        {L" ّ", L"  "},                  // any character is doubled, a blank too
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(engine.CorrectWord(text), expected);
}

TEST(CorrectWord, FoldsCharactersOutsideTheCodePageToTheirLetters) {
    const AbjadEngine engine;
    const std::vector<std::pair<std::wstring, std::wstring>> cases = {
        {L"\u06CC", L"\u064A"},               // Farsi yeh -> yeh
        {L"\uFEE3\uFEA3\uFEE4\uFEAA", L"محمد"},  // presentation forms -> letters
        {L"\uFED9", L"\u06A9"},               // isolated kaf -> kaf -> keheh
        {L"\uFB8A", L"\u0632"},               // jeh form -> jeh -> zain (option 6)
        {L"\u0661\u0662", L"12"},             // Arabic-Indic digits are stored as digits
        {L"\u06F1\u06F2", L"\u06F1\u06F2"},   // Persian digits have no fold and stay
        {L"\u200C", L"\u200C"},               // the code page holds zero-width non-joiner
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(engine.CorrectWord(text), expected);
}

TEST(MakeAbjad, PublishedValuesAndEdgeCases) {
    struct Case { std::wstring text; std::int32_t expected; };
    const std::vector<Case> cases = {
        {L"بسم الله الرحمن الرحيم", 786},
        {L"بسم الله الرحمن الرحيم\r\n", 786},
        {L"محمد", 92},
        {L"محمّد", 92},                 // the shadda counts 0
        {L"", 0},
        {L"  Abjad value  ", 0},
        {L"ك", 20},
        {L"ى", 10},
        {L"آ", 1},
        {L"ة", 5},
        {L"ء", 10},
        {L"ئ", 10},
        {L"ؤ", 6},
        {L"گ", 20},
        {L"ب2", 2},                     // not a number: the digit counts 0
        {L"بَ", 2},                      // diacritics other than the shadda count 0
        {L"ایران", 262},                // with Farsi yeh
        {L"\u06F1\u06F2", 0},           // Persian digits: no letter to fold to
        {L"\U0001F600ب", 2},            // a character beyond the code page counts 0
        {L"غ", 1000},
    };
    const AbjadEngine engine;
    for (const auto& c : cases) EXPECT_EQ(engine.MakeAbjad(c.text), c.expected) << c.expected;
}

TEST(MakeAbjad, OptionsDecideTheValueOfTheirLetters) {
    struct Case { int option; std::wstring text; std::int32_t on; std::int32_t off; };
    const std::vector<Case> cases = {
        {0, L"محمّد", 132, 92},
        {1, L"آ", 1, 0},
        {2, L"ئ", 10, 0},
        {3, L"ء", 10, 0},
        {4, L"ؤ", 6, 0},
        {5, L"گ", 20, 0},
        {6, L"ژ", 7, 0},
        {7, L"چ", 3, 0},
        {8, L"پ", 2, 0},
        {9, L"ة", 5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EngineWith({{c.option, true}}).MakeAbjad(c.text), c.on) << "option " << c.option;
        EXPECT_EQ(EngineWith({{c.option, false}}).MakeAbjad(c.text), c.off) << "option " << c.option;
    }
    for (const bool on : {true, false}) {
        EXPECT_EQ(EngineWithAllOptions(on).MakeAbjad(L"ك"), 20);
        EXPECT_EQ(EngineWithAllOptions(on).MakeAbjad(L"ى"), 10);
    }
}

TEST(MakeAbjad, ATextThatReadsAsANumberIsThatNumber) {
    constexpr int kInt32Min = std::numeric_limits<std::int32_t>::min();
    struct Case { std::wstring text; std::optional<std::int32_t> expected; };
    const std::vector<Case> cases = {
        {L"123", 123},       {L"12.5", 12},        {L"13.5", 14},      {L" 7 ", 7},
        {L"-7", -7},         {L"+8", 8},           {L"-2.5", -2},      {L"1e3", 1000},
        {L".5", 0},          {L"1.5", 2},          {L"7\r\n", 7},      {L"\u0661\u0662", 12},
        {L"1 2", 0},         {L"1e", 0},           {L"-", 0},          {L".", 0},
        // The 32-bit edges; a number beyond them has no value (the classic conversion overflows).
        {L"2147483647.4", kInt32Max},              {L"-2147483648.5", kInt32Min},
        {L"2147483647.5", std::nullopt},           {L"-2147483649", std::nullopt},
        {L"99999999999", std::nullopt},            {L"-99999999999", std::nullopt},
        {L"1e400", std::nullopt},
    };
    const AbjadEngine engine;
    for (const auto& c : cases) EXPECT_EQ(engine.MakeAbjad(c.text), c.expected);
}

TEST(MakeAbjad, LongTextsAreValuedWholeUpToThe32BitRange) {
    const AbjadEngine engine;
    EXPECT_EQ(engine.MakeAbjad(std::wstring(32767, L'ب')), 65534);
    EXPECT_EQ(engine.MakeAbjad(std::wstring(40000, L'ب')), 80000);
    EXPECT_EQ(engine.MakeAbjad(std::wstring(2147483, L'غ')), 2147483000);
    EXPECT_EQ(engine.MakeAbjad(std::wstring(2200000, L'غ')), std::nullopt);  // a sum beyond 32 bits has no value
    EXPECT_EQ(EngineWith({{0, true}}).MakeAbjad(std::wstring(1, L'ب') + std::wstring(50000, L'ّ')), 100002);
}
