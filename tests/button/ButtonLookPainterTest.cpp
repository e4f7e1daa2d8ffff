#include "ButtonLookTestSupport.h"

namespace {

using namespace looktest;

struct PainterCanvas {
    kxtest::Canvas canvas;
    kx::ButtonPainter painter;
    PainterCanvas(int w, int h) : canvas(w, h, 32, kUntouched), painter(canvas.dc(), w, h) {}
};

TEST(ButtonLookPainter, OffsetColorClampsEachChannelAndDropsTheHighByte) {
    struct Case {
        long color, offset, expected;
    } const cases[] = {
        {0x00102030, -32, 0x00000010}, {0x00102030, 240, 0x00FFFFFF}, {0x00102030, 0, 0x00102030},
        {-1, -16, 0x00EFEFEF},  // an untranslatable colour reads as white
        {static_cast<long>(0x8000000F), 5, 0x00050514},  // a system colour is not translated
        {0x00FF0080, 1, 0x00FF0181},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, kx::OffsetColor(c.color, c.offset)) << std::hex << c.color;
}

TEST(ButtonLookPainter, RampRunsFromFirstToLastColourLineByLine) {
    PainterCanvas p(12, 5);
    p.painter.Ramp(0, 0, 10, 2, 0x000000, 0xFFFFFF);
    const std::vector<Pixel> table = {{0, 0, 0x000000}, {9, 0, 0x000000}, {0, 1, 0x808080}, {9, 1, 0x808080},
                                      {0, 2, 0xFFFFFF}, {9, 2, 0xFFFFFF}, {10, 1, kUntouched}, {0, 3, kUntouched}};
    EXPECT_EQ("", looktest::Differences(p.canvas, table)) << "127.5 rounds to the even 128";
}

TEST(ButtonLookPainter, RampWithoutStepsDrawsItsFirstColourAndANegativeOneNothing) {
    PainterCanvas p(6, 4);
    p.painter.Ramp(0, 1, 4, 0, 0x102030, 0xFFFFFF);
    p.painter.Ramp(0, 2, 4, -1, 0x405060, 0xFFFFFF);
    p.painter.ColumnRamp(5, 0, 5, 1, 0x112233, 0xFFFFFF);
    const std::vector<Pixel> table = {{0, 1, 0x102030}, {3, 1, 0x102030}, {0, 0, kUntouched},
                                      {0, 2, kUntouched}, {5, 0, 0x112233}, {5, 1, kUntouched}};
    EXPECT_EQ("", looktest::Differences(p.canvas, table));
}

TEST(ButtonLookPainter, ColumnRampAndRightToLeftRampsCoverSinglePixels) {
    PainterCanvas p(12, 6);
    p.painter.ColumnRamp(2, 3, 6, 2, 0x000000, 0x404040);  // row 3, columns 2 to 6
    p.painter.Ramp(9, 1, 8, 3, 0x000000, 0x303030);         // column 9, rows 1 to 4
    const std::vector<Pixel> table = {{2, 3, 0x000000}, {3, 3, 0x101010}, {6, 3, 0x404040}, {2, 2, kUntouched},
                                      {7, 3, kUntouched}, {9, 1, 0x000000}, {9, 4, 0x303030}, {8, 2, kUntouched}};
    EXPECT_EQ("", looktest::Differences(p.canvas, table));
}

TEST(ButtonLookPainter, CornerPixelsDrawTwoRingsTheirCornersAndCrossings) {
    PainterCanvas p(12, 8);
    const COLORREF a = 0x000080, b = 0x008000, c = 0x800000;
    p.painter.CornerPixels(0, 0, 10, 6, a, b, c);
    const COLORREF mix = 0x004040;
    const std::vector<Pixel> table = {{0, 0, a},  {5, 0, a},   {0, 3, a},   {9, 3, a},   {3, 5, a},
                                      {1, 1, b},  {10, 3, b},  {4, 6, b},   {1, 3, b},   {0, 6, c},
                                      {10, 0, c}, {1, 5, mix}, {9, 1, mix}, {4, 3, kUntouched}};
    EXPECT_EQ("", looktest::Differences(p.canvas, table));
}

TEST(ButtonLookPainter, LinesLeaveOutTheirEndPointAndEmptyFillsDrawNothing) {
    PainterCanvas p(8, 4);
    p.painter.Line(1, 1, 5, 1, 0x123456);
    p.painter.Fill(0, 2, 0, 2, 0x654321);
    p.painter.Fill(0, 2, 3, -1, 0x654321);
    p.painter.Pixels({{7, 3}, {0, 0}}, 0x0000FF);
    const std::vector<Pixel> table = {{1, 1, 0x123456}, {4, 1, 0x123456}, {5, 1, kUntouched},
                                      {0, 2, kUntouched}, {7, 3, 0x0000FF}, {0, 0, 0x0000FF}};
    EXPECT_EQ("", looktest::Differences(p.canvas, table));
}

// Without a surface of its own the painter fills its device context; system colours show as what they stand for.
TEST(ButtonLookPainter, SurfaceColourTranslatesSystemColoursAndReadsMinusOneAsWhite) {
    PainterCanvas p(3, 3);
    p.painter.Surface(static_cast<long>(0x8000000F));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), p.canvas.At(1, 1));
    p.painter.Surface(-1);
    EXPECT_EQ(0xFFFFFFu, p.canvas.At(2, 2));
    COLORREF handed = 0;
    const kx::ButtonPainter withSurface(p.canvas.dc(), 3, 3, [&](COLORREF c) { handed = c; });
    withSurface.Surface(0x00ABCDEF);
    EXPECT_EQ(0x00ABCDEFu, handed);
}

}  // namespace
