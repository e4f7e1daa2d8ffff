#pragma once
#include "DropButton.h"

// Where a drop-down window goes: under its control, kept on the control's monitor. Plain code.
namespace kx {

struct PixelPoint {
    long x = 0;
    long y = 0;
};

// The window's left edge on the control's, its top on the control's bottom edge.
PixelPoint PlaceUnder(const PixelRect& control);

// Moves a window of the given size at place onto the monitor: first past the left and top edges, then
// back from the bottom and right ones, so a window larger than the monitor ends above or left of it.
PixelPoint KeepOnMonitor(PixelPoint place, long width, long height, const PixelRect& monitor);

}  // namespace kx
