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
    for (const Case& c : cases) EXPECT_EQ(Joined(kx::ParseFilterString(c.filter)), c.entries) << c.filter;
}

TEST(FilterString, ParsesTenThousandEntries) {
    std::wstring filter;
    for (int i = 0; i < 10000; ++i) filter += L"D" + std::to_wstring(i) + L"|*.e" + std::to_wstring(i) + L"|";
    const std::vector<FilterEntry> entries = kx::ParseFilterString(filter);
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

TEST(FilterString, FileNameBoxGivesTheNameWithTheFiltersExtension) {
    EXPECT_EQ(kx::FileNameWithExtension(L"report", 0, {L".txt", L".doc"}), L"report.txt");
    EXPECT_EQ(kx::FileNameWithExtension(L"report", 1, {L".*"}), L"report.*");
    EXPECT_EQ(kx::FileNameWithExtension(L"report", 0, {L"*.*"}), L"report*.*");  // an empty pattern
    EXPECT_EQ(kx::FileNameWithExtension(L"report.doc", 0, {L".txt"}), L"report.doc");
    EXPECT_EQ(kx::FileNameWithExtension(L"report", -1, {L".txt"}), L"report");
    EXPECT_EQ(kx::FileNameWithExtension(L"", 0, {L".txt"}), L"");  // no name chosen stays no name
}

}  // namespace
