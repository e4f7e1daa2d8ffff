#pragma once
#include <cstdint>

// The failures of the GIF decoder. The decoder itself knows no platform; the control turns a fault
// into its automation error with the number and text below.
namespace kx {

enum class GifFault {
    NotAGif,        // error 9
    TooLarge,       // error 7: a screen or frame beyond kGifMaxPixels
    StackOverflow,  // &H80040002
    InvalidCode,    // &H80040003
    PastEnd,        // &H80040004
};

struct GifError {
    GifFault fault;
};

// Screens and frames above this many pixels are refused rather than allocated.
constexpr uint64_t kGifMaxPixels = uint64_t(1) << 26;

// The automation error number of a fault: a classic runtime number (9, 7) or the object error's
// HRESULT (&H8004000n) as a signed 32-bit value.
int32_t GifFaultNumber(GifFault fault);
// The fault's text as callers see it in the error's description.
const wchar_t* GifFaultText(GifFault fault);
// Whether the number is a classic runtime number (raised as 0x800A0000 + n) rather than an HRESULT.
bool GifFaultIsRuntimeNumber(GifFault fault);

}  // namespace kx
