#include "DropDownPlacement.h"

namespace kx {

PixelPoint PlaceUnder(const PixelRect& control) { return {control.left, control.bottom}; }

PixelPoint KeepOnMonitor(PixelPoint place, long width, long height, const PixelRect& monitor) {
    if (place.y < monitor.top) place.y = monitor.top;
    if (place.x < monitor.left) place.x = monitor.left;
    if (place.y + height > monitor.bottom) place.y = monitor.bottom - height;
    if (place.x + width > monitor.right) place.x = monitor.right - width;
    return place;
}

}  // namespace kx
