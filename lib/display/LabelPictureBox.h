#pragma once
#include "PictureBox.h"

// The label's picture box: a runtime picture box covering the label that passes its input on to it.
namespace kx {

using LabelPictureBox = PictureBox;

}  // namespace kx
