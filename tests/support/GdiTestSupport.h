#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <winternl.h>

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// Pixels and GDI object counts for tests of drawing code.
namespace kxtest {

namespace detail {

// One entry of the GDI handle table that the process environment block points to (24 bytes).
struct GdiHandleEntry {
    UINT64 object;
    USHORT processId;
    USHORT count;
    USHORT unique;
    UCHAR type;  // 0: free
    UCHAR flags;
    UINT64 userPointer;
};

inline const GdiHandleEntry* GdiHandleTable() {
    using Query = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info = {};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0)
        return nullptr;
    const auto* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    return *reinterpret_cast<const GdiHandleEntry* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
}

inline DWORD LiveGdiHandleEntries() {
    const GdiHandleEntry* table = GdiHandleTable();
    DWORD live = 0;
    for (int i = 0; table && i < 0x10000; ++i) live += table[i].type != 0;
    return live;
}

}  // namespace detail

// GDI objects of this process. Wine's GetGuiResources answers 0: there the process's own handle table
// (one per process under Wine) is counted instead.
inline DWORD GdiObjectCount() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
    return detail::LiveGdiHandleEntries();
}

// A 24- or 32-bit DIB section whose pixels are read and written straight in memory.
class Dib {
public:
    Dib(int width, int height, int bitsPerPixel, bool topDown = true)
        : width_(width), height_(height), bytesPerPixel_(bitsPerPixel / 8), topDown_(topDown) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, topDown ? -height : height, 1,
                          static_cast<WORD>(bitsPerPixel), BI_RGB};
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    }
    // Pixels given row by row from the top.
    Dib(int width, int height, int bitsPerPixel, const std::vector<COLORREF>& pixels, bool topDown = true)
        : Dib(width, height, bitsPerPixel, topDown) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) Set(x, y, pixels[y * width + x]);
    }
    ~Dib() {
        if (bitmap_) DeleteObject(bitmap_);
    }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;

    HBITMAP bitmap() const { return bitmap_; }
    // Hands the bitmap to a new owner; the pixels stay readable while it lives.
    HBITMAP Release() { return std::exchange(bitmap_, nullptr); }
    int width() const { return width_; }
    int height() const { return height_; }
    std::vector<BYTE> Bytes() const {
        const int stride = (width_ * bytesPerPixel_ + 3) & ~3;
        return std::vector<BYTE>(bits_, bits_ + stride * height_);
    }

    COLORREF At(int x, int y) const {
        GdiFlush();
        const BYTE* p = Address(x, y);
        return RGB(p[2], p[1], p[0]);
    }
    void Set(int x, int y, COLORREF color) {
        BYTE* p = Address(x, y);
        p[0] = GetBValue(color);
        p[1] = GetGValue(color);
        p[2] = GetRValue(color);
    }

private:
    BYTE* Address(int x, int y) const {
        const int stride = (width_ * bytesPerPixel_ + 3) & ~3;
        return bits_ + (topDown_ ? y : height_ - 1 - y) * stride + x * bytesPerPixel_;
    }

    int width_, height_, bytesPerPixel_;
    bool topDown_;
    BYTE* bits_ = nullptr;
    HBITMAP bitmap_ = nullptr;
};

// A DIB selected into a memory device context, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, int bitsPerPixel, COLORREF background)
        : dib_(width, height, bitsPerPixel), dc_(CreateCompatibleDC(nullptr)) {
        previous_ = SelectObject(dc_, dib_.bitmap());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) dib_.Set(x, y, background);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const { return dib_.At(x, y); }

    // The first pixels that differ from expected(x, y), readable; empty when all match.
    std::string Mismatches(const std::function<COLORREF(int, int)>& expected) const {
        std::ostringstream out;
        int shown = 0;
        for (int y = 0; y < dib_.height(); ++y)
            for (int x = 0; x < dib_.width(); ++x)
                if (At(x, y) != expected(x, y) && shown++ < 8)
                    out << "(" << x << "," << y << ") got " << std::hex << At(x, y) << " want " << expected(x, y)
                        << std::dec << "; ";
        return out.str();
    }

private:
    Dib dib_;
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

// An 8 x 8 bitmap picture of one colour, owning its bitmap.
inline IPictureDisp* SolidPicture(COLORREF colour) {
    Dib dib(8, 8, 24);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) dib.Set(x, y, colour);
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_BITMAP};
    desc.bmp.hbitmap = dib.Release();
    IPictureDisp* picture = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture));
    return picture;
}

}  // namespace kxtest
