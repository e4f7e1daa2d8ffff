#pragma once
#include <windows.h>

#include <string>

#include "DrawingSurface.h"

// The text and border steps of a label's redraw, on its picture box's surface.
namespace kx {

// The caption at start in the font selected into dc, in one of the text styles (0 normal,
// 1 raised, 2 sunken: a half-bright shade one pixel below right or above left); any other style
// draws nothing.
void DrawLabelText(HDC dc, const std::wstring& caption, POINT start, long foreColor, long textStyle);

// The 3-D border lines of a border style (2 flat, 3 raised, 4 raised-sunken, 5 sunken-raised)
// over the whole surface; other styles draw nothing.
void DrawLabelBorder(DrawingSurface& surface, long borderStyle);

}  // namespace kx
