#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>

// Writes pictures to JPEG, GIF, BMP or TIFF files through the GDI+ image encoders, chosen by MIME type.
namespace kx {

// Starts GDI+ version 1; true with its token when it started. Tests put a failing one in its place.
using GdiplusStarter = bool (*)(ULONG_PTR& token);
bool StartGdiplus(ULONG_PTR& token);

// Bit counts the intermediate bitmap can have without a colour table.
bool IsSavableBitCount(short bitCount);

// Draws a bitmap picture upright into a bottom-up DIB of bitCount bits and hands that to the encoder of
// mimeType with one quality parameter, in a pixel format the encoder takes (8-bit palette for GIF). The file
// is written only when the platform's decoder reads the encoded picture back at its size; otherwise the
// file is left as it was and kx::Error is thrown: 481 for a picture that is no bitmap, 5 for a bit count
// other than 16, 24 or 32, an unknown MIME type, a failed start of GDI+ or an encoding that cannot be read
// back, and the runtime's file errors (70, 75, 76) when the file cannot be written. Every object it makes
// is released before it returns, then pending messages run.
void SavePictureFile(const std::wstring& fileName, long quality, IPicture* picture, const std::wstring& mimeType,
                     short bitCount, GdiplusStarter start = &StartGdiplus);

// The 1-based position of the first encoder whose MIME type matches, letter case ignored, with its class
// identity; -1 and clsid untouched when none does. GDI+ must be started.
long FindEncoderClsid(const std::wstring& mimeType, CLSID& clsid);

// The GUID of its braced text form (CLSIDFromString); all zero when the text is none.
GUID GuidFromString(const std::wstring& text);
// The NUL-terminated wide string at text; empty for null or an empty string.
std::wstring StringFromWidePointer(const wchar_t* text);

}  // namespace kx
