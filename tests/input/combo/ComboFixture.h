#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "TableRecordSet.h"

// The record sources of the lookup combo's tests: a small typed table with a quote and a Null in it.
namespace kxtest {

inline VARIANT TextValue(const wchar_t* text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    return v;
}
inline VARIANT LongValue(long value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}
inline VARIANT DoubleValue(double value) {
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}
inline VARIANT BoolValue(bool value) {
    VARIANT v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}
inline VARIANT DateValue(WORD year, WORD month, WORD day) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    VARIANT v;
    v.vt = VT_DATE;
    SystemTimeToVariantTime(&time, &v.date);
    return v;
}
inline VARIANT NullValue() {
    VARIANT v;
    v.vt = VT_NULL;
    return v;
}

// Adds a record and frees the values given.
inline void AddRecord(kx::TableRecordSet* table, std::vector<VARIANT> values) {
    table->AddRecord(values);
    for (VARIANT& v : values) VariantClear(&v);
}

// Id (Long), Name (text), Born (date), Active (Boolean), Score (Double): four people, one of them
// O'Brien, one with no name.
inline kx::TableRecordSet* PeopleTable() {
    auto* table = new kx::TableRecordSet();
    table->AddColumn(L"Id", kx::TableRecordSet::kLong);
    table->AddColumn(L"Name", kx::TableRecordSet::kText);
    table->AddColumn(L"Born", kx::TableRecordSet::kDate);
    table->AddColumn(L"Active", kx::TableRecordSet::kBoolean);
    table->AddColumn(L"Score", kx::TableRecordSet::kDouble);
    AddRecord(table, {LongValue(7), TextValue(L"Ava"), DateValue(1990, 1, 15), BoolValue(false), DoubleValue(1.5)});
    AddRecord(table, {LongValue(12), TextValue(L"O'Brien"), DateValue(2024, 3, 1), BoolValue(true),
                      DoubleValue(2.25)});
    AddRecord(table, {LongValue(30), NullValue(), DateValue(2001, 12, 31), BoolValue(false), DoubleValue(-4)});
    AddRecord(table, {LongValue(12), TextValue(L"Second twelve"), DateValue(2024, 3, 2), BoolValue(true),
                      DoubleValue(0)});
    return table;
}

}  // namespace kxtest
