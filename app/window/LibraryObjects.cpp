#include "LibraryObjects.h"

namespace zarvanta {

namespace {

template <class Interface>
void ReleaseAndClear(Interface*& object) {
    if (object) object->Release();
    object = nullptr;
}

}  // namespace

LibraryObjects::~LibraryObjects() {
    ReleaseAndClear(window_);
    ReleaseAndClear(registry_);
    ReleaseAndClear(disk_);
}

}  // namespace zarvanta
