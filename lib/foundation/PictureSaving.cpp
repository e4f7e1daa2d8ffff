#include "PictureSaving.h"

#include <gdiplus.h>

#include <algorithm>
#include <vector>

#include "ClassicRuntime.h"
#include "PictureObjects.h"
#include "ScopedGdi.h"

namespace kx {
namespace {
constexpr const wchar_t* kEncoderQuality = L"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";

// Bottom-up rows padded to 4 bytes, no colour table.
BITMAPINFO DibInfo(SIZE size, short bitCount) {
    BITMAPINFO info = {};
    const DWORD stride = ((static_cast<DWORD>(bitCount) * size.cx + 31) / 32) * 4;
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, size.cy, 1, static_cast<WORD>(bitCount), BI_RGB,
                      stride * static_cast<DWORD>(std::abs(size.cy))};
    return info;
}

// HIMETRIC runs bottom-up: from the picture's height with a negative extent it lands upright, row for row.
void RenderUpright(IPicture* picture, HDC dc, SIZE size) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    picture->Render(dc, 0, 0, size.cx, size.cy, 0, height, width, -height, nullptr);
}

// Wraps the DIB's pixels (not copied) and saves them with the encoder of mimeType.
bool EncodeDib(const BITMAPINFO& info, void* bits, const std::wstring& fileName, long quality,
               const std::wstring& mimeType) {
    using namespace Gdiplus;
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromGdiDib(&info, bits, &bitmap) != Ok || !bitmap) return false;
    CLSID encoder = {};
    bool saved = false;
    if (FindEncoderClsid(mimeType, encoder) != -1) {
        LONG value = quality;  // every encoder receives it; the JPEG one reads it as 0..100
        EncoderParameters parameters = {};
        parameters.Count = 1;
        parameters.Parameter[0] = {GuidFromString(kEncoderQuality), 1, EncoderParameterValueTypeLong, &value};
        saved = DllExports::GdipSaveImageToFile(bitmap, fileName.c_str(), &encoder, &parameters) == Ok;
    }
    DllExports::GdipDisposeImage(bitmap);
    return saved;
}

bool SaveWithGdiplus(const BITMAPINFO& info, void* bits, const std::wstring& fileName, long quality,
                     const std::wstring& mimeType, GdiplusStarter start) {
    ULONG_PTR token = 0;
    // Shut down only what this call started: another user of GDI+ in the process keeps its session.
    if (!start(token)) return false;
    const bool saved = EncodeDib(info, bits, fileName, quality, mimeType);
    Gdiplus::GdiplusShutdown(token);
    return saved;
}
}  // namespace

bool StartGdiplus(ULONG_PTR& token) {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread, external codecs
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
}

bool IsSavableBitCount(short bitCount) { return bitCount == 16 || bitCount == 24 || bitCount == 32; }

bool SavePictureFile(const std::wstring& fileName, long quality, IPicture* picture, const std::wstring& mimeType,
                     short bitCount, GdiplusStarter start) {
    bool saved = false;
    const SIZE size = picture ? BitmapSize(PictureHandle(picture)) : SIZE{0, 0};
    // Other depths would need a colour table, which the header does not carry.
    if (size.cx > 0 && size.cy > 0 && IsSavableBitCount(bitCount)) {
        const BITMAPINFO info = DibInfo(size, bitCount);
        ScopedScreenDC screen;
        ScopedMemoryDC memory(screen);
        void* bits = nullptr;
        ScopedGdiObject<HBITMAP> dib(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (dib.get() && bits) {
            {
                ScopedSelection selection(memory, dib.get());
                RenderUpright(picture, memory, size);
            }
            GdiFlush();
            saved = SaveWithGdiplus(info, bits, fileName, quality, mimeType, start);
        }
    }
    DoEvents();
    return saved;
}

long FindEncoderClsid(const std::wstring& mimeType, CLSID& clsid) {
    using namespace Gdiplus;
    UINT count = 0, bytes = 0;
    if (DllExports::GdipGetImageEncodersSize(&count, &bytes) != Ok || bytes == 0) return -1;
    std::vector<BYTE> buffer(bytes);
    const auto* codecs = reinterpret_cast<const ImageCodecInfo*>(buffer.data());
    if (DllExports::GdipGetImageEncoders(count, bytes, const_cast<ImageCodecInfo*>(codecs)) != Ok) return -1;
    count = std::min<UINT>(count, bytes / sizeof(ImageCodecInfo));
    for (UINT i = 0; i < count; ++i) {
        const std::wstring type = StringFromWidePointer(codecs[i].MimeType);
        if (CompareStringOrdinal(type.c_str(), -1, mimeType.c_str(), -1, TRUE) == CSTR_EQUAL) {
            clsid = codecs[i].Clsid;
            return static_cast<long>(i) + 1;
        }
    }
    return -1;
}

GUID GuidFromString(const std::wstring& text) {
    GUID guid = {};
    if (FAILED(CLSIDFromString(text.c_str(), &guid))) guid = GUID{};
    return guid;
}

std::wstring StringFromWidePointer(const wchar_t* text) {
    const int length = text ? lstrlenW(text) : 0;
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

}  // namespace kx
