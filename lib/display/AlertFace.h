#pragma once
#include <windows.h>

// The alert control's face at design time: a small alert window with a title band, a message line and a
// button, drawn into width x height pixels (32 x 32 as designed).
namespace kx {

void DrawAlertFace(HDC dc, int width, int height);

}  // namespace kx
