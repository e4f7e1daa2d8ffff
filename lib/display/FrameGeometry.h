#pragma once

// The frame's measurements in its surface's pixels, without platform calls. Every halving rounds
// to the nearest whole number, ties to even; a result outside the 32-bit range throws
// std::overflow_error.
namespace kx {

struct FrameRect {
    long left = 0, top = 0, right = 0, bottom = 0;
};

struct FrameTitleBox {
    bool visible = false;
    long left = 0, width = 0, height = 0;
};

// The top of the border: half the title's height, or 0 without a title or with it laid down.
long FrameBorderTop(const FrameTitleBox& title, bool lableDown);
// Where the gradient background starts: half the title's height, or 0 without a title.
long FrameGradientTop(const FrameTitleBox& title);
// The title's left edge: 5 pixels from the left edge, or from the right one in right-to-left reading.
long FrameTitleLeft(long surfaceWidth, long titleWidth, bool rightToLeft);
// The caption band behind a title over a gradient: 2 pixels either side of it, its height.
FrameRect FrameCaptionBand(const FrameTitleBox& title);
// The picture's rectangle for a picture of pw x ph pixels: stretched, or placed at one of the nine
// alignments (0 right and bottom ... 8 left and top; any other value at (0, 0)).
FrameRect FramePicturePlace(long surfaceWidth, long surfaceHeight, const FrameTitleBox& title, long pw, long ph,
                            long alignment, bool stretch);

}  // namespace kx
