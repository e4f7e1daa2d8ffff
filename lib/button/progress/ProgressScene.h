#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "ErrorInfo.h"
#include "ProgressCanvas.h"
#include "ProgressColor.h"
#include "Rounding.h"

// What one paint of the progress bar works from: the drawing context, the client size, the share
// reached and the look's settings.
namespace kx {

struct ProgressScene {
    ProgressCanvas canvas;
    long width;   // client width W
    long height;  // client height H
    float percent;
    long& colour;  // the control's Color: JavT and Metallic hand it to a ramp, which writes it back translated
    long scrolling;
    long orientation;
    long brushStyle;
    IPictureDisp* image;  // null when none

    long Light(long amount) const { return LightenProgressColor(colour, amount); }
    long Dark(long weight) const { return BlendProgressColors(colour, kProgressBlack, weight); }
    RECT Client() const { return {0, 0, width, height}; }
};

// Nearest whole pixel, halves to even; a coordinate outside the 32-bit range is an overflow.
inline long PixelOf(double value) {
    const double rounded = RoundHalfEven(value);
    if (!FitsInt32(rounded)) throw Error(kErrOverflow);
    return static_cast<long>(rounded);
}

// How far the fill reaches over span pixels: round(P / divisor x span).
inline long FillReach(const ProgressScene& scene, double divisor, long span) {
    return PixelOf(scene.percent / divisor * span);
}

}  // namespace kx
