#include "MouseLeaveTracker.h"

namespace kx {

bool IsFunctionExported(const char* function, const char* module) {
    HMODULE handle = GetModuleHandleA(module);
    bool loadedHere = false;
    if (!handle) {
        handle = LoadLibraryA(module);
        loadedHere = handle != nullptr;
    }
    if (!handle) return false;
    const bool exported = GetProcAddress(handle, function) != nullptr;
    if (loadedHere) FreeLibrary(handle);
    return exported;
}

FARPROC ProcAddress(const char* module, const char* function) {
    HMODULE handle = GetModuleHandleA(module);
    return handle ? GetProcAddress(handle, function) : nullptr;
}

MouseLeaveTracker MouseLeaveTracker::FromSystem() {
    const bool user32 = IsFunctionExported("TrackMouseEvent", "User32");
    return FromExports(user32, !user32 && IsFunctionExported("_TrackMouseEvent", "Comctl32"));
}

MouseLeaveTracker MouseLeaveTracker::FromExports(bool user32Exports, bool comctl32Exports) {
    MouseLeaveTracker tracker;
    tracker.user32_ = user32Exports;
    tracker.available_ = user32Exports || comctl32Exports;
    return tracker;
}

void MouseLeaveTracker::TrackMouseLeave(HWND window) const {
    if (!available_) return;
    using TrackFunction = BOOL(WINAPI*)(TRACKMOUSEEVENT*);
    const auto track = reinterpret_cast<TrackFunction>(reinterpret_cast<void*>(
        user32_ ? ProcAddress("User32", "TrackMouseEvent") : ProcAddress("Comctl32", "_TrackMouseEvent")));
    if (!track) return;
    TRACKMOUSEEVENT request = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
    track(&request);
}

bool VersionAllowsHoverTracking(const std::wstring& version) { return version != L"5.2"; }

}  // namespace kx
