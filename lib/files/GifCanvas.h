#pragma once
#include <cstddef>
#include <cstdint>

#include "GifRecords.h"
#include "ZeroedBuffer.h"

// The logical screen as 24-bit rows, top-down, blue-green-red, each row padded to 4 bytes: the
// canvas that frames are drawn on and the display buffer (the canvas with the current frame).
// Frames are clipped to the screen. The two buffers differ only inside the last frame's rectangle,
// so a frame costs its own size, not the screen's.
namespace kx {

// One decoded frame as composition needs it.
struct GifFrame {
    const GifImageDescriptor& descriptor;
    const GifGraphicControl& control;
    const uint8_t* table;    // 256 entries of red, green, blue
    const uint8_t* indexes;  // colour indexes in the file's row order, as many as the data gave;
    size_t indexCount;       // the pixels after them, up to width x height, have index 0
};

class GifCanvas {
public:
    // A black screen of the given size; raises TooLarge beyond kGifMaxPixels.
    void Create(uint16_t width, uint16_t height);
    bool Exists() const { return exists_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    size_t RowBytes() const { return rowBytes_; }
    const uint8_t* Display() const { return display_.data(); }

    // Draws the frame on a copy of the canvas (the display buffer), then leaves the canvas for the
    // next frame as the frame's disposal method says.
    void Merge(const GifFrame& frame);

private:
    // A rectangle of the screen, in pixels; empty when right <= left or bottom <= top.
    struct Area {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    Area Clip(const GifImageDescriptor& descriptor) const;
    void CopyArea(const Area& area, const ZeroedBuffer& from, ZeroedBuffer& to);
    void Draw(const GifFrame& frame);
    void DrawRow(const GifFrame& frame, size_t first, int y);
    void ClearArea(const Area& area);

    bool exists_ = false;
    int width_ = 0;
    int height_ = 0;
    size_t rowBytes_ = 0;
    ZeroedBuffer canvas_;
    ZeroedBuffer display_;
    Area differs_;  // where the display buffer may differ from the canvas
};

// The frame row that data row k of an image of the given height goes to: the file's order, or the
// four passes of interlacing (rows 0, 8, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...).
uint32_t FrameRowOf(uint32_t dataRow, uint32_t height, bool interlaced);

}  // namespace kx
