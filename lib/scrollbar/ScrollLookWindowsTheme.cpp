#include "ScrollThemeLookPainters.h"
#include "ThemeLibrary.h"

// Windows Theme: every surface is one part of the visual style's "scrollBar" class in one state, drawn with a
// theme handle opened and closed for that part on the surface's own window and device context. Where no
// theme draws a part, the platform's classic scroll-bar part stands in its place, so that the bar stays
// visible and usable.
namespace kx {
namespace {

constexpr wchar_t kThemeClass[] = L"scrollBar";

// Parts of the "scrollBar" class.
enum ThemePart {
    kArrowButton = 1,
    kThumbHorizontal = 2,
    kThumbVertical = 3,
    kTrackHorizontal = 4,
    kTrackVertical = 6,
    kGripperHorizontal = 8,
    kGripperVertical = 9,
};

// States within each group of four: thumb, track and gripper use them as they are (1 .. 4); the arrow part
// has one group per pointing, up 1, down 5, left 9, right 13.
enum ThemeLook { kNormal = 0, kHot = 1, kPressed = 2, kDisabled = 3 };
constexpr int kStatesPerGroup = 4;

int ArrowState(int part, bool vertical, ThemeLook look) {
    const int group = (vertical ? 0 : 2) + (part == kFirstArrow ? 0 : 1);
    return 1 + group * kStatesPerGroup + look;
}

// The classic part for a theme part and state: DrawFrameControl arrows (a hot arrow as a normal one), a raised
// thumb in button face, the track in the scroll-bar colour; the gripper has no classic form.
void DrawClassicPart(HDC dc, int themePart, int state, const RECT& bounds) {
    RECT r = bounds;
    const int group = (state - 1) / kStatesPerGroup;
    const int look = (state - 1) % kStatesPerGroup;
    switch (themePart) {
        case kArrowButton: {
            static const UINT kPointing[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT};
            if (group < 0 || group > 3) return;
            const UINT flags = kPointing[group] | (look == kPressed ? DFCS_PUSHED : 0u) |
                               (look == kDisabled ? DFCS_INACTIVE : 0u);
            DrawFrameControl(dc, &r, DFC_SCROLL, flags);
            return;
        }
        case kThumbHorizontal:
        case kThumbVertical:
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
            return;
        case kTrackHorizontal:
        case kTrackVertical: FillRect(dc, &r, GetSysColorBrush(COLOR_SCROLLBAR)); return;
        default: return;
    }
}

// DrawThemePart.
void DrawThemePart(HWND window, HDC dc, int themePart, int state, const RECT& bounds) {
    if (!DrawThemedPart(window, dc, kThemeClass, themePart, state, bounds))
        DrawClassicPart(dc, themePart, state, bounds);
}

// One box cleared and drawn in a look: an arrow part, or the thumb and the gripper over it.
void PaintBox(const ScrollPaint& paint, int part, ThemeLook look) {
    PictureBox& box = paint.Box(part);
    const RECT bounds = {0, 0, box.Width(), box.Height()};
    box.Surface().Clear();
    if (part != kThumb) {
        DrawThemePart(box.Hwnd(), box.Dc(), kArrowButton, ArrowState(part, paint.vertical, look), bounds);
        return;
    }
    const int state = 1 + look;
    DrawThemePart(box.Hwnd(), box.Dc(), paint.vertical ? kThumbVertical : kThumbHorizontal, state, bounds);
    DrawThemePart(box.Hwnd(), box.Dc(), paint.vertical ? kGripperVertical : kGripperHorizontal, state, bounds);
}

}  // namespace

void PaintWindowsThemeAll(const ScrollPaint& paint) {
    const ThemeLook look = paint.enabled ? kNormal : kDisabled;
    const RECT bounds = {0, 0, paint.track.Width(), paint.track.Height()};
    paint.track.Clear();
    DrawThemePart(paint.trackWindow, paint.track.Dc(), paint.vertical ? kTrackVertical : kTrackHorizontal, 1 + look,
                  bounds);
    for (int part : {kFirstArrow, kSecondArrow, kThumb}) PaintBox(paint, part, look);
}

void PaintWindowsThemePart(const ScrollPaint& paint, int part) {
    if (part < kFirstArrow || part > kThumb) return;
    PaintBox(paint, part, paint.Hot() ? kHot : kPressed);
}

}  // namespace kx
