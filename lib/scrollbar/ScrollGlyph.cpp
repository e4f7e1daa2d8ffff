#include "ScrollGlyph.h"

#include "Rounding.h"
#include "ScrollLook.h"

namespace kx {

GlyphCentre GlyphCentreOf(const PictureBox& box) {
    return {static_cast<int>(RoundHalfEven(box.ScaleWidth() / 2.0)),
            static_cast<int>(RoundHalfEven(box.ScaleHeight() / 2.0))};
}

// The tip lies 3 pixels from the centre toward the arrow's end, the base 2 pixels back, 4 either side.
void DrawArrowGlyph(const SkinPainter& painter, int part, bool vertical, GlyphCentre centre, LookColor colour) {
    if (part != kFirstArrow && part != kSecondArrow) return;
    const int toward = part == kFirstArrow ? -1 : 1;
    auto at = [&](int along, int across) {
        return vertical ? LookPoint{centre.x + across, centre.y + along} : LookPoint{centre.x + along, centre.y + across};
    };
    painter.Triangle(at(3 * toward, 0), at(-2 * toward, -4), at(-2 * toward, 4), colour);
}

}  // namespace kx
