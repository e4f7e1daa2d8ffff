#pragma once
#include <windows.h>
#include <ocidl.h>

#include <memory>

// The platform's picture objects as the library's classes hand them around.
namespace kx {

struct ReleaseComObject {
    void operator()(IUnknown* object) const { object->Release(); }
};
using PictureRef = std::unique_ptr<IPicture, ReleaseComObject>;

// The picture behind a caller's picture object; null for Nothing. Error 13 when it is no picture.
PictureRef PictureOf(IPictureDisp* picture);
// Hands a picture over to an automation caller, who then owns it; null stays null.
IPictureDisp* DispatchOf(PictureRef picture);
// A new picture that owns bitmap and palette; null (and both deleted) when none can be made.
PictureRef PictureFromBitmap(HBITMAP bitmap, HPALETTE palette);

// The picture the form runtime's loader gives for an empty file name: an object with no image (a new
// reference), or null when out of memory.
IPictureDisp* CreateEmptyPicture();

// The bitmap or icon handle of a picture.
HANDLE PictureHandle(IPicture* picture);
// Width and height in pixels of a bitmap; 0 and 0 for anything else.
SIZE BitmapSize(HANDLE bitmap);

}  // namespace kx
