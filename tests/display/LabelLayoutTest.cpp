#include <gtest/gtest.h>

#include <cstring>

#include "LabelFixture.h"
#include "LabelLayout.h"
#include "Text.h"

namespace {

using kx::LabelTextStart;
using kx::TextExtent;

struct StartCase {
    const char* name;
    short degree;
    long alignment;
    TextExtent text;
    double surfaceWidth;
    short balanceX, balanceY;
    LONG x, y;
};

// Rotated lines start where their whole extent fits; unrotated ones follow the alignment.
TEST(LabelLayoutTest, StartPoints) {
    const StartCase cases[] = {
        {"degree 90 runs up from 1.01 tw", 90, 0, {100, 13}, 200, 0, 0, 0, 101},
        {"degree 180 starts at (tw, th)", 180, 0, {100, 13}, 200, 0, 0, 100, 13},
        {"degree -30 starts above the top, -50.5 to even", -30, 0, {100, 13}, 200, 0, 0, 0, -50},
        {"degree 45", 45, 0, {100, 13}, 200, 0, 0, 0, 72},
        {"degree 135 starts right of |cx|", 135, 0, {100, 13}, 200, 0, 0, 71, 84},
        {"alignment ignored when rotated; 50.5 to even", 30, 1, {100, 13}, 200, 0, 0, 0, 50},
        {"left", 0, 0, {40, 13}, 120, 0, 0, 0, 0},
        {"right", 0, 1, {40, 13}, 120, 0, 0, 80, 0},
        {"centre", 0, 2, {40, 13}, 120, 0, 0, 40, 0},
        {"centre 40.5 to even", 0, 2, {40, 13}, 121, 0, 0, 40, 0},
        {"centre 41.5 to even", 0, 2, {40, 13}, 123, 0, 0, 42, 0},
        {"unknown alignment is left", 0, 7, {40, 13}, 120, 0, 0, 0, 0},
        {"negative alignment is left", 0, -1, {40, 13}, 120, 0, 0, 0, 0},
        {"balance added last", 0, 1, {40, 13}, 120, 3, -2, 83, -2},
        {"balance on a rotated line", 90, 0, {100, 13}, 200, -5, 4, -5, 105},
        {"empty caption", 0, 2, {0, 0}, 120, 0, 0, 60, 0},
    };
    for (const StartCase& c : cases) {
        const POINT start = LabelTextStart(c.degree, c.alignment, c.text, c.surfaceWidth, c.balanceX, c.balanceY);
        EXPECT_EQ(c.x, start.x) << c.name;
        EXPECT_EQ(c.y, start.y) << c.name;
    }
}

struct FontCase {
    const char* name;
    short degree, charDegree;
    LONG escapement, orientation;
};

// The angles in tenths; tenths that leave 16 bits count as 0.
TEST(LabelLayoutTest, LogicalFontAngles) {
    const FontCase cases[] = {
        {"characters follow the line", 45, -1, 450, 450},
        {"upright characters on a slanted line", 45, 0, 450, 0},
        {"own character angle", 0, 90, 0, 900},
        {"negative line", -30, -1, -300, -300},
        {"line tenths overflow, characters follow", -3277, -1, 0, 0},
        {"line at the 16-bit edge", -3276, -1, -32760, -32760},
        {"character tenths overflow", 90, 3277, 900, 0},
        {"character tenths below the edge", 90, -3277, 900, 0},
    };
    IFontDisp* font = kxtest::MakeFont(L"Tahoma", 12);
    for (const FontCase& c : cases) {
        const LOGFONTA log = kx::LabelLogFont(font, c.degree, c.charDegree, 15);
        EXPECT_EQ(c.escapement, log.lfEscapement) << c.name;
        EXPECT_EQ(c.orientation, log.lfOrientation) << c.name;
    }
    font->Release();
}

TEST(LabelLayoutTest, LogicalFontFieldsComeFromTheFont) {
    IFontDisp* font = kxtest::MakeFont(L"Tahoma", 8.25, true);
    IFont* f = nullptr;
    font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&f));
    f->put_Italic(TRUE);
    f->put_Strikethrough(TRUE);
    f->put_Charset(ARABIC_CHARSET);
    LOGFONTA log = kx::LabelLogFont(font, 0, -1, 15);
    EXPECT_EQ(-11, log.lfHeight) << "-20 x 8.25 / 15";
    EXPECT_EQ(0, log.lfWidth);
    EXPECT_EQ(FW_BOLD, log.lfWeight);
    EXPECT_EQ(1, log.lfItalic);
    EXPECT_EQ(0, log.lfUnderline);
    EXPECT_EQ(1, log.lfStrikeOut);
    EXPECT_EQ(ARABIC_CHARSET, log.lfCharSet);
    EXPECT_EQ(OUT_CHARACTER_PRECIS, log.lfOutPrecision);
    EXPECT_EQ(0, log.lfClipPrecision);
    EXPECT_EQ(PROOF_QUALITY, log.lfQuality);
    EXPECT_EQ(0, log.lfPitchAndFamily);
    BSTR face = nullptr;
    f->get_Name(&face);  // the face the system chose for the font
    EXPECT_EQ(kx::ToAnsi(face), log.lfFaceName);
    SysFreeString(face);
    CY size = {};
    size.int64 = 90000;  // 9 points: -12
    f->put_Size(size);
    EXPECT_EQ(-12, kx::LabelLogFont(font, 0, -1, 15).lfHeight);
    f->Release();
    font->Release();
}

TEST(LabelLayoutTest, NoFontLeavesTheFontFieldsAtZero) {
    const LOGFONTA log = kx::LabelLogFont(nullptr, 90, -1, 15);
    EXPECT_EQ(0, log.lfHeight);
    EXPECT_EQ(900, log.lfEscapement);
    EXPECT_EQ(0, log.lfFaceName[0]);
}

}  // namespace
