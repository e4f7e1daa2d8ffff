// Feeds arbitrary bytes to the GIF decoder as a file: open, every frame, back to the start, count the
// frames. Checks beyond the sanitizers: on an input without errors MoveLast counts exactly the frames
// MoveNext read, and composition touches nothing outside the screen (the display buffer's padding
// stays 0). Screens above 2^16 pixels are passed over: they take the same paths, only slower (the unit
// tests cover the size limits).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "GifDecoder.h"
#include "GifError.h"

namespace {

struct NoEvents : kx::GifDecoderEvents {
    void Progress(long) override {}
    void ImageComplete() override {}
};

void CheckRowPadding(const kx::GifCanvas& canvas) {
    const size_t used = size_t(canvas.Width()) * 3;
    for (int y = 0; y < canvas.Height(); ++y)
        for (size_t x = used; x < canvas.RowBytes(); ++x)
            if (canvas.Display()[y * canvas.RowBytes() + x] != 0) std::abort();
}

// Frames read to the end; -1 when the decoder raised an error on the way.
long ReadAllFrames(kx::GifDecoder& decoder) {
    long frames = 0;
    try {
        while (decoder.MoveNext()) {
            ++frames;
            CheckRowPadding(decoder.Canvas());
        }
    } catch (const kx::GifError&) {
        return -1;
    }
    return frames;
}

bool ScreenIsSmall(const uint8_t* data, size_t size) {
    if (size < 10) return true;
    const uint32_t width = data[6] | data[7] << 8;
    const uint32_t height = data[8] | data[9] << 8;
    return width * height <= (1u << 16);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!ScreenIsSmall(data, size)) return 0;
    NoEvents events;
    kx::GifDecoder decoder(&events);
    decoder.Reset();
    try {
        decoder.Open(std::make_unique<kx::MemoryByteSource>(data, size));
    } catch (const kx::GifError&) {
        return 0;
    }
    const long frames = ReadAllFrames(decoder);
    decoder.MoveFirst();
    try {
        decoder.MoveLast();
    } catch (const kx::GifError&) {
        if (frames >= 0) std::abort();  // the same blocks read without an error before
        return 0;
    }
    if (frames >= 0 && decoder.FrameIndex() != frames - 1) std::abort();
    return 0;
}
