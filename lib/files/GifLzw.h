#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The LZW decompressor of one GIF image: variable-length codes (least significant bit first) from
// the image's data sub-blocks, expanded into colour indexes through a string table of 4096 entries.
namespace kx {

class GifStream;

// The image data as one run of bytes: a zero-length sub-block ends it.
class GifDataBlocks {
public:
    explicit GifDataBlocks(GifStream& stream) : stream_(stream) {}
    // The next data byte; false once the data has ended.
    bool Next(uint8_t& byte);
    // Passes over what is left of the data, up to and including the zero-length sub-block.
    void SkipRest();

private:
    GifStream& stream_;
    size_t left_ = 0;
    bool ended_ = false;
};

class GifLzw {
public:
    // Called with the row reached, each time it is 10 or more rows past the last one reported.
    using ProgressHandler = std::function<void(long row)>;

    // Decodes codes of minimum size minCodeSize from data into out (emptied first) until count
    // indexes are written, the end code comes or the data ends; out holds only what the data gave.
    // Raises InvalidCode for a code the table cannot hold (and for a minimum code size above 11).
    void Decode(GifDataBlocks& data, int minCodeSize, std::vector<uint8_t>& out, size_t count, size_t rowWidth,
                const ProgressHandler& progress);

    static constexpr int kMaxCodeSize = 12;
    static constexpr int kTableSize = 1 << kMaxCodeSize;
    // The longest string a 12-bit table can hold.
    static constexpr int kStackSize = kTableSize;

private:
    bool ReadCode(GifDataBlocks& data, int& code);
    void Restart();
    int PushString(int code, int top);
    void WriteString(int code, std::vector<uint8_t>& out, size_t room);
    void AddEntry();

    int clear_ = 0;
    int minCodeSize_ = 0;
    int codeSize_ = 0;
    int largestCode_ = 0;
    int nextFree_ = 0;
    int previous_ = 0;
    uint8_t firstChar_ = 0;
    uint32_t bits_ = 0;
    int bitCount_ = 0;
    uint16_t prefix_[kTableSize] = {};
    uint8_t suffix_[kTableSize] = {};
    uint8_t stack_[kStackSize] = {};
};

}  // namespace kx
