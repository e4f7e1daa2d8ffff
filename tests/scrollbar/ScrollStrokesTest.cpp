#include <gtest/gtest.h>

#include <string>

#include "ScrollStrokes.h"

using kx::ChevronPointing;
using kx::Stroke;

namespace {

constexpr kx::CrossShift kXpCentre = {-1, 0};
constexpr kx::CrossShift kMiddle = {0, 0};

std::string Text(const Stroke& s) {
    return "(" + std::to_string(s.x1) + "," + std::to_string(s.y1) + ")-(" + std::to_string(s.x2) + "," +
           std::to_string(s.y2) + ")";
}

struct ChevronCase {
    const char* name;
    ChevronPointing pointing;
    int w, h;
    kx::CrossShift shift;
    Stroke expected[6];
};

// The arrow boxes of a 17-pixel bar: Windows XP centres one pixel before the middle across a vertical bar,
// the other families on the middle; the apex lies 3 pixels from the middle towards the point.
const ChevronCase kChevrons[] = {
    {"xp up", ChevronPointing::Up, 17, 17, kXpCentre,
     {{7, 5, 2, 10}, {7, 6, 3, 10}, {7, 7, 3, 11}, {7, 5, 12, 10}, {7, 6, 11, 10}, {7, 7, 11, 11}}},
    {"xp down", ChevronPointing::Down, 17, 17, kXpCentre,
     {{7, 11, 2, 6}, {7, 10, 3, 6}, {7, 9, 3, 5}, {7, 11, 12, 6}, {7, 10, 11, 6}, {7, 9, 11, 5}}},
    {"xp left", ChevronPointing::Left, 17, 17, kXpCentre,
     {{5, 8, 10, 3}, {6, 8, 10, 4}, {7, 8, 11, 4}, {5, 8, 10, 13}, {6, 8, 10, 12}, {7, 8, 11, 12}}},
    {"xp right", ChevronPointing::Right, 17, 17, kXpCentre,
     {{11, 8, 6, 3}, {10, 8, 6, 4}, {9, 8, 5, 4}, {11, 8, 6, 13}, {10, 8, 6, 12}, {9, 8, 5, 12}}},
    {"middle up", ChevronPointing::Up, 17, 17, kMiddle,
     {{8, 5, 3, 10}, {8, 6, 4, 10}, {8, 7, 4, 11}, {8, 5, 13, 10}, {8, 6, 12, 10}, {8, 7, 12, 11}}},
    {"middle down", ChevronPointing::Down, 17, 17, kMiddle,
     {{8, 11, 3, 6}, {8, 10, 4, 6}, {8, 9, 4, 5}, {8, 11, 13, 6}, {8, 10, 12, 6}, {8, 9, 12, 5}}},
    {"middle left", ChevronPointing::Left, 17, 17, kMiddle,
     {{5, 8, 10, 3}, {6, 8, 10, 4}, {7, 8, 11, 4}, {5, 8, 10, 13}, {6, 8, 10, 12}, {7, 8, 11, 12}}},
    {"wide box, odd halves", ChevronPointing::Up, 40, 23, kMiddle,
     {{20, 8, 15, 13}, {20, 9, 16, 13}, {20, 10, 16, 14}, {20, 8, 25, 13}, {20, 9, 24, 13}, {20, 10, 24, 14}}},
};

TEST(ScrollStrokes, ChevronsFromTheApexRuleOfEachFamily) {
    for (const ChevronCase& c : kChevrons) {
        const auto strokes = kx::ChevronStrokes(c.pointing, c.w, c.h, c.shift);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(Text(strokes[i]), Text(c.expected[i])) << c.name << " stroke " << i + 1;
    }
}

struct GripCase {
    const char* name;
    kx::GripShape shape;
    bool vertical;
    int w, h;
    int firstLine;                         // row (vertical bar) or column of line k = 0
    int lightFrom, lightTo, darkFrom, darkTo;  // painted extent across, the end left out
};

constexpr kx::GripShape kXpGrip = {{-1, 0}, {-3, 3, -2, 4}, {-3, 3, -2, 4}};
constexpr kx::GripShape kPlastikGrip = {{-1, 0}, {-3, 5, -2, 6}, {-3, 4, -2, 5}};
constexpr kx::GripShape kGalaxyGrip = {{-1, 0}, {-3, 4, -2, 5}, {-3, 3, -2, 4}};
constexpr kx::GripShape kOffice2003Grip = {{0, 0}, {-3, 3, -2, 4}, {-3, 3, -2, 4}};

// The thumbs of a 17-pixel bar (Windows XP's one pixel narrower) with 20-pixel thumbs.
const GripCase kGrips[] = {
    {"xp vertical", kXpGrip, true, 16, 20, 6, 4, 10, 5, 11},
    {"xp horizontal", kXpGrip, false, 20, 16, 6, 5, 11, 6, 12},
    {"plastik vertical", kPlastikGrip, true, 17, 20, 6, 4, 12, 5, 13},
    {"plastik horizontal", kPlastikGrip, false, 20, 17, 6, 5, 12, 6, 13},
    {"galaxy vertical", kGalaxyGrip, true, 17, 20, 6, 4, 11, 5, 12},
    {"galaxy horizontal", kGalaxyGrip, false, 20, 17, 6, 5, 11, 6, 12},
    {"office 2003 vertical", kOffice2003Grip, true, 17, 20, 6, 5, 11, 6, 12},
    {"office 2003 horizontal", kOffice2003Grip, false, 20, 17, 6, 5, 11, 6, 12},
};

TEST(ScrollStrokes, GripLinesAlternateLightAndDarkAcrossTheMiddle) {
    for (const GripCase& c : kGrips) {
        const auto strokes = kx::GripStrokes(c.shape, c.vertical, c.w, c.h);
        for (int k = 0; k < 8; ++k) {
            const bool light = k % 2 == 0;
            const int from = light ? c.lightFrom : c.darkFrom, to = light ? c.lightTo : c.darkTo;
            const Stroke expected = c.vertical ? Stroke{from, c.firstLine + k, to, c.firstLine + k}
                                               : Stroke{c.firstLine + k, from, c.firstLine + k, to};
            EXPECT_EQ(Text(strokes[k]), Text(expected)) << c.name << " line " << k;
        }
    }
}

TEST(ScrollStrokes, CutCornerOutlineClosesOnItsStart) {
    const auto path = kx::CutCornerOutline(17, 17);
    const int expected[9][2] = {{2, 0}, {14, 0}, {16, 2}, {16, 14}, {14, 16}, {2, 16}, {0, 14}, {0, 2}, {2, 0}};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(path[i].x, expected[i][0]) << i;
        EXPECT_EQ(path[i].y, expected[i][1]) << i;
    }
}

}  // namespace
