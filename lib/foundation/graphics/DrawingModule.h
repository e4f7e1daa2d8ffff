#pragma once
#include <windows.h>
#include <ocidl.h>

// Shared colour arithmetic and drawing routines of the library. They keep no state and release every GDI
// object they create before returning, except the pictures they return, which belong to the caller.
// Integer arithmetic that leaves its range throws kx::Error(kErrOverflow).
namespace kx {

constexpr long kNoMask = -1;          // DrawFullPicture: draw every pixel
constexpr long kMaskFromCorner = -2;  // DrawFullPicture: mask the colour of the bitmap's top-left pixel

// The plain colour 0x00BBGGRR of an OLE colour, or -1 when the translation fails.
long TranslateOleColor(long color);

// Translates color in place and splits it; a failed translation gives -1 and 255, 0, 0.
void SplitColor(long& color, short& red, short& green, short& blue);
// Translates color in place, then scales each channel to amount percent or moves it by amount; clamps to 0..255.
long AdjustColor(long& color, short redAmount, short greenAmount, short blueAmount, bool percent);
// The translated colour with offset added to each channel, clamped to 0..255.
long ColorOffset(long color, long offset);
// An untranslated colour moved toward white: channel * (255 - amount) \ 255 + amount, at most 255.
long LightenColor(long color, long amount);
// The channel-wise mean of two untranslated colours.
long MixColors(long firstColor, long secondColor);

// A two-colour linear gradient over (x1, y1)-(x2, y2): first colour left, or top when vertical.
void DrawGradient(HDC dc, long x1, long y1, long x2, long y2, long firstColor, long secondColor, long firstAlpha,
                  long secondAlpha, bool vertical);
// Draws bitmap into (x1, y1)-(x2, y2) at alpha/255 opacity, leaving out pixels of maskColor unless it is kNoMask.
// x2 or y2 of 0 means the bitmap's own size. kMaskFromCorner is replaced by the sampled colour; alpha is
// clamped to 0..255; both are written back. A masked draw stretches the bitmap, an unmasked one crops it.
void DrawFullPicture(HDC dc, HBITMAP bitmap, long x1, long y1, long x2, long y2, long& maskColor, long& alpha);
// A one-pixel outline through (x, y) and (x + width, y + height), both corners included.
void DrawFrameRect(HDC dc, long x, long y, long width, long height, long color);
// Fills exactly width x height pixels from (x, y).
void FillRectColor(HDC dc, long x, long y, long width, long height, long color);

// A new black DIB section wrapped in a picture that owns it, or null when it cannot be created.
IPicture* CreateDIBPicture(long width, long height, long bitsPerPixel);
// Draws a bitmap or an icon in gray; a width or height of -1 means the image's own. True when drawn.
bool DrawGrayScale(HDC dc, HANDLE image, long left, long top, long width, long height);
// A new 24-bit picture with a gray copy of picture (an icon's transparent parts black), or null.
IPicture* GrayImage(IPicture* picture);

// Waits with Sleep, or while processing this thread's messages; a wait of 0 or less returns at once.
void Wait(float seconds, bool useSleep);

}  // namespace kx
