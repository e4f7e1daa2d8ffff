#include "ComboListAccess.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "Korvix32_h.h"
#include "LateBinding.h"
#include "Text.h"
#include "TypeLibrary.h"

namespace kx {
namespace {

// The record type kxColumeInfo of the library's type library.
constexpr GUID kColumeInfoGuid = {0x5457B183, 0x9596, 0x4DFE, {0x92, 0x75, 0x55, 0x72, 0x54, 0xA9, 0x9D, 0xC6}};

IRecordInfo* ColumeInfoRecord() {
    ITypeLib* library = LibraryTypeLib();
    ITypeInfo* info = nullptr;
    if (!library || FAILED(library->GetTypeInfoOfGuid(kColumeInfoGuid, &info))) throw Error(kErrInvalidCall);
    IRecordInfo* record = nullptr;
    const HRESULT hr = GetRecordInfoFromTypeInfo(info, &record);
    info->Release();
    if (FAILED(hr)) throw Error(kErrInvalidCall);
    return record;
}

std::wstring Field(BSTR text) { return FromBstr(text); }

}  // namespace

ColumnSlot ReadListSlot(IDispatch* combo, int index) {
    OwnedVariant value;
    GetProperty(combo, L"List", index, value);
    const VARIANT& v = Deref(*value);
    if ((v.vt & ~VT_BYREF) != VT_RECORD || !v.pvRecord) throw Error(kErrTypeMismatch);
    const auto* info = static_cast<const kxColumeInfo*>(v.pvRecord);
    return {Field(info->Name), Field(info->Caption), Field(info->Width)};
}

void WriteListSlot(IDispatch* combo, int index, const ColumnSlot& slot) {
    IRecordInfo* record = ColumeInfoRecord();
    auto* data = static_cast<kxColumeInfo*>(record->RecordCreate());
    if (!data) {
        record->Release();
        throw Error(kErrOutOfMemory);
    }
    data->Name = SysAllocString(slot.name.c_str());
    data->Caption = SysAllocString(slot.caption.c_str());
    data->Width = SysAllocString(slot.width.c_str());
    VARIANT args[2];
    args[0].vt = VT_RECORD;  // the value, named as the property's
    args[0].pvRecord = data;
    args[0].pRecInfo = record;
    args[1].vt = VT_I2;
    args[1].iVal = static_cast<short>(index);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {args, &named, 2, 1};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = FindMemberId(combo, L"List", id);
    EXCEPINFO exception = {};
    if (SUCCEEDED(hr))
        hr = combo->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, &exception,
                           nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    record->RecordDestroy(data);  // its text fields with it
    record->Release();
    if (FAILED(hr)) throw Error(hr == DISP_E_EXCEPTION ? ErrorNumberOf(exception.scode) : ErrorNumberOf(hr));
}

std::wstring ControlName(IDispatch* control) {
    try {
        return GetTextProperty(control, L"Name");
    } catch (const Error&) {
        return {};
    }
}

}  // namespace kx
