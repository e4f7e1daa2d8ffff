#include "NamedDispatch.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32";

void FillException(EXCEPINFO* exception, const Error& error) {
    if (!exception) return;
    *exception = {};
    exception->scode = ErrorHResult(error.number);
    exception->bstrSource = SysAllocString(kSource);
    exception->bstrDescription = SysAllocString(error.text.empty() ? ErrorText(error.number) : error.text.c_str());
}

}  // namespace

STDMETHODIMP NamedDispatch::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) NamedDispatch::Release() {
    const ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP NamedDispatch::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP NamedDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP NamedDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    for (const Member& member : members_) {
        if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, member.name, -1, names[0], -1) == CSTR_EQUAL) {
            ids[0] = member.id;
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP NamedDispatch::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT*) {
    bool known = false;
    for (const Member& m : members_) known = known || m.id == member;
    if (!known) return DISP_E_MEMBERNOTFOUND;
    std::vector<const VARIANT*> args;
    const UINT count = params ? params->cArgs : 0;
    for (UINT i = count; i-- > 0;) {  // the arguments come last first; a property let's value is the first
        const VARIANT& arg = params->rgvarg[i];
        if (i < params->cNamedArgs && params->rgdispidNamedArgs[i] == DISPID_PROPERTYPUT) continue;
        args.push_back(&Deref(arg));
    }
    if (params && params->cNamedArgs > 0 && params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT)
        args.push_back(&Deref(params->rgvarg[0]));
    VARIANT ignored;
    VariantInit(&ignored);
    try {
        Call(member, flags, args, result ? result : &ignored);
        VariantClear(&ignored);
        return S_OK;
    } catch (const Error& error) {
        VariantClear(&ignored);
        FillException(exception, error);
        return DISP_E_EXCEPTION;
    } catch (...) {
        VariantClear(&ignored);
        FillException(exception, Error(kErrOutOfMemory));
        return DISP_E_EXCEPTION;
    }
}

}  // namespace kx
