#include "SkinPainter.h"

#include <algorithm>
#include <utility>

#include "DrawingModule.h"
#include "Rounding.h"
#include "ThemeLibrary.h"

namespace kx {
namespace {

COLORREF Gdi(LookColor colour) { return static_cast<COLORREF>(colour) & 0x00FFFFFF; }

// The surface, like the classic one, shows a system colour as what it stands for.
COLORREF SurfaceColorref(LookColor colour) {
    const bool system = (static_cast<unsigned long>(colour) & 0xFF000000) == 0x80000000;
    const long translated = system ? TranslateOleColor(colour) : -1;
    return Gdi(translated != -1 ? translated : colour);
}

int Clamp(long channel) { return static_cast<int>(std::clamp(channel, 0L, 255L)); }

LookColor Join(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

// Single-precision steps, as the ramps always computed them.
int RampChannel(int first, int last, int i, int n) {
    const float step = static_cast<float>(last - first) / static_cast<float>(n);
    const float value = static_cast<float>(first) + step * static_cast<float>(i);
    return Clamp(static_cast<long>(RoundHalfEven(value)));
}

}  // namespace

LookChannels ChannelsOf(LookColor colour) {
    const auto bits = static_cast<unsigned long>(colour);
    return {static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF), static_cast<int>((bits >> 16) & 0xFF)};
}

LookColor OffsetColor(LookColor colour, long offset) {
    const LookChannels c = ChannelsOf(colour);
    return Join(Clamp(c.red + offset), Clamp(c.green + offset), Clamp(c.blue + offset));
}

LookColor RampColor(LookColor first, LookColor last, int i, int n) {
    const LookChannels a = ChannelsOf(first);
    const LookChannels b = ChannelsOf(last);
    return Join(RampChannel(a.red, b.red, i, n), RampChannel(a.green, b.green, i, n),
                RampChannel(a.blue, b.blue, i, n));
}

SkinPainter::SkinPainter(HDC dc, int width, int height, SurfaceSetter surface, HWND window)
    : dc_(dc), width_(width), height_(height), surface_(std::move(surface)), window_(window) {}

void SkinPainter::Surface(LookColor colour) const {
    if (surface_) {
        surface_(SurfaceColorref(colour));
        return;
    }
    FillRectColor(dc_, 0, 0, width_, height_, static_cast<long>(SurfaceColorref(colour)));
}

void SkinPainter::Ramp(int x1, int y, int x2, int n, LookColor first, LookColor last) const {
    if (n < 0) return;
    if (n == 0) {  // no steps to divide into: the first colour alone
        Line(x1, y, x2, y, first);
        return;
    }
    for (int i = 0; i <= n; ++i) Line(x1, y + i, x2, y + i, RampColor(first, last, i, n));
}

void SkinPainter::ColumnRamp(int x1, int y1, int x2, int y2, LookColor first, LookColor last) const {
    const int n = x2 - x1;
    if (n < 0) return;
    if (n == 0) {
        Line(x1, y1, x1, y2, first);
        return;
    }
    for (int i = 0; i <= n; ++i) Line(x1 + i, y1, x1 + i, y2, RampColor(first, last, i, n));
}

void SkinPainter::Line(int x1, int y1, int x2, int y2, LookColor colour) const {
    const HPEN pen = CreatePen(PS_SOLID, 1, Gdi(colour));
    const HGDIOBJ previous = SelectObject(dc_, pen);
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    SelectObject(dc_, previous);
    DeleteObject(pen);
}

void SkinPainter::Pixel(int x, int y, LookColor colour) const { SetPixel(dc_, x, y, Gdi(colour)); }

void SkinPainter::Pixels(std::initializer_list<LookPoint> points, LookColor colour) const {
    for (const LookPoint& p : points) Pixel(p.x, p.y, colour);
}

void SkinPainter::Frame(LookColor colour) const {
    DrawFrameRect(dc_, 0, 0, R(), B(), static_cast<long>(Gdi(colour)));
}

void SkinPainter::Fill(int x, int y, int width, int height, LookColor colour) const {
    if (width <= 0 || height <= 0) return;
    FillRectColor(dc_, x, y, width, height, static_cast<long>(Gdi(colour)));
}

void SkinPainter::Gradient(int x1, int y1, int x2, int y2, LookColor top, LookColor bottom) const {
    DrawGradient(dc_, x1, y1, x2, y2, top, bottom, 255, 255, true);
}

void SkinPainter::Edge(UINT edge) const {
    RECT all = {0, 0, width_, height_};
    DrawEdge(dc_, &all, edge, BF_RECT);
}

void SkinPainter::CornerPixels(int x, int y, int w, int h, LookColor a, LookColor b, LookColor c) const {
    DrawFrameRect(dc_, x, y, w - 1, h - 1, static_cast<long>(Gdi(a)));
    DrawFrameRect(dc_, x + 1, y + 1, w - 1, h - 1, static_cast<long>(Gdi(b)));
    Pixels({{x, y + h}, {x + w, y}}, c);
    const LookColor mix = MixColors(b, a);
    Pixels({{x + 1, y + h - 1}, {x + w - 1, y + 1}}, mix);
}

void SkinPainter::Triangle(LookPoint a, LookPoint b, LookPoint c, LookColor colour) const {
    const POINT points[] = {{a.x, a.y}, {b.x, b.y}, {c.x, c.y}};
    const HRGN region = CreatePolygonRgn(points, 3, ALTERNATE);
    const HBRUSH brush = CreateSolidBrush(Gdi(colour));
    if (region && brush) FillRgn(dc_, region, brush);
    if (brush) DeleteObject(brush);
    if (region) DeleteObject(region);
}

bool SkinPainter::Themed(const wchar_t* themeClass, int part, int state) const {
    return DrawThemedPart(window_, dc_, themeClass, part, state, {0, 0, width_, height_});
}

}  // namespace kx
