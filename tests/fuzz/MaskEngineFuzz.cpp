// The mask engine under random masks, values, carets, keys and handler answers.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "MaskEngine.h"

namespace {

constexpr int kMostActions = 24;  // a short key sequence per input keeps the executions many

using kx::MaskCharacters;
using kx::MaskEngine;
using kx::MaskText;
using kx::SpinRequest;

void Require(bool condition) {
    if (!condition) std::abort();
}

// Mostly the characters that make masks interesting, now and then any code unit.
char16_t PickUnit(FuzzedDataProvider& data) {
    static constexpr char16_t kCommon[] = u"0@_#?-/()9a \xD800\xDC00\x0627";
    if (data.ConsumeBool()) return static_cast<char16_t>(data.ConsumeIntegral<uint16_t>());
    return kCommon[data.ConsumeIntegralInRange<size_t>(0, sizeof(kCommon) / sizeof(kCommon[0]) - 2)];
}

std::u16string PickText(FuzzedDataProvider& data, size_t most) {
    std::u16string text(data.ConsumeIntegralInRange<size_t>(0, most), u'\0');
    for (char16_t& c : text) c = PickUnit(data);
    return text;
}

MaskCharacters PickCharacters(FuzzedDataProvider& data) {
    MaskCharacters chars;
    chars.digit = kx::MaskCharacterOf(PickText(data, 2), u'0');
    chars.any = kx::MaskCharacterOf(PickText(data, 2), u'@');
    chars.digitShow = kx::MaskCharacterOf(PickText(data, 2), u'_');
    chars.anyShow = kx::MaskCharacterOf(PickText(data, 2), u'_');
    return chars;
}

bool Fillable(const MaskCharacters& chars, char16_t maskChar) {
    return maskChar == chars.digit || maskChar == chars.any;
}
bool IsDigitPosition(const MaskCharacters& chars, char16_t maskChar) { return maskChar == chars.digit; }
bool IsDigitKey(char16_t c) { return c == u'-' || (c >= u'0' && c <= u'9'); }
bool IsPlaceholder(const MaskCharacters& chars, char16_t c) { return c == chars.digitShow || c == chars.anyShow; }

// The text follows the mask: its length, its fixed characters; the caret lies inside.
void CheckFollowsMask(const MaskEngine& engine, const MaskCharacters& chars, const MaskText& state) {
    const std::u16string& mask = engine.Mask();
    Require(state.text.size() == mask.size());
    Require(state.caret <= state.text.size());
    for (size_t i = 0; i < mask.size(); ++i)
        if (!Fillable(chars, mask[i])) Require(state.text[i] == mask[i]);
}

// A value that fits its positions position by position and holds no placeholder reads back as drawn.
void CheckRoundTrip(const MaskEngine& engine, const MaskCharacters& chars, const std::u16string& value) {
    const std::u16string text = engine.Render(value);
    CheckFollowsMask(engine, chars, {text, 0});
    const std::u16string& mask = engine.Mask();
    size_t n = 0;
    bool fits = true;
    for (size_t i = 0; i < mask.size() && n < value.size() && fits; ++i) {
        if (!Fillable(chars, mask[i])) continue;
        const char16_t c = value[n++];
        fits = !IsPlaceholder(chars, c) && (!IsDigitPosition(chars, mask[i]) || IsDigitKey(c));
    }
    if (fits) Require(engine.ReadBack(text) == value.substr(0, n));
}

void CheckSpin(const MaskEngine& engine, const MaskCharacters& chars, const MaskText& state, SpinRequest answer) {
    const std::u16string before = state.text;
    const std::u16string after = engine.FinishSpin(before, answer);
    CheckFollowsMask(engine, chars, {after, 0});
    if (after == before) return;
    // Written inside the text, in the handler's run only.
    const size_t start = static_cast<size_t>(answer.startPos) - 1;
    const size_t end = start + static_cast<size_t>(answer.length);
    Require(answer.startPos >= 1 && end <= before.size());
    for (size_t i = 0; i < before.size(); ++i)
        if (i < start || i >= end) Require(after[i] == before[i]);
    // The run holds a number within the bounds that apply.
    const std::string run(after.begin() + start, after.begin() + end);
    const long long written = std::strtoll(run.c_str(), nullptr, 10);
    const bool boundsApply = !(answer.maxValue == -1 && answer.minValue == 1);
    const bool reset = answer.resetToZero && written == 0;
    if (answer.maxValue >= 0 && boundsApply && answer.minValue <= answer.maxValue &&
        std::to_string(answer.maxValue).size() <= static_cast<size_t>(answer.length) &&
        std::to_string(answer.minValue).size() <= static_cast<size_t>(answer.length) && !reset) {
        Require(written <= answer.maxValue);
        Require(written >= answer.minValue);
    }
}

void RunAction(const MaskEngine& engine, const MaskCharacters& chars, FuzzedDataProvider& data, MaskText& state) {
    switch (data.ConsumeIntegralInRange(0, 4)) {
        case 0: state = engine.TypeCharacter(state, PickUnit(data)); break;
        case 1: state = engine.Backspace(state); break;
        case 2: state = engine.Delete(state); break;
        default: {
            const std::optional<SpinRequest> offered = engine.BeginSpin(state, data.ConsumeBool());
            MaskText conformed = engine.Conform(state);
            std::swap(state, conformed);
            if (!offered) break;
            SpinRequest request = *offered;
            if (data.ConsumeBool()) {  // the handler's answer
                request.maxValue = data.ConsumeIntegral<int32_t>() % 200 - 1;
                request.minValue = data.ConsumeIntegral<int32_t>() % 200 - 100;
                request.thisValue = data.ConsumeBool() ? data.ConsumeIntegral<int32_t>() : request.thisValue;
                request.resetToZero = data.ConsumeBool();
                if (data.ConsumeBool()) request.startPos = data.ConsumeIntegralInRange<int32_t>(-2, 40);
                if (data.ConsumeBool()) request.length = data.ConsumeIntegralInRange<int32_t>(-2, 40);
            }
            CheckSpin(engine, chars, state, request);
            state.text = engine.FinishSpin(conformed.text, request);  // from the text before conforming
            break;
        }
    }
    CheckFollowsMask(engine, chars, state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const MaskCharacters chars = PickCharacters(data);
    const MaskEngine engine(kx::StoredInputMask(PickText(data, 40), chars), chars);
    const std::u16string value = PickText(data, 40);
    CheckRoundTrip(engine, chars, value);
    MaskText state{engine.Render(value), data.ConsumeIntegralInRange<size_t>(0, 50)};
    if (data.ConsumeBool()) state.text = PickText(data, 50);  // a text from outside: any length
    for (int action = 0; action < kMostActions && data.remaining_bytes() > 0; ++action)
        RunAction(engine, chars, data, state);
    return 0;
}
