#pragma once
#include <windows.h>

#include "Korvix32_h.h"

// The display monitors as the last refresh found them, one list per thread (apartment) shared by
// every kxSystemInfo of that thread while any of them lives.
namespace kx::monitors {

// A kxSystemInfo of this thread starts (false when there is no memory for the list) or stops using the
// thread's list; the last one to stop frees it.
bool AddUser();
void RemoveUser();

// Enumerates the monitors again; the list then holds exactly those found.
void RefreshMonitors();

long MonitorCount();

// A copy of the record at index; Error 9 outside 0 .. MonitorCount() - 1.
kxMonitorType MonitorAt(long index);

// The list index of the monitor nearest to the rectangle, or -1 when the list does not hold it.
// Error 6 when Left + Width or Top + Height leaves the signed 32-bit range.
long MonitorIndexFromRect(long left, long top, long width, long height);

}  // namespace kx::monitors
