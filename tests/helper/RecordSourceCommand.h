#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

// kxhelper host's "source" command: gives a hosted lookup combo a record source.
//     source <table> <width>
// Fills an in-memory table, Id (Long) and Name (text), adds both to the combo's list with that width in
// twips (captions "Number" and "Who") and sets it as the combo's SecondDataSource. Tables: "people"
// (7 Ava, 12 O'Brien, 12 o'brien, 30 Zed), "empty" (none), "uncounted" (people, RecordCount -1).
// Returns the line to log: "  source done" or "  source failed <HRESULT>".
std::wstring SetRecordSource(IDispatch* combo, const std::wstring& arguments);
