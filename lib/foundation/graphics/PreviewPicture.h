#pragma once
#include <windows.h>

#include <string>

// The hidden picture box behind the image dialog's preview: it sizes itself to the picture it is
// given, keeps the image in a memory bitmap and shows its back colour (the button face) when empty.
namespace kx {

class PreviewPicture {
public:
    PreviewPicture();
    ~PreviewPicture();
    PreviewPicture(const PreviewPicture&) = delete;
    PreviewPicture& operator=(const PreviewPicture&) = delete;

    // Drops the picture: an empty box of its default size in its back colour.
    void Clear();
    // Loads a picture file (bitmap, icon, metafile, GIF, JPEG); false leaves the box empty.
    bool Load(const std::wstring& path);

    bool HasPicture() const { return hasPicture_; }
    long Width() const { return width_; }
    long Height() const { return height_; }
    HDC Dc() const { return dc_; }

private:
    bool Resize(long width, long height);
    void FillBackColor();

    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    long width_ = 0;
    long height_ = 0;
    bool hasPicture_ = false;
};

}  // namespace kx
