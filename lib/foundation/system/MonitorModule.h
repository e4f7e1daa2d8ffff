#pragma once
#include <windows.h>

#include "Korvix32_h.h"

// The display monitors as the last refresh found them, one list per thread (apartment) shared by
// every kxSystemInfo of that thread.
namespace kx::monitors {

// Enumerates the monitors again; the list then holds exactly those found.
void RefreshMonitors();

long MonitorCount();

// A copy of the record at index; Error 9 outside 0 .. MonitorCount() - 1.
kxMonitorType MonitorAt(long index);

// The list index of the monitor nearest to the rectangle, or -1 when the list does not hold it.
// Error 6 when Left + Width or Top + Height leaves the signed 32-bit range.
long MonitorIndexFromRect(long left, long top, long width, long height);

}  // namespace kx::monitors
