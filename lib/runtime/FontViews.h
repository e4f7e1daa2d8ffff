#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

// The font shortcuts of a control (FontBold, FontItalic, FontName, FontSize, FontStrikethru,
// FontUnderline) as views of its font object. Inside members only: error 424 without a font, 380
// when the font refuses the value.
namespace kx {

using FontFlagReader = HRESULT (STDMETHODCALLTYPE IFont::*)(BOOL*);
using FontFlagWriter = HRESULT (STDMETHODCALLTYPE IFont::*)(BOOL);

bool ReadFontFlag(IFontDisp* font, FontFlagReader read);
void WriteFontFlag(IFontDisp* font, FontFlagWriter write, bool value);
std::wstring ReadFontName(IFontDisp* font);
void WriteFontName(IFontDisp* font, const std::wstring& name);
float ReadFontSize(IFontDisp* font);
void WriteFontSize(IFontDisp* font, float points);

// The font object's own GDI font, valid while the object lives unchanged; null without one.
HFONT FontHandleOf(IFontDisp* font);

}  // namespace kx
