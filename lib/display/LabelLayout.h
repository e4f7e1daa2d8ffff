#pragma once
#include <windows.h>
#include <ocidl.h>

// Where a label's text line starts and the rotated font it is drawn in.
namespace kx {

// The caption's extent in the unrotated font, in pixels.
struct TextExtent {
    double width = 0;
    double height = 0;
};

// The start point of the text line: rotated lines keep their whole extent inside the top-left
// corner; an unrotated line is placed by alignment (0 left, 1 right, 2 centre) across
// surfaceWidth. The balance is added last. Rounding is half to even throughout.
POINT LabelTextStart(short degree, long alignment, TextExtent text, double surfaceWidth, short balanceX,
                     short balanceY);

// The logical font of font turned by degree (the line) and charDegree (each character; -1 follows
// the line), both in whole degrees; twipsPerPixel is the screen's vertical twips per pixel.
// An angle whose tenths leave 16 bits counts as 0.
LOGFONTA LabelLogFont(IFontDisp* font, short degree, short charDegree, double twipsPerPixel);

}  // namespace kx
