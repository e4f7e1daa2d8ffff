#include "ByteSource.h"

#include <algorithm>
#include <cstring>

namespace kx {

size_t MemoryByteSource::ReadAt(uint64_t offset, uint8_t* buffer, size_t count) {
    if (offset >= bytes_.size()) return 0;
    const size_t copied = static_cast<size_t>(std::min<uint64_t>(count, bytes_.size() - offset));
    std::memcpy(buffer, bytes_.data() + offset, copied);
    return copied;
}

}  // namespace kx
