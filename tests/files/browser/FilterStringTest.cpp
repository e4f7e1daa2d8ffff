// The filter string's parse, the extensions of a pattern and the name the file-name box gives back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FilterString.h"

namespace {

using kx::FilterEntry;

std::wstring Joined(const std::vector<FilterEntry>& entries) {
    std::wstring text;
    for (const FilterEntry& entry : entries) text += L"[" + entry.description + L"=" + entry.pattern + L"]";
    return text;
}

TEST(FilterString, ParsesPairsOfDescriptionAndPattern) {
    struct Case {
        const wchar_t* filter;
        const wchar_t* entries;
    };
    const Case cases[] = {
        {L"Text files|*.txt|All files|*.*", L"[Text files=*.txt][All files=*.*]"},
        {L"Text files|*.txt|All files|*.*|", L"[Text files=*.txt][All files=*.*]"},
        {L"Docs|*.doc;*.txt", L"[Docs=*.doc;*.txt]"},
        {L"", L"[*.*=*.*]"},                                  // an empty filter keeps one entry for every file
        {L"Text|*.txt|Orphan", L"[Text=*.txt][Orphan=]"},     // odd field count: every file
        {L"|", L"[=]"},
        {L"||||", L"[=][=]"},
        {L" Text | *.txt ", L"[ Text = *.txt ]"},
    };
    for (const Case& c : cases) EXPECT_EQ(Joined(kx::ParseFilter(c.filter)), c.entries) << c.filter;
}

TEST(FilterString, ParsesTenThousandEntries) {
    std::wstring filter;
    for (int i = 0; i < 10000; ++i) filter += L"D" + std::to_wstring(i) + L"|*.e" + std::to_wstring(i) + L"|";
    const std::vector<FilterEntry> entries = kx::ParseFilter(filter);
    ASSERT_EQ(entries.size(), 10000u);
    EXPECT_EQ(entries[9999].pattern, L"*.e9999");
}

TEST(FilterString, IndexBeyondTheEntriesSelectsTheLast) {
    EXPECT_EQ(kx::ClampFilterIndex(7, 2), 1);
    EXPECT_EQ(kx::ClampFilterIndex(1, 2), 1);
    EXPECT_EQ(kx::ClampFilterIndex(0, 2), 0);
    EXPECT_EQ(kx::ClampFilterIndex(-1, 2), -1);  // the typed pattern
    EXPECT_EQ(kx::ClampFilterIndex(3, 0), 3);
}

TEST(FilterString, ExtensionsOfAPattern) {
    struct Case {
        const wchar_t* pattern;
        std::vector<std::wstring> extensions;
    };
    const Case cases[] = {
        {L"*.txt", {L".txt"}},
        {L"*.*", {L".*"}},
        {L"", {L"*.*"}},
        {L"*.txt;*.doc", {L".txt", L".doc"}},
        {L"*.txt;*.doc;", {L".txt", L".doc"}},
        {L" *.txt ; *.log ", {L".txt", L".log"}},
        {L"readme", {L".*"}},  // a bare name admits every file
        {L";;", {L"*.*"}},
        {L"*.tar.gz", {L".tar.gz"}},
    };
    for (const Case& c : cases) EXPECT_EQ(kx::ExtensionsOfPattern(c.pattern), c.extensions) << c.pattern;
}

TEST(FilterString, NamesMatchByContainmentIgnoringCase) {
    struct Case {
        const wchar_t* name;
        const wchar_t* extension;
        bool matches;
    };
    const Case cases[] = {
        {L"a.txt", L".txt", true},          {L"c.TXT", L".txt", true},     {L"notes.txt.bak", L".txt", true},
        {L"x.docx", L".doc", true},         {L"x.log", L".txt", false},    {L"noext", L".*", true},
        {L"noext", L"*.*", true},           {L"readme", L".txt", false},
    };
    for (const Case& c : cases) EXPECT_EQ(kx::NameHasExtension(c.name, c.extension), c.matches) << c.name;
    EXPECT_TRUE(kx::NameMatchesAny(L"b.doc", {L".txt", L".doc"}));
    EXPECT_FALSE(kx::NameMatchesAny(L"b.xls", {L".txt", L".doc"}));
}

TEST(FilterString, TypedPatternExtension) {
    EXPECT_EQ(kx::TypedPatternExtension(L"*.log"), L".log");
    EXPECT_EQ(kx::TypedPatternExtension(L"*.*"), L".*");
    EXPECT_EQ(kx::TypedPatternExtension(L"*"), L".*");
}

TEST(FilterString, FileNameBoxGivesTheNameWithTheFiltersExtension) {
    EXPECT_EQ(kx::FileNameWithExtension(L"report", 0, kx::ExtensionsOfPattern(L"*.txt")), L"report.txt");
    EXPECT_EQ(kx::FileNameWithExtension(L"report", 1, kx::ExtensionsOfPattern(L"*.*")), L"report.*");
    EXPECT_EQ(kx::FileNameWithExtension(L"report", 0, kx::ExtensionsOfPattern(L"")), L"report*.*");
    EXPECT_EQ(kx::FileNameWithExtension(L"report.doc", 0, kx::ExtensionsOfPattern(L"*.txt")), L"report.doc");
    EXPECT_EQ(kx::FileNameWithExtension(L"report", -1, kx::ExtensionsOfPattern(L"*.txt")), L"report");
}

}  // namespace
