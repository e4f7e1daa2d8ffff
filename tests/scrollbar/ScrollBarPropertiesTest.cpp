// kxScrollBar's members: defaults, the range rules, the Style colours, and setters that fail changing nothing.
#include <gtest/gtest.h>

#include <limits>

#include "ErrorInfo.h"
#include "ScrollBarFixture.h"

namespace {

constexpr LONG kLow = std::numeric_limits<LONG>::min();
constexpr LONG kHigh = std::numeric_limits<LONG>::max();

struct Snapshot {
    LONG min, max, value, small, large;
    kxScrollStyle style;
    kxScrollDirection direction;
    OLE_COLOR back, fore;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(kx::KxScrollBar* bar) {
    Snapshot s{};
    bar->get_Min(&s.min);
    bar->get_Max(&s.max);
    bar->get_Value(&s.value);
    bar->get_SmallChange(&s.small);
    bar->get_LargeChange(&s.large);
    bar->get_Style(&s.style);
    bar->get_Direction(&s.direction);
    bar->get_BackColor(&s.back);
    bar->get_ForeColor(&s.fore);
    return s;
}

TEST(ScrollBarProperties, ANewBarReadsTheDefaults) {
    kxtest::LooseScrollBar s;
    const Snapshot got = Take(s.bar);
    EXPECT_EQ(got, (Snapshot{0, 100, 0, 1, 10, kxSBNormal, kxSBVertical, 0x8000000F, 0x80000012}));
    VARIANT_BOOL enabled = VARIANT_FALSE;
    s.bar->get_Enabled(&enabled);
    EXPECT_EQ(enabled, VARIANT_TRUE);
    EXPECT_EQ(s.bar->Sizes().thumb, 27) << "300 pixels: nearest(266 / 10)";
}

// Max and Min at or across each other are repaired at once, Value with them, and no Change is raised.
TEST(ScrollBarProperties, MaxAndMinRepairTheRangeAndKeepValueInside) {
    const struct {
        const char* what;
        LONG setMax, setMin;  // 0x7FFF: leave
        LONG min, max, value;
    } cases[] = {
        {"Max below Min", -5, 0x7FFF, 0, 1, 0},
        {"Max equal to Min", 0, 0x7FFF, 0, 1, 0},
        {"Min equal to Max", 0x7FFF, 100, 100, 101, 100},
        {"Min above Max", 0x7FFF, 150, 150, 151, 150},
        {"Min raises Value", 0x7FFF, 60, 60, 100, 60},
        {"Max lowers Value", 30, 0x7FFF, 0, 30, 30},
    };
    for (const auto& c : cases) {
        kxtest::LooseScrollBar s;
        s.bar->put_Value(50);
        s.events.names.clear();
        if (c.setMax != 0x7FFF) EXPECT_EQ(s.bar->put_Max(c.setMax), S_OK) << c.what;
        if (c.setMin != 0x7FFF) EXPECT_EQ(s.bar->put_Min(c.setMin), S_OK) << c.what;
        EXPECT_EQ(s.Min(), c.min) << c.what;
        EXPECT_EQ(s.Max(), c.max) << c.what;
        EXPECT_EQ(s.Value(), c.value) << c.what;
        EXPECT_EQ(s.events.Count(L"Change"), 0u) << c.what;
    }
}

TEST(ScrollBarProperties, ValueIsClampedAndEveryAssignmentRaisesChange) {
    kxtest::LooseScrollBar s;
    s.bar->put_Value(1000);
    EXPECT_EQ(s.Value(), 100);
    s.bar->put_Value(-7);
    EXPECT_EQ(s.Value(), 0);
    s.bar->put_Value(0);
    EXPECT_EQ(s.events.Count(L"Change"), 3u);
}

TEST(ScrollBarProperties, LargeChangeZeroReadsOneNegativeStays) {
    kxtest::LooseScrollBar s;
    s.bar->put_LargeChange(0);
    EXPECT_EQ(s.LargeChange(), 1);
    s.bar->put_LargeChange(-4);
    EXPECT_EQ(s.LargeChange(), -4);
}

TEST(ScrollBarProperties, StyleGivesItsColoursOverTheHostsOwn) {
    const struct {
        kxScrollStyle style;
        OLE_COLOR back, fore;
    } cases[] = {
        {kxSBNormal, 0x8000000F, 0x80000012},   {kxSBJava, 0x8000000F, 0x80000012},
        {kxSBWindowsXP, 0xFAC8AA, 0x80000012},  {kxSBWindowsTheme, 0x8000000F, 0x80000012},
        {kxSBPlastik, 0x8000000F, 0x80000002},  {kxSBGalaxy, 0x8000000F, 0x80000012},
        {kxSBOffice2003, 0xFAC8AA, 0x78E1FF},
    };
    for (const auto& c : cases) {
        kxtest::LooseScrollBar s;
        s.bar->put_BackColor(0x123456);
        s.bar->put_ForeColor(0x654321);
        ASSERT_EQ(s.bar->put_Style(c.style), S_OK);
        const Snapshot got = Take(s.bar);
        EXPECT_EQ(got.back, c.back) << c.style;
        EXPECT_EQ(got.fore, c.fore) << c.style;
    }
}

TEST(ScrollBarProperties, EachStyleSizesItsThumbWithItsMinimum) {
    const struct {
        kxScrollStyle style;
        LONG thumb;
    } cases[] = {{kxSBNormal, 8}, {kxSBSoft, 8}, {kxSBFlat, 8}, {kxSBJava, 8}, {kxSBOfficeXP, 8},
                 {kxSBWindowsXP, 20}, {kxSBWindowsTheme, 20}, {kxSBPlastik, 20}, {kxSBGalaxy, 20},
                 {kxSBOffice2003, 20}};
    for (const auto& c : cases) {
        kxtest::LooseScrollBar s(17, 50);
        s.bar->put_Style(c.style);
        EXPECT_EQ(s.bar->Sizes().thumb, c.thumb) << c.style;
        EXPECT_EQ(s.bar->Sizes().arrow1, 17);
    }
}

// A style without a member is refused (380); an overflow is refused (6); nothing changes either way.
TEST(ScrollBarProperties, AFailingSetterChangesNothing) {
    kxtest::LooseScrollBar s;
    s.bar->put_Min(-10);
    s.bar->put_Value(20);
    s.bar->put_BackColor(0x102030);
    const Snapshot before = Take(s.bar);
    const LONG thumb = s.bar->Sizes().thumb;
    const struct {
        const char* what;
        HRESULT (*set)(kx::KxScrollBar*);
        int error;
    } cases[] = {
        {"Style 9", [](kx::KxScrollBar* b) { return b->put_Style(static_cast<kxScrollStyle>(9)); }, 380},
        {"Style 10", [](kx::KxScrollBar* b) { return b->put_Style(static_cast<kxScrollStyle>(10)); }, 380},
        {"Style -1", [](kx::KxScrollBar* b) { return b->put_Style(static_cast<kxScrollStyle>(-1)); }, 380},
        {"Style 12", [](kx::KxScrollBar* b) { return b->put_Style(static_cast<kxScrollStyle>(12)); }, 380},
        {"Max too wide", [](kx::KxScrollBar* b) { return b->put_Max(kHigh); }, 6},
        {"Min too wide", [](kx::KxScrollBar* b) { return b->put_Min(kLow); }, 6},
        {"LargeChange too long", [](kx::KxScrollBar* b) { return b->put_LargeChange(kHigh); }, 6},
    };
    for (const auto& c : cases) {
        const HRESULT hr = c.set(s.bar);
        EXPECT_EQ(hr, kx::ErrorHResult(c.error)) << c.what;
        EXPECT_EQ(Take(s.bar), before) << c.what;
        EXPECT_EQ(s.bar->Sizes().thumb, thumb) << c.what;
    }
}

TEST(ScrollBarProperties, MinAtTheTopOfTheRangeIsRefused) {
    kxtest::LooseScrollBar s;
    s.bar->put_Max(kHigh);
    EXPECT_EQ(s.bar->put_Min(kHigh), kx::ErrorHResult(6)) << "Max would have to be Min + 1";
    EXPECT_EQ(s.Min(), 0);
    EXPECT_EQ(s.Max(), kHigh);
}

}  // namespace
