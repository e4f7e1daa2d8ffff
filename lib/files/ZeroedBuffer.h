#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

// A block of bytes that starts all 0. Taken from calloc, so that a large block costs only the
// pages that are written to: screens and frames may be big while files draw on a small part.
namespace kx {

class ZeroedBuffer {
public:
    ZeroedBuffer() = default;
    explicit ZeroedBuffer(size_t size) : bytes_(static_cast<uint8_t*>(std::calloc(size ? size : 1, 1))), size_(size) {
        if (!bytes_) throw std::bad_alloc();
    }
    uint8_t* data() { return bytes_.get(); }
    const uint8_t* data() const { return bytes_.get(); }
    size_t size() const { return size_; }
    uint8_t& operator[](size_t i) { return bytes_[i]; }
    uint8_t operator[](size_t i) const { return bytes_[i]; }

private:
    struct Free {
        void operator()(uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<uint8_t[], Free> bytes_;
    size_t size_ = 0;
};

}  // namespace kx
