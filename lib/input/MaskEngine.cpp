#include "MaskEngine.h"

#include <algorithm>
#include <cstdlib>

#include "LeadingNumber.h"
#include "Rounding.h"

namespace kx {
namespace {

constexpr char16_t kDefaultMask[] = u"0";

bool IsDigitKey(char16_t c) { return c == u'-' || (c >= u'0' && c <= u'9'); }
bool IsAnyKey(char16_t c) { return c >= 32; }

// The form runtime's Val of a run, as a whole number; nothing when it does not fit a Long.
std::optional<int64_t> WholeNumberOf(std::u16string_view digits) {
    const std::wstring wide(digits.begin(), digits.end());
    const LeadingNumber number = ReadLeadingNumber(wide);
    if (number.overflow) return std::nullopt;
    const double whole = RoundHalfEven(number.value);
    if (!FitsInt32(whole)) return std::nullopt;
    return static_cast<int64_t>(whole);
}

bool FitsLong(int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; }

std::u16string DecimalText(int64_t value) {
    std::u16string digits;
    uint64_t magnitude = value < 0 ? static_cast<uint64_t>(-value) : static_cast<uint64_t>(value);
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) digits.insert(digits.begin(), u'-');
    return digits;
}

// A value written into a run of the given length: leading zeros, after the sign when negative.
std::u16string PaddedRun(int64_t value, size_t length) {
    std::u16string magnitude = DecimalText(value < 0 ? -value : value);
    const size_t sign = value < 0 ? 1 : 0;
    std::u16string run(length - magnitude.size() - sign, u'0');
    if (sign) run.insert(run.begin(), u'-');
    return run + magnitude;
}

// The number the run shows after the bounds and the fit to the run's length; nothing when it
// still does not fit.
std::optional<int64_t> BoundedValue(const SpinRequest& answer) {
    int64_t value = answer.thisValue;
    if (answer.maxValue >= 0 && value > answer.maxValue) value = answer.resetToZero ? 0 : answer.maxValue;
    const bool presetBounds = answer.maxValue == -1 && answer.minValue == 1;
    if (!presetBounds && value < answer.minValue) value = answer.resetToZero ? 0 : answer.minValue;
    const int64_t length = answer.length;
    if (static_cast<int64_t>(DecimalText(value).size()) > length) value += value > 0 ? -1 : 1;
    if (static_cast<int64_t>(DecimalText(value).size()) > length) return std::nullopt;
    return value;
}

}  // namespace

char16_t MaskCharacterOf(std::u16string_view given, char16_t fallback) {
    return given.empty() ? fallback : given.front();
}

std::u16string StoredInputMask(std::u16string_view given, const MaskCharacters& characters) {
    if (given.empty()) return kDefaultMask;
    std::u16string mask(given);
    for (char16_t& c : mask)
        if (c == characters.digitShow || c == characters.anyShow) c = u'?';
    return mask;
}

MaskEngine::MaskEngine(std::u16string_view mask, const MaskCharacters& characters)
    : mask_(mask.empty() ? std::u16string(kDefaultMask) : std::u16string(mask)), chars_(characters) {}

MaskEngine::Kind MaskEngine::KindAt(size_t position) const {
    const char16_t c = mask_[position];
    if (c == chars_.digit) return Kind::kDigit;  // a digit position where both characters are the same
    if (c == chars_.any) return Kind::kAny;
    return Kind::kFixed;
}

char16_t MaskEngine::PlaceholderAt(size_t position) const {
    return KindAt(position) == Kind::kDigit ? chars_.digitShow : chars_.anyShow;
}

std::u16string MaskEngine::Render(std::u16string_view value) const {
    std::u16string text(mask_.size(), u'\0');
    size_t next = 0;
    for (size_t i = 0; i < mask_.size(); ++i) {
        const Kind kind = KindAt(i);
        if (kind == Kind::kFixed) {
            text[i] = mask_[i];
        } else if (next < value.size() && (kind == Kind::kAny || IsDigitKey(value[next]))) {
            text[i] = value[next++];
        } else {
            text[i] = PlaceholderAt(i);  // used up, or blocked: the character waits for the next position
        }
    }
    return text;
}

std::u16string MaskEngine::ReadBack(std::u16string_view text) const {
    std::u16string value;
    const size_t end = std::min(mask_.size(), text.size());
    for (size_t i = 0; i < end; ++i)
        if (Fillable(i) && !IsPlaceholder(text[i])) value += text[i];
    return value;
}

MaskText MaskEngine::Conform(MaskText state) const {
    std::u16string text(mask_.size(), u'\0');
    for (size_t i = 0; i < mask_.size(); ++i) {
        if (!Fillable(i)) text[i] = mask_[i];
        else text[i] = i < state.text.size() ? state.text[i] : PlaceholderAt(i);
    }
    return {std::move(text), std::min(state.caret, mask_.size())};
}

MaskText MaskEngine::TypeCharacter(MaskText state, char16_t key) const {
    state = Conform(std::move(state));
    size_t position = state.caret;
    while (position < mask_.size() && !Fillable(position)) ++position;
    if (position == mask_.size()) {
        state.caret = position;
        return state;
    }
    const bool taken = KindAt(position) == Kind::kDigit ? IsDigitKey(key) : IsAnyKey(key);
    state.caret = position + 1;
    if (!taken) return state;
    state.text[position] = key;
    if (IsPlaceholder(key)) state.caret = position;
    return state;
}

MaskText MaskEngine::Backspace(MaskText state) const {
    state = Conform(std::move(state));
    if (state.caret == 0) return state;
    size_t position = state.caret;
    while (position > 0 && !Fillable(position - 1)) --position;
    if (position == 0) {
        state.caret = 0;
        return state;
    }
    state.text[position - 1] = PlaceholderAt(position - 1);
    state.caret = position - 1;
    return state;
}

MaskText MaskEngine::Delete(MaskText state) const {
    state = Conform(std::move(state));
    if (state.caret < mask_.size() && Fillable(state.caret)) state.text[state.caret] = PlaceholderAt(state.caret);
    return state;
}

std::optional<SpinRequest> MaskEngine::BeginSpin(const MaskText& state, bool up) const {
    const MaskText conformed = Conform(state);
    const size_t caret = conformed.caret;
    if (caret >= mask_.size() || KindAt(caret) != Kind::kDigit) return std::nullopt;
    size_t start = caret;
    while (start > 0 && KindAt(start - 1) == Kind::kDigit) --start;
    size_t end = caret + 1;
    while (end < mask_.size() && KindAt(end) == Kind::kDigit) ++end;
    std::u16string digits;
    for (size_t i = start; i < end; ++i)
        if (conformed.text[i] != chars_.digitShow) digits += conformed.text[i];
    const std::optional<int64_t> last = WholeNumberOf(digits);
    if (!last) return std::nullopt;
    const int64_t next = *last + (up ? 1 : -1);
    if (!FitsLong(next)) return std::nullopt;
    SpinRequest request;
    request.lastValue = static_cast<int32_t>(*last);
    request.thisValue = static_cast<int32_t>(next);
    request.startPos = static_cast<int32_t>(start + 1);
    request.length = static_cast<int32_t>(end - start);
    return request;
}

std::u16string MaskEngine::FinishSpin(std::u16string_view text, const SpinRequest& answer) const {
    std::u16string result = Conform({std::u16string(text), 0}).text;
    if (answer.startPos < 1 || answer.length < 1) return result;
    const size_t start = static_cast<size_t>(answer.startPos) - 1;
    const size_t length = static_cast<size_t>(answer.length);
    if (start >= result.size() || length > result.size() - start) return result;
    for (size_t i = start; i < start + length; ++i)
        if (KindAt(i) != Kind::kDigit) return result;  // the handler's run covers fixed positions
    const std::optional<int64_t> value = BoundedValue(answer);
    if (!value) return result;
    result.replace(start, length, PaddedRun(*value, length));
    return result;
}

}  // namespace kx
