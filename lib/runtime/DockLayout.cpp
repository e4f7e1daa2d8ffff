#include "DockLayout.h"

#include <algorithm>

namespace kx {

bool IsDockEdge(long value) { return value >= 0 && value <= static_cast<long>(DockEdge::kRight); }

std::vector<DockRect> DockPlaces(const DockRect& area, const std::vector<DockedItem>& items) {
    DockRect free = area;
    std::vector<DockRect> places;
    places.reserve(items.size());
    for (const DockedItem& item : items) {
        const long height = std::clamp(item.height, 0L, std::max(0L, free.bottom - free.top));
        const long width = std::clamp(item.width, 0L, std::max(0L, free.right - free.left));
        DockRect place = free;
        switch (item.edge) {
            case DockEdge::kTop:
                place.bottom = free.top + height;
                free.top = place.bottom;
                break;
            case DockEdge::kBottom:
                place.top = free.bottom - height;
                free.bottom = place.top;
                break;
            case DockEdge::kLeft:
                place.right = free.left + width;
                free.left = place.right;
                break;
            case DockEdge::kRight:
                place.left = free.right - width;
                free.right = place.left;
                break;
            default:
                place = {};
                break;
        }
        places.push_back(place);
    }
    return places;
}

}  // namespace kx
