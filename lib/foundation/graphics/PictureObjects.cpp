#include "PictureObjects.h"

#include <olectl.h>

#include "ErrorInfo.h"
#include "Handles.h"

namespace kx {

IPictureDisp* CreateEmptyPicture() {
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_NONE};
    IPictureDisp* picture = nullptr;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture))))
        return nullptr;
    return picture;
}

PictureRef PictureOf(IPictureDisp* picture) {
    if (!picture) return nullptr;
    IPicture* result = nullptr;
    if (FAILED(picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&result))) || !result)
        throw Error(kErrTypeMismatch);
    return PictureRef(result);
}

IPictureDisp* DispatchOf(PictureRef picture) {
    if (!picture) return nullptr;
    IPictureDisp* result = nullptr;
    if (FAILED(picture->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(&result)))) return nullptr;
    return result;
}

PictureRef PictureFromBitmap(HBITMAP bitmap, HPALETTE palette) {
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    desc.bmp.hpal = palette;
    IPicture* picture = nullptr;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPicture, TRUE, reinterpret_cast<void**>(&picture))) ||
        !picture) {
        if (bitmap) DeleteObject(bitmap);
        if (palette) DeleteObject(palette);
        return nullptr;
    }
    return PictureRef(picture);
}

HANDLE PictureHandle(IPicture* picture) {
    OLE_HANDLE handle = 0;
    if (picture) picture->get_Handle(&handle);
    return HandleFromLong<HANDLE>(static_cast<long>(handle));
}

SIZE BitmapSize(HANDLE bitmap) {
    BITMAP info = {};
    if (GetObjectType(bitmap) != OBJ_BITMAP || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

}  // namespace kx
