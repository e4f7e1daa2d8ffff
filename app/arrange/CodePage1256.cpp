#include "CodePage1256.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "engine/CodePageFold.h"

namespace zarvanta {
namespace {

// The characters of the bytes 0x80 to 0xFF.
constexpr std::array<wchar_t, 128> kUpperHalf = {
    L'\u20AC', L'\u067E', L'\u201A', L'\u0192', L'\u201E', L'\u2026', L'\u2020', L'\u2021',  // 80
    L'\u02C6', L'\u2030', L'\u0679', L'\u2039', L'\u0152', L'\u0686', L'\u0698', L'\u0688',  // 88
    L'\u06AF', L'\u2018', L'\u2019', L'\u201C', L'\u201D', L'\u2022', L'\u2013', L'\u2014',  // 90
    L'\u06A9', L'\u2122', L'\u0691', L'\u203A', L'\u0153', L'\u200C', L'\u200D', L'\u06BA',  // 98
    L'\u00A0', L'\u060C', L'\u00A2', L'\u00A3', L'\u00A4', L'\u00A5', L'\u00A6', L'\u00A7',  // A0
    L'\u00A8', L'\u00A9', L'\u06BE', L'\u00AB', L'\u00AC', L'\u00AD', L'\u00AE', L'\u00AF',  // A8
    L'\u00B0', L'\u00B1', L'\u00B2', L'\u00B3', L'\u00B4', L'\u00B5', L'\u00B6', L'\u00B7',  // B0
    L'\u00B8', L'\u00B9', L'\u061B', L'\u00BB', L'\u00BC', L'\u00BD', L'\u00BE', L'\u061F',  // B8
    L'\u06C1', L'\u0621', L'\u0622', L'\u0623', L'\u0624', L'\u0625', L'\u0626', L'\u0627',  // C0
    L'\u0628', L'\u0629', L'\u062A', L'\u062B', L'\u062C', L'\u062D', L'\u062E', L'\u062F',  // C8
    L'\u0630', L'\u0631', L'\u0632', L'\u0633', L'\u0634', L'\u0635', L'\u0636', L'\u00D7',  // D0
    L'\u0637', L'\u0638', L'\u0639', L'\u063A', L'\u0640', L'\u0641', L'\u0642', L'\u0643',  // D8
    L'\u00E0', L'\u0644', L'\u00E2', L'\u0645', L'\u0646', L'\u0647', L'\u0648', L'\u00E7',  // E0
    L'\u00E8', L'\u00E9', L'\u00EA', L'\u00EB', L'\u0649', L'\u064A', L'\u00EE', L'\u00EF',  // E8
    L'\u064B', L'\u064C', L'\u064D', L'\u064E', L'\u00F4', L'\u064F', L'\u0650', L'\u00F7',  // F0
    L'\u0651', L'\u00F9', L'\u0652', L'\u00FB', L'\u00FC', L'\u200E', L'\u200F', L'\u06D2',  // F8
};

struct CharByte {
    wchar_t c;
    unsigned char byte;
};

// The upper half sorted by character, for the search.
constexpr std::array<CharByte, 128> SortedUpperHalf() {
    std::array<CharByte, 128> sorted{};
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        sorted[i] = {kUpperHalf[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(sorted.begin(), sorted.end(), [](CharByte a, CharByte b) { return a.c < b.c; });
    return sorted;
}
constexpr std::array<CharByte, 128> kByCharacter = SortedUpperHalf();

// Best-fit letters outside the Arabic script: capitals whose small letters the code page holds.
constexpr CharByte kLatinBestFit[] = {
    {L'\u00C0', 'A'}, {L'\u00C2', 'A'}, {L'\u00C7', 'C'}, {L'\u00C8', 'E'}, {L'\u00C9', 'E'},
    {L'\u00CA', 'E'}, {L'\u00CB', 'E'}, {L'\u00CE', 'I'}, {L'\u00CF', 'I'}, {L'\u00D4', 'O'},
    {L'\u00D9', 'U'}, {L'\u00DB', 'U'}, {L'\u00DC', 'U'}, {L'\u0191', 'F'},
};

// Full-width forms of '!' to '~' fit to their ASCII characters.
constexpr wchar_t kFullWidthFirst = L'\uFF01';
constexpr wchar_t kFullWidthLast = L'\uFF5E';

bool FindExact(wchar_t c, char& byte) {
    if (c < 0x80) {
        byte = static_cast<char>(c);
        return true;
    }
    const auto at = std::lower_bound(kByCharacter.begin(), kByCharacter.end(), c,
                                     [](CharByte entry, wchar_t value) { return entry.c < value; });
    if (at == kByCharacter.end() || at->c != c) return false;
    byte = static_cast<char>(at->byte);
    return true;
}

bool FindOtherBestFit(wchar_t c, char& byte) {
    if (c >= kFullWidthFirst && c <= kFullWidthLast) {
        byte = static_cast<char>('!' + (c - kFullWidthFirst));
        return true;
    }
    for (const auto& entry : kLatinBestFit) {
        if (entry.c == c) {
            byte = static_cast<char>(entry.byte);
            return true;
        }
    }
    return false;
}

}  // namespace

char EncodeCodePage1256(wchar_t c) {
    char byte = kCodePage1256Default;
    if (FindExact(c, byte)) return byte;
    // The Arabic-script best fit is the engine's own fold (presentation forms, Farsi yeh, digits).
    if (const wchar_t folded = FoldToCodePage1256(c); folded != c && FindExact(folded, byte)) return byte;
    if (FindOtherBestFit(c, byte)) return byte;
    return kCodePage1256Default;
}

std::string EncodeCodePage1256(std::wstring_view text) {
    std::string bytes(text.size(), '\0');
    std::transform(text.begin(), text.end(), bytes.begin(), [](wchar_t c) { return EncodeCodePage1256(c); });
    return bytes;
}

}  // namespace zarvanta
