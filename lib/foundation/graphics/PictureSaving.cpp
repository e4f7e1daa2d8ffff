#include "PictureSaving.h"

#include <gdiplus.h>

#include <algorithm>
#include <vector>

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "ImageEncoding.h"
#include "PictureObjects.h"
#include "ScopedGdi.h"

namespace kx {
namespace {

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

// The GIF encoder takes 8-bit pixels with a palette only.
EncoderInput InputFor(const std::wstring& mimeType) {
    return CompareStringOrdinal(mimeType.c_str(), -1, L"image/gif", -1, TRUE) == CSTR_EQUAL ? EncoderInput::Palette
                                                                                            : EncoderInput::AsDib;
}

std::vector<BYTE> EncodeWithGdiplus(HBITMAP dib, const BITMAPINFO& info, void* bits, long quality,
                                    const std::wstring& mimeType, GdiplusStarter start) {
    ULONG_PTR token = 0;
    // Shut down only what this call started: another user of GDI+ in the process keeps its session.
    if (!start(token)) throw Error(kErrInvalidCall);
    CLSID encoder = {};
    std::vector<BYTE> encoded;
    if (FindEncoderClsid(mimeType, encoder) != -1)
        encoded = EncodeDib(dib, info, bits, encoder, quality, InputFor(mimeType));
    Gdiplus::GdiplusShutdown(token);
    if (encoded.empty()) throw Error(kErrInvalidCall);
    return encoded;
}

// The picture drawn into a DIB of bitCount bits and encoded.
std::vector<BYTE> EncodePicture(IPicture* picture, long quality, const std::wstring& mimeType, short bitCount,
                                GdiplusStarter start) {
    const SIZE size = picture ? BitmapSize(PictureHandle(picture)) : SIZE{0, 0};
    if (size.cx <= 0 || size.cy <= 0) throw Error(kErrInvalidPicture);
    // Other depths would need a colour table, which the header does not carry.
    if (!IsSavableBitCount(bitCount)) throw Error(kErrInvalidCall);
    const BITMAPINFO info = DibInfo(size, bitCount);
    ScopedScreenDC screen;
    ScopedMemoryDC memory(screen);
    void* bits = nullptr;
    ScopedGdiObject<HBITMAP> dib(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib.get() || !bits) throw Error(kErrOutOfMemory);
    {
        ScopedSelection selection(memory, dib.get());
        RenderUpright(picture, memory, size);
    }
    GdiFlush();
    return EncodeWithGdiplus(dib.get(), info, bits, quality, mimeType, start);
}

int FileErrorNumber(DWORD error) {
    switch (error) {
        case ERROR_PATH_NOT_FOUND: case ERROR_FILE_NOT_FOUND: case ERROR_BAD_NETPATH: return kErrPathNotFound;
        case ERROR_INVALID_NAME: return kErrBadFileName;
        case ERROR_ACCESS_DENIED: case ERROR_SHARING_VIOLATION: case ERROR_WRITE_PROTECT: return kErrPermissionDenied;
        default: return kErrPathFileAccess;
    }
}

// A file that could not be written whole is removed.
void WriteWholeFile(const std::wstring& fileName, const std::vector<BYTE>& bytes) {
    const HANDLE file =
        CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw Error(FileErrorNumber(GetLastError()));
    const DWORD size = static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes.data(), size, &written, nullptr) && written == size;
    const DWORD failure = whole ? 0 : GetLastError();
    CloseHandle(file);
    if (whole) return;
    DeleteFileW(fileName.c_str());
    throw Error(FileErrorNumber(failure));
}

}  // namespace

bool StartGdiplus(ULONG_PTR& token) {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread, external codecs
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
}

bool IsSavableBitCount(short bitCount) { return bitCount == 16 || bitCount == 24 || bitCount == 32; }

void SavePictureFile(const std::wstring& fileName, long quality, IPicture* picture, const std::wstring& mimeType,
                     short bitCount, GdiplusStarter start) {
    try {
        WriteWholeFile(fileName, EncodePicture(picture, quality, mimeType, bitCount, start));
    } catch (...) {
        DoEvents();
        throw;
    }
    DoEvents();
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
