#pragma once
#include <windows.h>

#include "Korvix32_h.h"

// The colour and gradient services of the control's kxGraph (mGraph), as the painters call them. A call that
// fails gives -1 (drawn white) or draws nothing: a painter goes on with its next step.
namespace kx {

class ScrollColors {
public:
    explicit ScrollColors(_kxGraph* graph) : graph_(graph) {}

    // kxGraph.ColorOffset: each channel of the translated colour plus offset, clamped to 0..255.
    long Offset(long colour, long offset) const;
    // kxGraph.ColorBase: each channel mapped to base + (255 - base) x channel \ 255.
    long Base(long colour, long base) const;
    // kxGraph.TranslateColor: a system colour as its plain colour, -1 when it has none.
    long Translate(long colour) const;
    // kxGraph.DrawGradeint: first colour at the left edge, or the top when vertical; both ends opaque unless
    // alphas are given.
    void Gradient(HDC dc, long x1, long y1, long x2, long y2, long first, long second, bool vertical,
                  long alpha1 = 255, long alpha2 = 255) const;

private:
    _kxGraph* graph_;  // the control's own; lives as long as the control
};

}  // namespace kx
