#include "PreviewPicture.h"

#include <ocidl.h>
#include <olectl.h>

#include <vector>

#include "PreviewLayout.h"

namespace kx {
namespace {

constexpr long kEmptyBoxSide = 80;  // the size of the box without a picture
constexpr double kHimetricPerInch = 2540.0;

// The whole file in a movable memory block, as a stream that owns it; nullptr when unreadable.
IStream* FileStream(const std::wstring& path, LONG& size) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER length = {};
    IStream* stream = nullptr;
    if (GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart < 0x7FFFFFFF) {
        size = static_cast<LONG>(length.QuadPart);
        if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size)) {
            DWORD read = 0;
            void* bytes = GlobalLock(block);
            const bool complete = bytes && ReadFile(file, bytes, size, &read, nullptr) && read == DWORD(size);
            GlobalUnlock(block);
            if (!complete || FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
                GlobalFree(block);
                stream = nullptr;
            }
        }
    }
    CloseHandle(file);
    return stream;
}

long PixelsOfHimetric(OLE_XSIZE_HIMETRIC himetric, int pixelsPerInch) {
    return RoundToLong(himetric * pixelsPerInch / kHimetricPerInch);
}

}  // namespace

PreviewPicture::PreviewPicture() : dc_(CreateCompatibleDC(nullptr)) { Clear(); }

PreviewPicture::~PreviewPicture() {
    if (previousBitmap_) SelectObject(dc_, previousBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void PreviewPicture::Clear() {
    hasPicture_ = false;
    Resize(kEmptyBoxSide, kEmptyBoxSide);
    FillBackColor();
}

bool PreviewPicture::Load(const std::wstring& path) {
    Clear();
    LONG size = 0;
    IStream* stream = FileStream(path, size);
    if (!stream) return false;
    IPicture* picture = nullptr;
    const HRESULT hr = OleLoadPicture(stream, size, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(hr) || !picture) return false;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    const HDC screen = GetDC(nullptr);
    const long pixelWidth = PixelsOfHimetric(width, GetDeviceCaps(screen, LOGPIXELSX));
    const long pixelHeight = PixelsOfHimetric(height, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    if (pixelWidth > 0 && pixelHeight > 0 && Resize(pixelWidth, pixelHeight)) {
        FillBackColor();
        hasPicture_ = SUCCEEDED(picture->Render(dc_, 0, 0, pixelWidth, pixelHeight, 0, height, width, -height, nullptr));
    }
    picture->Release();
    if (!hasPicture_) Clear();
    return hasPicture_;
}

bool PreviewPicture::Resize(long width, long height) {
    if (bitmap_ && width == width_ && height == height_) return true;
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!bitmap) return false;  // too large for a bitmap: the box stays as it was
    const HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (!previousBitmap_) previousBitmap_ = previous;
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap;
    width_ = width;
    height_ = height;
    return true;
}

void PreviewPicture::FillBackColor() {
    const RECT all = {0, 0, width_, height_};
    FillRect(dc_, &all, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace kx
