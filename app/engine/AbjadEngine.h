#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "AbjadAlphabet.h"
#include "AbjadOptions.h"

// Normalises Persian and Arabic text and values it by the abjad letters. Both operations read the
// options as they stand at the moment of the call.
namespace zarvanta {

class AbjadEngine {
public:
    AbjadEngine();

    AbjadOptions& Options() { return options_; }
    const AbjadOptions& Options() const { return options_; }

    std::wstring_view LetterString() const { return kLetterString; }
    const ValueTable& Values() const { return values_; }
    // The value-table entry of a character: its letter's value, 0 for any other character.
    std::int16_t LetterValue(wchar_t c) const { return values_[LetterPosition(c)]; }

    // The text with the fixed replacements, the shadda rule and the switched-on replacements applied.
    std::wstring CorrectWord(std::wstring_view text) const;
    // The number a normalised text reads as, else the sum of its letters' values; nothing when that value
    // does not fit in 32 bits (a number typed beyond the range, or a text of millions of letters).
    std::optional<std::int32_t> MakeAbjad(std::wstring_view text) const;

private:
    void RepeatTashdid(std::wstring& text) const;
    std::optional<std::int32_t> SumOfLetters(std::wstring_view text) const;

    AbjadOptions options_;
    ValueTable values_;
};

}  // namespace zarvanta
