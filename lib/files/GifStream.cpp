#include "GifStream.h"

#include "GifError.h"

namespace kx {
namespace {
constexpr size_t kBlockSize = 64 * 1024;
}

GifStream::GifStream(std::unique_ptr<ByteSource> source) : source_(std::move(source)), buffer_(kBlockSize) {}

void GifStream::Refill() {
    bufferStart_ += filled_;
    next_ = 0;
    filled_ = source_->ReadAt(bufferStart_, buffer_.data(), buffer_.size());
    if (filled_ == 0) throw GifError{GifFault::PastEnd};
}

uint16_t GifStream::Word() {
    const uint8_t low = Byte();
    return static_cast<uint16_t>(low | (Byte() << 8));
}

void GifStream::Read(uint8_t* out, size_t count) {
    for (size_t i = 0; i < count; ++i) out[i] = Byte();
}

void GifStream::Skip(size_t count) {
    while (count > 0) {
        if (next_ == filled_) Refill();
        const size_t step = count < filled_ - next_ ? count : filled_ - next_;
        next_ += step;
        count -= step;
    }
}

void GifStream::SkipSubBlocks() {
    for (uint8_t length = Byte(); length != 0; length = Byte()) Skip(length);
}

void GifStream::Seek(uint64_t position) {
    if (position >= bufferStart_ && position <= bufferStart_ + filled_) {
        next_ = static_cast<size_t>(position - bufferStart_);
        return;
    }
    bufferStart_ = position;
    next_ = filled_ = 0;
}

}  // namespace kx
