#include "MemberCalls.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "LateBinding.h"

namespace kx {
namespace {

constexpr int kErrObjectNotSet = 91;
constexpr int kErrNoSuchMember = 438;

void Invoke(IDispatch* object, const wchar_t* name, WORD kind, VARIANT* result) {
    if (!object) throw Error(kErrObjectNotSet);
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(FindMemberId(object, name, id))) throw Error(kErrNoSuchMember);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXCEPINFO exception = {};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &none, result, &exception, nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (FAILED(hr)) throw Error(hr == DISP_E_MEMBERNOTFOUND ? kErrNoSuchMember : kErrInvalidCall);
}

}  // namespace

long GetLongMember(IDispatch* object, const wchar_t* name) {
    OwnedVariant value;
    Invoke(object, name, DISPATCH_PROPERTYGET, value.get());
    return ToLong(*value);
}

void CallMember(IDispatch* object, const wchar_t* name) {
    OwnedVariant ignored;
    Invoke(object, name, DISPATCH_METHOD, ignored.get());
}

}  // namespace kx
