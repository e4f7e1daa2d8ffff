#include "MonitorModule.h"

#include <new>
#include <vector>

#include "ErrorInfo.h"
#include "Handles.h"
#include "Rounding.h"

namespace kx::monitors {
namespace {

struct MonitorList {
    std::vector<kxMonitorType> records;
    long users = 0;
};

// A plain pointer: a thread-local object with a destructor would hold the module in memory for as long as
// the thread runs, so the library could never be freed.
thread_local MonitorList* list = nullptr;

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

BOOL CALLBACK MonitorEnumProc(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    reinterpret_cast<std::vector<kxMonitorType>*>(found)->push_back(RecordOf(monitor));
    return TRUE;
}

long CheckedSum(long start, long extent) {
    const double end = static_cast<double>(start) + extent;
    if (!FitsInt32(end)) throw Error(kErrOverflow);
    return static_cast<long>(end);
}

}  // namespace

bool AddUser() {
    if (!list) list = new (std::nothrow) MonitorList();
    if (!list) return false;
    ++list->users;
    return true;
}

void RemoveUser() {
    if (!list || --list->users > 0) return;
    delete list;
    list = nullptr;
}

void RefreshMonitors() {
    if (!list) return;
    std::vector<kxMonitorType> found;
    EnumDisplayMonitors(nullptr, nullptr, &MonitorEnumProc, reinterpret_cast<LPARAM>(&found));
    list->records = std::move(found);  // no records of an earlier refresh stay reachable
}

long MonitorCount() { return list ? static_cast<long>(list->records.size()) : 0; }

kxMonitorType MonitorAt(long index) {
    if (index < 0 || index >= MonitorCount()) throw Error(kErrSubscript);
    return list->records[index];
}

long MonitorIndexFromRect(long left, long top, long width, long height) {
    const RECT area = {left, top, CheckedSum(left, width), CheckedSum(top, height)};
    const long wanted = LongFromHandle(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
    for (long i = 0; i < MonitorCount(); ++i)
        if (list->records[i].handle == wanted) return i;
    return -1;
}

}  // namespace kx::monitors
