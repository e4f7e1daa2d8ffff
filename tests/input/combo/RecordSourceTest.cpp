#include <gtest/gtest.h>

#include "ColumnList.h"
#include "ComboFixture.h"
#include "ErrorInfo.h"
#include "FindCriterion.h"
#include "LookupCriterion.h"
#include "RecordSource.h"

namespace {

using kx::KeyKind;
using kxtest::PeopleTable;

TEST(LookupCriterionTest, WritesTheKeyAsALiteralOfTheFieldType) {
    struct Case {
        long type;
        const wchar_t* text;
        const wchar_t* expected;  // null: no criterion, the key is not found
    };
    const Case cases[] = {
        {3, L"12", L"Id = 12"},
        {5, L"2.5", L"Id = 2.5"},
        {131, L"-7", L"Id = -7"},
        {3, L"12abc", nullptr},
        {3, L"", nullptr},
        {7, L"2024-03-01", L"Id = #03-01-2024#"},
        {135, L"2001-12-31", L"Id = #12-31-2001#"},
        {7, L"not a date", nullptr},
        {11, L"True", L"Id = True"},
        {11, L"false", L"Id = False"},
        {11, L"maybe", nullptr},
        {202, L"O'Brien", L"Id = 'O''Brien'"},
        {202, L"", L"Id = ''"},
        {12, L"it's 'quoted'", L"Id = 'it''s ''quoted'''"},
    };
    for (const Case& c : cases) {
        const std::optional<std::wstring> criterion = kx::LookupCriterion(L"Id", c.type, c.text);
        if (!c.expected) {
            EXPECT_FALSE(criterion.has_value()) << c.type << L" " << c.text;
        } else {
            ASSERT_TRUE(criterion.has_value()) << c.type << L" " << c.text;
            EXPECT_EQ(*criterion, c.expected);
        }
    }
}

TEST(LookupCriterionTest, FieldTypesFallIntoFourKinds) {
    EXPECT_EQ(kx::KeyKindOfFieldType(20), KeyKind::Number);
    EXPECT_EQ(kx::KeyKindOfFieldType(139), KeyKind::Number);
    EXPECT_EQ(kx::KeyKindOfFieldType(64), KeyKind::Date);
    EXPECT_EQ(kx::KeyKindOfFieldType(11), KeyKind::Boolean);
    EXPECT_EQ(kx::KeyKindOfFieldType(130), KeyKind::Text);
    EXPECT_EQ(kx::KeyKindOfFieldType(12), KeyKind::Text);
}

TEST(FindCriterionTest, ReadsWhatTheComboWrites) {
    const auto text = kx::ParseFindCriterion(L"Name = 'O''Brien'");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->field, L"Name");
    EXPECT_EQ(text->kind, KeyKind::Text);
    EXPECT_EQ(text->text, L"O'Brien");
    const auto number = kx::ParseFindCriterion(L"Id = -1.5");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->kind, KeyKind::Number);
    EXPECT_EQ(number->number, -1.5);
    const auto date = kx::ParseFindCriterion(L"Born = #03-01-2024#");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->kind, KeyKind::Date);
    EXPECT_EQ(date->month * 10000 + date->day * 100 + date->year % 100, 30124);
    const auto flag = kx::ParseFindCriterion(L"Active = true");
    ASSERT_TRUE(flag);
    EXPECT_TRUE(flag->boolean);
    for (const wchar_t* bad : {L"Name = 'O'Brien'", L"Name = 'open", L"= 12", L"Id 12", L"Id = maybe", L"Id = 12 13",
                               L"Born = #13-01-2024#", L"Id = "})
        EXPECT_FALSE(kx::ParseFindCriterion(bad).has_value()) << bad;
}

// The record source's surface through the late-bound view, both shapes of Fields.
TEST(RecordSourceTest, FindLeavesTheCursorOnTheFirstMatchOrAtEof) {
    kx::TableRecordSet* table = PeopleTable();
    {
        const kx::RecordSource source(table);
        EXPECT_EQ(source.RecordCount(), 4);
        struct Case {
            const wchar_t* criterion;
            long position;  // 4 = EOF
        };
        const Case cases[] = {{L"Id = 12", 1},           {L"Id = 13", 4},           {L"Name = 'O''Brien'", 1},
                              {L"name = 'o''brien'", 1}, {L"Name = ''", 4},         {L"Born = #03-02-2024#", 3},
                              {L"Active = True", 1},     {L"Score = -4", 2},        {L"Score = 0.5", 4}};
        for (const Case& c : cases) {
            source.Find(c.criterion);
            EXPECT_EQ(table->Position(), c.position) << c.criterion;
            EXPECT_EQ(source.AtEof(), c.position == 4) << c.criterion;
        }
        source.Find(L"Id = 30");
        kx::OwnedVariant name;
        source.FieldValue(L"Name", name);
        EXPECT_EQ(name->vt, VT_NULL);
        EXPECT_EQ(source.FieldType(L"Born"), 7);
        EXPECT_EQ(source.FieldType(L"Score"), 5);
    }
    table->Release();
}

TEST(RecordSourceTest, RefusalsCarryTheSourcesNumbers) {
    kx::TableRecordSet* table = PeopleTable();
    {
        const kx::RecordSource source(table);
        auto numberOf = [](auto body) {
            try {
                body();
            } catch (const kx::Error& e) {
                return e.number;
            }
            return 0;
        };
        EXPECT_EQ(numberOf([&] { source.Find(L"Id = 'open"); }), 3001);
        EXPECT_EQ(numberOf([&] { source.Find(L"Missing = 1"); }), 3265);
        EXPECT_EQ(numberOf([&] { source.FieldType(L"Missing"); }), 3265);
        source.Find(L"Id = 99");
        kx::OwnedVariant value;
        EXPECT_EQ(numberOf([&] { source.FieldValue(L"Name", value); }), 3021);
        EXPECT_EQ(numberOf([&] { source.MoveNext(); }), 3021);
        table->FailMember(L"EOF");
        EXPECT_EQ(numberOf([&] { source.AtEof(); }), kx::kErrInvalidCall);
    }
    table->Release();
}

TEST(RecordSourceTest, WalksAndReturnsToABookmark) {
    kx::TableRecordSet* table = PeopleTable();
    {
        const kx::RecordSource source(table);
        source.MoveFirst();
        source.MoveNext();
        kx::OwnedVariant mark;
        source.Bookmark(mark);
        int seen = 0;
        for (source.MoveFirst(); !source.AtEof(); source.MoveNext()) ++seen;
        EXPECT_EQ(seen, 4);
        source.SetBookmark(*mark);
        EXPECT_EQ(table->Position(), 1);
    }
    table->Release();
}

TEST(ColumnListTest, AddFillsTheFirstFreeSlotAndCountStopsAtIt) {
    kx::ColumnList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.Add(L"Id", L"", 1000));
    EXPECT_TRUE(list.Add(L"Name", L"Full name", 2500));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0).caption, L"Id");
    EXPECT_EQ(list.At(1).width, L"2500");
    list.Set(0, {});
    EXPECT_EQ(list.Count(), 0);  // the first free slot, used ones behind it or not
    EXPECT_TRUE(list.Add(L"Again", L"", 5));
    EXPECT_EQ(list.At(0).name, L"Again");
    for (int i = 2; i < kx::ColumnList::kSlots; ++i) EXPECT_TRUE(list.Add(L"F" + std::to_wstring(i), L"", 1));
    EXPECT_EQ(list.Count(), 101);
    EXPECT_FALSE(list.Add(L"More", L"", 1));
}

TEST(ColumnListTest, CompactingKeepsTheOrderAndEmptiesWithWidthZero) {
    kx::ColumnList list;
    list.Set(0, {L"A", L"a", L"100"});
    list.Set(2, {L"C", L"", L"300"});
    list.Set(5, {L"", L"only caption", L"500"});
    list.Compact();
    EXPECT_EQ(list.At(0).name, L"A");
    EXPECT_EQ(list.At(1).name, L"C");
    EXPECT_EQ(list.At(2).caption, L"only caption");
    EXPECT_TRUE(list.At(3).Free());
    // The classic passes shift the free slots' widths too: the first free one keeps the width it was given.
    EXPECT_EQ(list.At(3).width, L"1000");
    for (int i = 4; i < kx::ColumnList::kSlots; ++i) EXPECT_EQ(list.At(i).width, L"0") << i;
    // A lone last slot behind 100 free ones needs a hundredth pass.
    kx::ColumnList last;
    last.Set(100, {L"Z", L"z", L"9"});
    last.Compact();
    EXPECT_EQ(last.At(0).name, L"Z");
    EXPECT_TRUE(last.IsCompact());
}

}  // namespace
