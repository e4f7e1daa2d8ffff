#include "GifLzw.h"

#include "GifError.h"
#include "GifStream.h"

namespace kx {

bool GifDataBlocks::Next(uint8_t& byte) {
    if (left_ == 0) {
        if (ended_) return false;
        left_ = stream_.Byte();
        if (left_ == 0) {
            ended_ = true;
            return false;
        }
    }
    --left_;
    byte = stream_.Byte();
    return true;
}

void GifDataBlocks::SkipRest() {
    if (ended_) return;
    stream_.Skip(left_);
    left_ = 0;
    stream_.SkipSubBlocks();
    ended_ = true;
}

bool GifLzw::ReadCode(GifDataBlocks& data, int& code) {
    while (bitCount_ < codeSize_) {
        uint8_t byte = 0;
        if (!data.Next(byte)) return false;
        bits_ |= uint32_t(byte) << bitCount_;
        bitCount_ += 8;
    }
    code = static_cast<int>(bits_ & ((1u << codeSize_) - 1));
    bits_ >>= codeSize_;
    bitCount_ -= codeSize_;
    return true;
}

void GifLzw::Restart() {
    codeSize_ = minCodeSize_ + 1;
    largestCode_ = (1 << codeSize_) - 1;
    nextFree_ = clear_ + 2;
}

int GifLzw::PushString(int code, int top) {
    while (code >= clear_) {
        if (top >= kStackSize) throw GifError{GifFault::StackOverflow};
        stack_[top++] = suffix_[code];
        code = prefix_[code];
    }
    if (top >= kStackSize) throw GifError{GifFault::StackOverflow};
    stack_[top++] = static_cast<uint8_t>(code);
    return top;
}

// Appends the string of code (the previous string and its own first character when code is the
// next free one), at most room bytes of it.
void GifLzw::WriteString(int code, std::vector<uint8_t>& out, size_t room) {
    int top = 0;
    if (code == nextFree_) {
        stack_[0] = firstChar_;
        top = PushString(previous_, 1);
    } else {
        top = PushString(code, 0);
    }
    firstChar_ = stack_[top - 1];
    for (size_t written = 0; top > 0 && written < room; ++written) out.push_back(stack_[--top]);
}

// A full table takes no more entries; the code size stays at 12 until the next clear code.
void GifLzw::AddEntry() {
    if (nextFree_ >= kTableSize) return;
    prefix_[nextFree_] = static_cast<uint16_t>(previous_);
    suffix_[nextFree_] = firstChar_;
    ++nextFree_;
    if (nextFree_ > largestCode_ && codeSize_ < kMaxCodeSize) {
        ++codeSize_;
        largestCode_ = (1 << codeSize_) - 1;
    }
}

void GifLzw::Decode(GifDataBlocks& data, int minCodeSize, std::vector<uint8_t>& out, size_t count,
                    size_t rowWidth, const ProgressHandler& progress) {
    if (minCodeSize > kMaxCodeSize - 1) throw GifError{GifFault::InvalidCode};
    minCodeSize_ = minCodeSize;
    clear_ = 1 << minCodeSize;
    const int end = clear_ + 1;
    bits_ = 0;
    bitCount_ = 0;
    Restart();
    out.clear();
    bool firstCode = true;
    long lastReported = 0;
    int code = 0;
    while (out.size() < count && ReadCode(data, code)) {
        if (code == end) break;
        // A literal is an index of a colour table; larger codes below the clear code cannot be one.
        if (code < clear_ && code > 0xFF) throw GifError{GifFault::InvalidCode};
        if (code == clear_) {
            firstCode = true;
            Restart();
        } else if (firstCode) {
            if (code > clear_) throw GifError{GifFault::InvalidCode};
            firstCode = false;
            out.push_back(static_cast<uint8_t>(code));
            previous_ = code;
            firstChar_ = static_cast<uint8_t>(code);
        } else {
            if (code > nextFree_ || code >= kTableSize) throw GifError{GifFault::InvalidCode};
            WriteString(code, out, count - out.size());
            AddEntry();
            previous_ = code;
        }
        const long row = static_cast<long>(out.size() / rowWidth);
        if (row >= lastReported + 10) {
            lastReported = row;
            if (progress) progress(row);
        }
    }
}

}  // namespace kx
