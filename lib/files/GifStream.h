#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ByteSource.h"

// The decoder's view of its file: bytes one at a time from a position, read from the source in
// large blocks. Asking for a byte past the end raises GifFault::PastEnd.
namespace kx {

class GifStream {
public:
    explicit GifStream(std::unique_ptr<ByteSource> source);

    uint8_t Byte() {
        if (next_ == filled_) Refill();
        return buffer_[next_++];
    }
    uint16_t Word();  // little-endian
    void Read(uint8_t* out, size_t count);
    void Skip(size_t count);
    // Skips data sub-blocks (a length byte, that many bytes) up to and including the zero-length one.
    void SkipSubBlocks();

    uint64_t Position() const { return bufferStart_ + next_; }
    void Seek(uint64_t position);

private:
    void Refill();

    std::unique_ptr<ByteSource> source_;
    std::vector<uint8_t> buffer_;
    uint64_t bufferStart_ = 0;
    size_t next_ = 0;
    size_t filled_ = 0;
};

}  // namespace kx
