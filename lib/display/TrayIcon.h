#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

// The notification area as the tray control reaches it: the first, short form of the icon record
// (an ANSI tooltip of 64 bytes), the one call that adds, changes and removes icons, and the rectangle
// of the area's icon strip.
namespace kx {

constexpr UINT kTrayCallbackMessage = WM_MOUSEMOVE;
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V1_SIZE;

// Every notify-icon call of the library goes through here; tests put a recorder in its place
// (null restores the platform's call).
using NotifyIconCall = std::function<BOOL(DWORD message, const NOTIFYICONDATAA& record)>;
void SetNotifyIconCall(NotifyIconCall call);
BOOL NotifyIcon(DWORD message, const NOTIFYICONDATAA& record);

// The tooltip field: at most 63 bytes of the text in the system ANSI code page, a NUL, spaces after.
void FillTrayTooltip(NOTIFYICONDATAA& record, const std::wstring& text);

// An icon identifier from 1 to 65535, from the runtime's random sequence (never reseeded).
UINT NextTrayIdentifier();

// The screen rectangle of the notification area's icon strip; false (rect untouched) when the
// taskbar, its notification area or its pager is missing.
bool ReadTrayRect(RECT& rect);

}  // namespace kx
