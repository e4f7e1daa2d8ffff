#include "GifRecords.h"

#include <cstring>

#include "GifStream.h"

namespace kx {

void GifHeader::Read(GifStream& stream) {
    for (char& c : signature) c = static_cast<char>(stream.Byte());
    screenWidth = stream.Word();
    screenHeight = stream.Word();
    flags = stream.Byte();
    backgroundIndex = stream.Byte();
    aspectRatio = stream.Byte();
}

bool GifHeader::IsGif() const {
    return std::memcmp(signature, "GIF89a", 6) == 0 || std::memcmp(signature, "GIF87a", 6) == 0;
}

void GifImageDescriptor::Read(GifStream& stream) {
    left = stream.Word();
    top = stream.Word();
    width = stream.Word();
    height = stream.Word();
    flags = stream.Byte();
}

// The fields come from the extension's first sub-block; a block of another size than 4 is read as a
// sub-block too, so that the blocks after it are found as MoveLast finds them.
void GifGraphicControl::Read(GifStream& stream) {
    blockSize = stream.Byte();
    uint8_t body[255] = {};
    stream.Read(body, blockSize);
    flags = body[0];
    delay = static_cast<uint16_t>(body[1] | body[2] << 8);
    transparentIndex = body[3];
    terminator = 0;
    if (blockSize == 0) return;  // that was the terminator
    terminator = stream.Byte();
    if (terminator == 0) return;
    stream.Skip(terminator);
    stream.SkipSubBlocks();
}

}  // namespace kx
