#include "LabelLayout.h"

#include <olectl.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Rounding.h"
#include "Text.h"

namespace kx {
namespace {

constexpr double kPi = 3.14159265358979;

long Round(double value) { return static_cast<long>(RoundHalfEven(value)); }

// The angle's tenths, or 0 when they do not fit 16 bits.
LONG Tenths(short degrees) {
    const long tenths = degrees * 10L;
    return FitsInt16(static_cast<double>(tenths)) ? tenths : 0;
}

POINT RotatedStart(short degree, TextExtent text) {
    const double angle = kPi / 180 * degree;
    const long tw = Round(text.width);
    const long th = Round(text.height);
    const long cx = Round(std::cos(angle) * tw);
    const long cy = Round(std::sin(angle) * tw);
    if (cx >= 0) return {0, Round(cy * 1.01)};
    return {std::labs(cx), cy + th};
}

POINT AlignedStart(long alignment, TextExtent text, double surfaceWidth) {
    switch (alignment) {
        case 1: return {Round(surfaceWidth - Round(text.width)), 0};
        case 2: return {Round((surfaceWidth - text.width) / 2), 0};
        default: return {0, 0};
    }
}

void CopyFaceName(IFont* font, LOGFONTA& log) {
    BSTR name = nullptr;
    if (FAILED(font->get_Name(&name)) || !name) return;
    const std::string ansi = ToAnsi(FromBstr(name));
    SysFreeString(name);
    strncpy(log.lfFaceName, ansi.c_str(), LF_FACESIZE - 1);
}

void CopyFontAttributes(IFont* font, double twipsPerPixel, LOGFONTA& log) {
    CY size = {};
    if (SUCCEEDED(font->get_Size(&size)) && twipsPerPixel > 0) {
        const double height = RoundHalfEven(-20.0 * (static_cast<double>(size.int64) / 10000.0) / twipsPerPixel);
        if (FitsInt32(height)) log.lfHeight = static_cast<LONG>(height);
    }
    SHORT weight = 0;
    if (SUCCEEDED(font->get_Weight(&weight))) log.lfWeight = weight;
    BOOL flag = FALSE;
    if (SUCCEEDED(font->get_Italic(&flag))) log.lfItalic = flag ? 1 : 0;
    if (SUCCEEDED(font->get_Underline(&flag))) log.lfUnderline = flag ? 1 : 0;
    if (SUCCEEDED(font->get_Strikethrough(&flag))) log.lfStrikeOut = flag ? 1 : 0;
    SHORT charset = 0;
    if (SUCCEEDED(font->get_Charset(&charset))) log.lfCharSet = static_cast<BYTE>(charset);
    CopyFaceName(font, log);
}

}  // namespace

POINT LabelTextStart(short degree, long alignment, TextExtent text, double surfaceWidth, short balanceX,
                     short balanceY) {
    POINT start = degree != 0 ? RotatedStart(degree, text) : AlignedStart(alignment, text, surfaceWidth);
    start.x += balanceX;
    start.y += balanceY;
    return start;
}

LOGFONTA LabelLogFont(IFontDisp* font, short degree, short charDegree, double twipsPerPixel) {
    LOGFONTA log = {};
    log.lfEscapement = Tenths(degree);
    log.lfOrientation = charDegree == -1 ? log.lfEscapement : Tenths(charDegree);
    log.lfOutPrecision = OUT_CHARACTER_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = PROOF_QUALITY;
    log.lfPitchAndFamily = 0;
    IFont* object = nullptr;
    if (font && SUCCEEDED(font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&object)))) {
        CopyFontAttributes(object, twipsPerPixel, log);
        object->Release();
    }
    return log;
}

}  // namespace kx
