#include "ProgressCanvas.h"

#include <algorithm>

#include "ProgressColor.h"
#include "Rounding.h"

namespace kx {
namespace {

long Red(long c) { return c & 0xFF; }
long Green(long c) { return (c / 0x100) & 0xFF; }
long Blue(long c) { return (c & 0xFF0000) / 0x10000; }

// Per-channel step of a ramp, held in single precision; no step over zero lines.
float Step(long from, long to, long steps) { return steps == 0 ? 0.0f : static_cast<float>(from - to) / steps; }

long Shade(long start, float step, long i) { return static_cast<long>(RoundHalfEven(start + i * double(step))); }

// The range of line indexes 0 .. steps that can touch the visible part of the context: a ramp
// asked for billions of lines outside it ends at once instead of drawing each one.
bool VisibleLines(HDC dc, long origin, long steps, bool vertical, long long* first, long long* last) {
    RECT clip = {};
    if (steps < 0 || GetClipBox(dc, &clip) == ERROR) return false;
    const long low = vertical ? clip.left : clip.top;
    const long high = vertical ? clip.right : clip.bottom;
    *first = std::max<long long>(0, static_cast<long long>(low) - origin);
    *last = std::min<long long>(steps, static_cast<long long>(high) - 1 - origin);
    return *first <= *last;
}

}  // namespace

void ProgressCanvas::Line(long x1, long y1, long x2, long y2, long colour) const {
    HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(TranslateProgressColor(colour)));
    HGDIOBJ previous = SelectObject(dc_, pen);
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    SelectObject(dc_, previous);
    DeleteObject(pen);
}

void ProgressCanvas::Ramp(long& first, long& last, long x, long y, long x2, long y2, bool vertical) const {
    first = TranslateProgressColor(first);
    last = TranslateProgressColor(last);
    const long steps = vertical ? x2 : y2;
    const float red = Step(Red(last), Red(first), steps);
    const float green = Step(Green(last), Green(first), steps);
    const float blue = Step(Blue(last), Blue(first), steps);
    long long from = 0, to = -1;
    if (!VisibleLines(dc_, vertical ? x : y, steps, vertical, &from, &to)) return;
    for (long long i = from; i <= to; ++i) {
        const long index = static_cast<long>(i);
        const long colour = Shade(Red(first), red, index) + Shade(Green(first), green, index) * 256 +
                            Shade(Blue(first), blue, index) * 65536;
        if (vertical) Line(static_cast<long>(x + i), y, static_cast<long>(x + i), y2, colour);
        else Line(x, static_cast<long>(y + i), x2, static_cast<long>(y + i), colour);
    }
}

// A fill that ends left of (or above) its start is empty: the platform would paint it mirrored.
void ProgressCanvas::Fill(const RECT& area, long colour) const {
    if (IsRectEmpty(&area)) return;
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(TranslateProgressColor(colour)));
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void ProgressCanvas::Frame(const RECT& area, long colour) const {
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
    FrameRect(dc_, &area, brush);
    DeleteObject(brush);
}

void ProgressCanvas::Pixel(long x, long y, long colour) const {
    SetPixelV(dc_, x, y, static_cast<COLORREF>(TranslateProgressColor(colour)));
}

void ProgressCanvas::Edge(RECT area, UINT edge) const { DrawEdge(dc_, &area, edge, BF_RECT); }

}  // namespace kx
