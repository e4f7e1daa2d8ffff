#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "ColumnList.h"

// A lookup combo's members as its property pages reach them: by name on the selected object. Failures
// throw kx::Error.
namespace kx {

ColumnSlot ReadListSlot(IDispatch* combo, int index);
// Records go as the caller's own data (the platform's field setter refuses text fields on Wine).
void WriteListSlot(IDispatch* combo, int index, const ColumnSlot& slot);
// The host's Name of the control; empty when it has none to give.
std::wstring ControlName(IDispatch* control);

}  // namespace kx
