#pragma once
#include <windows.h>

#include "Korvix32_h.h"

// The library's window, settings and shell objects, each created by class identity on first use and
// kept until the owner goes. A getter returns null when the library cannot make the object.
namespace zarvanta {

class LibraryObjects {
public:
    LibraryObjects() = default;
    ~LibraryObjects();
    LibraryObjects(const LibraryObjects&) = delete;
    LibraryObjects& operator=(const LibraryObjects&) = delete;

    _kxWindow* Window() { return Get(window_, CLSID_kxWindow, IID__kxWindow); }
    _kxRegistry* Registry() { return Get(registry_, CLSID_kxRegistry, IID__kxRegistry); }
    _kxDisk* Disk() { return Get(disk_, CLSID_kxDisk, IID__kxDisk); }

private:
    template <class Interface>
    static Interface* Get(Interface*& slot, REFCLSID clsid, REFIID iid) {
        if (!slot) CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, reinterpret_cast<void**>(&slot));
        return slot;
    }

    _kxWindow* window_ = nullptr;
    _kxRegistry* registry_ = nullptr;
    _kxDisk* disk_ = nullptr;
};

}  // namespace zarvanta
