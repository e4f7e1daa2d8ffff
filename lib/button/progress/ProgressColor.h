#pragma once

// Colours of the progress bar, as 0x00BBGGRR values held in 32-bit integers.
namespace kx {

// An OLE colour with its high bit set names a system colour; any other value is returned as it is.
long TranslateProgressColor(long colour);
// Each channel moved toward white by amount / 255 (integer steps). A system colour is translated first.
long LightenProgressColor(long colour, long amount);
// Each channel weight / 255 of the first colour plus the rest of the second, rounded half to even.
long BlendProgressColors(long first, long second, long weight);

constexpr long kProgressWhite = 0x00FFFFFF;
constexpr long kProgressBlack = 0x00000000;
constexpr long kProgressSilver = 0x00C0C0C0;

}  // namespace kx
