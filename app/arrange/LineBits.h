#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

// A line of at most 16 bytes held in two 64-bit halves, each byte at its place, so that a word's prefix and
// suffix combine by one OR and the line is stored in one 16-byte move.
namespace zarvanta {

inline constexpr std::size_t kMaxLineBytes = 16;

struct LineBits {
    std::uint64_t half[2] = {0, 0};

    // Puts the bytes at the offset; the line must hold them.
    void Place(std::string_view bytes, std::size_t offset) {
        char raw[kMaxLineBytes];
        std::memcpy(raw, half, kMaxLineBytes);
        std::memcpy(raw + offset, bytes.data(), bytes.size());
        std::memcpy(half, raw, kMaxLineBytes);
    }
    // Writes all 16 bytes; the caller moves on by the line's own length.
    void Store(char* out) const { std::memcpy(out, half, kMaxLineBytes); }

    friend LineBits operator|(LineBits a, LineBits b) {
        return LineBits{{a.half[0] | b.half[0], a.half[1] | b.half[1]}};
    }
};

}  // namespace zarvanta
