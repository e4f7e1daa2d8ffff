#include "ScrollStrokes.h"

namespace kx {
namespace {

// The up chevron's strokes from its apex; the other three point the same table down, left or right.
constexpr Stroke kUpChevron[6] = {
    {0, 0, -5, 5}, {0, 1, -4, 5}, {0, 2, -4, 6}, {0, 0, 5, 5}, {0, 1, 4, 5}, {0, 2, 4, 6},
};

// Whole-number half, rounded down (box sizes are never negative).
int Half(int n) { return n / 2; }

Stroke Turned(Stroke s, ChevronPointing pointing) {
    switch (pointing) {
        case ChevronPointing::Up: return s;
        case ChevronPointing::Down: return {s.x1, -s.y1, s.x2, -s.y2};
        case ChevronPointing::Left: return {s.y1, s.x1, s.y2, s.x2};
        case ChevronPointing::Right: return {-s.y1, s.x1, -s.y2, s.x2};
    }
    return s;
}

StrokePoint Apex(ChevronPointing pointing, int w, int h, CrossShift shift) {
    switch (pointing) {
        case ChevronPointing::Up: return {Half(w) + shift.vertical, Half(h) - 3};
        case ChevronPointing::Down: return {Half(w) + shift.vertical, Half(h) + 3};
        case ChevronPointing::Left: return {Half(w) - 3, Half(h) + shift.horizontal};
        case ChevronPointing::Right: return {Half(w) + 3, Half(h) + shift.horizontal};
    }
    return {};
}

}  // namespace

std::array<Stroke, 6> ChevronStrokes(ChevronPointing pointing, int w, int h, CrossShift shift) {
    const StrokePoint apex = Apex(pointing, w, h, shift);
    std::array<Stroke, 6> strokes{};
    for (int i = 0; i < 6; ++i) {
        const Stroke s = Turned(kUpChevron[i], pointing);
        strokes[i] = {apex.x + s.x1, apex.y + s.y1, apex.x + s.x2, apex.y + s.y2};
    }
    return strokes;
}

std::array<Stroke, 8> GripStrokes(const GripShape& shape, bool vertical, int w, int h) {
    const GripExtent& extent = vertical ? shape.vertical : shape.horizontal;
    const int along = (vertical ? Half(h) : Half(w)) - 4;
    const int across = vertical ? Half(w) + shape.shift.vertical : Half(h) + shape.shift.horizontal;
    std::array<Stroke, 8> strokes{};
    for (int k = 0; k < 8; ++k) {
        const bool light = k % 2 == 0;
        const int from = across + (light ? extent.lightFrom : extent.darkFrom);
        const int to = across + (light ? extent.lightTo : extent.darkTo);
        strokes[k] = vertical ? Stroke{from, along + k, to, along + k} : Stroke{along + k, from, along + k, to};
    }
    return strokes;
}

std::array<StrokePoint, 9> CutCornerOutline(int w, int h) {
    return {{{2, 0},
             {w - 3, 0},
             {w - 1, 2},
             {w - 1, h - 3},
             {w - 3, h - 1},
             {2, h - 1},
             {0, h - 3},
             {0, 2},
             {2, 0}}};
}

}  // namespace kx
