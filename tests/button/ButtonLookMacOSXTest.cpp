#include <set>
#include <utility>

#include "ButtonLookMacOSXArt.h"
#include "ButtonLookTestSupport.h"

namespace {

using namespace looktest;

struct LookCase {
    const char* name;
    long state;
    kx::MacLook look;
};
const LookCase kLooks[] = {{"normal", kx::kLookNormal, kx::MacLook::kNormal},
                           {"hot", kx::kLookHot, kx::MacLook::kHot},
                           {"pressed", kx::kLookPressed, kx::MacLook::kPressed}};

// Pixels outside the rounded corners: (columns left undrawn at the outer side) by rows from the outer edge.
std::set<std::pair<int, int>> OutsideCorners(int w, int h, bool normal) {
    const int topLeft[] = {6, 5, 3, 3, 2, 1, 1, 1};
    const int topRight[] = {7, 5, 4, 3, 2, 1, 1, 1};
    const int bottomLeft[] = {5, 3, 2, 2, 1, 1};
    const int bottomRight[] = {5, 4, 3, 2, 1, 1, 1};
    std::set<std::pair<int, int>> outside;
    for (int k = 0; k < 8; ++k)
        for (int j = 0; j < topLeft[k]; ++j) outside.insert({j, k});
    for (int k = 0; k < 8; ++k)
        for (int j = 0; j < topRight[k]; ++j) outside.insert({w - 1 - j, k});
    for (int k = 0; k < 6; ++k)
        for (int j = 0; j < bottomLeft[k]; ++j) outside.insert({j, h - 1 - k});
    for (int k = 0; k < 7; ++k)
        for (int j = 0; j < bottomRight[k]; ++j) outside.insert({w - 1 - j, h - 1 - k});
    if (normal) {  // the normal look's thirteen gaps, but for (17, H - 6), which its bottom band covers
        const std::pair<int, int> gaps[] = {{9, h - 5},      {11, h - 6},     {13, h - 6},     {15, h - 6},
                                            {w - 17, h - 6}, {w - 15, h - 6}, {w - 14, h - 6}, {w - 13, h - 6},
                                            {w - 10, h - 6}, {w - 12, h - 5}, {w - 10, h - 5}, {w - 13, h - 4}};
        outside.insert(std::begin(gaps), std::end(gaps));
    }
    return outside;
}

TEST(ButtonLookMacOSX, DrawsEveryPixelButThoseOutsideTheRoundedCorners) {
    const std::pair<int, int> sizes[] = {{80, 40}, {35, 23}, {200, 24}};
    for (const auto& [w, h] : sizes)
        for (const LookCase& look : kLooks) {
            SCOPED_TRACE(testing::Message() << look.name << " " << w << "x" << h);
            const auto canvas = Painted(kx::PaintMacOSXLook, Face(look.state), w, h);
            const auto outside = OutsideCorners(w, h, look.look == kx::MacLook::kNormal);
            int wrong = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool untouched = canvas->At(x, y) == kUntouched;
                    const bool expected = outside.count({x, y}) != 0;
                    if (untouched != expected && wrong++ < 5)
                        ADD_FAILURE() << "(" << x << "," << y << ") " << (untouched ? "undrawn" : "drawn");
                }
        }
}

TEST(ButtonLookMacOSX, EdgesBandsAndFillStretchWithTheSize) {
    const int w = 90, h = 40;
    struct Case {
        long state;
        std::vector<Pixel> table;
    } const cases[] = {
        {kx::kLookNormal,
         {{0, 20, 0xF7F7F7}, {1, 20, 0xA0A0A0}, {2, 25, 0x999999}, {17, 11, 0xE8EBE9}, {w - 1, 20, 0xF6F6F6},
          {w - 3, 20, 0xA3A3A3}, {w - 16, 20, 0xEAE7E8}, {45, 0, 0x67696A}, {45, 3, 0xEEEEEE}, {45, 11, 0xE8EBE9},
          {45, 20, 0xEAE7E8}, {45, h - 11, 0xE8EBE9}, {45, h - 6, 0xFFFFFF}, {45, h - 2, 0x545454},
          {45, h - 1, 0xC5C5C5}, {18, h - 10, 0xEEF1EF}, {w - 18, 11, 0xE8EBE9}}},
        {kx::kLookHot,
         {{2, 20, 0x712E13}, {w - 3, 20, 0x7C3514}, {45, 0, 0x450608}, {45, 20, 0xE2A66A}, {45, h - 4, 0xFFE6AD},
          {45, h - 2, 0x635D40}}},
        {kx::kLookPressed,
         {{2, 20, 0x632D17}, {w - 2, 20, 0xA49794}, {45, 0, 0x3C090A}, {45, 20, 0xCC9B6A}, {45, h - 4, 0xE9D5A6},
          {45, h - 2, 0x5A563E}}},
    };
    for (const Case& c : cases) {
        const auto canvas = Painted(kx::PaintMacOSXLook, Face(c.state), w, h);
        EXPECT_EQ("", looktest::Differences(*canvas, c.table)) << "state " << c.state;
    }
}

// Rows of the corner art that were fixed beforehand.
TEST(ButtonLookMacOSX, CornerRowsKeepTheirFixedColours) {
    const int w = 60, h = 30;
    const auto normal = Painted(kx::PaintMacOSXLook, Face(kx::kLookNormal), w, h);
    const auto hot = Painted(kx::PaintMacOSXLook, Face(kx::kLookHot), w, h);
    const auto pressed = Painted(kx::PaintMacOSXLook, Face(kx::kLookPressed), w, h);
    EXPECT_EQ("", looktest::Differences(*normal, {{6, 0, 0xFEFEFE}, {7, 0, 0xE6E6E6}, {9, 0, 0x7A7A7A},
                                                  {0, 8, 0xFDFDFD}, {2, 8, 0x7E7E7E}, {w - 17, 0, 0x67696A},
                                                  {w - 9, 0, 0xA6A6A6}, {w - 8, 0, 0xEEEEEE}, {3, h - 2, 0xFEFEFE},
                                                  {10, h - 2, 0x5E5E5E}, {5, h - 1, 0xFCFCFC}}));
    EXPECT_EQ("", looktest::Differences(*hot, {{8, 0, 0xA9A5A5}, {12, 0, 0x370706}, {2, 8, 0x682A1F},
                                               {w - 10, 0, 0x604E4E}, {7, h - 2, 0xC2C2C1}, {8, h - 1, 0xE1E1E1}}));
    EXPECT_EQ("", looktest::Differences(*pressed, {{10, 0, 0x422729}, {16, 0, 0x3C0A0A}, {11, h - 1, 0xC9C9C9}}));
}

TEST(ButtonLookMacOSX, FocusShowsHotAndNothingShowsDisabled) {
    struct Case {
        long state;
        bool focus;
        COLORREF fill;
    } const cases[] = {{kx::kLookNormal, false, 0xEAE7E8}, {kx::kLookNormal, true, 0xE2A66A},
                       {kx::kLookHot, false, 0xE2A66A},    {kx::kLookPressed, true, 0xCC9B6A},
                       {kx::kLookDisabled, false, 0xEAE7E8}, {kx::kLookDisabled, true, 0xE2A66A}};
    for (const Case& c : cases) {
        kx::ButtonFace face = Face(c.state, c.focus);
        face.showFocus = false;
        EXPECT_EQ(c.fill, Painted(kx::PaintMacOSXLook, face, 70, 30)->At(35, 15)) << c.state << " " << c.focus;
    }
}

// The art joins the stretching pieces without seams and never uses pure white.
TEST(ButtonLookMacOSX, CornerArtJoinsTheEdgesAndBands) {
    for (const LookCase& look : kLooks) {
        SCOPED_TRACE(look.name);
        const kx::MacLookColors& colors = kx::MacOSXColors(look.look);
        EXPECT_EQ(colors.fill, colors.leftEdges[17]);
        EXPECT_EQ(colors.fill, colors.rightEdges[0]);
        EXPECT_EQ(colors.fill, colors.topBands[10]);
        for (int corner = 0; corner < 4; ++corner) {
            const kx::MacPattern& pattern = kx::MacOSXPattern(look.look, static_cast<kx::MacCorner>(corner));
            const bool top = corner == 0 || corner == 2, left = corner < 2;
            const int bandColumn = left ? 17 : 0;
            for (const kx::MacPatternPixel& p : pattern.pixels) {
                EXPECT_NE(0xFFFFFFu, p.color) << corner << ": " << p.column << "," << p.row;
                if (top && p.row == 10)
                    EXPECT_EQ(left ? colors.leftEdges[p.column] : colors.rightEdges[p.column], p.color) << p.column;
                const int fromBottom = pattern.rows - 1 - p.row;
                if (p.column == bandColumn && top && p.row < 12) EXPECT_EQ(colors.topBands[p.row], p.color);
                if (p.column == bandColumn && !top && fromBottom < 11)
                    EXPECT_EQ(colors.bottomBands[10 - fromBottom], p.color) << p.row;
            }
        }
    }
}

}  // namespace
