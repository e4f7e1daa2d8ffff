#include "LabelPainting.h"

#include "DrawingModule.h"
#include "Text.h"

namespace kx {
namespace {

constexpr long kTextNormal = 0;
constexpr long kTextRaised = 1;
constexpr long kTextSunken = 2;

constexpr long kBorderFlat = 2;
constexpr long kBorderRaised = 3;
constexpr long kBorderRaisedSunken = 4;
constexpr long kBorderSunkenRaised = 5;

constexpr long kLight = static_cast<long>(0x80000014);  // 3-D highlight
constexpr long kDark = static_cast<long>(0x80000015);   // 3-D dark shadow

void TextAt(HDC dc, const std::string& text, int x, int y, long colour) {
    SetTextColor(dc, static_cast<COLORREF>(colour));
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

// The upper and left edges of a frame inset by inset pixels.
void UpperLeftEdges(DrawingSurface& surface, int inset, long colour) {
    const COLORREF rgb = static_cast<COLORREF>(TranslateOleColor(colour));
    const int w = surface.Width();
    const int h = surface.Height();
    surface.Line(inset, inset, w - 1 - inset, inset, rgb);
    surface.Line(inset, inset, inset, h - 1 - inset, rgb);
}

// The lower and right edges, drawn from the lower right corner.
void LowerRightEdges(DrawingSurface& surface, int inset, long colour) {
    const COLORREF rgb = static_cast<COLORREF>(TranslateOleColor(colour));
    const int right = surface.Width() - 1 - inset;
    const int bottom = surface.Height() - 1 - inset;
    surface.Line(right, bottom, inset, bottom, rgb);
    surface.Line(right, bottom, right, inset, rgb);
}

// Two light edges above left and two dark below right; with an inner frame at inset 3 in the
// opposite colours when nested.
void Bevel(DrawingSurface& surface, long light, long dark, bool nested) {
    UpperLeftEdges(surface, 0, light);
    UpperLeftEdges(surface, 1, light);
    if (nested) UpperLeftEdges(surface, 3, dark);
    LowerRightEdges(surface, 0, dark);
    LowerRightEdges(surface, 1, dark);
    if (nested) LowerRightEdges(surface, 3, light);
}

}  // namespace

void DrawLabelText(HDC dc, const std::wstring& caption, POINT start, long foreColor, long textStyle) {
    if (textStyle != kTextNormal && textStyle != kTextRaised && textStyle != kTextSunken) return;
    const std::string text = ToAnsi(caption);
    long plain = foreColor;
    long shade = AdjustColor(plain, 50, 50, 50, true);
    plain = TranslateOleColor(foreColor);
    SetBkMode(dc, TRANSPARENT);
    if (textStyle == kTextRaised) TextAt(dc, text, start.x + 1, start.y + 1, shade);
    TextAt(dc, text, start.x, start.y, plain);
    if (textStyle == kTextSunken) TextAt(dc, text, start.x - 1, start.y - 1, shade);
}

void DrawLabelBorder(DrawingSurface& surface, long borderStyle) {
    switch (borderStyle) {
        case kBorderFlat:
            surface.Box(0, 0, surface.Width() - 2, surface.Height() - 2,
                        static_cast<COLORREF>(TranslateOleColor(kDark)));
            return;
        case kBorderRaised: Bevel(surface, kLight, kDark, false); return;
        case kBorderRaisedSunken: Bevel(surface, kLight, kDark, true); return;
        case kBorderSunkenRaised: Bevel(surface, kDark, kLight, true); return;
        default: return;
    }
}

}  // namespace kx
