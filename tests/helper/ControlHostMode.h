#pragma once

// kxhelper's "host" mode: one control by ProgID in Wine's atl.dll container, its events logged to a file.
//     kxhelper host <ProgID> <log file> [Name=Value ...] [+Name ...]
// Each Name=Value sets a property before the window shows; each +Name is read back and logged after every
// event. Another process drives the control with real input and sends WM_COPYDATA commands to the host
// window ("get Name", "set Name=Value", "call Name", "source ..." of RecordSourceCommand.h); the answers go
// to the log too. The log is UTF-8, one line an entry: "ready <host window> <control window>", then
// "Event(arg, ...)", "  Name=value", "closed".
int RunControlHost(int argc, wchar_t** argv);
