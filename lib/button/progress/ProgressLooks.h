#pragma once
#include "ProgressScene.h"

namespace kx {

// Paints the look of scene.scrolling over the ground DrawProgressBar laid (black for MediaPlayer,
// white for the others). Values outside the ten looks paint as Smooth.
void PaintProgressLook(const ProgressScene& scene);

// The ground colour of a look.
long ProgressGround(long scrolling);

}  // namespace kx
