#include "MonitorModule.h"

#include <vector>

#include "ErrorInfo.h"
#include "Handles.h"
#include "Rounding.h"

namespace kx::monitors {
namespace {

thread_local std::vector<kxMonitorType> monitorList;
thread_local long monitorCount = 0;

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

kxMonitorType RecordOf(HMONITOR monitor) {
    kxMonitorType record = {};
    record.handle = LongFromHandle(monitor);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info)) {
        record.MonitorLeft = info.rcMonitor.left;
        record.MonitorTop = info.rcMonitor.top;
        record.MonitorRight = info.rcMonitor.right;
        record.MonitorBottom = info.rcMonitor.bottom;
        record.WorkingLeft = info.rcWork.left;
        record.WorkingTop = info.rcWork.top;
        record.WorkingRight = info.rcWork.right;
        record.WorkingBottom = info.rcWork.bottom;
    }
    record.MonitorWidth = record.MonitorRight - record.MonitorLeft;
    record.MonitorHeight = record.MonitorBottom - record.MonitorTop;
    record.WorkingWidth = record.WorkingRight - record.WorkingLeft;
    record.WorkingHeight = record.WorkingBottom - record.WorkingTop;
    record.Primary = ToVariantBool(info.dwFlags == MONITORINFOF_PRIMARY);
    record.Default = ToVariantBool(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTONEAREST) == monitor);
    return record;
}

BOOL CALLBACK MonitorEnumProc(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    monitorList.resize(monitorCount + 1);
    monitorList[monitorCount] = RecordOf(monitor);
    ++monitorCount;
    return TRUE;
}

long CheckedSum(long start, long extent) {
    const double end = static_cast<double>(start) + extent;
    if (!FitsInt32(end)) throw Error(kErrOverflow);
    return static_cast<long>(end);
}

}  // namespace

void RefreshMonitors() {
    monitorCount = 0;
    EnumDisplayMonitors(nullptr, nullptr, &MonitorEnumProc, 0);
    monitorList.resize(monitorCount);  // no records of an earlier refresh stay reachable
}

long MonitorCount() { return monitorCount; }

kxMonitorType MonitorAt(long index) {
    if (index < 0 || index >= monitorCount) throw Error(kErrSubscript);
    return monitorList[index];
}

long MonitorIndexFromRect(long left, long top, long width, long height) {
    const RECT area = {left, top, CheckedSum(left, width), CheckedSum(top, height)};
    const long wanted = LongFromHandle(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
    for (long i = 0; i < monitorCount; ++i)
        if (monitorList[i].handle == wanted) return i;
    return -1;
}

}  // namespace kx::monitors
