// The mask engine's tables. Built by the cross test build and natively (scripts/fuzz.sh).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MaskEngine.h"

namespace {

using kx::MaskCharacters;
using kx::MaskEngine;
using kx::MaskText;
using kx::SpinRequest;

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

const MaskCharacters kDefaults;

TEST(MaskEngineTest, RenderAndReadBack) {
    const struct {
        std::u16string mask, value, text, readBack;
    } cases[] = {
        {u"0000/00/00", u"20241231", u"2024/12/31", u"20241231"},
        {u"0000/00/00", u"202412", u"2024/12/__", u"202412"},
        {u"(000) 000-0000", u"", u"(___) ___-____", u""},
        {u"@@-000", u"ab12", u"ab-12_", u"ab12"},
        {u"0@", u"a", u"_a", u"a"},         // the blocked digit shows its placeholder
        {u"000", u"a12", u"___", u""},       // a letter blocks every digit position
        {u"00", u"-5", u"-5", u"-5"},
        {u"00", u"12345", u"12", u"12"},     // beyond the last fillable position: not shown
        {u"0", u"", u"_", u""},
        {u"?0?", u"7", u"?7?", u"7"},
        {u"@@", u"\u0627\u0628", u"\u0627\u0628", u"\u0627\u0628"},
        {u"@@@", u"\xD800\x01x", u"\xD800\x01x", u"\xD800\x01x"},  // any code unit fills an any-character position
    };
    for (const auto& c : cases) {
        const MaskEngine engine(c.mask, kDefaults);
        const std::u16string text = engine.Render(c.value);
        EXPECT_EQ(c.text, text) << Narrow(c.mask) << " / " << Narrow(c.value);
        EXPECT_EQ(c.readBack, engine.ReadBack(text)) << Narrow(c.mask) << " / " << Narrow(c.value);
    }
}

TEST(MaskEngineTest, OwnMaskCharacters) {
    MaskCharacters stars;
    stars.digit = u'#';
    stars.any = u'#';  // the same character: a digit position
    stars.digitShow = u'*';
    stars.anyShow = u'.';
    const MaskEngine engine(u"##:0@", stars);
    EXPECT_EQ(u"4*:0@", engine.Render(u"4x"));
    EXPECT_EQ(u"4", engine.ReadBack(u"4*:0@"));
    // A text of any length: what is missing reads as empty, what is beyond the mask is left out.
    EXPECT_EQ(u"1", engine.ReadBack(u"1"));
    EXPECT_EQ(u"12", engine.ReadBack(u"12:0@999"));
}

TEST(MaskEngineTest, TheLetsRules) {
    EXPECT_EQ(u'#', kx::MaskCharacterOf(u"#x", u'0'));
    EXPECT_EQ(u'0', kx::MaskCharacterOf(u"", u'0'));
    EXPECT_EQ(u"0", kx::StoredInputMask(u"", kDefaults));
    EXPECT_EQ(u"00?00", kx::StoredInputMask(u"00_00", kDefaults));
    MaskCharacters own;
    own.digitShow = u'*';
    own.anyShow = u'.';
    EXPECT_EQ(u"0?0?_", kx::StoredInputMask(u"0*0._", own));
    EXPECT_EQ(u"0", MaskEngine(u"", kDefaults).Mask());
}

// One key action on a text and caret.
struct KeyCase {
    const char* what;
    std::u16string mask, text;
    size_t caret;
    std::function<MaskText(const MaskEngine&, MaskText)> action;
    std::u16string expectedText;
    size_t expectedCaret;
};

std::function<MaskText(const MaskEngine&, MaskText)> Type(char16_t key) {
    return [key](const MaskEngine& e, MaskText s) { return e.TypeCharacter(std::move(s), key); };
}
MaskText Backspace(const MaskEngine& e, MaskText s) { return e.Backspace(std::move(s)); }
MaskText Delete(const MaskEngine& e, MaskText s) { return e.Delete(std::move(s)); }

TEST(MaskEngineTest, KeysAtTheStartTheEndAndBeforeFixedCharacters) {
    const KeyCase cases[] = {
        {"digit at the start", u"00/00", u"__/__", 0, Type(u'1'), u"1_/__", 1},
        {"minus is a digit key", u"00/00", u"__/__", 0, Type(u'-'), u"-_/__", 1},
        {"letter refused, caret passes", u"00/00", u"__/__", 0, Type(u'a'), u"__/__", 1},
        {"before a fixed character", u"00/00", u"12/__", 2, Type(u'3'), u"12/3_", 4},
        {"at the end nothing", u"00/00", u"12/34", 5, Type(u'5'), u"12/34", 5},
        {"fixed tail to the end", u"0/", u"1/", 1, Type(u'5'), u"1/", 2},
        {"overwrites", u"00", u"12", 0, Type(u'9'), u"92", 1},
        {"any takes a letter", u"@0", u"__", 0, Type(u'x'), u"x_", 1},
        {"any refuses a control code", u"@0", u"__", 0, Type(u'\r'), u"__", 1},
        {"key 0 still moves", u"00", u"__", 0, Type(u'\0'), u"__", 1},
        {"a placeholder typed: caret before it", u"@@", u"ab", 0, Type(u'_'), u"_b", 0},
        {"backspace at the start", u"00/00", u"12/34", 0, Backspace, u"12/34", 0},
        {"backspace after the first", u"00/00", u"12/34", 1, Backspace, u"_2/34", 0},
        {"backspace over a fixed character", u"00/00", u"12/34", 3, Backspace, u"1_/34", 1},
        {"backspace at the end", u"00/00", u"12/34", 5, Backspace, u"12/3_", 4},
        {"backspace with only fixed to the left", u"(0)", u"(1)", 1, Backspace, u"(1)", 0},
        {"delete at the start", u"00/00", u"12/34", 0, Delete, u"_2/34", 0},
        {"delete before a fixed character", u"00/00", u"12/34", 2, Delete, u"12/34", 2},
        {"delete at the end", u"00/00", u"12/34", 5, Delete, u"12/34", 5},
        {"a short text is conformed", u"00/00", u"1", 9, Type(u'7'), u"1_/__", 5},
        {"a long text is cut", u"00", u"1234", 1, Type(u'7'), u"17", 2},
    };
    for (const KeyCase& c : cases) {
        const MaskEngine engine(c.mask, kDefaults);
        const MaskText after = c.action(engine, {c.text, c.caret});
        EXPECT_EQ(c.expectedText, after.text) << c.what << ": " << Narrow(after.text);
        EXPECT_EQ(c.expectedCaret, after.caret) << c.what;
    }
}

// Up or Down with a handler's answer.
struct SpinCase {
    const char* what;
    std::u16string mask, text;
    size_t caret;
    bool up;
    std::function<void(SpinRequest&)> handler;
    std::u16string expected;
};

TEST(MaskEngineTest, SpinTheDigitRun) {
    const auto none = [](SpinRequest&) {};
    const SpinCase cases[] = {
        {"99 Up, no handler: 100 is too long", u"00", u"99", 0, true, none, u"99"},
        {"Max 59 ResetToZero", u"00", u"59", 1, true, [](SpinRequest& r) { r.maxValue = 59; r.resetToZero = true; },
         u"00"},
        {"Max 59", u"00", u"59", 0, true, [](SpinRequest& r) { r.maxValue = 59; }, u"59"},
        {"Min 0", u"00", u"00", 0, false, [](SpinRequest& r) { r.minValue = 0; }, u"00"},
        {"no bounds", u"00", u"00", 0, false, none, u"-1"},
        {"Max 12 Min 1: months stay at 01", u"00", u"01", 0, false,
         [](SpinRequest& r) { r.maxValue = 12; r.minValue = 1; }, u"01"},
        {"Max 12 Min 1 ResetToZero", u"00", u"01", 0, false,
         [](SpinRequest& r) { r.maxValue = 12; r.resetToZero = true; }, u"00"},
        {"placeholders left out", u"000", u"_5_", 1, true, none, u"006"},
        {"negative padded after the sign", u"000", u"___", 0, false, none, u"-01"},
        {"run around the caret", u"0000/00", u"2024/12", 2, true, none, u"2025/12"},
        {"second run", u"0000/00", u"2024/12", 5, false, none, u"2024/11"},
        {"handler's run outside the text", u"00", u"10", 0, true, [](SpinRequest& r) { r.startPos = 2; }, u"10"},
        {"handler's run over a fixed character", u"00/0", u"10/0", 0, true,
         [](SpinRequest& r) { r.length = 4; }, u"10/0"},
        {"still too long after the step", u"00", u"10", 0, true, [](SpinRequest& r) { r.thisValue = 5000; }, u"10"},
        {"handler moves the run", u"0000", u"1234", 0, true,
         [](SpinRequest& r) { r.startPos = 3; r.length = 2; r.thisValue = 7; }, u"1207"},
    };
    for (const SpinCase& c : cases) {
        const MaskEngine engine(c.mask, kDefaults);
        const MaskText state{c.text, c.caret};
        std::optional<SpinRequest> request = engine.BeginSpin(state, c.up);
        ASSERT_TRUE(request.has_value()) << c.what;
        c.handler(*request);
        EXPECT_EQ(c.expected, engine.FinishSpin(c.text, *request)) << c.what << ": "
                                                                   << Narrow(engine.FinishSpin(c.text, *request));
    }
}

TEST(MaskEngineTest, SpinRequestAndWhereThereIsNone) {
    const MaskEngine engine(u"(000)@0", kDefaults);
    const std::optional<SpinRequest> request = engine.BeginSpin({u"(042)x_", 2}, true);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(-1, request->maxValue);
    EXPECT_EQ(1, request->minValue);
    EXPECT_EQ(42, request->lastValue);
    EXPECT_EQ(43, request->thisValue);
    EXPECT_EQ(2, request->startPos);
    EXPECT_EQ(3, request->length);
    EXPECT_FALSE(request->resetToZero);
    EXPECT_FALSE(engine.BeginSpin({u"(042)x_", 0}, true)) << "a fixed position";
    EXPECT_FALSE(engine.BeginSpin({u"(042)x_", 5}, true)) << "an any-character position";
    EXPECT_FALSE(engine.BeginSpin({u"(042)x_", 7}, true)) << "the end";
    // Only a minus or only placeholders read as 0.
    EXPECT_EQ(0, engine.BeginSpin({u"(-__)x_", 1}, false)->lastValue);
    // A number that does not fit a Long, or whose neighbour does not.
    const MaskEngine wide(u"00000000000", kDefaults);
    EXPECT_FALSE(wide.BeginSpin({u"99999999999", 0}, true));
    EXPECT_FALSE(wide.BeginSpin({u"02147483647", 0}, true));
    EXPECT_EQ(2147483647, wide.BeginSpin({u"02147483646", 0}, true)->thisValue);
}

// A long mask stays linear: rendering, reading back and a spin over a 100,000-position run.
TEST(MaskEngineTest, LongMasks) {
    const std::u16string mask(100000, u'0');
    const MaskEngine engine(mask, kDefaults);
    const std::u16string text = engine.Render(u"12");
    EXPECT_EQ(mask.size(), text.size());
    EXPECT_EQ(u"12", engine.ReadBack(text));
    const std::optional<SpinRequest> request = engine.BeginSpin({text, 50000}, true);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(100000, request->length);
    EXPECT_EQ(mask.size(), engine.FinishSpin(text, *request).size());
}

}  // namespace
