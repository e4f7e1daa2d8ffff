#pragma once
#include <windows.h>

#include <string>

#include "GdiTestSupport.h"
#include "ScrollBarFixture.h"

// A scroll bar drawn in one look, with what the look tests read of it: pixels of the track and the boxes,
// hot and pressed parts, and reference gradients to hold a face or a track against.
namespace kxtest {

inline std::string Rgb(COLORREF c) {
    return "RGB(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
           std::to_string(GetBValue(c)) + ")";
}

// c + n on each channel, clamped to 0..255.
inline COLORREF Offset(COLORREF c, int n) {
    const auto channel = [n](int v) { return static_cast<BYTE>(v + n < 0 ? 0 : v + n > 255 ? 255 : v + n); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

class LookBar : public LooseScrollBar {
public:
    // Style and Direction set in this order (the colours the Style let gives), then resized so that the bar
    // is across pixels wide and along pixels long.
    LookBar(long style, bool vertical, int across = 17, int along = 200)
        : LooseScrollBar(vertical ? across : along, vertical ? along : across) {
        bar->put_Direction(vertical ? kxSBVertical : kxSBHorizontal);
        bar->put_Style(static_cast<kxScrollStyle>(style));
    }
    // The same, then the colours.
    LookBar(long style, bool vertical, OLE_COLOR back, OLE_COLOR fore) : LookBar(style, vertical) { Colors(back, fore); }
    void Colors(OLE_COLOR back, OLE_COLOR fore) const {
        bar->put_BackColor(back);
        bar->put_ForeColor(fore);
    }
    void Enable(bool enabled) const { bar->put_Enabled(enabled ? VARIANT_TRUE : VARIANT_FALSE); }
    HWND BoxWindow(int part) const { return bar->Box(part).Hwnd(); }
    // The part under the mouse (hit state 1, 3 or 5).
    void Hover(int part) const { SendMessageW(BoxWindow(part), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }
    // The part pressed with the right button (hit state 2, 4 or 6), which steps nothing; Release ends it.
    void Press(int part) const { SendMessageW(BoxWindow(part), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2)); }
    void Release(int part) const { SendMessageW(BoxWindow(part), WM_RBUTTONUP, 0, MAKELPARAM(2, 2)); }
    int BoxWidth(int part) const { return bar->Box(part).Width(); }
    int BoxHeight(int part) const { return bar->Box(part).Height(); }
};

// A pixel of a two-colour GradientFill over (x1, y1)-(x2, y2), as kxGraph.DrawGradeint fills it.
inline COLORREF GradientPixel(int x1, int y1, int x2, int y2, COLORREF first, COLORREF second, bool vertical, int x,
                              int y) {
    Canvas canvas(x2 + 1, y2 + 1, 32, RGB(0, 0, 0));
    TRIVERTEX v[2] = {{x1, y1, static_cast<COLOR16>(GetRValue(first) << 8), static_cast<COLOR16>(GetGValue(first) << 8),
                       static_cast<COLOR16>(GetBValue(first) << 8), 0xFF00},
                      {x2, y2, static_cast<COLOR16>(GetRValue(second) << 8),
                       static_cast<COLOR16>(GetGValue(second) << 8), static_cast<COLOR16>(GetBValue(second) << 8),
                       0xFF00}};
    GRADIENT_RECT rect = {0, 1};
    GradientFill(canvas.dc(), v, 2, &rect, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
    return GetPixel(canvas.dc(), x, y);
}

// One expected pixel of a surface: box 0, 1 or 2, or the track (-1).
struct PixelCase {
    const char* what;
    int surface;
    int x, y;
    COLORREF colour;
};
constexpr int kTrack = -1;

inline COLORREF SurfacePixel(const LookBar& bar, int surface, int x, int y) {
    return surface == kTrack ? bar.TrackAt(x, y) : bar.BoxAt(surface, x, y);
}

// Each case's pixel, with what the case says when it differs.
template <size_t N>
void ExpectPixels(const LookBar& bar, const PixelCase (&cases)[N], const std::string& context) {
    for (const PixelCase& c : cases)
        EXPECT_EQ(Rgb(SurfacePixel(bar, c.surface, c.x, c.y)), Rgb(c.colour))
            << context << ": " << c.what << " at (" << c.x << "," << c.y << ") of surface " << c.surface;
}

}  // namespace kxtest
