#pragma once
#include <string_view>

// The fixed texts of the letter arrangements and the number-to-words look-up, as their windows show them.
namespace zarvanta {

inline constexpr int kMaxArrangementLetters = 11;

// The message box text when the letters are too many: two lines.
// بيشتر از 11 حرف محاسبه نميشود.
inline constexpr std::wstring_view kTooManyLettersLine1 =
    L"\u0628\u064A\u0634\u062A\u0631 \u0627\u0632 11 \u062D\u0631\u0641 "
    L"\u0645\u062D\u0627\u0633\u0628\u0647 \u0646\u0645\u064A\u0634\u0648\u062F.";
inline constexpr std::wstring_view kTooManyLettersLine2 = L"The len must be smaller or equal 11";
inline constexpr std::wstring_view kLineBreak = L"\r\n";

// lblProgress between the counting captions ("Value/Max").
inline constexpr std::wstring_view kCaptionSorting = L"Sorting";
inline constexpr std::wstring_view kCaptionWriteData = L"Write Data";
inline constexpr std::wstring_view kCaptionCalculate = L"Calculate";

// The items of cmbCalc, in the order of ArrangementMode.
// کليه حروف
inline constexpr std::wstring_view kModeAllLetters = L"\u06A9\u0644\u064A\u0647 \u062D\u0631\u0648\u0641";
// دور کبير
inline constexpr std::wstring_view kModeGreatCycle = L"\u062F\u0648\u0631 \u06A9\u0628\u064A\u0631";

// The files beside the program, and the editor each is opened in (the command line is this and the path).
inline constexpr std::wstring_view kOutputFileName = L"Output.txt";
inline constexpr std::wstring_view kOutputDicFileName = L"OutputDic.txt";
inline constexpr std::wstring_view kClipFileName = L"Clip.txt";
inline constexpr std::wstring_view kEditorCommand = L"notepad.exe ";

}  // namespace zarvanta
