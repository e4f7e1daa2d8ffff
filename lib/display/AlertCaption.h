#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>

#include "AlertLayout.h"
#include "FontViews.h"

// The alert window's captions: windowless labels that size themselves to their text (no word wrap, line
// breaks kept) and are drawn over the window's image; the measure of a button's caption.
namespace kx {

PixelSize MeasureCaption(HFONT font, const std::wstring& text);
// The text centred in area; an opaque band first when back is not CLR_INVALID.
void DrawCaption(HDC dc, HFONT font, const std::wstring& text, const RECT& area, COLORREF fore, COLORREF back,
                 bool rightToLeft);

// A picture at its natural size in pixels, and drawn there.
PixelSize PictureSize(IPictureDisp* picture);
bool HasImage(IPictureDisp* picture);
void DrawPicture(HDC dc, IPictureDisp* picture, PixelPoint at);

}  // namespace kx
