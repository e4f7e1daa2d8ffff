#include "AbjadEngine.h"

#include <algorithm>
#include <limits>

#include "CodePageFold.h"
#include "LetterRules.h"
#include "NumericText.h"

namespace zarvanta {
namespace {

void ReplaceAll(std::wstring& text, LetterReplacement replacement) {
    std::replace(text.begin(), text.end(), replacement.from, replacement.to);
}

}  // namespace

AbjadEngine::AbjadEngine() : values_(MakeValueTable()) {}

std::wstring AbjadEngine::CorrectWord(std::wstring_view text) const {
    std::wstring word(text);
    FoldToCodePage1256(word);
    for (const auto& replacement : kFixedReplacements) ReplaceAll(word, replacement);
    if (options_.IsOn(AbjadOption::RepeatTashdid)) RepeatTashdid(word);
    for (const auto& rule : kSwitchableReplacements)
        if (options_.IsOn(rule.option)) ReplaceAll(word, rule.replacement);
    return word;
}

// Each shadda becomes the character before it, as replacing the first shadda again and again would
// make it, in one pass. A shadda with nothing before it has no letter to double and is dropped.
void AbjadEngine::RepeatTashdid(std::wstring& text) const {
    std::wstring doubled;
    doubled.reserve(text.size());
    for (const wchar_t c : text) {
        if (c != kShadda) doubled.push_back(c);
        else if (!doubled.empty()) doubled.push_back(doubled.back());
    }
    text.swap(doubled);
}

std::optional<std::int32_t> AbjadEngine::MakeAbjad(std::wstring_view text) const {
    const std::wstring normalised = CorrectWord(text);
    if (const auto number = ReadNumber(normalised)) return RoundToInt32(*number);
    return SumOfLetters(normalised);
}

// Every character is valued, however long the text.
std::optional<std::int32_t> AbjadEngine::SumOfLetters(std::wstring_view text) const {
    std::int64_t sum = 0;
    for (const wchar_t c : text) sum += LetterValue(c);
    if (sum > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(sum);
}

}  // namespace zarvanta
