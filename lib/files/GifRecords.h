#pragma once
#include <cstdint>
#include <string>

// The fixed records of a GIF file, with the file's fields. Sizes, positions and the delay are
// unsigned 16-bit values.
namespace kx {

class GifStream;

struct GifHeader {
    char signature[6] = {};
    uint16_t screenWidth = 0;
    uint16_t screenHeight = 0;
    uint8_t flags = 0;
    uint8_t backgroundIndex = 0;
    uint8_t aspectRatio = 0;

    void Read(GifStream& stream);
    bool HasGlobalTable() const { return (flags & 0x80) != 0; }
    int GlobalTableSize() const { return 2 << (flags & 0x07); }
    bool IsGif() const;
    std::string Signature() const { return std::string(signature, 6); }
};

struct GifImageDescriptor {
    uint16_t left = 0;
    uint16_t top = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint8_t flags = 0;

    void Read(GifStream& stream);
    bool HasLocalTable() const { return (flags & 0x80) != 0; }
    bool IsInterlaced() const { return (flags & 0x40) != 0; }
    int LocalTableSize() const { return 2 << (flags & 0x07); }
    uint64_t PixelCount() const { return uint64_t(width) * height; }
};

struct GifGraphicControl {
    uint8_t blockSize = 0;
    uint8_t flags = 0;
    uint16_t delay = 0;
    uint8_t transparentIndex = 0;
    uint8_t terminator = 0;

    void Read(GifStream& stream);
    bool IsTransparent() const { return (flags & 0x01) != 0; }
    bool UserInput() const { return (flags & 0x02) != 0; }
    int DisposalMethod() const { return (flags >> 2) & 0x07; }
};

}  // namespace kx
