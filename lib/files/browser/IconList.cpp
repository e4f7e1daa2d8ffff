#include "IconList.h"

namespace kx {

IconList::IconList(bool masked)
    : list_(ImageList_Create(kSize, kSize, masked ? ILC_COLOR32 | ILC_MASK : ILC_COLOR24, 16, 16)) {}

IconList::~IconList() {
    if (list_) ImageList_Destroy(list_);
}

int IconList::Count() const { return list_ ? ImageList_GetImageCount(list_) : 0; }

void IconList::Clear() {
    if (list_) ImageList_RemoveAll(list_);
}

int IconList::Add(HBITMAP bitmap) { return list_ ? ImageList_Add(list_, bitmap, nullptr) : -1; }

int IconList::AddIcon(HICON icon) { return list_ && icon ? ImageList_AddIcon(list_, icon) : -1; }

}  // namespace kx
