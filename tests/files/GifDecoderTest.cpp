// The GIF decoder on files the test writes: records, LZW variants, composition, and bad input.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "GifDecoder.h"
#include "GifError.h"
#include "GifWriter.h"

namespace {

using kx::GifDecoder;
using kx::GifFault;
using kxtest::GifFrameSpec;
using kxtest::GifSpec;

struct Recorder : kx::GifDecoderEvents {
    void Progress(long row) override { rows.push_back(row); }
    void ImageComplete() override { ++completed; }
    std::vector<long> rows;
    int completed = 0;
};

// A decoder with the bytes opened as its file.
struct Opened {
    explicit Opened(const std::vector<uint8_t>& bytes) : decoder(&events) {
        decoder.Reset();
        decoder.Open(std::make_unique<kx::MemoryByteSource>(bytes));
    }
    explicit Opened(const GifSpec& spec) : Opened(kxtest::WriteGif(spec)) {}

    // Blue, green, red of a screen pixel of the display buffer.
    uint32_t Pixel(int x, int y) const {
        const uint8_t* p = decoder.Canvas().Display() + y * decoder.Canvas().RowBytes() + x * 3;
        return uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16;  // as RGB, red lowest
    }

    Recorder events;
    GifDecoder decoder;
};

// ImageBits as the interface reports it: what the data gave, then 0 up to width x height + 1 bytes.
std::vector<uint8_t> Bits(const GifDecoder& decoder) {
    std::vector<uint8_t> bits = decoder.DecodedBits();
    bits.resize(decoder.ImageBitsSize(), 0);
    return bits;
}

GifFault FaultOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const kx::GifError& e) {
        return e.fault;
    }
    ADD_FAILURE() << "no error was raised";
    return GifFault::NotAGif;
}

uint32_t Rgb(const std::vector<uint8_t>& table, int index) {
    return uint32_t(table[index * 3]) | uint32_t(table[index * 3 + 1]) << 8 | uint32_t(table[index * 3 + 2]) << 16;
}

std::vector<uint8_t> Noise(size_t count, int colours, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> out(count);
    for (auto& v : out) v = static_cast<uint8_t>(random() % colours);
    return out;
}

GifFrameSpec Frame(uint16_t width, uint16_t height, std::vector<uint8_t> indexes) {
    GifFrameSpec f;
    f.width = width;
    f.height = height;
    f.indexes = std::move(indexes);
    return f;
}

// A screen with the ramp table of 2^(sizeCode+1) colours and the given frames.
GifSpec Screen(uint16_t width, uint16_t height, std::vector<GifFrameSpec> frames, uint8_t sizeCode = 1) {
    GifSpec spec;
    spec.width = width;
    spec.height = height;
    spec.globalTable = kxtest::RampTable(sizeCode);
    spec.globalSizeCode = sizeCode;
    spec.frames = std::move(frames);
    return spec;
}

TEST(GifDecoderTest, HeaderRecordsAndSignatures) {
    GifSpec spec = Screen(7, 5, {Frame(7, 5, std::vector<uint8_t>(35, 1))}, 2);
    spec.backgroundIndex = 3;
    Opened g(spec);
    EXPECT_EQ("GIF89a", g.decoder.Header().Signature());
    EXPECT_EQ(7, g.decoder.Header().screenWidth);
    EXPECT_EQ(5, g.decoder.Header().screenHeight);
    EXPECT_TRUE(g.decoder.Header().HasGlobalTable());
    EXPECT_EQ(8, g.decoder.Header().GlobalTableSize());
    EXPECT_EQ(3, g.decoder.Header().backgroundIndex);
    EXPECT_EQ(-1, g.decoder.FrameIndex());
    EXPECT_FALSE(g.decoder.Eof());

    spec.signature = "GIF87a";
    EXPECT_NO_THROW(Opened{spec});
    for (const char* bad : {"GIF88a", "gif89a", "PNG\r\n\x1a"}) {
        spec.signature = bad;
        EXPECT_EQ(GifFault::NotAGif, FaultOf([&] { Opened{spec}; })) << bad;
    }
}

// The two-frame walk: frames, trailer, back to the start.
TEST(GifDecoderTest, TwoFramesThenTheTrailerThenBackToTheStart) {
    Opened g(Screen(2, 2, {Frame(2, 2, {0, 1, 1, 0}), Frame(2, 2, {1, 1, 1, 1})}));
    EXPECT_TRUE(g.decoder.MoveNext());
    EXPECT_EQ(0, g.decoder.FrameIndex());
    EXPECT_TRUE(g.decoder.MoveNext());
    EXPECT_EQ(1, g.decoder.FrameIndex());
    EXPECT_FALSE(g.decoder.MoveNext());
    EXPECT_TRUE(g.decoder.Eof());
    EXPECT_FALSE(g.decoder.MoveNext());
    EXPECT_TRUE(g.decoder.MoveFirst());
    EXPECT_EQ(-1, g.decoder.FrameIndex());
    EXPECT_FALSE(g.decoder.Eof());
    EXPECT_TRUE(g.decoder.MoveNext());
    EXPECT_EQ((std::vector<uint8_t>{0, 1, 1, 0, 0}), Bits(g.decoder));
    EXPECT_EQ(3, g.events.completed);  // once per decoded frame
}

// Every way of writing the same indexes decodes to them.
TEST(GifDecoderTest, LzwVariantsDecodeToTheIndexesWritten) {
    struct Case {
        const char* name;
        uint16_t width, height;
        int colours;
        int minCodeSize;
        bool leadingClear, clearWhenFull, endCode;
        int subBlockSize;
    } cases[] = {
        {"code size 2, 4 colours", 30, 20, 4, 2, true, true, true, 255},
        {"code size 3", 30, 20, 8, 3, true, true, true, 255},
        {"code size 5", 30, 20, 32, 5, true, true, true, 255},
        {"code size 8, 256 colours", 64, 64, 256, 8, true, true, true, 255},
        {"code size 8 for 2 colours", 40, 10, 2, 8, true, true, true, 255},
        {"no leading clear code", 30, 20, 4, 2, false, true, true, 255},
        {"no leading clear, code size 8", 64, 64, 256, 8, false, true, true, 255},
        {"table full: clear code", 200, 200, 256, 8, true, true, true, 255},
        {"table full: deferred clear", 200, 200, 256, 8, true, false, true, 255},
        {"table full: deferred clear, 4 colours", 300, 300, 4, 2, true, false, true, 255},
        {"no end code", 30, 20, 4, 2, true, true, false, 255},
        {"sub-blocks of 1 byte", 30, 20, 4, 2, true, true, true, 1},
        {"sub-blocks of 7 bytes", 64, 64, 256, 8, true, true, true, 7},
    };
    for (const Case& c : cases) {
        GifFrameSpec f = Frame(c.width, c.height, Noise(size_t(c.width) * c.height, c.colours, c.width));
        f.minCodeSize = c.minCodeSize;
        f.leadingClear = c.leadingClear;
        f.clearWhenFull = c.clearWhenFull;
        f.endCode = c.endCode;
        f.subBlockSize = c.subBlockSize;
        const std::vector<uint8_t> expected = f.indexes;
        Opened g(Screen(c.width, c.height, {f, Frame(1, 1, {1})}, 7));
        ASSERT_TRUE(g.decoder.MoveNext()) << c.name;
        std::vector<uint8_t> bits = Bits(g.decoder);
        ASSERT_EQ(expected.size() + 1, bits.size()) << c.name;
        bits.pop_back();
        EXPECT_EQ(expected, bits) << c.name;
        // The blocks after the frame are found where they are.
        EXPECT_TRUE(g.decoder.MoveNext()) << c.name;
        EXPECT_EQ(1, g.decoder.Descriptor().width) << c.name;
        EXPECT_FALSE(g.decoder.MoveNext()) << c.name;
    }
}

// A two-colour run longer than 4001 pixels' worth of strings: the strings grow past 4000 bytes.
TEST(GifDecoderTest, LongRunsOfTwoColoursNeedTheWholeStack) {
    GifFrameSpec f = Frame(4000, 2010, std::vector<uint8_t>(4000 * 2010, 1));
    f.minCodeSize = 2;
    f.clearWhenFull = false;
    Opened g(Screen(4000, 2010, {f}, 0));
    ASSERT_TRUE(g.decoder.MoveNext());
    EXPECT_EQ(1, Bits(g.decoder)[4000 * 2010 - 1]);
    EXPECT_EQ(Rgb(kxtest::RampTable(0), 1), g.Pixel(3999, 2009));
}

std::vector<uint8_t> Codes(std::initializer_list<std::pair<int, int>> codes) {
    kxtest::CodePacker packer;
    for (const auto& [code, size] : codes) packer.Put(code, size);
    return packer.Finish();
}

// Streams of hand-written codes (minimum code size 2: clear 4, end 5, 3-bit codes).
TEST(GifDecoderTest, HandWrittenCodeStreams) {
    struct Case {
        const char* name;
        int minCodeSize;
        std::vector<uint8_t> data;
        std::vector<uint8_t> bits;  // the 4 indexes of a 4 x 1 frame; empty: InvalidCode expected
    } cases[] = {
        {"literals; 4-bit codes from code 8 on", 2, Codes({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {0, 4}, {5, 4}}), {1, 2, 3, 0}},
        {"the code being defined (KwKwK)", 2, Codes({{4, 3}, {1, 3}, {6, 3}, {2, 3}, {5, 3}}), {1, 1, 1, 2}},
        {"a clear code mid-stream", 2, Codes({{4, 3}, {1, 3}, {4, 3}, {2, 3}, {3, 3}, {0, 3}, {5, 3}}), {1, 2, 3, 0}},
        {"the first code unread by no clear", 2, Codes({{3, 3}, {3, 3}, {6, 3}, {5, 3}}), {3, 3, 3, 3}},
        {"the end code stops early", 2, Codes({{4, 3}, {2, 3}, {5, 3}, {1, 3}}), {2, 0, 0, 0}},
        {"a table code first after a clear", 2, Codes({{4, 3}, {6, 3}, {5, 3}}), {}},
        {"a table code first with no clear", 2, Codes({{7, 3}, {5, 3}}), {}},
        {"a code above the next free one", 2, Codes({{4, 3}, {1, 3}, {7, 3}, {5, 3}}), {}},
        {"minimum code size 12", 12, Codes({{4096, 13}, {1, 13}}), {}},
        {"a literal above 255 (code size 9)", 9, Codes({{512, 10}, {300, 10}, {513, 10}}), {}},
        {"code size 11 literals", 11, Codes({{2048, 12}, {7, 12}, {8, 12}, {9, 12}, {10, 12}, {2049, 12}}),
         {7, 8, 9, 10}},
    };
    for (const Case& c : cases) {
        GifFrameSpec f = Frame(4, 1, {});
        f.minCodeSize = c.minCodeSize;
        f.rawData = c.data;
        Opened g(Screen(4, 1, {f}, 1));
        if (c.bits.empty()) {
            EXPECT_EQ(GifFault::InvalidCode, FaultOf([&] { g.decoder.MoveNext(); })) << c.name;
            continue;
        }
        ASSERT_TRUE(g.decoder.MoveNext()) << c.name;
        std::vector<uint8_t> bits = Bits(g.decoder);
        bits.pop_back();
        EXPECT_EQ(c.bits, bits) << c.name;
    }
}

// A zero-length sub-block ends the image data: the rest of the indexes stay 0 and the next block is
// read after the terminator.
TEST(GifDecoderTest, AnEmptySubBlockEndsTheImageData) {
    GifFrameSpec f = Frame(4, 2, {});
    f.minCodeSize = 2;
    f.rawData = Codes({{4, 3}, {1, 3}, {2, 3}});  // 9 bits: two data bytes, then the terminator
    Opened g(Screen(4, 2, {f, Frame(4, 2, std::vector<uint8_t>(8, 3))}, 1));
    ASSERT_TRUE(g.decoder.MoveNext());
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 0, 0, 0, 0, 0, 0, 0}), Bits(g.decoder));
    ASSERT_TRUE(g.decoder.MoveNext());
    EXPECT_EQ(3, Bits(g.decoder)[7]);
    EXPECT_FALSE(g.decoder.MoveNext());
}

// A file cut anywhere: either what is there reads without error, or "Input past end of file".
TEST(GifDecoderTest, EveryCutOfAFileRaisesPastEndOrNothing) {
    GifFrameSpec first = Frame(6, 4, Noise(24, 4, 1));
    first.graphicControl = true;
    first.delay = 5;
    GifFrameSpec second = Frame(3, 3, Noise(9, 4, 2));
    second.localTable = kxtest::RampTable(1);
    second.localSizeCode = 1;
    const std::vector<uint8_t> whole = kxtest::WriteGif(Screen(6, 4, {first, second}));
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        const std::vector<uint8_t> part(whole.begin(), whole.begin() + cut);
        const GifFault fault = FaultOf([&] {
            Opened g(part);
            while (g.decoder.MoveNext()) {
            }
            g.decoder.MoveFirst();
            g.decoder.MoveLast();
        });
        EXPECT_EQ(GifFault::PastEnd, fault) << "cut at " << cut;
    }
}

TEST(GifDecoderTest, SizesBeyondTwoToThe26thPixelsAreRefused) {
    GifSpec huge = Screen(65535, 65535, {});
    EXPECT_EQ(GifFault::TooLarge, FaultOf([&] { Opened{huge}; }));
    GifFrameSpec big = Frame(65535, 2000, {});
    big.minCodeSize = 2;
    big.rawData = Codes({{4, 3}, {5, 3}});
    Opened g(Screen(10, 10, {big}));
    EXPECT_EQ(GifFault::TooLarge, FaultOf([&] { g.decoder.MoveNext(); }));
    // Unsigned sizes: 40000 is not negative.
    Opened wide(Screen(40000, 1, {}));
    EXPECT_EQ(40000, wide.decoder.Canvas().Width());
}

TEST(GifDecoderTest, InterlacedRowsGoToTheirPasses) {
    const uint32_t expected[] = {0, 8, 4, 12, 2, 6, 10, 14, 1, 3, 5, 7, 9, 11, 13, 15};
    for (uint32_t k = 0; k < 16; ++k) EXPECT_EQ(expected[k], kx::FrameRowOf(k, 16, true)) << k;
    for (uint32_t k = 0; k < 5; ++k) EXPECT_EQ(k, kx::FrameRowOf(k, 5, false));
    const uint32_t small[] = {0, 2, 1};
    for (uint32_t k = 0; k < 3; ++k) EXPECT_EQ(small[k], kx::FrameRowOf(k, 3, true)) << k;

    // Row y holds colour y % 4; written interlaced at top 2, it lands where it belongs.
    std::vector<uint8_t> rows;
    for (int y = 0; y < 16; ++y) rows.insert(rows.end(), 3, static_cast<uint8_t>(y % 4));
    GifFrameSpec f = Frame(3, 16, rows);
    f.interlaced = true;
    f.top = 2;
    Opened g(Screen(3, 18, {f}));
    ASSERT_TRUE(g.decoder.MoveNext());
    EXPECT_TRUE(g.decoder.Descriptor().IsInterlaced());
    const std::vector<uint8_t> table = kxtest::RampTable(1);
    for (int y = 0; y < 16; ++y) EXPECT_EQ(Rgb(table, y % 4), g.Pixel(1, y + 2)) << y;
    EXPECT_EQ(0u, g.Pixel(1, 0));
}

// Composition: offsets, clipping, transparency, disposal, and the graphic control carried over.
TEST(GifDecoderTest, FramesComposeOnTheCanvas) {
    const std::vector<uint8_t> table = kxtest::RampTable(1);
    GifFrameSpec base = Frame(4, 4, std::vector<uint8_t>(16, 1));
    base.graphicControl = true;
    GifFrameSpec patch = Frame(2, 2, {2, 0, 0, 2});  // 0 transparent
    patch.left = 1;
    patch.top = 1;
    patch.graphicControl = true;
    patch.transparent = true;
    patch.transparentIndex = 0;
    patch.delay = 7;
    GifFrameSpec outside = Frame(3, 3, std::vector<uint8_t>(9, 3));  // reaches past the screen
    outside.left = 3;
    outside.top = 3;
    Opened g(Screen(4, 4, {base, patch, outside}));
    ASSERT_TRUE(g.decoder.MoveNext());
    ASSERT_TRUE(g.decoder.MoveNext());
    EXPECT_EQ(Rgb(table, 2), g.Pixel(1, 1));
    EXPECT_EQ(Rgb(table, 1), g.Pixel(2, 1));  // transparent: the frame below shows
    EXPECT_EQ(Rgb(table, 1), g.Pixel(0, 0));
    ASSERT_TRUE(g.decoder.MoveNext());
    // No graphic control of its own: the last one holds (delay 7, index 0 transparent).
    EXPECT_EQ(7, g.decoder.GraphicControl().delay);
    EXPECT_TRUE(g.decoder.GraphicControl().IsTransparent());
    EXPECT_EQ(Rgb(table, 3), g.Pixel(3, 3));
    EXPECT_EQ(Rgb(table, 1), g.Pixel(2, 3));
}

TEST(GifDecoderTest, DisposalDecidesTheNextFramesCanvas) {
    const std::vector<uint8_t> table = kxtest::RampTable(1);
    struct Case {
        uint8_t disposal;
        uint32_t underPatch;  // pixel (1, 1) once the next frame, transparent there, is drawn
        uint32_t outside;     // pixel (0, 0)
    } cases[] = {
        {0, Rgb(table, 2), Rgb(table, 1)},
        {1, Rgb(table, 2), Rgb(table, 1)},
        {2, 0, Rgb(table, 1)},
        {3, Rgb(table, 1), Rgb(table, 1)},
        {5, Rgb(table, 2), Rgb(table, 1)},
    };
    for (const Case& c : cases) {
        GifFrameSpec base = Frame(3, 3, std::vector<uint8_t>(9, 1));
        GifFrameSpec patch = Frame(2, 2, std::vector<uint8_t>(4, 2));
        patch.left = patch.top = 1;
        patch.graphicControl = true;
        patch.disposal = c.disposal;
        GifFrameSpec clear = Frame(3, 3, std::vector<uint8_t>(9, 0));
        clear.graphicControl = true;
        clear.transparent = true;
        Opened g(Screen(3, 3, {base, patch, clear}));
        g.decoder.MoveNext();
        g.decoder.MoveNext();
        EXPECT_EQ(Rgb(table, 2), g.Pixel(1, 1)) << "the frame itself shows, disposal " << int(c.disposal);
        EXPECT_EQ(c.disposal, g.decoder.GraphicControl().DisposalMethod());
        g.decoder.MoveNext();
        EXPECT_EQ(c.underPatch, g.Pixel(1, 1)) << "disposal " << int(c.disposal);
        EXPECT_EQ(c.outside, g.Pixel(0, 0)) << "disposal " << int(c.disposal);
    }
}

TEST(GifDecoderTest, ProgressEveryTenRows) {
    Opened g(Screen(5, 100, {Frame(5, 100, Noise(500, 4, 3))}));
    ASSERT_TRUE(g.decoder.MoveNext());
    ASSERT_FALSE(g.events.rows.empty());
    for (size_t i = 0; i < g.events.rows.size(); ++i) {
        EXPECT_GE(g.events.rows[i], long(10 * (i + 1)));
        if (i > 0) {
            EXPECT_GE(g.events.rows[i] - g.events.rows[i - 1], 10);
        }
    }
    EXPECT_LE(g.events.rows.back(), 100);
    EXPECT_GE(g.events.rows.back(), 90);
    EXPECT_EQ(1, g.events.completed);
}

TEST(GifDecoderTest, MoveLastCountsFramesAndLeavesThePicture) {
    GifFrameSpec gce = Frame(2, 2, {1, 1, 1, 1});
    gce.graphicControl = true;
    GifSpec spec = Screen(2, 2, {Frame(2, 2, {2, 2, 2, 2}), gce, Frame(1, 1, {3})});
    Opened g(spec);
    ASSERT_TRUE(g.decoder.MoveNext());
    const uint32_t before = g.Pixel(0, 0);
    EXPECT_TRUE(g.decoder.MoveLast());
    EXPECT_EQ(2, g.decoder.FrameIndex());
    EXPECT_TRUE(g.decoder.Eof());
    EXPECT_EQ(before, g.Pixel(0, 0));
    EXPECT_TRUE(g.decoder.MoveLast());
    Opened fresh(spec);
    EXPECT_TRUE(fresh.decoder.MoveLast());
    EXPECT_EQ(2, fresh.decoder.FrameIndex());
    EXPECT_EQ(0u, fresh.Pixel(0, 0));
}

// With no file, the moves report false and nothing is composed.
TEST(GifDecoderTest, NoFileOpen) {
    GifDecoder decoder;
    decoder.Reset();
    EXPECT_FALSE(decoder.MoveNext());
    EXPECT_FALSE(decoder.MoveFirst());
    EXPECT_FALSE(decoder.MoveLast());
    decoder.MergeCurrentImage();
    EXPECT_FALSE(decoder.Canvas().Exists());
}

// Local tables, colours of the frame table, and a graphic control of an odd size keeping the block walk.
TEST(GifDecoderTest, LocalTablesAndFrameColours) {
    GifFrameSpec f = Frame(2, 1, {0, 1});
    f.localTable = {10, 20, 30, 40, 50, 60};
    f.localSizeCode = 0;
    GifSpec spec = Screen(2, 1, {f, Frame(2, 1, {3, 2})});
    Opened g(spec);
    ASSERT_TRUE(g.decoder.MoveNext());
    EXPECT_TRUE(g.decoder.Descriptor().HasLocalTable());
    EXPECT_EQ(2, g.decoder.Descriptor().LocalTableSize());
    EXPECT_EQ(0x3C3228u, g.decoder.FrameColour(1));
    EXPECT_EQ(0x3C3228u, g.Pixel(1, 0));
    ASSERT_TRUE(g.decoder.MoveNext());
    EXPECT_EQ(Rgb(kxtest::RampTable(1), 3), g.decoder.FrameColour(3));
}

// Graphic-control blocks of other sizes than 4 are walked as sub-blocks, the way MoveLast walks them,
// so that both find the same frames (the size-0 block is a fuzzer finding).
TEST(GifDecoderTest, GraphicControlsOfOddSizesKeepTheBlockWalk) {
    struct Case {
        const char* name;
        std::vector<uint8_t> extension;
        int disposal, delay;
    } cases[] = {
        {"size 4", {0x21, 0xF9, 4, 0x08, 3, 0, 2, 0}, 2, 3},
        {"size 5", {0x21, 0xF9, 5, 0x09, 3, 0, 2, 0xEE, 0}, 2, 3},
        {"size 2", {0x21, 0xF9, 2, 0x0C, 9, 0}, 3, 9},
        {"size 0", {0x21, 0xF9, 0}, 0, 0},
        {"size 0, then bytes that are no sub-block", {0x21, 0xF9, 0, 0x0C, 4, 0, 0, 0}, 0, 0},
        {"sub-blocks after the first", {0x21, 0xF9, 4, 0x04, 1, 0, 0, 2, 7, 7, 0}, 1, 1},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = kxtest::WriteGif(Screen(2, 1, {Frame(2, 1, {1, 1})}));
        bytes.insert(bytes.begin() + 13 + 12, c.extension.begin(), c.extension.end());
        Opened g(bytes);
        ASSERT_TRUE(g.decoder.MoveNext()) << c.name;
        EXPECT_EQ(c.disposal, g.decoder.GraphicControl().DisposalMethod()) << c.name;
        EXPECT_EQ(c.delay, g.decoder.GraphicControl().delay) << c.name;
        EXPECT_FALSE(g.decoder.MoveNext()) << c.name;
        g.decoder.MoveFirst();
        g.decoder.MoveLast();
        EXPECT_EQ(0, g.decoder.FrameIndex()) << c.name;
    }
}

}  // namespace
