#include "FrameGeometry.h"

#include <stdexcept>

#include "Rounding.h"

namespace kx {
namespace {

long Checked(double value) {
    if (!FitsInt32(value)) throw std::overflow_error("frame measurement");
    return static_cast<long>(value);
}

long Half(double value) { return Checked(RoundHalfEven(value / 2.0)); }

// The picture's top margin: below the title's middle, or 3 pixels without a title.
long PictureTop(const FrameTitleBox& title) { return title.visible ? Half(title.height) : 3; }

}  // namespace

long FrameBorderTop(const FrameTitleBox& title, bool lableDown) {
    return title.visible && !lableDown ? Half(title.height) : 0;
}

long FrameGradientTop(const FrameTitleBox& title) { return title.visible ? Half(title.height) : 0; }

long FrameTitleLeft(long surfaceWidth, long titleWidth, bool rightToLeft) {
    return rightToLeft ? Checked(static_cast<double>(surfaceWidth) - titleWidth - 5) : 5;
}

FrameRect FrameCaptionBand(const FrameTitleBox& title) {
    return {Checked(title.left - 2.0), 0, Checked(static_cast<double>(title.left) + title.width + 2.0), title.height};
}

FrameRect FramePicturePlace(long surfaceWidth, long surfaceHeight, const FrameTitleBox& title, long pw, long ph,
                            long alignment, bool stretch) {
    const double right = surfaceWidth - 3.0;
    const double bottom = surfaceHeight - 3.0;
    const long top = PictureTop(title);
    if (stretch) return {3, top, Checked(right - 3), Checked(bottom - 3)};
    const long column = alignment >= 0 && alignment <= 8 ? alignment / 3 : -1;  // 0 right, 1 centre, 2 left
    const long row = alignment >= 0 && alignment <= 8 ? alignment % 3 : -1;     // 0 bottom, 1 middle, 2 top
    long x = 0, y = 0;
    switch (column) {
        case 0: x = Checked(right - pw - 3); break;
        case 1: x = Half(right - pw); break;
        case 2: x = 3; break;
        default: break;
    }
    switch (row) {
        case 0: y = Checked(bottom - ph); break;
        case 1: y = Half(bottom - ph); break;
        case 2: y = top; break;
        default: break;
    }
    return {x, y, Checked(static_cast<double>(x) + pw), Checked(static_cast<double>(y) + ph)};
}

}  // namespace kx
