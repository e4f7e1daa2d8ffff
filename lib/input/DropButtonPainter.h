#pragma once
#include <windows.h>

#include "DropButton.h"

namespace kx {

// The drop button's face, drawn as the platform draws a scroll bar's down arrow.
void PaintDropButton(HDC dc, const PixelRect& rect, DropButtonFace face);

// The button's width: the height of a vertical scroll bar's thumb.
long DropButtonWidth();

}  // namespace kx
