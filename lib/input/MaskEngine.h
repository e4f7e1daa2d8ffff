#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The masked input's pattern logic over UTF-16 text (a position is one code unit): drawing a value
// into its mask, reading it back, and the key actions on a text and its caret. Pure logic, no
// platform calls, so that it builds natively for the fuzzer too.
namespace kx {

// The four mask characters: the mask character of a digit and of an any-character position, and the
// placeholders that empty ones show.
struct MaskCharacters {
    char16_t digit = u'0';
    char16_t any = u'@';
    char16_t digitShow = u'_';
    char16_t anyShow = u'_';
};

// A mask character as its let stores it: the first character, or the fallback when empty.
char16_t MaskCharacterOf(std::u16string_view given, char16_t fallback);
// A mask as its let stores it: every placeholder character becomes "?"; empty gives "0".
std::u16string StoredInputMask(std::u16string_view given, const MaskCharacters& characters);

// The displayed text and the caret (a position between code units, 0 .. text length).
struct MaskText {
    std::u16string text;
    size_t caret = 0;
};

// An Up or Down on a digit run, as the host's CheckMaxValue handler sees and may change it.
// startPos counts from 1.
struct SpinRequest {
    int32_t maxValue = -1;
    int32_t minValue = 1;
    int32_t lastValue = 0;
    int32_t thisValue = 0;
    int32_t startPos = 0;
    int32_t length = 0;
    bool resetToZero = false;
};

class MaskEngine {
public:
    // An empty mask is taken as "0".
    MaskEngine(std::u16string_view mask, const MaskCharacters& characters);

    const std::u16string& Mask() const { return mask_; }

    // The text of a value: fillable positions take the value's characters in order; a digit
    // position offered a character it cannot take shows its placeholder and offers the character to
    // the next fillable position.
    std::u16string Render(std::u16string_view value) const;
    // The characters at the fillable positions, placeholders left out; positions beyond a short
    // text read as empty.
    std::u16string ReadBack(std::u16string_view text) const;

    // The key actions. Each first conforms the text (Conform: the mask's length, its fixed
    // characters in place, missing positions empty) and the caret to the text. The key is the
    // character as typed, after the code page and the input mode.
    MaskText TypeCharacter(MaskText state, char16_t key) const;
    MaskText Conform(MaskText state) const;
    MaskText Backspace(MaskText state) const;
    MaskText Delete(MaskText state) const;

    // Up or Down at the caret: the request for the handler, or nothing when no digit position is
    // right of the caret or the run's number or its neighbour does not fit a Long.
    std::optional<SpinRequest> BeginSpin(const MaskText& state, bool up) const;
    // The text with the run rewritten by the handler's answer; unchanged when the answer cannot be
    // written (a number too long for the run, a run outside the text or over fixed positions).
    std::u16string FinishSpin(std::u16string_view text, const SpinRequest& answer) const;

private:
    enum class Kind { kFixed, kDigit, kAny };

    Kind KindAt(size_t position) const;
    bool Fillable(size_t position) const { return KindAt(position) != Kind::kFixed; }
    char16_t PlaceholderAt(size_t position) const;
    bool IsPlaceholder(char16_t c) const { return c == chars_.digitShow || c == chars_.anyShow; }

    std::u16string mask_;
    MaskCharacters chars_;
};

}  // namespace kx
