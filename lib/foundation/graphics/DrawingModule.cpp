#include "DrawingModule.h"

#include <olectl.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "ClassicRuntime.h"
#include "ColorMath.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "Rounding.h"

namespace kx {

namespace {

// ---- Checked arithmetic --------------------------------------------------------------------------------------

template <class T>
T OrOverflow(const std::optional<T>& value) {
    if (!value) throw Error(kErrOverflow);
    return *value;
}

long Checked(long long value) {
    if (!FitsInt32(static_cast<double>(value))) throw Error(kErrOverflow);
    return static_cast<long>(value);
}

long Sum(long a, long b) { return Checked(static_cast<long long>(a) + b); }
long Difference(long a, long b) { return Checked(static_cast<long long>(a) - b); }

// ---- Scoped GDI objects --------------------------------------------------------------------------------------

template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~GdiObject() {
        if (handle_) DeleteObject(handle_);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle get() const { return handle_; }

private:
    Handle handle_;
};

// A memory device context compatible with another one (or the screen for null).
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context until this goes out of scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The two bitmaps GetIconInfo hands out, which the receiver must delete.
class IconBitmaps {
public:
    explicit IconBitmaps(HANDLE icon) {
        if (!GetIconInfo(static_cast<HICON>(icon), &info_)) info_ = {};
    }
    ~IconBitmaps() {
        if (info_.hbmMask) DeleteObject(info_.hbmMask);
        if (info_.hbmColor) DeleteObject(info_.hbmColor);
    }
    IconBitmaps(const IconBitmaps&) = delete;
    IconBitmaps& operator=(const IconBitmaps&) = delete;
    HBITMAP mask() const { return info_.hbmMask; }
    HBITMAP color() const { return info_.hbmColor; }

private:
    ICONINFO info_ = {};
};

struct ReleaseInterface {
    void operator()(IUnknown* object) const { object->Release(); }
};
using PicturePtr = std::unique_ptr<IPicture, ReleaseInterface>;

// ---- Bitmaps and icons ---------------------------------------------------------------------------------------

// An icon handle is no GDI object.
bool IsIcon(HANDLE image) { return GetObjectType(image) == 0; }

// Width and height of a bitmap; 0 and 0 for anything else.
SIZE BitmapSize(HANDLE bitmap) {
    BITMAP info = {};
    if (GetObjectType(bitmap) != OBJ_BITMAP || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
    return {std::max(0L, info.bmWidth), std::max(0L, info.bmHeight)};
}

SIZE ImageSize(HANDLE image) {
    return IsIcon(image) ? BitmapSize(IconBitmaps(image).color()) : BitmapSize(image);
}

HANDLE PictureHandle(IPicture* picture) {
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    return HandleFromLong<HANDLE>(static_cast<long>(handle));
}

BITMAPINFO Dib24Info(SIZE size) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, size.cy, 1, 24, BI_RGB,
                      static_cast<DWORD>(DibStride24(size.cx) * size.cy)};
    return info;
}

// The bitmap's pixels as a bottom-up 24-bit DIB of its own size.
std::vector<BYTE> ReadDib24(HDC dc, HBITMAP bitmap, SIZE size) {
    std::vector<BYTE> bits(DibStride24(size.cx) * size.cy);
    if (bits.empty()) return bits;
    BITMAPINFO info = Dib24Info(size);
    GetDIBits(dc, bitmap, 0, size.cy, bits.data(), &info, DIB_RGB_COLORS);
    return bits;
}

struct Placement {
    long left, top, width, height;
};

int StretchDib24(HDC dc, const Placement& to, SIZE size, const std::vector<BYTE>& bits, DWORD rop) {
    const BITMAPINFO info = Dib24Info(size);
    return StretchDIBits(dc, to.left, to.top, to.width, to.height, 0, 0, size.cx, size.cy, bits.data(), &info,
                         DIB_RGB_COLORS, rop);
}

// ---- Gradients -----------------------------------------------------------------------------------------------

// Vertex fields hold the 0..255 value in their high byte.
COLOR16 VertexChannel(long value) { return static_cast<COLOR16>(std::clamp(value, 0L, 255L) << 8); }

TRIVERTEX Vertex(long x, long y, long color, long alpha) {
    short red, green, blue;
    SplitColor(color, red, green, blue);  // translates the copy only
    return {x, y, VertexChannel(red), VertexChannel(green), VertexChannel(blue), VertexChannel(alpha)};
}

// ---- Waits ---------------------------------------------------------------------------------------------------

DWORD SleepMilliseconds(float seconds) {
    const float milliseconds = seconds * 1000.0f;  // single precision, as the runtime multiplies
    const double rounded = RoundHalfEven(milliseconds);
    if (!FitsInt32(rounded)) throw Error(kErrOverflow);
    return static_cast<DWORD>(rounded);
}

}  // namespace

// ---- Colours -------------------------------------------------------------------------------------------------

long TranslateOleColor(long color) {
    COLORREF result = 0;
    if (FAILED(OleTranslateColor(static_cast<OLE_COLOR>(color), nullptr, &result))) return -1;
    return static_cast<long>(result);
}

void SplitColor(long& color, short& red, short& green, short& blue) {
    color = TranslateOleColor(color);
    const ColorChannels channels = SplitChannels(color);
    red = channels.red;
    green = channels.green;
    blue = channels.blue;
}

long AdjustColor(long& color, short redAmount, short greenAmount, short blueAmount, bool percent) {
    ColorChannels channels;
    SplitColor(color, channels.red, channels.green, channels.blue);
    return OrOverflow(AdjustChannels(channels, redAmount, greenAmount, blueAmount, percent));
}

long ColorOffset(long color, long offset) { return OrOverflow(OffsetChannels(TranslateOleColor(color), offset)); }

long LightenColor(long color, long amount) { return OrOverflow(LightenChannels(color, amount)); }

long MixColors(long firstColor, long secondColor) { return MeanChannels(firstColor, secondColor); }

// ---- Drawing -------------------------------------------------------------------------------------------------

void DrawGradient(HDC dc, long x1, long y1, long x2, long y2, long firstColor, long secondColor, long firstAlpha,
                  long secondAlpha, bool vertical) {
    TRIVERTEX vertices[] = {Vertex(x1, y1, firstColor, firstAlpha), Vertex(x2, y2, secondColor, secondAlpha)};
    GRADIENT_RECT rect = {0, 1};
    GradientFill(dc, vertices, 2, &rect, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void DrawFullPicture(HDC dc, HBITMAP bitmap, long x1, long y1, long x2, long y2, long& maskColor, long& alpha) {
    const SIZE size = BitmapSize(bitmap);
    if (x2 == 0) x2 = Sum(x1, size.cx);
    if (y2 == 0) y2 = Sum(y1, size.cy);
    const long width = Difference(x2, x1);
    const long height = Difference(y2, y1);

    // Compose over a copy of the background so that the target is touched by one blend.
    MemoryDC source(dc);
    MemoryDC work(dc);
    GdiObject<HBITMAP> workBitmap(CreateCompatibleBitmap(dc, width, height));
    Selection sourceSelection(source, bitmap);
    Selection workSelection(work, workBitmap.get());
    BitBlt(work, 0, 0, width, height, dc, x1, y1, SRCCOPY);

    if (maskColor == kMaskFromCorner) maskColor = static_cast<long>(GetPixel(source, 0, 0));
    if (maskColor != kNoMask)
        TransparentBlt(work, 0, 0, width, height, source, 0, 0, size.cx, size.cy, static_cast<UINT>(maskColor));
    else
        BitBlt(work, 0, 0, width, height, source, 0, 0, SRCCOPY);

    alpha = std::clamp(alpha, 0L, 255L);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
    AlphaBlend(dc, x1, y1, width, height, work, 0, 0, width, height, blend);
}

void DrawFrameRect(HDC dc, long x, long y, long width, long height, long color) {
    const long right = Sum(x, width);
    const long bottom = Sum(y, height);
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(color)));
    Selection selection(dc, pen.get());
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, right, y);
    LineTo(dc, right, bottom);
    LineTo(dc, x, bottom);
    LineTo(dc, x, y);
}

void FillRectColor(HDC dc, long x, long y, long width, long height, long color) {
    const RECT rect = {x, y, Sum(x, width), Sum(y, height)};
    GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(color)));
    FillRect(dc, &rect, brush.get());
}

// ---- Pictures ------------------------------------------------------------------------------------------------

IPicture* CreateDIBPicture(long width, long height, long bitsPerPixel) {
    if (bitsPerPixel < 1 || bitsPerPixel > 32) return nullptr;  // no such DIB; keeps the header field in range
    // Room for the colour table that depths up to 8 bits read; all black.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info = {};
    info.header = {sizeof(BITMAPINFOHEADER), width, height, 1, static_cast<WORD>(bitsPerPixel), BI_RGB};
    void* bits = nullptr;
    const HBITMAP bitmap =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;

    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    IPicture* picture = nullptr;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPicture, TRUE, reinterpret_cast<void**>(&picture))) ||
        !picture) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return picture;
}

bool DrawGrayScale(HDC dc, HANDLE image, long left, long top, long width, long height) {
    const bool icon = IsIcon(image);
    std::optional<IconBitmaps> iconBitmaps;
    if (icon) iconBitmaps.emplace(image);
    const HBITMAP colorBitmap = icon ? iconBitmaps->color() : static_cast<HBITMAP>(image);

    const SIZE size = BitmapSize(colorBitmap);
    const Placement to = {left, top, width == -1 ? size.cx : width, height == -1 ? size.cy : height};
    MemoryDC memory(dc);
    std::vector<BYTE> gray = ReadDib24(memory, colorBitmap, size);
    GrayPixels24(gray.data(), size.cx, size.cy);
    if (!icon) return StretchDib24(dc, to, size, gray, SRCCOPY) != 0;

    const std::vector<BYTE> mask = ReadDib24(memory, iconBitmaps->mask(), size);
    StretchDib24(dc, to, size, mask, SRCAND);
    return StretchDib24(dc, to, size, gray, SRCPAINT) != 0;
}

IPicture* GrayImage(IPicture* picture) {
    if (!picture) return nullptr;
    const HANDLE image = PictureHandle(picture);
    const SIZE size = ImageSize(image);
    PicturePtr gray(CreateDIBPicture(size.cx, size.cy, 24));
    if (!gray) return nullptr;
    {
        MemoryDC memory(nullptr);
        Selection selection(memory, PictureHandle(gray.get()));
        DrawGrayScale(memory, image, 0, 0, -1, -1);
    }
    return gray.release();
}

// ---- Waits ---------------------------------------------------------------------------------------------------

void Wait(float seconds, bool useSleep) {
    if (!(seconds > 0)) return;  // NaN too: no wait could ever reach it
    if (useSleep) {
        Sleep(SleepMilliseconds(seconds));
        return;
    }
    // A clock that never goes back: the seconds-since-midnight one restarts at midnight.
    const double start = MonotonicSeconds();
    do {
        DoEvents();
    } while (static_cast<float>(MonotonicSeconds() - start) < seconds);
}

}  // namespace kx
