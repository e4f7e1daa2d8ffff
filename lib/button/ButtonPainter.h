#pragma once
#include "SkinPainter.h"

// The button looks draw with the shared look verbs.
namespace kx {

using ButtonPainter = SkinPainter;

}  // namespace kx
