#pragma once
#include <windows.h>
#include <oaidl.h>
#include <functional>
#include <string>

// Helpers of the classic form runtime that the library's members rely on.
namespace kx {

// The runtime's numeric test: a number, or text that converts to one in the user's locale.
bool IsNumeric(const VARIANT& value);
// Conversions of a variant with the runtime's errors (13 type mismatch, 6 overflow).
long ToLong(const VARIANT& value);
double ToDouble(const VARIANT& value);
std::wstring ToText(const VARIANT& value);
const VARIANT& Deref(const VARIANT& value);  // the variant a VT_BYREF|VT_VARIANT points to

// Handles the waiting messages of this thread and returns; a WM_QUIT is posted again.
void DoEvents();
// Handles this thread's messages, sleeping while none arrive, until done() holds (true) or a WM_QUIT comes
// (false; it is posted again).
bool WaitForMessagesUntil(const std::function<bool()>& done);
// Seconds since midnight, as the runtime's Timer (single precision, 1/100 s steps or finer).
float TimerSeconds();
// A clock that never goes back, in seconds.
double MonotonicSeconds();

}  // namespace kx
