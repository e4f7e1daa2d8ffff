#pragma once
#include <array>
#include <string_view>

// The literal words of the two languages.
namespace kx {

struct NumberLanguage {
    std::wstring_view minus;
    std::wstring_view inGroupJoiner;  // between the words of one group of three digits
    std::wstring_view groupJoiner;    // between groups
    std::array<std::wstring_view, 20> units;     // 0 to 19
    std::array<std::wstring_view, 10> tens;      // 10 to 90 at 1 to 9
    std::array<std::wstring_view, 10> hundreds;  // 100 to 900 at 1 to 9
    std::array<std::wstring_view, 5> scales;     // groups of three digits 1 to 4; index 0 is empty
};

extern const NumberLanguage kPersianWords;
extern const NumberLanguage kEnglishWords;

// Persian names of the decimal places: index n - 1 for a fraction of n digits.
extern const std::array<std::wstring_view, 14> kPersianPlaceWords;

}  // namespace kx
