#include "ImageEncoding.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ColorIndexing.h"
#include "PictureSaving.h"
#include "ScopedGdi.h"

namespace kx {
namespace {
using namespace Gdiplus;

constexpr const wchar_t* kEncoderQuality = L"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
constexpr ARGB kOpaque = 0xFF000000;

struct DisposeImage {
    void operator()(GpImage* image) const { DllExports::GdipDisposeImage(image); }
};
using ImageRef = std::unique_ptr<GpImage, DisposeImage>;

struct ReleaseStream {
    void operator()(IStream* stream) const { stream->Release(); }
};
using StreamRef = std::unique_ptr<IStream, ReleaseStream>;

SIZE SizeOf(const BITMAPINFO& info) { return {info.bmiHeader.biWidth, std::abs(info.bmiHeader.biHeight)}; }

// The DIB's pixels as 0x00RRGGBB in top-down rows, whatever its bit count.
std::vector<std::uint32_t> TopDownPixels(HBITMAP dib, SIZE size) {
    BITMAPINFO request = {};
    request.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB};
    std::vector<std::uint32_t> pixels(static_cast<size_t>(size.cx) * size.cy);
    ScopedScreenDC screen;
    if (GetDIBits(screen, dib, 0, size.cy, pixels.data(), &request, DIB_RGB_COLORS) != size.cy) pixels.clear();
    return pixels;
}

// An 8-bit bitmap over rows (which must outlive it) with the palette of the DIB's colours.
ImageRef PaletteBitmap(HBITMAP dib, SIZE size, std::vector<BYTE>& rows) {
    const std::vector<std::uint32_t> pixels = TopDownPixels(dib, size);
    if (pixels.empty()) return nullptr;
    const IndexedPixels indexed = IndexColors(pixels);
    const INT stride = (size.cx + 3) & ~3;
    rows.assign(static_cast<size_t>(stride) * size.cy, 0);
    for (LONG y = 0; y < size.cy; ++y)
        std::copy_n(indexed.indices.begin() + static_cast<ptrdiff_t>(y) * size.cx, size.cx,
                    rows.begin() + static_cast<ptrdiff_t>(y) * stride);
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromScan0(size.cx, size.cy, stride, PixelFormat8bppIndexed, rows.data(),
                                              &bitmap) != Ok)
        return nullptr;
    ImageRef image(bitmap);
    std::vector<BYTE> buffer(sizeof(ColorPalette) + indexed.palette.size() * sizeof(ARGB));
    auto* palette = reinterpret_cast<ColorPalette*>(buffer.data());
    palette->Count = static_cast<UINT>(indexed.palette.size());
    for (size_t i = 0; i < indexed.palette.size(); ++i) palette->Entries[i] = kOpaque | indexed.palette[i];
    if (DllExports::GdipSetImagePalette(image.get(), palette) != Ok) return nullptr;
    return image;
}

// The DIB's pixels as they are, not copied.
ImageRef DibBitmap(const BITMAPINFO& info, void* bits) {
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromGdiDib(&info, bits, &bitmap) != Ok) return nullptr;
    return ImageRef(bitmap);
}

StreamRef Encoded(GpImage* image, const CLSID& encoder, long quality) {
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return nullptr;
    StreamRef result(stream);
    LONG value = quality;  // every encoder receives it; the JPEG one reads it as 0..100
    EncoderParameters parameters = {};
    parameters.Count = 1;
    parameters.Parameter[0] = {GuidFromString(kEncoderQuality), 1, EncoderParameterValueTypeLong, &value};
    if (DllExports::GdipSaveImageToStream(image, stream, &encoder, &parameters) != Ok) return nullptr;
    return result;
}

bool Rewind(IStream* stream) { return SUCCEEDED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr)); }

// Some encoders report success for a frame no decoder reads (Wine's GIF encoder given 32-bit pixels).
bool DecodesAtSize(IStream* stream, SIZE size) {
    GpImage* decoded = nullptr;
    if (!Rewind(stream) || DllExports::GdipLoadImageFromStream(stream, &decoded) != Ok || !decoded) return false;
    const ImageRef image(decoded);
    UINT width = 0, height = 0;
    ARGB pixel = 0;
    return DllExports::GdipGetImageWidth(decoded, &width) == Ok &&
           DllExports::GdipGetImageHeight(decoded, &height) == Ok &&
           width == static_cast<UINT>(size.cx) && height == static_cast<UINT>(size.cy) &&
           DllExports::GdipBitmapGetPixel(static_cast<GpBitmap*>(decoded), 0, 0, &pixel) == Ok;
}

std::vector<BYTE> StreamBytes(IStream* stream) {
    STATSTG status = {};
    if (FAILED(stream->Stat(&status, STATFLAG_NONAME)) || !Rewind(stream)) return {};
    std::vector<BYTE> bytes(static_cast<size_t>(status.cbSize.QuadPart));
    ULONG read = 0;
    if (FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) || read != bytes.size()) return {};
    return bytes;
}

}  // namespace

std::vector<BYTE> EncodeDib(HBITMAP dib, const BITMAPINFO& info, void* bits, const CLSID& encoder, long quality,
                            EncoderInput input) {
    const SIZE size = SizeOf(info);
    std::vector<BYTE> paletteRows;
    const ImageRef image = input == EncoderInput::Palette ? PaletteBitmap(dib, size, paletteRows)
                                                          : DibBitmap(info, bits);
    if (!image) return {};
    const StreamRef stream = Encoded(image.get(), encoder, quality);
    if (!stream || !DecodesAtSize(stream.get(), size)) return {};
    return StreamBytes(stream.get());
}

}  // namespace kx
