#pragma once
#include <array>

#include "AbjadOptions.h"

// The character replacements of the normalisation, each fixed by its byte in code page 1256.
namespace zarvanta {

struct LetterReplacement {
    wchar_t from;
    wchar_t to;
};

// Applied to every text whatever the options.
inline constexpr std::array<LetterReplacement, 2> kFixedReplacements = {{
    {L'\u0643', L'\u06A9'},  // 223 ك kaf -> 152 ک keheh
    {L'\u0649', L'\u064A'},  // 236 ى alef maksura -> 237 ي yeh
}};

// 248: doubles the letter before it while "Repeat Tashdid" is on.
inline constexpr wchar_t kShadda = L'\u0651';

struct SwitchableReplacement {
    AbjadOption option;
    LetterReplacement replacement;
};

// Applied after the shadda rule, in this order, each while its option is on.
inline constexpr std::array<SwitchableReplacement, 9> kSwitchableReplacements = {{
    {AbjadOption::ReplaceAlef, {L'\u0622', L'\u0627'}},        // 194 آ -> 199 ا
    {AbjadOption::ReplaceYahHamza, {L'\u0626', L'\u064A'}},    // 198 ئ -> 237 ي
    {AbjadOption::ReplaceHamza, {L'\u0621', L'\u064A'}},       // 193 ء -> 237 ي
    {AbjadOption::ReplaceVavHamzah, {L'\u0624', L'\u0648'}},   // 196 ؤ -> 230 و
    {AbjadOption::ReplaceGaf, {L'\u06AF', L'\u06A9'}},         // 144 گ -> 152 ک
    {AbjadOption::ReplaceJ, {L'\u0698', L'\u0632'}},           // 142 ژ -> 210 ز
    {AbjadOption::ReplaceCh, {L'\u0686', L'\u062C'}},          // 141 چ -> 204 ج
    {AbjadOption::ReplacePeh, {L'\u067E', L'\u0628'}},         // 129 پ -> 200 ب
    {AbjadOption::ReplaceTahMaksore, {L'\u0629', L'\u0647'}},  // 201 ة -> 229 ه
}};

}  // namespace zarvanta
