#pragma once
#include <windows.h>

#include <string>

// Asks the system for one WM_MOUSELEAVE per entry, through user32's TrackMouseEvent or, where
// user32 lacks it, comctl32's _TrackMouseEvent.
namespace kx {

// Whether a module exports a function; a module that is not loaded is loaded for the question only.
bool IsFunctionExported(const char* function, const char* module);
// A function of an already loaded module; null when either is missing.
FARPROC ProcAddress(const char* module, const char* function);

class MouseLeaveTracker {
public:
    // Looks the tracking functions up in the system.
    static MouseLeaveTracker FromSystem();
    static MouseLeaveTracker FromExports(bool user32Exports, bool comctl32Exports);

    bool Available() const { return available_; }
    bool UsesUser32() const { return user32_; }
    // One WM_MOUSELEAVE for the window; a failed request is ignored.
    void TrackMouseLeave(HWND window) const;

private:
    bool available_ = false;
    bool user32_ = false;
};

// Hover tracking is left out on system version "5.2".
bool VersionAllowsHoverTracking(const std::wstring& version);

}  // namespace kx
