#include "FrameBorder.h"

#include "DrawingModule.h"

namespace kx {
namespace {

constexpr long kShadow = static_cast<long>(0x80000010);
constexpr long kHighlight = static_cast<long>(0x80000014);

// One stroke of a look: a box inset from the border's rectangle, or one of its four edges as a line.
enum class Stroke { kBox, kTopEdge, kLeftEdge, kRightEdge, kBottomEdge };

struct Step {
    Stroke stroke;
    long inset;  // boxes only
    long colour;
};

struct Look {
    int count;
    Step steps[4];
};

const Look kLooks[] = {
    {0, {}},                                                                          // kxfNone
    {1, {{Stroke::kBox, 0, kShadow}}},                                                // kxfSingle
    {2, {{Stroke::kBox, 0, kShadow}, {Stroke::kBox, 2, kShadow}}},                    // kxfDouble
    {2, {{Stroke::kBox, 0, kShadow}, {Stroke::kBox, 1, kHighlight}}},                 // kxfInner
    {2, {{Stroke::kBox, 0, kHighlight}, {Stroke::kBox, 1, kShadow}}},                 // kxfOuter
    {4, {{Stroke::kTopEdge, 0, kHighlight}, {Stroke::kLeftEdge, 0, kHighlight},      // kxfRaise
         {Stroke::kRightEdge, 0, kShadow}, {Stroke::kBottomEdge, 0, kShadow}}},
    {4, {{Stroke::kTopEdge, 0, kShadow}, {Stroke::kLeftEdge, 0, kShadow},            // kxfPressed
         {Stroke::kRightEdge, 0, kHighlight}, {Stroke::kBottomEdge, 0, kHighlight}}},
};

void Draw(DrawingSurface& surface, const Step& step, long w, long h, long t) {
    const COLORREF colour = static_cast<COLORREF>(TranslateOleColor(step.colour));
    const long i = step.inset;
    switch (step.stroke) {
        case Stroke::kBox: surface.Box(i, t + i, w - i, h - i, colour); break;
        case Stroke::kTopEdge: surface.Line(0, t, w, t, colour); break;
        case Stroke::kLeftEdge: surface.Line(0, t, 0, h, colour); break;
        case Stroke::kRightEdge: surface.Line(w, t, w, h, colour); break;
        case Stroke::kBottomEdge: surface.Line(w, h, 0, h, colour); break;
    }
}

}  // namespace

void DrawFrameBorder(DrawingSurface& surface, long style, long width, long height, long top) {
    if (style < 0 || style >= static_cast<long>(sizeof(kLooks) / sizeof(kLooks[0]))) return;
    const Look& look = kLooks[style];
    for (int i = 0; i < look.count; ++i) Draw(surface, look.steps[i], width, height, top);
}

}  // namespace kx
