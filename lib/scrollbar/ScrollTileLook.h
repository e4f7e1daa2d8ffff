#pragma once
#include "ScrollTile.h"

// The skeleton of the Windows XP, Plastik, Galaxy and Office 2003 looks: each box a face with a chevron or
// the grip on it, over a near-white track gradient. A family gives its face painter, where it centres its
// glyphs and, for each paint, the glyphs' colours.
namespace kx {

enum class FaceLook { Normal, Hot, Pressed };

// Offsets of the colours that Plastik and Galaxy share, from BackColor (B), ForeColor (F) or the face base.
struct ShadedTileOffsets {
    long pressedBase;      // B: the face base of a pressed box
    long faceLight;        // base: one end of the face gradient
    long faceDark;         // base: the other end, and the outline
    long chevron;          // F
    long disabledChevron;  // B
    long hotChevron;       // F
    long gripLight;        // B
    long gripDark;         // B
};

// A tile with cut corners in shades of the face base (BackColor, or darker when pressed): light at the top,
// or at the bottom when pressed. Returns the base.
LookColor DrawShadedTile(const ScrollPaint& paint, PictureBox& box, bool pressed, const TileShape& shape,
                         const ShadedTileOffsets& offsets);

struct TileFamily {
    // The face of one box: the normal face (or the disabled one on a disabled bar), hot or pressed.
    void (*face)(const ScrollPaint& paint, PictureBox& box, FaceLook look);
    CrossShift chevronCentre;
    GripShape grip;
    bool trackAcrossBar;  // the track gradient runs across a horizontal bar too, not along it
};

struct GlyphColors {
    LookColor chevron;
    LookColor gripLight;
    LookColor gripDark;
    bool drawGrip = true;
    bool drawGripDark = true;
};

// Full repaint: every box in its normal (or disabled) face with its glyph, then the track.
void PaintTileLookAll(const ScrollPaint& paint, const TileFamily& family, const GlyphColors& glyphs);
// One box hot or pressed, with its glyph.
void PaintTileLookPart(const ScrollPaint& paint, int part, const TileFamily& family, const GlyphColors& glyphs);

}  // namespace kx
