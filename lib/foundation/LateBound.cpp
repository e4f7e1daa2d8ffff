#include "LateBound.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "Text.h"

namespace kx {
namespace {

constexpr int kErrObjectNotSet = 91;
constexpr int kErrNoSuchMember = 438;

DISPID MemberId(IDispatch* object, const wchar_t* name) {
    if (!object) throw Error(kErrObjectNotSet);
    LPOLESTR names = const_cast<LPOLESTR>(name);
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id))) throw Error(kErrNoSuchMember);
    return id;
}

void ThrowFailure(HRESULT hr, const EXCEPINFO& exception) {
    if (hr == DISP_E_EXCEPTION) {
        const HRESULT code = exception.scode ? exception.scode : MAKE_HRESULT(1, FACILITY_CONTROL, exception.wCode);
        std::wstring text = exception.bstrDescription ? FromBstr(exception.bstrDescription) : std::wstring();
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        throw Error(ErrorNumberOf(code), text);
    }
    if (hr == DISP_E_MEMBERNOTFOUND || hr == DISP_E_UNKNOWNNAME) throw Error(kErrNoSuchMember);
    if (hr == DISP_E_TYPEMISMATCH) throw Error(kErrTypeMismatch);
    throw Error(ErrorNumberOf(hr));
}

}  // namespace

void GetProperty(IDispatch* object, const wchar_t* name, OwnedVariant& result) {
    const DISPID id = MemberId(object, name);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXCEPINFO exception = {};
    VariantClear(result.get());
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result.get(),
                                      &exception, nullptr);
    if (FAILED(hr)) ThrowFailure(hr, exception);
}

void PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value) {
    const DISPID id = MemberId(object, name);
    VARIANT argument = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&argument, &named, 1, 1};
    EXCEPINFO exception = {};
    const HRESULT hr =
        object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, &exception, nullptr);
    if (FAILED(hr)) ThrowFailure(hr, exception);
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
