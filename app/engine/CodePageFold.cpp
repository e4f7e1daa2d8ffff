#include "CodePageFold.h"

#include <algorithm>
#include <iterator>

namespace zarvanta {
namespace {

struct FoldRange {
    wchar_t first;
    wchar_t last;
    wchar_t to;
};

// The Arabic-script entries of the platform's best-fit table for code page 1256, sorted by first.
constexpr FoldRange kFoldRanges[] = {
    {L'\u06CC', L'\u06CC', L'\u064A'},  // Farsi yeh
    {L'\uFB56', L'\uFB59', L'\u067E'}, {L'\uFB66', L'\uFB69', L'\u0679'}, {L'\uFB7A', L'\uFB7D', L'\u0686'},
    {L'\uFB88', L'\uFB89', L'\u0688'}, {L'\uFB8A', L'\uFB8B', L'\u0698'}, {L'\uFB8C', L'\uFB8D', L'\u0691'},
    {L'\uFB8E', L'\uFB91', L'\u06A9'}, {L'\uFB92', L'\uFB95', L'\u06AF'}, {L'\uFB9E', L'\uFB9F', L'\u06BA'},
    {L'\uFBA6', L'\uFBA9', L'\u06C1'}, {L'\uFBAA', L'\uFBAD', L'\u06BE'}, {L'\uFBAE', L'\uFBAF', L'\u06D2'},
    {L'\uFE70', L'\uFE71', L'\u064B'}, {L'\uFE72', L'\uFE72', L'\u064C'}, {L'\uFE74', L'\uFE74', L'\u064D'},
    {L'\uFE76', L'\uFE77', L'\u064E'}, {L'\uFE78', L'\uFE79', L'\u064F'}, {L'\uFE7A', L'\uFE7B', L'\u0650'},
    {L'\uFE7C', L'\uFE7D', L'\u0651'}, {L'\uFE7E', L'\uFE7F', L'\u0652'}, {L'\uFE80', L'\uFE80', L'\u0621'},
    {L'\uFE81', L'\uFE82', L'\u0622'}, {L'\uFE83', L'\uFE84', L'\u0623'}, {L'\uFE85', L'\uFE86', L'\u0624'},
    {L'\uFE87', L'\uFE88', L'\u0625'}, {L'\uFE89', L'\uFE8C', L'\u0626'}, {L'\uFE8D', L'\uFE8E', L'\u0627'},
    {L'\uFE8F', L'\uFE92', L'\u0628'}, {L'\uFE93', L'\uFE94', L'\u0629'}, {L'\uFE95', L'\uFE98', L'\u062A'},
    {L'\uFE99', L'\uFE9C', L'\u062B'}, {L'\uFE9D', L'\uFEA0', L'\u062C'}, {L'\uFEA1', L'\uFEA4', L'\u062D'},
    {L'\uFEA5', L'\uFEA8', L'\u062E'}, {L'\uFEA9', L'\uFEAA', L'\u062F'}, {L'\uFEAB', L'\uFEAC', L'\u0630'},
    {L'\uFEAD', L'\uFEAE', L'\u0631'}, {L'\uFEAF', L'\uFEB0', L'\u0632'}, {L'\uFEB1', L'\uFEB4', L'\u0633'},
    {L'\uFEB5', L'\uFEB8', L'\u0634'}, {L'\uFEB9', L'\uFEBC', L'\u0635'}, {L'\uFEBD', L'\uFEC0', L'\u0636'},
    {L'\uFEC1', L'\uFEC4', L'\u0637'}, {L'\uFEC5', L'\uFEC8', L'\u0638'}, {L'\uFEC9', L'\uFECC', L'\u0639'},
    {L'\uFECD', L'\uFED0', L'\u063A'}, {L'\uFED1', L'\uFED4', L'\u0641'}, {L'\uFED5', L'\uFED8', L'\u0642'},
    {L'\uFED9', L'\uFEDC', L'\u0643'}, {L'\uFEDD', L'\uFEE0', L'\u0644'}, {L'\uFEE1', L'\uFEE4', L'\u0645'},
    {L'\uFEE5', L'\uFEE8', L'\u0646'}, {L'\uFEE9', L'\uFEEC', L'\u0647'}, {L'\uFEED', L'\uFEEE', L'\u0648'},
    {L'\uFEEF', L'\uFEF0', L'\u0649'}, {L'\uFEF1', L'\uFEF4', L'\u064A'},
};

constexpr bool IsArabicIndicDigit(wchar_t c) { return c >= L'\u0660' && c <= L'\u0669'; }

}  // namespace

wchar_t FoldToCodePage1256(wchar_t c) {
    if (IsArabicIndicDigit(c)) return static_cast<wchar_t>(L'0' + (c - L'\u0660'));
    const auto range = std::upper_bound(std::begin(kFoldRanges), std::end(kFoldRanges), c,
                                        [](wchar_t value, const FoldRange& r) { return value < r.first; });
    if (range == std::begin(kFoldRanges)) return c;
    const FoldRange& candidate = *(range - 1);
    return c <= candidate.last ? candidate.to : c;
}

void FoldToCodePage1256(std::wstring& text) {
    for (auto& c : text) c = FoldToCodePage1256(c);
}

}  // namespace zarvanta
