#include "NumberWords.h"

#include <vector>

#include "DoubleText.h"
#include "LeadingNumber.h"
#include "NumberWordTables.h"

namespace kx {
namespace {

constexpr size_t kGroupLength = 3;
constexpr std::wstring_view kEnglishPoint = L" point";
constexpr std::wstring_view kOrdinalSuffix = L"م";

struct NumberDigits {
    std::wstring integer;
    std::wstring fraction;
};

// The digits before and after the point of |number|'s text; nothing for exponent notation.
std::optional<NumberDigits> DigitsOf(double number) {
    const auto text = DoubleText(number < 0 ? -number : number);
    if (!text || text->find(L'E') != std::wstring::npos) return std::nullopt;
    const size_t point = text->find(L'.');
    if (point == std::wstring::npos) return NumberDigits{*text, {}};
    return NumberDigits{text->substr(0, point), text->substr(point + 1)};
}

// Groups of three digits cut from the right: index 0 holds the last three, the last index the rest.
std::vector<std::wstring> GroupsFromRight(const std::wstring& digits) {
    std::vector<std::wstring> groups;
    for (size_t end = digits.size(); end > 0; end = end > kGroupLength ? end - kGroupLength : 0) {
        const size_t start = end > kGroupLength ? end - kGroupLength : 0;
        groups.push_back(digits.substr(start, end - start));
    }
    return groups;
}

void AppendJoined(std::wstring& text, std::wstring_view joiner, std::wstring_view words) {
    if (!text.empty()) text += joiner;
    text += words;
}

// The words of one group of up to three digits; "000" has none.
std::wstring GroupWords(const NumberLanguage& language, const std::wstring& group) {
    std::wstring words;
    int value = static_cast<int>(ReadLeadingNumber(group).value);
    while (value != 0) {
        if (value < 20) {
            AppendJoined(words, language.inGroupJoiner, language.units[value]);
            value = 0;
        } else if (value < 100) {
            AppendJoined(words, language.inGroupJoiner, language.tens[value / 10]);
            value %= 10;
        } else {
            words = language.hundreds[value / 100];
            value %= 100;
        }
    }
    return words;
}

// Each group's words, followed by a blank and the scale word of the group's index when there are words;
// group 0 of an integer part carries no scale word.
std::optional<std::vector<std::wstring>> ScaledGroupWords(const NumberLanguage& language, const std::wstring& digits,
                                                          bool scaleGroupZero) {
    const auto groups = GroupsFromRight(digits);
    if (groups.size() > language.scales.size()) return std::nullopt;
    std::vector<std::wstring> words;
    for (size_t index = 0; index < groups.size(); ++index) {
        std::wstring group = GroupWords(language, groups[index]);
        if (!group.empty() && (index > 0 || scaleGroupZero)) group += L" " + std::wstring(language.scales[index]);
        words.push_back(group);
    }
    return words;
}

// Groups with words from the highest index down, joined by the language's group joiner.
void AppendHighestFirst(std::wstring& text, std::wstring_view joiner, const std::vector<std::wstring>& groups) {
    for (auto group = groups.rbegin(); group != groups.rend(); ++group)
        if (!group->empty()) AppendJoined(text, joiner, *group);
}

std::wstring Signed(const NumberLanguage& language, double number, std::wstring words) {
    if (words.empty()) words = language.units[0];
    if (number < 0) words = std::wstring(language.minus) + L" " + words;
    return words;
}

void ReplaceAll(std::wstring& text, std::wstring_view find, std::wstring_view with) {
    for (size_t at = text.find(find); at != std::wstring::npos; at = text.find(find, at + with.size()))
        text.replace(at, find.size(), with);
}

void AddOrdinalSuffix(std::wstring& text) {
    text += kOrdinalSuffix;
    ReplaceAll(text, L"سهم", L"سوم");
    ReplaceAll(text, L"سيم", L"سي ام");
}

// Each digit's units word after a blank, zeros included.
void AppendDigitByDigit(std::wstring& text, const NumberLanguage& language, const std::wstring& digits) {
    for (wchar_t digit : digits) text += L" " + std::wstring(language.units[digit - L'0']);
}

}  // namespace

std::optional<std::wstring> PersianNumberWords(double number, bool ordinal) {
    const NumberLanguage& language = kPersianWords;
    const auto digits = DigitsOf(number);
    if (!digits || digits->fraction.size() > kPersianPlaceWords.size()) return std::nullopt;
    const auto integer = ScaledGroupWords(language, digits->integer, false);
    const auto fraction = ScaledGroupWords(language, digits->fraction, true);
    if (!integer || !fraction) return std::nullopt;
    std::wstring words;
    AppendHighestFirst(words, language.groupJoiner, *integer);
    AppendHighestFirst(words, language.groupJoiner, *fraction);
    if (!digits->fraction.empty()) words += kPersianPlaceWords[digits->fraction.size() - 1];
    words = Signed(language, number, words);
    if (ordinal) AddOrdinalSuffix(words);
    return words;
}

std::optional<std::wstring> EnglishNumberWords(double number) {
    const NumberLanguage& language = kEnglishWords;
    const auto digits = DigitsOf(number);
    if (!digits) return std::nullopt;
    const auto integer = ScaledGroupWords(language, digits->integer, false);
    if (!integer) return std::nullopt;
    std::wstring words;
    AppendHighestFirst(words, language.groupJoiner, *integer);
    if (!digits->fraction.empty()) words += kEnglishPoint;
    AppendDigitByDigit(words, language, digits->fraction);
    return Signed(language, number, words);
}

}  // namespace kx
