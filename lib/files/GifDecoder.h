#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "ByteSource.h"
#include "GifCanvas.h"
#include "GifLzw.h"
#include "GifRecords.h"
#include "GifStream.h"

// A GIF87a/GIF89a file read frame by frame: its records, each frame's colour indexes, and the
// composed screen. Errors are thrown as GifError; the file stays open and the records keep what
// was read so far.
namespace kx {

class GifDecoderEvents {
public:
    virtual void Progress(long row) = 0;
    virtual void ImageComplete() = 0;

protected:
    ~GifDecoderEvents() = default;
};

class GifDecoder {
public:
    static constexpr size_t kTableBytes = 768;
    using ColourTable = std::array<uint8_t, kTableBytes>;

    explicit GifDecoder(GifDecoderEvents* events = nullptr) : events_(events) {}

    // Before a file is opened: no frame, no graphic control, at the start.
    void Reset();
    // Opens a file: header, global table, black canvas. The previous file is closed first.
    void Open(std::unique_ptr<ByteSource> source);
    void Close() { stream_.reset(); }
    bool IsOpen() const { return stream_ != nullptr; }

    // Reads, decodes and composes the next frame; false at the trailer or with no file.
    bool MoveNext();
    // Back to the first block; the canvas is kept.
    bool MoveFirst();
    // Counts the remaining frames without decoding them.
    bool MoveLast();
    void MergeCurrentImage();

    const GifHeader& Header() const { return header_; }
    const GifImageDescriptor& Descriptor() const { return descriptor_; }
    const GifGraphicControl& GraphicControl() const { return control_; }
    const ColourTable& FrameTable() const { return frameTable_; }
    // The current frame's indexes as far as its data went; ImageBitsSize() bytes in all (width x
    // height + 1), the rest 0.
    const std::vector<uint8_t>& DecodedBits() const { return decodedBits_; }
    size_t ImageBitsSize() const { return imageBitsSize_; }
    const GifCanvas& Canvas() const { return canvas_; }
    long FrameIndex() const { return frameIndex_; }
    bool Eof() const { return eof_; }
    // Entry index of the frame table as an RGB value, red in the lowest byte.
    uint32_t FrameColour(uint8_t index) const;

private:
    void ReadFrame();
    void ReadDescriptorAndTable();
    void ReadExtension(bool keepGraphicControl);

    GifDecoderEvents* events_;
    std::unique_ptr<GifStream> stream_;
    GifHeader header_;
    GifImageDescriptor descriptor_;
    GifGraphicControl control_;
    ColourTable globalTable_ = {};
    ColourTable frameTable_ = {};
    std::vector<uint8_t> decodedBits_;
    size_t imageBitsSize_ = 0;
    GifCanvas canvas_;
    std::unique_ptr<GifLzw> lzw_ = std::make_unique<GifLzw>();
    uint64_t blocksStart_ = 0;
    long frameIndex_ = -1;
    bool eof_ = false;
};

}  // namespace kx
