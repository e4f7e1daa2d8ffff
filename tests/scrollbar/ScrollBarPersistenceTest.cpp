// kxScrollBar's bag: non-default keys only, in order; saved colours over the Style reset; keys without case;
// the stream form; and loads that repair what they cannot keep.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "ScrollBarFixture.h"

namespace {

using Bag = kxtest::SavedBag;
using kxtest::BagPersistence;

constexpr long kHigh = std::numeric_limits<LONG>::max();

VARIANT Long(long value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

void Put(Bag& bag, const wchar_t* key, long value) {
    VARIANT v = Long(value);
    bag.bag->Write(key, &v);
}

TEST(ScrollBarPersistence, ANewBarSavesNothingAndAChangedOneItsKeysInOrder) {
    kxtest::LooseScrollBar s;
    Bag none;
    ASSERT_EQ(BagPersistence(s.bar)->Save(none.bag, TRUE, TRUE), S_OK);
    EXPECT_TRUE(none.Keys().empty());

    s.bar->put_Style(kxSBJava);
    s.bar->put_Direction(kxSBHorizontal);
    s.bar->put_Value(7);
    s.bar->put_SmallChange(3);
    s.bar->put_Min(-5);
    s.bar->put_Max(70);
    s.bar->put_LargeChange(9);
    s.bar->put_Enabled(VARIANT_FALSE);
    s.bar->put_ForeColor(0x00FF00);
    s.bar->put_BackColor(0x0000FF);
    Bag saved;
    ASSERT_EQ(BagPersistence(s.bar)->Save(saved.bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(saved.Keys(), (std::vector<std::wstring>{L"BackColor", L"ForeColor", L"Enabled", L"LargeChange", L"Max",
                                                       L"Min", L"SmallChange", L"Value", L"Style", L"Direction"}));

    kxtest::LooseScrollBar back(17, 300, false);
    ASSERT_EQ(BagPersistence(back.bar)->Load(saved.bag, nullptr), S_OK);
    Bag again;
    BagPersistence(back.bar)->Save(again.bag, TRUE, TRUE);
    kxtest::ExpectSameProperties(saved.bag, again.bag);
}

TEST(ScrollBarPersistence, SavedColoursWinOverTheStyleResetAndKeysMatchWithoutCase) {
    Bag bag;
    Put(bag, L"style", kxSBOffice2003);
    Put(bag, L"backcolor", 0x112233);
    Put(bag, L"FORECOLOR", 0x445566);
    Put(bag, L"value", 30);
    kxtest::LooseScrollBar s(17, 300, false);
    ASSERT_EQ(BagPersistence(s.bar)->Load(bag.bag, nullptr), S_OK);
    OLE_COLOR back = 0, fore = 0;
    s.bar->get_BackColor(&back);
    s.bar->get_ForeColor(&fore);
    EXPECT_EQ(back, 0x112233u);
    EXPECT_EQ(fore, 0x445566u);
    EXPECT_EQ(s.Value(), 30);
    kxScrollStyle style = kxSBNormal;
    s.bar->get_Style(&style);
    EXPECT_EQ(style, kxSBOffice2003);

    Bag styleOnly;
    Put(styleOnly, L"Style", kxSBOffice2003);
    kxtest::LooseScrollBar t(17, 300, false);
    BagPersistence(t.bar)->Load(styleOnly.bag, nullptr);
    t.bar->get_BackColor(&back);
    EXPECT_EQ(back, 0x8000000Fu) << "an absent key reads its default, after the reset";
}

// Loading never fails: what it cannot keep it repairs.
TEST(ScrollBarPersistence, LoadingRepairsWhatItCannotKeep) {
    const struct {
        const char* what;
        std::vector<std::pair<const wchar_t*, long>> keys;
        long style, min, max, value, largeChange;
    } cases[] = {
        {"Max at Min", {{L"Min", 5}, {L"Max", 5}, {L"Value", 5}}, 0, 5, 6, 5, 10},
        {"Value above Max", {{L"Max", 50}, {L"Value", 80}}, 0, 0, 50, 50, 10},
        {"Value below Min", {{L"Min", 20}, {L"Value", -80}}, 0, 20, 100, 20, 10},
        {"Min at the top", {{L"Min", kHigh}, {L"Max", kHigh}, {L"Value", kHigh}}, 0, 0, 100, 100, 10},
        {"too wide a range", {{L"Min", -kHigh - 1}, {L"Max", kHigh}, {L"Value", 3}}, 0, 0, 100, 3, 10},
        {"a style without a member", {{L"Style", 9}}, 0, 0, 100, 0, 10},
        {"LargeChange 0 kept until a Refresh", {{L"LargeChange", 0}}, 0, 0, 100, 0, 0},
        {"a known style", {{L"Style", 8}}, 8, 0, 100, 0, 10},
    };
    for (const auto& c : cases) {
        Bag bag;
        for (const auto& [key, value] : c.keys) Put(bag, key, value);
        kxtest::LooseScrollBar s(17, 300, false);
        EXPECT_EQ(BagPersistence(s.bar)->Load(bag.bag, nullptr), S_OK) << c.what;
        kxScrollStyle style = kxSBNormal;
        s.bar->get_Style(&style);
        EXPECT_EQ(style, c.style) << c.what;
        EXPECT_EQ(s.Min(), c.min) << c.what;
        EXPECT_EQ(s.Max(), c.max) << c.what;
        EXPECT_EQ(s.Value(), c.value) << c.what;
        EXPECT_EQ(s.LargeChange(), c.largeChange) << c.what;
        EXPECT_EQ(s.events.Count(L"Change"), 0u) << c.what;
    }
}

TEST(ScrollBarPersistence, TheStreamFormKeepsTheSameProperties) {
    kxtest::LooseScrollBar s;
    s.bar->put_Style(kxSBFlat);
    s.bar->put_Max(250);
    s.bar->put_Value(125);
    const std::vector<BYTE> bytes = kxtest::StreamBytes(s.Unknown());
    kxtest::LooseScrollBar back(17, 300, false);
    ASSERT_EQ(kxtest::LoadStreamBytes(back.Unknown(), bytes), S_OK);
    EXPECT_EQ(back.Max(), 250);
    EXPECT_EQ(back.Value(), 125);
    kxScrollStyle style = kxSBNormal;
    back.bar->get_Style(&style);
    EXPECT_EQ(style, kxSBFlat);
}

}  // namespace
