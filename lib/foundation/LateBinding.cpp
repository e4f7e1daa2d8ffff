#include "LateBinding.h"

#include <dispex.h>

#include "ClassicRuntime.h"
#include "ErrorInfo.h"

namespace kx {
namespace {

DISPID MemberId(IDispatch* object, const wchar_t* name) {
    if (!object) throw Error(91);
    LPOLESTR names = const_cast<LPOLESTR>(name);
    DISPID id = 0;
    if (SUCCEEDED(object->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id))) return id;
    // Script objects may know their members through IDispatchEx only.
    IDispatchEx* extended = nullptr;
    if (FAILED(object->QueryInterface(__uuidof(IDispatchEx), reinterpret_cast<void**>(&extended)))) throw Error(438);
    BSTR text = SysAllocString(name);
    const HRESULT hr = extended->GetDispID(text, fdexNameCaseInsensitive, &id);
    SysFreeString(text);
    extended->Release();
    if (FAILED(hr)) throw Error(438);
    return id;
}

int ErrorNumberFor(HRESULT hr, const EXCEPINFO& exception) {
    const HRESULT reported = hr == DISP_E_EXCEPTION && exception.scode ? exception.scode : hr;
    if (HRESULT_FACILITY(reported) == FACILITY_CONTROL) return HRESULT_CODE(reported);
    switch (reported) {
        case DISP_E_TYPEMISMATCH: return kErrTypeMismatch;
        case DISP_E_OVERFLOW: return kErrOverflow;
        case DISP_E_BADINDEX: return kErrSubscript;
        case DISP_E_MEMBERNOTFOUND: return 438;
        case DISP_E_BADPARAMCOUNT: case DISP_E_PARAMNOTOPTIONAL: return 450;
        default: return kErrInvalidCall;
    }
}

VARIANT Call(IDispatch* object, const wchar_t* name, WORD flags, VARIANT* args, UINT count, bool isPut) {
    const DISPID id = MemberId(object, name);
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params = {args, isPut ? &putId : nullptr, count, isPut ? 1u : 0u};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception = {};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, isPut ? nullptr : &result,
                                      &exception, nullptr);
    const std::wstring text = exception.bstrDescription ? exception.bstrDescription : L"";
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (FAILED(hr)) throw Error(ErrorNumberFor(hr, exception), text);
    return result;
}

}  // namespace

VARIANT GetMember(IDispatch* object, const wchar_t* name) {
    return Call(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, nullptr, 0, false);
}

VARIANT GetMember(IDispatch* object, const wchar_t* name, long index) {
    VARIANT arg;
    arg.vt = VT_I4;
    arg.lVal = index;
    return Call(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &arg, 1, false);
}

void PutMember(IDispatch* object, const wchar_t* name, const VARIANT& value) {
    VARIANT arg = value;  // a shallow view: the caller keeps ownership
    Call(object, name, DISPATCH_PROPERTYPUT, &arg, 1, true);
}

void PutMemberRef(IDispatch* object, const wchar_t* name, IDispatch* value) {
    VARIANT arg;
    arg.vt = VT_DISPATCH;
    arg.pdispVal = value;
    Call(object, name, DISPATCH_PROPERTYPUTREF, &arg, 1, true);
}

long GetLongMember(IDispatch* object, const wchar_t* name) {
    VARIANT value = GetMember(object, name);
    const long result = ToLong(value);
    VariantClear(&value);
    return result;
}

std::wstring GetTextMember(IDispatch* object, const wchar_t* name) {
    VARIANT value = GetMember(object, name);
    const std::wstring result = ToText(value);
    VariantClear(&value);
    return result;
}

void PutLongMember(IDispatch* object, const wchar_t* name, long value) {
    VARIANT arg;
    arg.vt = VT_I4;
    arg.lVal = value;
    PutMember(object, name, arg);
}

}  // namespace kx
