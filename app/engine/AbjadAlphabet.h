#pragma once
#include <array>
#include <cstdint>
#include <string_view>

// The 28 letters in abjad order and the value each position carries.
namespace zarvanta {

// ا ب ج د ه و ز ح ط ي ک ل م ن س ع ف ص ق ر ش ت ث خ ذ ض ظ غ
inline constexpr std::wstring_view kLetterString =
    L"\u0627\u0628\u062C\u062F\u0647\u0648\u0632\u062D\u0637\u064A\u06A9\u0644\u0645\u0646"
    L"\u0633\u0639\u0641\u0635\u0642\u0631\u0634\u062A\u062B\u062E\u0630\u0636\u0638\u063A";

// Entry 0 is the value of every character outside the letter string; entry k that of the k-th letter.
using ValueTable = std::array<std::int16_t, kLetterString.size() + 1>;

// Positions 1 to 10 are worth 1 to 10, 11 to 18 are worth 20 to 90, 19 to 28 are worth 100 to 1000.
constexpr ValueTable MakeValueTable() {
    ValueTable table{};
    for (int k = 1; k <= 28; ++k) {
        if (k <= 10) table[k] = static_cast<std::int16_t>(k);
        else if (k <= 18) table[k] = static_cast<std::int16_t>((k - 9) * 10);
        else table[k] = static_cast<std::int16_t>((k - 18) * 100);
    }
    return table;
}

// Position of the character in the letter string (1 to 28), 0 when it is not a letter.
constexpr int LetterPosition(wchar_t c) {
    const auto at = kLetterString.find(c);
    return at == std::wstring_view::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace zarvanta
