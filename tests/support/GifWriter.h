#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Writes small GIF files for the decoder's tests, with switches for the variations that decoders
// get wrong. Indexes are given in display row order; the writer interlaces them when asked.
// Plain C++ (no platform headers), shared by the cross-built tests and the fuzzer's seed maker.
namespace kxtest {

struct GifFrameSpec {
    uint16_t left = 0;
    uint16_t top = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    std::vector<uint8_t> indexes;     // width x height, display row order
    bool interlaced = false;
    std::vector<uint8_t> localTable;  // red, green, blue triples; empty: none
    uint8_t localSizeCode = 0;        // the descriptor's size code when a local table is written

    bool graphicControl = false;
    uint8_t disposal = 0;
    bool transparent = false;
    bool userInput = false;
    uint8_t transparentIndex = 0;
    uint16_t delay = 0;

    int minCodeSize = 8;
    bool leadingClear = true;
    bool clearWhenFull = true;  // false: a full table is used on without a clear code (deferred clear)
    bool endCode = true;
    int subBlockSize = 255;
    std::vector<uint8_t> rawData;  // when not empty: these LZW bytes instead of the encoded indexes
};

struct GifSpec {
    std::string signature = "GIF89a";
    uint16_t width = 0;
    uint16_t height = 0;
    std::vector<uint8_t> globalTable;  // red, green, blue triples; empty: none
    uint8_t globalSizeCode = 0;
    uint8_t backgroundIndex = 0;
    std::vector<GifFrameSpec> frames;
    bool trailer = true;
};

// Codes of given sizes packed least significant bit first.
class CodePacker {
public:
    void Put(int code, int size) {
        bits_ |= static_cast<uint64_t>(code) << count_;
        count_ += size;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<uint8_t>(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    std::vector<uint8_t> Finish() {
        if (count_ > 0) bytes_.push_back(static_cast<uint8_t>(bits_));
        count_ = 0;
        bits_ = 0;
        return std::move(bytes_);
    }

private:
    std::vector<uint8_t> bytes_;
    uint64_t bits_ = 0;
    int count_ = 0;
};

// LZW as a GIF encoder does it. The code size follows the decoder's table, which is one entry behind
// the encoder's.
inline std::vector<uint8_t> LzwEncode(const std::vector<uint8_t>& indexes, const GifFrameSpec& f) {
    const int clear = 1 << f.minCodeSize;
    CodePacker out;
    std::unordered_map<uint32_t, int> table;
    int encoderNext = clear + 2;
    int decoderNext = clear + 2;
    int size = f.minCodeSize + 1;
    bool decoderFirst = true;
    auto restart = [&] {
        table.clear();
        encoderNext = decoderNext = clear + 2;
        size = f.minCodeSize + 1;
        decoderFirst = true;
    };
    auto emit = [&](int code) {
        out.Put(code, size);
        if (decoderFirst) {
            decoderFirst = false;
            return;
        }
        if (decoderNext >= 4096) return;
        ++decoderNext;
        if (decoderNext > (1 << size) - 1 && size < 12) ++size;
    };
    if (f.leadingClear) out.Put(clear, size);
    if (!indexes.empty()) {
        int prefix = indexes[0];
        for (size_t i = 1; i < indexes.size(); ++i) {
            const uint32_t key = static_cast<uint32_t>(prefix) << 8 | indexes[i];
            const auto found = table.find(key);
            if (found != table.end()) {
                prefix = found->second;
                continue;
            }
            emit(prefix);
            if (encoderNext < 4096) {
                table[key] = encoderNext++;
            } else if (f.clearWhenFull) {
                out.Put(clear, size);
                restart();
            }
            prefix = indexes[i];
        }
        emit(prefix);
    }
    if (f.endCode) out.Put(clear + 1, size);
    return out.Finish();
}

inline void PutWord(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void PutSubBlocks(std::vector<uint8_t>& out, const std::vector<uint8_t>& data, int blockSize) {
    for (size_t at = 0; at < data.size(); at += blockSize) {
        const size_t length = std::min<size_t>(blockSize, data.size() - at);
        out.push_back(static_cast<uint8_t>(length));
        out.insert(out.end(), data.begin() + at, data.begin() + at + length);
    }
    out.push_back(0);
}

// The rows of the frame in the order the file holds them.
inline std::vector<uint8_t> FileRowOrder(const GifFrameSpec& f) {
    if (!f.interlaced) return f.indexes;
    std::vector<uint8_t> rows;
    const int passes[4][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
    for (const auto& pass : passes)
        for (int y = pass[0]; y < f.height; y += pass[1])
            rows.insert(rows.end(), f.indexes.begin() + y * f.width, f.indexes.begin() + (y + 1) * f.width);
    return rows;
}

inline void PutFrame(std::vector<uint8_t>& out, const GifFrameSpec& f) {
    if (f.graphicControl) {
        out.insert(out.end(), {0x21, 0xF9, 4});
        out.push_back(static_cast<uint8_t>((f.disposal & 7) << 2 | (f.userInput ? 2 : 0) | (f.transparent ? 1 : 0)));
        PutWord(out, f.delay);
        out.push_back(f.transparentIndex);
        out.push_back(0);
    }
    out.push_back(0x2C);
    PutWord(out, f.left);
    PutWord(out, f.top);
    PutWord(out, f.width);
    PutWord(out, f.height);
    out.push_back(static_cast<uint8_t>((f.localTable.empty() ? 0 : 0x80 | (f.localSizeCode & 7)) |
                                       (f.interlaced ? 0x40 : 0)));
    out.insert(out.end(), f.localTable.begin(), f.localTable.end());
    out.push_back(static_cast<uint8_t>(f.minCodeSize));
    PutSubBlocks(out, f.rawData.empty() ? LzwEncode(FileRowOrder(f), f) : f.rawData, f.subBlockSize);
}

inline std::vector<uint8_t> WriteGif(const GifSpec& spec) {
    std::vector<uint8_t> out(spec.signature.begin(), spec.signature.end());
    PutWord(out, spec.width);
    PutWord(out, spec.height);
    out.push_back(static_cast<uint8_t>(spec.globalTable.empty() ? 0 : 0x80 | (spec.globalSizeCode & 7)));
    out.push_back(spec.backgroundIndex);
    out.push_back(0);
    out.insert(out.end(), spec.globalTable.begin(), spec.globalTable.end());
    for (const GifFrameSpec& frame : spec.frames) PutFrame(out, frame);
    if (spec.trailer) out.push_back(0x3B);
    return out;
}

// A table of 2^(sizeCode + 1) entries: entry i is (i * 40, 255 - i * 20, i * 7), all distinct for small tables.
inline std::vector<uint8_t> RampTable(uint8_t sizeCode) {
    std::vector<uint8_t> table;
    for (int i = 0; i < (2 << sizeCode); ++i) {
        table.push_back(static_cast<uint8_t>(i * 40));
        table.push_back(static_cast<uint8_t>(255 - i * 20));
        table.push_back(static_cast<uint8_t>(i * 7));
    }
    return table;
}

}  // namespace kxtest
