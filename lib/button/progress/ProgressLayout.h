#pragma once

// Pure arithmetic of the progress bar (no platform calls): the share of the range reached, the clamp of
// a new value, and where the block looks (Standard, Smooth, Search) end their fill.
namespace kx {

// Percent of Min .. Max that Value reached, 0 .. 100; 0 for an empty range. False when an
// intermediate result leaves the double range (the caller reports an overflow).
bool ProgressPercent(double value, double min, double max, float* percent);

// Below Min becomes Min, then above Max becomes Max (Max wins when Min > Max).
double ClampProgressValue(double value, double min, double max);

// The fill rectangle of a block look inside the client area width x height (left edge 3).
struct BlockLayout {
    long left = 3, top = 0, right = 0, bottom = 0;
    long block = 0;  // 6 for Standard, 0 for the others
    long gap = 2;
    long Step() const { return block + gap; }
};

// standard: Scrolling 0; vertical: any Orientation but 0. The filled length is rounded down to whole
// steps; the bar reaches the end a little before 100 %.
BlockLayout LayoutBlocks(float percent, long width, long height, bool standard, bool vertical);

}  // namespace kx
