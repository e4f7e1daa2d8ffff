#pragma once
#include <windows.h>

#include "DrawingSurface.h"
#include "SkinPainter.h"
#include "PictureBox.h"
#include "ScrollColors.h"
#include "ScrollGeometry.h"

// The painter contract of the scroll bar's looks. Before a full painter runs, the dispatcher has laid out the
// three boxes (the look's thumb inset and trim across the bar) and placed the thumb; the full painter then
// draws the track and every box in the normal look, or the disabled one when the control is disabled. A part
// painter repaints the one box of its part, hot (hit state 1, 3, 5) or pressed (2, 4, 6), and nothing else:
// it moves and sizes nothing. Painters keep no state, change no field of the control, compute every colour
// afresh through the control's kxGraph, skip a step that fails and raise nothing. The dispatcher shows the
// surfaces afterwards.
namespace kx {

enum ScrollPart { kFirstArrow = 0, kSecondArrow = 1, kThumb = 2 };

struct ScrollPaint {
    DrawingSurface& track;  // the control's surface; clearing it fills it with BackColor
    HWND trackWindow;
    PictureBox* const* boxes;  // picB(0) first arrow (top or left), picB(1) second arrow, picB(2) thumb
    long backColor;            // OLE colours as the host set them
    long foreColor;
    bool enabled;
    bool vertical;  // Direction 0; any other value draws horizontal
    long hitState;
    ScrollSizes sizes;  // mArrow1Size, mArrow2Size, mThumbSize
    const ScrollColors& graph;

    PictureBox& Box(int part) const { return *boxes[part]; }
    // The look verbs on the track or on a box, over its whole surface.
    SkinPainter TrackPainter() const { return SkinPainter(track.Dc(), track.Width(), track.Height(), {}, trackWindow); }
    static SkinPainter BoxPainter(PictureBox& box) {
        return SkinPainter(box.Dc(), box.ScaleWidth(), box.ScaleHeight(), {}, box.Hwnd());
    }
    bool Hot() const { return hitState == 1 || hitState == 3 || hitState == 5; }
};

using ScrollFullPainter = void (*)(const ScrollPaint& paint);
using ScrollPartPainter = void (*)(const ScrollPaint& paint, int part);

// One style's row: its thumb minimum, the thumb's inset c and trim e across the bar (left c, width W - 2c - e
// on a vertical bar) and its four painters; a style whose painters are missing draws nothing.
struct ScrollLook {
    int32_t minimumThumb;
    int thumbInset;
    int thumbTrim;
    ScrollFullPainter fullVertical;
    ScrollFullPainter fullHorizontal;
    ScrollPartPainter partVertical;
    ScrollPartPainter partHorizontal;
};

// The row of a style; null for a value that names no style.
const ScrollLook* ScrollLookOf(long style);

}  // namespace kx
