// The alert's pure arithmetic: step counts, the free part of the screen, targets, starts, effects, the
// automatic size and layout, and the window's own colour arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "AlertColors.h"
#include "AlertGeometry.h"
#include "AlertLayout.h"

namespace {

using kx::TwipsPoint;
using kx::TwipsRect;

constexpr std::int32_t kScreenW = 15360, kScreenH = 11520;  // 1024 x 768 pixels at 15 twips per pixel
constexpr TwipsRect kSystemArea = {0, 0, kScreenW, kScreenH};

TEST(AlertGeometry, StepCountTable) {
    const struct {
        double seconds;
        std::optional<std::int16_t> steps;
    } cases[] = {
        {1, 40}, {0.5, 20}, {0.0125, 1},  // 0.5 tick rounds to even: 0, counted as 1
        {0, 1}, {-3, 1},                  // no division by zero, no negative count
        {0.0375, 2}, {819, 32760}, {819.175, 32767},
        {819.2, std::nullopt}, {1e9, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(kx::AlertStepCount(c.seconds), c.steps) << c.seconds;
}

TEST(AlertGeometry, WorkAreaBesideTheTaskbar) {
    const struct {
        const char* name;
        std::optional<TwipsRect> bar;
        TwipsRect area;
    } cases[] = {
        {"bottom, 30 px", TwipsRect{0, 11070, kScreenW, kScreenH}, {0, 0, kScreenW, 11070}},
        {"left", TwipsRect{0, 0, 450, kScreenH}, {450, 0, kScreenW, kScreenH}},
        {"right", TwipsRect{14910, 0, kScreenW, kScreenH}, {0, 0, 14910, kScreenH}},
        {"top", TwipsRect{0, 0, kScreenW, 450}, {0, 450, kScreenW, kScreenH}},
        {"none", std::nullopt, kSystemArea},
        {"empty rectangle (Wine's hidden bar)", TwipsRect{0, 0, 0, 0}, kSystemArea},
        {"floating in the middle", TwipsRect{3000, 3000, 6000, 3450}, kSystemArea},
    };
    for (const auto& c : cases) {
        const TwipsRect area = kx::AlertWorkArea(c.bar, kScreenW, kScreenH, kSystemArea);
        EXPECT_EQ(area.left, c.area.left) << c.name;
        EXPECT_EQ(area.top, c.area.top) << c.name;
        EXPECT_EQ(area.right, c.area.right) << c.name;
        EXPECT_EQ(area.bottom, c.area.bottom) << c.name;
    }
}

TEST(AlertGeometry, TargetsOfTheNinePositions) {
    const TwipsRect bottomBar = {0, 0, 15360, 11070};  // W 15360, H 11070
    const TwipsRect leftBar = {450, 0, 15360, 11520};
    const struct {
        int position;
        TwipsRect area;
        TwipsPoint target;
    } cases[] = {
        {0, bottomBar, {12360, 9570}},  // window 3000 x 1500
        {1, bottomBar, {12360, 4785}},
        {2, bottomBar, {12360, 0}},
        {3, bottomBar, {6180, 9570}},
        {4, bottomBar, {6180, 4785}},
        {5, bottomBar, {6180, 0}},
        {6, bottomBar, {0, 9570}},
        {7, bottomBar, {0, 4785}},
        {8, bottomBar, {0, 0}},
        {0, leftBar, {450 + 11910, 10020}},  // offset by the bar's right edge
        {6, leftBar, {450, 10020}},
        {9, bottomBar, {111, 222}},  // unknown: the previous target
    };
    for (const auto& c : cases) {
        const TwipsPoint target = kx::AlertTarget(c.position, c.area, 3000, 1500, {111 - c.area.left, 222 - c.area.top});
        EXPECT_EQ(target.x, c.target.x) << c.position;
        EXPECT_EQ(target.y, c.target.y) << c.position;
    }
    // The halves round to even: (11071 - 1500) / 2 = 4785.5 -> 4786; (11069 - 1500) / 2 = 4784.5 -> 4784.
    EXPECT_EQ(kx::AlertTarget(1, {0, 0, 15360, 11071}, 3000, 1500, {}).y, 4786);
    EXPECT_EQ(kx::AlertTarget(1, {0, 0, 15360, 11069}, 3000, 1500, {}).y, 4784);
}

TEST(AlertGeometry, StartingPlaces) {
    const TwipsRect leftBar = {450, 0, 15360, 11520};  // W 14910, H 11520
    const TwipsPoint target = {12000, 9000};
    const struct {
        int style;
        TwipsPoint start;
    } cases[] = {
        {0, target},          {1, {12000, 11520}}, {5, {12000, 11520}}, {11, {12000, 11520}}, {15, {12000, 11520}},
        {2, {12000, -1500}},  {6, {12000, -1500}}, {12, {12000, -1500}}, {16, {12000, -1500}},
        {3, {-3000, 9000}},   {7, {-3000, 9000}},  {13, {-3000, 9000}},  {17, {-3000, 9000}},
        {4, {14910, 9000}},   {8, {14910, 9000}},  {14, {14910, 9000}},  {18, {14910, 9000}},  // W, not L + W
        {9, target},          {99, target},        {42, target},
    };
    for (const auto& c : cases) {
        const TwipsPoint start = kx::AlertStart(c.style, target, leftBar, 3000, 1500);
        EXPECT_EQ(start.x, c.start.x) << c.style;
        EXPECT_EQ(start.y, c.start.y) << c.style;
    }
}

TEST(AlertGeometry, EffectsOfEachStyle) {
    for (int style = -1; style <= 100; ++style) {
        const kx::AlertEffects e = kx::AlertEffectsOf(style);
        const bool known = style >= 0 && style <= 18;
        const bool fade = style == 0 || (style >= 5 && style <= 8) || style == 10 || (style >= 16 && style <= 18);
        EXPECT_EQ(e.fade, fade) << style;  // 15 zooms and moves without fading
        EXPECT_EQ(e.move, known && style != 0 && style != 9 && style != 10) << style;
        EXPECT_EQ(e.zoom, style >= 9 && style <= 18) << style;
    }
}

TEST(AlertGeometry, StepsPerTick) {
    const kx::AlertSteps steps = kx::AlertStepsOf(40, {12360, 9570}, {12360, 11070}, 3000, 1500);
    EXPECT_FLOAT_EQ(steps.alpha, 6.375f);
    EXPECT_FLOAT_EQ(steps.x, 0);
    EXPECT_FLOAT_EQ(steps.y, -37.5f);
    EXPECT_FLOAT_EQ(steps.width, 75);
    EXPECT_FLOAT_EQ(steps.height, 37.5f);
}

kx::AlertContent Content(bool picture, int pictureWidth, int messageWidth, bool title,
                         std::initializer_list<int> buttonWidths) {
    kx::AlertContent c;
    c.hasPicture = picture;
    c.picture = {pictureWidth, 40};
    c.message = {messageWidth, 13};
    c.hasTitle = title;
    c.title = {50, 13};
    int i = 0;
    for (int width : buttonWidths) {
        c.hasButton[i] = width > 0;
        c.button[i] = {width > 0 ? width : 10, 23};
        ++i;
    }
    return c;
}

TEST(AlertLayout, AutomaticSize) {
    const struct {
        const char* name;
        kx::AlertContent content;
        int width, height;
    } cases[] = {
        {"message only", Content(false, 0, 100, false, {0, 0, 0}), 110, 23},
        {"picture wider", Content(true, 120, 100, false, {0, 0, 0}), 130, 13 + 40 + 15},
        {"message wider", Content(true, 80, 100, false, {0, 0, 0}), 110, 13 + 40 + 15},
        {"three buttons 60, 40, 80: row 210", Content(false, 0, 50, false, {60, 40, 80}), 220, 23 + 23 + 10},
        {"row narrower than the message", Content(false, 0, 300, false, {60, 40, 80}), 310, 56},
        {"only TextButton2: no row", Content(false, 0, 50, false, {0, 60, 0}), 60, 23},
        {"title", Content(false, 0, 100, true, {0, 0, 0}), 110, 13 + 23 + 5},
    };
    for (const auto& c : cases) {
        const std::optional<kx::PixelSize> size = kx::AlertAutoSize(c.content);
        ASSERT_TRUE(size) << c.name;
        EXPECT_EQ(size->width, c.width) << c.name;
        EXPECT_EQ(size->height, c.height) << c.name;
    }
    kx::AlertContent wide = Content(false, 0, 10, false, {30000, 3000, 0});
    EXPECT_FALSE(kx::AlertAutoSize(wide)) << "a row beyond 16 bits";
    EXPECT_FALSE(kx::AlertLayoutOf(wide, 400, 300));
}

TEST(AlertLayout, PlacesOfTheParts) {
    // Buttons 60, 40, 80: the centring row is 200 (the last one without its gap).
    const kx::AlertContent buttons = Content(false, 0, 100, true, {60, 40, 80});
    const std::optional<kx::AlertPlaces> p = kx::AlertLayoutOf(buttons, 400, 300);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->titleWidth, 400);
    EXPECT_EQ(p->button[0].x, 100);
    EXPECT_EQ(p->button[1].x, 170);
    EXPECT_EQ(p->button[2].x, 220);
    EXPECT_EQ(p->button[2].y, 300 - 23 - 5);
    EXPECT_EQ(p->message.x, 150);
    // Reserved 23 + 10 + 13 + 5 = 51: (300 - 51 - 13) / 2 + 18 = 136.
    EXPECT_EQ(p->message.y, 136);
    EXPECT_TRUE(p->closesOnlyByButton);

    const std::optional<kx::AlertPlaces> picture = kx::AlertLayoutOf(Content(true, 60, 100, false, {0, 0, 0}), 200, 100);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->picture.x, 70);
    EXPECT_EQ(picture->picture.y, 21);  // (100 - 40 - 13 - 5) / 2
    EXPECT_EQ(picture->message.y, picture->picture.y + 40 + 5);
    EXPECT_FALSE(picture->closesOnlyByButton);

    // Only the second button: placed, but the window still closes by click or time.
    const std::optional<kx::AlertPlaces> second = kx::AlertLayoutOf(Content(false, 0, 100, false, {0, 60, 0}), 200, 100);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->button[1].x, 65);
    EXPECT_FALSE(second->closesOnlyByButton);
}

TEST(AlertColors, AdjustedChannels) {
    const struct {
        std::int32_t colour;
        std::int16_t percent;
        std::int32_t result;
    } cases[] = {
        {0x00C8DCF0, 70, 0x008C9AA8},  // red 240, green 220, blue 200 at 70 %: 168, 154, 140
        {0x00C8DCF0, 130, 0x00FFFFFF},  // clamped at 255
        {0x00C8DCF0, 120, 0x00F0FFFF},
        {0x00C8DCF0, 80, 0x00A0B0C0},
        {-1, 70, 0x000000B2},  // -1 splits into red 255, green 0, blue 0: 178.5 -> 178
        {0x00050505, 70, 0x00040404},  // 3.5 -> 4 (halves to even)
        {0x00030303, 50, 0x00020202},  // 1.5 -> 2
        {0x00050505, 50, 0x00020202},  // 2.5 -> 2
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx::AlertAdjustColor(c.colour, c.percent, c.percent, c.percent), c.result)
            << std::hex << c.colour << " " << std::dec << c.percent;
}

}  // namespace
