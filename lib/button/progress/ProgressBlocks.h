#pragma once
#include "ProgressScene.h"

namespace kx {

// The block looks: Standard (Scrolling 0), Search (2) and Smooth (1 and every value outside the
// looks), the only ones that follow Orientation. Ends with the bevel frame.
void PaintBlockLook(const ProgressScene& scene);

}  // namespace kx
