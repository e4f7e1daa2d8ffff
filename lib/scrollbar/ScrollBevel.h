#pragma once
#include "ScrollColors.h"
#include "SkinPainter.h"

// Draw3DBox of the Normal, Soft and Flat looks: depth rings inset one pixel each inside (x1, y1)-(x2, y2),
// light on the top and left edges, dark on the bottom (corners included) and right edges. Ring i shades the
// light colour by 10i + 5 and the dark one by -(10i + 5), but ring 0 by +5 as well.
namespace kx {

void Draw3DBox(const SkinPainter& painter, const ScrollColors& graph, int x1, int y1, int x2, int y2,
               long light, long dark, int depth);

}  // namespace kx
