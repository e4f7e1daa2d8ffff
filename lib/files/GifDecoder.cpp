#include "GifDecoder.h"

#include <algorithm>

#include "GifError.h"

namespace kx {
namespace {
constexpr uint8_t kImageIntroducer = 0x2C;
constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControlLabel = 0xF9;
}  // namespace

void GifDecoder::Reset() {
    descriptor_ = {};
    control_ = {};
    frameIndex_ = -1;
    eof_ = false;
}

void GifDecoder::Open(std::unique_ptr<ByteSource> source) {
    stream_ = std::make_unique<GifStream>(std::move(source));
    header_.Read(*stream_);
    if (!header_.IsGif()) throw GifError{GifFault::NotAGif};
    if (header_.HasGlobalTable()) stream_->Read(globalTable_.data(), 3 * header_.GlobalTableSize());
    blocksStart_ = stream_->Position();
    MoveFirst();
    canvas_.Create(header_.screenWidth, header_.screenHeight);
}

bool GifDecoder::MoveFirst() {
    if (!stream_) return false;
    stream_->Seek(blocksStart_);
    eof_ = false;
    frameIndex_ = -1;
    return true;
}

bool GifDecoder::MoveNext() {
    if (!stream_ || eof_) return false;
    for (;;) {
        switch (stream_->Byte()) {
            case kImageIntroducer: ReadFrame(); return true;
            case kExtensionIntroducer: ReadExtension(true); break;
            case kTrailer: eof_ = true; return false;
            default: break;
        }
    }
}

bool GifDecoder::MoveLast() {
    if (!stream_) return false;
    while (!eof_) {
        switch (stream_->Byte()) {
            case kImageIntroducer:
                ++frameIndex_;
                ReadDescriptorAndTable();
                stream_->Byte();  // minimum code size
                stream_->SkipSubBlocks();
                break;
            case kExtensionIntroducer: ReadExtension(false); break;
            case kTrailer: eof_ = true; break;
            default: break;
        }
    }
    return true;
}

void GifDecoder::ReadDescriptorAndTable() {
    descriptor_.Read(*stream_);
    if (descriptor_.HasLocalTable())
        stream_->Read(frameTable_.data(), 3 * descriptor_.LocalTableSize());
    else
        frameTable_ = globalTable_;
}

void GifDecoder::ReadExtension(bool keepGraphicControl) {
    const uint8_t label = stream_->Byte();
    if (label == kGraphicControlLabel && keepGraphicControl)
        control_.Read(*stream_);
    else
        stream_->SkipSubBlocks();
}

void GifDecoder::ReadFrame() {
    ++frameIndex_;
    ReadDescriptorAndTable();
    const int minCodeSize = stream_->Byte();
    const uint64_t pixels = descriptor_.PixelCount();
    if (pixels > kGifMaxPixels) throw GifError{GifFault::TooLarge};
    imageBitsSize_ = static_cast<size_t>(pixels) + 1;
    GifDataBlocks data(*stream_);
    lzw_->Decode(data, minCodeSize, decodedBits_, static_cast<size_t>(pixels), descriptor_.width,
                 [this](long row) {
                     if (events_) events_->Progress(row);
                 });
    data.SkipRest();
    if (events_) events_->ImageComplete();
    MergeCurrentImage();
}

void GifDecoder::MergeCurrentImage() {
    if (!canvas_.Exists()) return;
    canvas_.Merge({descriptor_, control_, frameTable_.data(), decodedBits_.data(), decodedBits_.size()});
}

uint32_t GifDecoder::FrameColour(uint8_t index) const {
    const uint8_t* rgb = frameTable_.data() + index * 3;
    return uint32_t(rgb[0]) | uint32_t(rgb[1]) << 8 | uint32_t(rgb[2]) << 16;
}

}  // namespace kx
