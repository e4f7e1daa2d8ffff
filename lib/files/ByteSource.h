#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Where a parser's bytes come from: a file (FileByteSource) or a block of memory.
namespace kx {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to count bytes from offset into buffer; the number copied, 0 at or past the end.
    virtual size_t ReadAt(uint64_t offset, uint8_t* buffer, size_t count) = 0;
};

class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    MemoryByteSource(const uint8_t* data, size_t size) : bytes_(data, data + size) {}
    size_t ReadAt(uint64_t offset, uint8_t* buffer, size_t count) override;

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace kx
