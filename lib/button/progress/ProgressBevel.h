#pragma once
#include "ProgressScene.h"

namespace kx {

// The bevel lines, the outer frame and the 24 corner pixels around the whole client area; the block
// looks and Metallic end with it.
void PaintBevelFrame(const ProgressScene& scene);

}  // namespace kx
