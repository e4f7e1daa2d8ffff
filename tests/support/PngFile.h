#pragma once
#include <windows.h>
#include <gdiplus.h>

#include <string>

// Writes a bitmap as a PNG file for people to look at.
namespace kxtest {

inline bool SavePng(HBITMAP bitmap, const std::wstring& path) {
    using namespace Gdiplus;
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    if (GdiplusStartup(&token, &input, nullptr) != Ok) return false;
    const CLSID png = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    GpBitmap* image = nullptr;
    bool saved = false;
    if (DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Ok) {
        saved = DllExports::GdipSaveImageToFile(image, path.c_str(), &png, nullptr) == Ok;
        DllExports::GdipDisposeImage(image);
    }
    GdiplusShutdown(token);
    return saved;
}

}  // namespace kxtest
