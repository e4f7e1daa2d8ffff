#include "RecordSourceCommand.h"

#include <sstream>
#include <vector>

#include "TableRecordSet.h"

namespace {

struct Person {
    long id;
    const wchar_t* name;
};
constexpr Person kPeople[] = {{7, L"Ava"}, {12, L"O'Brien"}, {12, L"o'brien"}, {30, L"Zed"}};

kx::TableRecordSet* MakeTable(const std::wstring& kind) {
    auto* table = new kx::TableRecordSet();
    table->AddColumn(L"Id", kx::TableRecordSet::kLong);
    table->AddColumn(L"Name", kx::TableRecordSet::kText);
    if (kind == L"empty") return table;
    for (const Person& person : kPeople) {
        std::vector<VARIANT> values(2);
        values[0].vt = VT_I4;
        values[0].lVal = person.id;
        values[1].vt = VT_BSTR;
        values[1].bstrVal = SysAllocString(person.name);
        table->AddRecord(values);
        VariantClear(&values[1]);
    }
    if (kind == L"uncounted") table->ReportCount(-1);
    return table;
}

HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> arguments) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {arguments.data(), flags == DISPATCH_PROPERTYPUT ? &put : nullptr,
                         static_cast<UINT>(arguments.size()), flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
    VARIANT result;
    VariantInit(&result);
    hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, nullptr, nullptr);
    VariantClear(&result);
    return hr;
}

// AddItem(name, caption, width): arguments go last first.
HRESULT AddColumn(IDispatch* combo, const wchar_t* name, const wchar_t* caption, short width) {
    std::vector<VARIANT> arguments(3);
    arguments[0].vt = VT_I2;
    arguments[0].iVal = width;
    arguments[1].vt = VT_BSTR;
    arguments[1].bstrVal = SysAllocString(caption);
    arguments[2].vt = VT_BSTR;
    arguments[2].bstrVal = SysAllocString(name);
    const HRESULT hr = Invoke(combo, L"AddItem", DISPATCH_METHOD, arguments);
    for (VARIANT& argument : arguments) VariantClear(&argument);
    return hr;
}

}  // namespace

std::wstring SetRecordSource(IDispatch* combo, const std::wstring& arguments) {
    std::wistringstream words(arguments);
    std::wstring kind;
    int width = 1000;
    words >> kind >> width;
    HRESULT hr = combo ? S_OK : E_POINTER;
    if (SUCCEEDED(hr)) hr = AddColumn(combo, L"Id", L"Number", static_cast<short>(width));
    if (SUCCEEDED(hr)) hr = AddColumn(combo, L"Name", L"Who", static_cast<short>(width));
    if (SUCCEEDED(hr)) {
        kx::TableRecordSet* table = MakeTable(kind);
        VARIANT source;
        source.vt = VT_DISPATCH;
        source.pdispVal = table;
        hr = Invoke(combo, L"SecondDataSource", DISPATCH_PROPERTYPUT, {source});
        table->Release();  // the combo holds its own reference
    }
    if (SUCCEEDED(hr)) return L"  source done";
    wchar_t code[16];
    wsprintfW(code, L"%08X", static_cast<unsigned>(hr));
    return std::wstring(L"  source failed ") + code;
}
