#pragma once
#include <cstdint>
#include <vector>

// The About box's background, drawn procedurally: a pale yellow oval panel with a gold rim on a
// rippled, textured bronze frame, and a compass-rose emblem in the centre of the panel.
namespace kx {

constexpr int kAboutArtworkWidth = 320;
constexpr int kAboutArtworkHeight = 200;

// The panel's centre; the box's captions stand on its vertical centre line.
constexpr int kAboutPanelCentreX = 160;
constexpr int kAboutPanelCentreY = 100;

// The picture row by row from the top, each pixel 0x00RRGGBB (the layout of a 32-bit DIB).
std::vector<std::uint32_t> AboutArtworkPixels();

}  // namespace kx
