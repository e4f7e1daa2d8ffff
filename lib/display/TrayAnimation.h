#pragma once

// The tray icon's animation through the images of a list: which image a step shows and where the next
// step goes, wrapping or bouncing. The frame index always stays within the list, however the list
// shrank since the last step, so a list of one image keeps showing it.
namespace kx {

struct TrayAnimation {
    long index = 0;        // of the image shown next, counted from 0
    bool reverse = false;  // bouncing back toward the first image

    // The image (counted from 0) the step shows in a list of count images (count > 0).
    long Shown(long count) const;
    // Moves on from the image shown: the next one, wrapping to the first or, with autoReverse,
    // bouncing at either end without showing the end image twice.
    void Advance(long count, bool autoReverse);
};

}  // namespace kx
