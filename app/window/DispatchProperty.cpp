#include "DispatchProperty.h"

namespace zarvanta {

namespace {

bool Put(IDispatch* object, DISPID id, VARIANT& value) {
    if (!object) return false;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &named, 1, 1};
    return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                                    nullptr, nullptr));
}

}  // namespace

bool PutBoolean(IDispatch* object, DISPID id, bool value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return Put(object, id, v);
}

bool PutDouble(IDispatch* object, DISPID id, double value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_R8;
    v.dblVal = value;
    return Put(object, id, v);
}

std::optional<bool> GetBoolean(IDispatch* object, DISPID id) {
    if (!object) return std::nullopt;
    DISPPARAMS none = {};
    VARIANT result;
    VariantInit(&result);
    if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                              nullptr)) ||
        FAILED(VariantChangeType(&result, &result, 0, VT_BOOL))) {
        VariantClear(&result);
        return std::nullopt;
    }
    return result.boolVal != VARIANT_FALSE;
}

}  // namespace zarvanta
