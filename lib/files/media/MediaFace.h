#pragma once
#include <windows.h>

// The media player's face, the only thing it shows: a dark screen with a play sign, drawn into
// width x height pixels (48 x 48 as designed).
namespace kx {

void DrawMediaFace(HDC dc, int width, int height);

}  // namespace kx
