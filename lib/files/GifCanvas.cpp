#include "GifCanvas.h"

#include <algorithm>
#include <cstring>

#include "GifError.h"

namespace kx {
namespace {

struct InterlacePass {
    uint32_t start;
    uint32_t step;
};

constexpr InterlacePass kPasses[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

uint32_t RowsInPass(const InterlacePass& pass, uint32_t height) {
    return height > pass.start ? (height - pass.start + pass.step - 1) / pass.step : 0;
}

}  // namespace

uint32_t FrameRowOf(uint32_t dataRow, uint32_t height, bool interlaced) {
    if (!interlaced) return dataRow;
    for (const InterlacePass& pass : kPasses) {
        const uint32_t rows = RowsInPass(pass, height);
        if (dataRow < rows) return pass.start + dataRow * pass.step;
        dataRow -= rows;
    }
    return height;
}

void GifCanvas::Create(uint16_t width, uint16_t height) {
    if (uint64_t(width) * height > kGifMaxPixels) throw GifError{GifFault::TooLarge};
    width_ = width;
    height_ = height;
    rowBytes_ = (size_t(width) * 3 + 3) & ~size_t(3);
    canvas_ = ZeroedBuffer(rowBytes_ * height);
    display_ = ZeroedBuffer(rowBytes_ * height);
    differs_ = {};
    exists_ = true;
}

GifCanvas::Area GifCanvas::Clip(const GifImageDescriptor& d) const {
    Area area;
    area.left = std::min<int>(d.left, width_);
    area.top = std::min<int>(d.top, height_);
    area.right = std::min<int>(d.left + d.width, width_);
    area.bottom = std::min<int>(d.top + d.height, height_);
    return area;
}

void GifCanvas::CopyArea(const Area& area, const ZeroedBuffer& from, ZeroedBuffer& to) {
    if (area.right <= area.left) return;
    const size_t offset = size_t(area.left) * 3;
    const size_t length = size_t(area.right - area.left) * 3;
    for (int y = area.top; y < area.bottom; ++y)
        std::memcpy(to.data() + size_t(y) * rowBytes_ + offset, from.data() + size_t(y) * rowBytes_ + offset, length);
}

void GifCanvas::Merge(const GifFrame& frame) {
    CopyArea(differs_, canvas_, display_);  // the display buffer becomes a copy of the canvas
    Draw(frame);
    differs_ = Clip(frame.descriptor);
    switch (frame.control.DisposalMethod()) {
        case 2: ClearArea(differs_); break;
        case 3: break;
        default:
            CopyArea(differs_, display_, canvas_);
            differs_ = {};
            break;
    }
}

void GifCanvas::Draw(const GifFrame& frame) {
    const GifImageDescriptor& d = frame.descriptor;
    for (uint32_t k = 0; k < d.height; ++k) {
        const uint64_t y = uint64_t(d.top) + FrameRowOf(k, d.height, d.IsInterlaced());
        if (y >= uint64_t(height_)) continue;
        DrawRow(frame, size_t(k) * d.width, static_cast<int>(y));
    }
}

void GifCanvas::DrawRow(const GifFrame& frame, size_t first, int y) {
    const GifImageDescriptor& d = frame.descriptor;
    if (d.left >= width_) return;
    const int columns = std::min<int>(d.width, width_ - d.left);
    const bool transparent = frame.control.IsTransparent();
    uint8_t* pixel = display_.data() + size_t(y) * rowBytes_ + size_t(d.left) * 3;
    for (int x = 0; x < columns; ++x, pixel += 3) {
        const size_t at = first + x;
        const uint8_t index = at < frame.indexCount ? frame.indexes[at] : 0;
        if (transparent && index == frame.control.transparentIndex) continue;
        const uint8_t* rgb = frame.table + index * 3;
        pixel[0] = rgb[2];
        pixel[1] = rgb[1];
        pixel[2] = rgb[0];
    }
}

// The background the canvas started as is black.
void GifCanvas::ClearArea(const Area& area) {
    if (area.right <= area.left) return;
    for (int y = area.top; y < area.bottom; ++y)
        std::memset(canvas_.data() + size_t(y) * rowBytes_ + size_t(area.left) * 3, 0,
                    size_t(area.right - area.left) * 3);
}

}  // namespace kx
