#pragma once
#include <windows.h>
#include <commctrl.h>

// An image list of 16x16 colour images that the browser owns: created with the object, destroyed with it.
namespace kx {

class IconList {
public:
    // masked: images keep a transparency mask (icons); otherwise plain, opaque colour images, so a picture
    // that was drawn with blending is not blended a second time.
    explicit IconList(bool masked = false);
    ~IconList();
    IconList(const IconList&) = delete;
    IconList& operator=(const IconList&) = delete;

    HIMAGELIST Handle() const { return list_; }
    int Count() const;
    void Clear();
    // Adds a copy of a 16x16 bitmap; its position, or -1.
    int Add(HBITMAP bitmap);
    int AddIcon(HICON icon);

    static constexpr int kSize = 16;

private:
    HIMAGELIST list_;
};

}  // namespace kx
