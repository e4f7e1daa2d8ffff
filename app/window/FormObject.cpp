#include "FormObject.h"

#include "ComBase.h"
#include "Handles.h"

namespace zarvanta {

namespace {

constexpr DISPID kHwndId = 1;

class FormObject : public kx::ComBase<IDispatch> {
public:
    explicit FormObject(HWND window) : window_(window) {}

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (!names || !ids || count == 0) return E_INVALIDARG;
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
        if (lstrcmpiW(names[0], L"Hwnd") != 0) return DISP_E_UNKNOWNNAME;
        ids[0] = kHwndId;
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override {
        if (id != kHwndId) return DISP_E_MEMBERNOTFOUND;
        if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
        if (result) {
            VariantInit(result);
            result->vt = VT_I4;
            result->lVal = kx::LongFromHandle(window_);
        }
        return S_OK;
    }

private:
    HWND window_;
};

}  // namespace

IDispatch* CreateFormObject(HWND window) { return new FormObject(window); }

}  // namespace zarvanta
