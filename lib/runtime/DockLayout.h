#pragma once
#include <vector>

// Docking arithmetic: controls aligned to the edges of their parent's client area, laid out in the
// order they were placed, each taking its edge of what the earlier ones left.
namespace kx {

enum class DockEdge : int { kNone = 0, kTop = 1, kBottom = 2, kLeft = 3, kRight = 4 };

struct DockRect {
    long left = 0, top = 0, right = 0, bottom = 0;
};

struct DockedItem {
    DockEdge edge = DockEdge::kNone;
    long width = 0;   // kept by left and right docking
    long height = 0;  // kept by top and bottom docking
};

bool IsDockEdge(long value);

// The place of each item within area (same order); an item without an edge gets an empty rectangle.
// Top and bottom items take the full remaining width and their own height; left and right items the
// remaining height and their own width. Nothing is ever given a negative size.
std::vector<DockRect> DockPlaces(const DockRect& area, const std::vector<DockedItem>& items);

}  // namespace kx
