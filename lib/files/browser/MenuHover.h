#pragma once
#include <windows.h>

// The left menu's hover look: which entry is highlighted and the colours of the highlight.
namespace kx {

struct HoverColors {
    long top;      // the control's back colour 16 lighter
    long bottom;   // 32 darker
    long outline;  // 64 darker
};

// From the control's back colour (an OLE colour, translated first).
HoverColors HoverColorsFor(long backColor);

// Draws one menu entry of width x height: its back colour, or the highlight (a vertical ramp from the
// top colour to the bottom colour inside an outline).
void PaintMenuEntry(HDC dc, int width, int height, long backColor, bool highlighted);

// The highlighted entry, -1 for none; moving onto the control's own surface passes -1.
class HoverTracker {
public:
    // True when the highlight moves to entry (or away, for -1) and the entries need drawing again.
    bool MoveTo(int entry) {
        if (entry == index_) return false;
        index_ = entry;
        return true;
    }
    int Index() const { return index_; }

private:
    int index_ = -1;
};

}  // namespace kx
