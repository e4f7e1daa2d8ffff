#pragma once
#include <windows.h>
#include <oaidl.h>

#include <ostream>
#include <string>
#include <vector>

// The events of the server's controls a host may let go of its control inside, and how each is raised: by
// real input, by the message the system sends, by the control's own timer, or by a call of the host's.
namespace kxtest {

struct EventCase {
    const char* name;
    const char* className;  // its class in the lifetime table
    DISPID event;           // the event whose handler lets go
    // What the event needs first (files in the folder given, properties); may be null.
    void (*prepare)(IDispatch* control, const std::wstring& folder);
    // Makes the placed control raise the event.
    void (*trigger)(HWND control, IDispatch* dispatch);
    // Placed from a save of a new one, for what a control sets up only when it loads (the button's hover).
    bool fromSave = false;
};

inline std::ostream& operator<<(std::ostream& out, const EventCase& c) { return out << c.name; }

const std::vector<EventCase>& EventCases();

// The alert window of this process once it has stopped moving in, or null.
HWND SettledAlertWindow();
// The first visible window below parent of the class, or null.
HWND VisibleDescendant(HWND parent, const wchar_t* windowClass);
// A real left click at the centre of a window (over the process's other windows).
void ClickCentre(HWND window);

}  // namespace kxtest
