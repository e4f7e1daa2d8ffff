#pragma once
#include <windows.h>

#include <vector>

// Bitmaps encoded in memory by a GDI+ image encoder and proved readable by decoding them again.
// GDI+ must be started.
namespace kx {

// How the pixels reach the encoder: the DIB's own format, or 8-bit with a palette for encoders that take
// nothing else (GIF).
enum class EncoderInput { AsDib, Palette };

// The encoded bytes of a bottom-up DIB section (info describes its pixels at bits), encoded by the encoder
// with one quality parameter. Empty when the encoder fails or the platform's decoder cannot read the
// result back at the DIB's size.
std::vector<BYTE> EncodeDib(HBITMAP dib, const BITMAPINFO& info, void* bits, const CLSID& encoder, long quality,
                            EncoderInput input);

}  // namespace kx
