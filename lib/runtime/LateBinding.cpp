#include "LateBinding.h"

#include <dispex.h>

#include <algorithm>
#include <vector>

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "Text.h"

namespace kx {
namespace {

constexpr int kErrObjectNotSet = 91;
constexpr int kErrNoSuchMember = 438;
constexpr int kErrArgumentNotOptional = 449;
constexpr int kErrWrongArgumentCount = 450;

DISPID MemberId(IDispatch* object, const wchar_t* name) {
    if (!object) throw Error(kErrObjectNotSet);
    DISPID id = DISPID_UNKNOWN;
    const HRESULT hr = FindMemberId(object, name, id);
    if (hr == E_OUTOFMEMORY) throw Error(kErrOutOfMemory);
    if (FAILED(hr)) throw Error(kErrNoSuchMember);
    return id;
}

// The runtime's number for a failure the object reported without one of its own.
int NumberOf(HRESULT hr) {
    if (HRESULT_FACILITY(hr) == FACILITY_CONTROL) return HRESULT_CODE(hr);
    switch (hr) {
        case DISP_E_TYPEMISMATCH: return kErrTypeMismatch;
        case DISP_E_OVERFLOW: return kErrOverflow;
        case DISP_E_BADINDEX: return kErrSubscript;
        case DISP_E_MEMBERNOTFOUND: case DISP_E_UNKNOWNNAME: return kErrNoSuchMember;
        case DISP_E_PARAMNOTOPTIONAL: return kErrArgumentNotOptional;
        case DISP_E_BADPARAMCOUNT: return kErrWrongArgumentCount;
        case E_OUTOFMEMORY: return kErrOutOfMemory;
        default: return kErrInvalidCall;
    }
}

[[noreturn]] void ThrowFailure(HRESULT hr, EXCEPINFO& exception) {
    if (hr != DISP_E_EXCEPTION) throw Error(NumberOf(hr));
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    const HRESULT code = exception.scode ? exception.scode : exception.wCode ? ErrorHResult(exception.wCode) : E_FAIL;
    std::wstring text = exception.bstrDescription ? FromBstr(exception.bstrDescription) : std::wstring();
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    throw Error(NumberOf(code), std::move(text));
}

void Call(IDispatch* object, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
    EXCEPINFO exception = {};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception, nullptr);
    if (FAILED(hr)) ThrowFailure(hr, exception);
}

void Get(IDispatch* object, DISPID id, VARIANT* arguments, UINT count, OwnedVariant& result) {
    DISPPARAMS params = {arguments, nullptr, count, 0};
    VariantClear(result.get());
    Call(object, id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, params, result.get());
}

void Put(IDispatch* object, const wchar_t* name, WORD flags, const VARIANT& value) {
    const DISPID id = MemberId(object, name);
    VARIANT argument = value;  // a shallow view: the caller keeps ownership
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&argument, &named, 1, 1};
    Call(object, id, flags, params, nullptr);
}

}  // namespace

HRESULT FindMemberId(IDispatch* object, const wchar_t* name, DISPID& id) {
    IDispatchEx* extended = nullptr;
    if (SUCCEEDED(object->QueryInterface(__uuidof(IDispatchEx), reinterpret_cast<void**>(&extended))) && extended) {
        BSTR text = SysAllocString(name);
        const HRESULT hr = text ? extended->GetDispID(text, fdexNameCaseInsensitive, &id) : E_OUTOFMEMORY;
        SysFreeString(text);
        extended->Release();
        if (SUCCEEDED(hr) || hr == E_OUTOFMEMORY) return hr;
    }
    LPOLESTR names = const_cast<LPOLESTR>(name);
    return object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id);
}

void GetProperty(IDispatch* object, const wchar_t* name, OwnedVariant& result) {
    Get(object, MemberId(object, name), nullptr, 0, result);
}

void GetProperty(IDispatch* object, const wchar_t* name, long index, OwnedVariant& result) {
    VARIANT argument;
    argument.vt = VT_I4;
    argument.lVal = index;
    Get(object, MemberId(object, name), &argument, 1, result);
}

void CallMember(IDispatch* object, const wchar_t* name, const VARIANT* args, UINT count, OwnedVariant& result) {
    std::vector<VARIANT> reversed(args, args + count);  // shallow views, last argument first
    std::reverse(reversed.begin(), reversed.end());
    Get(object, MemberId(object, name), reversed.data(), count, result);
}

void GetDefaultValue(IDispatch* object, OwnedVariant& result) {
    if (!object) throw Error(kErrObjectNotSet);
    Get(object, DISPID_VALUE, nullptr, 0, result);
}

void PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value) {
    Put(object, name, DISPATCH_PROPERTYPUT, value);
}

void PutPropertyRef(IDispatch* object, const wchar_t* name, IDispatch* value) {
    VARIANT argument;
    argument.vt = VT_DISPATCH;
    argument.pdispVal = value;
    Put(object, name, DISPATCH_PROPERTYPUTREF, argument);
}

long GetLongProperty(IDispatch* object, const wchar_t* name) {
    OwnedVariant value;
    GetProperty(object, name, value);
    return ToLong(*value);
}

double GetDoubleProperty(IDispatch* object, const wchar_t* name) {
    OwnedVariant value;
    GetProperty(object, name, value);
    return ToDouble(*value);
}

bool GetBoolProperty(IDispatch* object, const wchar_t* name) { return GetLongProperty(object, name) != 0; }

std::wstring GetTextProperty(IDispatch* object, const wchar_t* name) {
    OwnedVariant value;
    GetProperty(object, name, value);
    return ToText(*value);
}

void PutLongProperty(IDispatch* object, const wchar_t* name, long value) {
    VARIANT argument;
    argument.vt = VT_I4;
    argument.lVal = value;
    PutProperty(object, name, argument);
}

void PutDoubleProperty(IDispatch* object, const wchar_t* name, double value) {
    VARIANT argument;
    argument.vt = VT_R8;
    argument.dblVal = value;
    PutProperty(object, name, argument);
}

void PutBoolProperty(IDispatch* object, const wchar_t* name, bool value) {
    VARIANT argument;
    argument.vt = VT_BOOL;
    argument.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    PutProperty(object, name, argument);
}

void PutTextProperty(IDispatch* object, const wchar_t* name, const std::wstring& text) {
    OwnedVariant argument;
    argument.get()->vt = VT_BSTR;
    argument.get()->bstrVal = ToBstr(text);
    PutProperty(object, name, *argument);
}

}  // namespace kx
