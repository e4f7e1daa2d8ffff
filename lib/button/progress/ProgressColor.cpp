#include "ProgressColor.h"

#include <windows.h>

#include <algorithm>

#include "Rounding.h"

namespace kx {
namespace {

long Red(long c) { return c & 0xFF; }
long Green(long c) { return (c / 0x100) % 0x100; }
long Blue(long c) { return (c / 0x10000) % 0x100; }
long Compose(long red, long green, long blue) { return red + green * 0x100 + blue * 0x10000; }

long Lighten(long channel, long amount) { return std::min(channel * (255 - amount) / 255 + amount, 255L); }

long Blend(long first, long second, long weight) {
    return static_cast<long>(RoundHalfEven(first * weight / 255.0 + second * (255 - weight) / 255.0));
}

}  // namespace

long TranslateProgressColor(long colour) {
    if (colour < 0) return static_cast<long>(GetSysColor(static_cast<int>(colour & 0x7FFFFFFF)));
    return colour;
}

// A system colour would give meaningless channels here; its current value is meant.
long LightenProgressColor(long colour, long amount) {
    const long c = TranslateProgressColor(colour);
    return Compose(Lighten(Red(c), amount), Lighten(Green(c), amount), Lighten(Blue(c), amount));
}

long BlendProgressColors(long first, long second, long weight) {
    const long a = TranslateProgressColor(first);
    const long b = TranslateProgressColor(second);
    return Compose(Blend(Red(a), Red(b), weight), Blend(Green(a), Green(b), weight), Blend(Blue(a), Blue(b), weight));
}

}  // namespace kx
