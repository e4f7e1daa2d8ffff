#pragma once
#include <string>

// Text typed into the program passes through code page 1256, whose best-fit conversion stores Arabic-script
// characters it lacks as the letter they are a form of. Text from elsewhere (pasted Unicode, the word list)
// is folded the same way, so that Farsi yeh counts as yeh and presentation forms as their letters.
namespace zarvanta {

// The character code page 1256 stores for c: its best-fit letter or digit where it has one, else c itself.
wchar_t FoldToCodePage1256(wchar_t c);
void FoldToCodePage1256(std::wstring& text);

}  // namespace zarvanta
