#include "DispatchInvoker.h"

#include <functional>
#include <memory>
#include <vector>

#include "ErrorInfo.h"

namespace kx {
namespace {

// What a user-defined type resolves to besides its value type.
struct TypeDetails {
    bool isInterface = false;
    IRecordInfo* record = nullptr;  // owned; set for records
};

// The value type of a declared parameter, whether it is passed by reference, and the record
// information of a record (owned).
struct ParamType {
    VARTYPE vt = VT_EMPTY;
    bool byRef = false;
    IRecordInfo* record = nullptr;
};

VARTYPE UserDefinedType(ITypeInfo* info, HREFTYPE ref, TypeDetails* details);

VARTYPE ValueType(ITypeInfo* info, const TYPEDESC& desc, TypeDetails* details) {
    if (desc.vt == VT_USERDEFINED) return UserDefinedType(info, desc.hreftype, details);
    if (desc.vt == VT_SAFEARRAY) {
        TypeDetails element;
        const VARTYPE vt = ValueType(info, *desc.lptdesc, &element);
        if (element.record) element.record->Release();
        return VT_ARRAY | vt;
    }
    return desc.vt;
}

VARTYPE UserDefinedType(ITypeInfo* info, HREFTYPE ref, TypeDetails* details) {
    ITypeInfo* target = nullptr;
    if (FAILED(info->GetRefTypeInfo(ref, &target))) return VT_I4;
    TYPEATTR* attr = nullptr;
    VARTYPE vt = VT_I4;
    if (SUCCEEDED(target->GetTypeAttr(&attr))) {
        switch (attr->typekind) {
            case TKIND_ENUM: vt = VT_I4; break;
            case TKIND_ALIAS: vt = ValueType(target, attr->tdescAlias, details); break;
            case TKIND_DISPATCH: vt = VT_DISPATCH; details->isInterface = true; break;
            case TKIND_INTERFACE:
                vt = (attr->wTypeFlags & TYPEFLAG_FDISPATCHABLE) ? VT_DISPATCH : VT_UNKNOWN;
                details->isInterface = true;
                break;
            case TKIND_RECORD:
                vt = SUCCEEDED(GetRecordInfoFromTypeInfo(target, &details->record)) ? VT_RECORD : VT_EMPTY;
                break;
            default: vt = VT_UNKNOWN; break;
        }
        target->ReleaseTypeAttr(attr);
    }
    target->Release();
    return vt;
}

ParamType ResolveParam(ITypeInfo* info, const TYPEDESC& desc) {
    ParamType type;
    TypeDetails details;
    if (desc.vt != VT_PTR) {
        type.vt = ValueType(info, desc, &details);
        type.record = details.record;
        return type;
    }
    const TYPEDESC& inner = *desc.lptdesc;
    if (inner.vt == VT_PTR) {  // a by-reference object parameter
        type = ResolveParam(info, inner);
        type.byRef = true;
        return type;
    }
    type.vt = ValueType(info, inner, &details);
    type.record = details.record;
    type.byRef = !details.isInterface;  // an interface pointer is the object itself, passed by value
    return type;
}

// Unsigned longs (OLE_COLOR) hold any 32-bit value bit for bit, as the classic runtime passes
// them: a negative Long or Integer is taken as its two's complement, not refused as an overflow.
HRESULT ChangeToUnsignedLong(VARIANT* out, VARIANT* plain) {
    HRESULT hr = VariantChangeType(out, plain, 0, VT_I4);
    if (SUCCEEDED(hr)) {
        out->vt = VT_UI4;
        return hr;
    }
    return VariantChangeType(out, plain, 0, VT_UI4);
}

// Coerces a caller's argument (by reference or not) into a value of the given type.
HRESULT Coerce(VARIANT* out, const VARIANT* in, VARTYPE vt) {
    VariantInit(out);
    VARIANT plain;
    VariantInit(&plain);
    HRESULT hr = VariantCopyInd(&plain, const_cast<VARIANT*>(in));
    if (FAILED(hr)) return hr;
    if (vt == VT_VARIANT) {
        *out = plain;
        return S_OK;
    }
    if ((vt == VT_DISPATCH || vt == VT_UNKNOWN) && (plain.vt == VT_EMPTY || plain.vt == VT_NULL)) {
        out->vt = vt;
        out->punkVal = nullptr;
        return S_OK;
    }
    hr = vt == VT_UI4 ? ChangeToUnsignedLong(out, &plain) : VariantChangeType(out, &plain, 0, vt);
    VariantClear(&plain);
    return hr;
}

// Stores a value into a by-reference argument of another type than the parameter's.
void WriteBackTyped(VARIANT* arg, const VARIANT& value) {
    const VARTYPE target = arg->vt & ~VT_BYREF;
    VARIANT source = value;  // a shallow view
    if (source.vt == VT_UI4) source.vt = VT_I4;  // the bits, as a caller's Long holds them
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, &source, 0, target))) return;
    switch (target) {
        case VT_I1: case VT_UI1: *static_cast<BYTE*>(arg->byref) = converted.bVal; break;
        case VT_I2: case VT_UI2: case VT_BOOL: *static_cast<SHORT*>(arg->byref) = converted.iVal; break;
        case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_R4: case VT_ERROR:
            *static_cast<LONG*>(arg->byref) = converted.lVal;
            break;
        case VT_R8: case VT_DATE: case VT_CY: case VT_I8: case VT_UI8:
            *static_cast<LONGLONG*>(arg->byref) = converted.llVal;
            break;
        case VT_BSTR:
            SysFreeString(*arg->pbstrVal);
            *arg->pbstrVal = converted.bstrVal;
            converted.vt = VT_EMPTY;
            break;
        case VT_DISPATCH: case VT_UNKNOWN:
            if (*arg->ppunkVal) (*arg->ppunkVal)->Release();
            *arg->ppunkVal = converted.punkVal;
            converted.vt = VT_EMPTY;
            break;
        default: break;
    }
    VariantClear(&converted);
}

// One declared parameter during a call: its storage, what is handed to the vtable call, and
// how its final value reaches the caller.
struct Slot {
    ParamType type;
    VARIANT storage;
    VARIANT callArg;
    VARIANT* callerArg = nullptr;   // the caller's argument, when one was given
    bool direct = false;            // the caller's own storage is passed
    Slot() {
        // Zeroed whole: an omitted optional parameter without a default is passed as this zero value.
        memset(&storage, 0, sizeof(storage));
        memset(&callArg, 0, sizeof(callArg));
    }
    ~Slot() {
        VariantClear(&storage);
        if (type.record) type.record->Release();
    }
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;

    void PassStorage() {
        if (type.vt == VT_RECORD) {  // records travel by reference to their data
            callArg.vt = VT_BYREF | VT_RECORD;
            callArg.byref = storage.pvRecord;
        } else if (type.byRef) {
            callArg.vt = VT_BYREF | type.vt;
            callArg.byref = type.vt == VT_VARIANT ? static_cast<void*>(&storage) : &storage.llVal;
        } else {
            callArg = storage;  // a shallow view; storage keeps ownership
        }
    }

    void WriteBack() {
        if (direct || !callerArg || !(callerArg->vt & VT_BYREF)) return;
        if (callerArg->vt == (VT_BYREF | VT_VARIANT)) {
            VARIANT* target = callerArg->pvarVal;
            if (target->vt & VT_BYREF) {
                WriteBackTyped(target, storage);
            } else {
                VariantClear(target);
                VariantCopy(target, &storage);
                if (target->vt == VT_UI4) target->vt = VT_I4;  // scripts reject unsigned longs
            }
            return;
        }
        WriteBackTyped(callerArg, storage);
    }
};

// A new empty record of the slot's type, in storage that a VARIANT may own.
HRESULT NewRecord(Slot& slot) {
    void* data = slot.type.record->RecordCreate();
    if (!data) return E_OUTOFMEMORY;
    slot.storage.vt = VT_RECORD;
    slot.storage.pvRecord = data;
    slot.storage.pRecInfo = slot.type.record;
    slot.type.record->AddRef();
    return S_OK;
}

// A caller's record goes to the member as the caller's own data, so the member's changes reach it.
HRESULT PassCallerRecord(Slot& slot, const VARIANT* arg) {
    const VARIANT* value = arg->vt == (VT_BYREF | VT_VARIANT) ? arg->pvarVal : arg;
    if ((value->vt & ~VT_BYREF) != VT_RECORD || !value->pRecInfo || !value->pvRecord ||
        !slot.type.record->IsMatchingType(value->pRecInfo) || !slot.type.byRef)
        return DISP_E_TYPEMISMATCH;
    slot.callArg.vt = VT_BYREF | VT_RECORD;
    slot.callArg.byref = value->pvRecord;
    slot.direct = true;
    return S_OK;
}

// Numbers, dates and the like passed by reference, optional and without a default.
bool TakesNullWhenOmitted(const ParamType& type) {
    if (!type.byRef || (type.vt & VT_ARRAY)) return false;
    switch (type.vt) {
        case VT_VARIANT: case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: case VT_RECORD: return false;
        default: return true;
    }
}

bool IsMissing(const VARIANT* arg) {
    if (!arg) return true;
    const VARIANT* value = arg->vt == (VT_BYREF | VT_VARIANT) ? arg->pvarVal : arg;
    return value->vt == VT_ERROR && value->scode == DISP_E_PARAMNOTFOUND;
}

HRESULT PrepareMissing(Slot& slot, const ELEMDESC& desc) {
    const PARAMDESC& param = desc.paramdesc;
    if ((param.wParamFlags & PARAMFLAG_FHASDEFAULT) && param.pparamdescex) {
        VARIANT value = param.pparamdescex->varDefaultValue;  // a shallow view
        return Coerce(&slot.storage, &value, slot.type.vt);
    }
    if (!(param.wParamFlags & PARAMFLAG_FOPT)) return DISP_E_PARAMNOTFOUND;
    if (slot.type.vt == VT_RECORD) return NewRecord(slot);
    if (TakesNullWhenOmitted(slot.type)) {  // the member reads a null pointer as "left out"
        slot.callArg.vt = VT_BYREF | slot.type.vt;
        slot.callArg.byref = nullptr;
        slot.direct = true;
        return S_OK;
    }
    if (slot.type.vt == VT_VARIANT) {
        slot.storage.vt = VT_ERROR;
        slot.storage.scode = DISP_E_PARAMNOTFOUND;
    } else {
        slot.storage.vt = slot.type.vt;
    }
    return S_OK;
}

HRESULT PrepareGiven(Slot& slot, VARIANT* arg) {
    slot.callerArg = arg;
    if (slot.type.vt == VT_RECORD) return PassCallerRecord(slot, arg);
    if (slot.type.byRef) {
        if (slot.type.vt == VT_VARIANT && arg->vt == (VT_BYREF | VT_VARIANT)) {
            slot.callArg.vt = VT_BYREF | VT_VARIANT;
            slot.callArg.pvarVal = arg->pvarVal;
            slot.direct = true;
            return S_OK;
        }
        if (arg->vt == (VT_BYREF | slot.type.vt) && slot.type.vt != VT_VARIANT) {
            slot.callArg = *arg;
            slot.direct = true;
            return S_OK;
        }
    }
    return Coerce(&slot.storage, arg, slot.type.vt);
}

const FUNCDESC* FindMember(ITypeInfo* info, DISPID member, WORD flags, int* index) {
    TYPEATTR* attr = nullptr;
    if (FAILED(info->GetTypeAttr(&attr))) return nullptr;
    const int count = attr->cFuncs;
    info->ReleaseTypeAttr(attr);
    const FUNCDESC* fallback = nullptr;
    for (int i = 0; i < count; ++i) {
        FUNCDESC* desc = nullptr;
        if (FAILED(info->GetFuncDesc(i, &desc))) continue;
        bool wanted = false, acceptable = false;
        if (desc->memid == member) {
            const INVOKEKIND kind = desc->invkind;
            if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
                const bool putRef = flags & DISPATCH_PROPERTYPUTREF;
                wanted = kind == (putRef ? INVOKE_PROPERTYPUTREF : INVOKE_PROPERTYPUT);
                acceptable = kind == INVOKE_PROPERTYPUT || kind == INVOKE_PROPERTYPUTREF;
            } else {
                wanted = (flags & DISPATCH_METHOD) ? kind == INVOKE_FUNC : kind == INVOKE_PROPERTYGET;
                acceptable = ((flags & DISPATCH_METHOD) && kind == INVOKE_FUNC) ||
                             ((flags & DISPATCH_PROPERTYGET) && (kind == INVOKE_PROPERTYGET || kind == INVOKE_FUNC)) ||
                             ((flags & DISPATCH_METHOD) && kind == INVOKE_PROPERTYGET);
            }
        }
        if (wanted) {
            if (fallback) info->ReleaseFuncDesc(const_cast<FUNCDESC*>(fallback));
            *index = i;
            return desc;
        }
        if (acceptable && !fallback) {
            fallback = desc;
            *index = i;
            continue;
        }
        info->ReleaseFuncDesc(desc);
    }
    return fallback;
}

void FillException(EXCEPINFO* exception, HRESULT hr) {
    if (!exception) return;
    memset(exception, 0, sizeof(*exception));
    exception->scode = hr;
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) == S_OK && info) {
        info->GetSource(&exception->bstrSource);
        info->GetDescription(&exception->bstrDescription);
        info->GetHelpFile(&exception->bstrHelpFile);
        info->GetHelpContext(&exception->dwHelpContext);
        SetErrorInfo(0, info);  // keep it for callers that ask the thread
        info->Release();
    } else if (HRESULT_FACILITY(hr) == FACILITY_CONTROL) {
        exception->bstrDescription = SysAllocString(ErrorText(HRESULT_CODE(hr)));
    }
}

// Maps the caller's arguments onto declared parameter positions; -1 where none was given.
HRESULT MapArguments(const FUNCDESC& desc, const DISPPARAMS& params, int inputCount, std::vector<int>& argFor) {
    argFor.assign(inputCount, -1);
    const int named = static_cast<int>(params.cNamedArgs);
    const int positional = static_cast<int>(params.cArgs) - named;
    const bool isPut = desc.invkind == INVOKE_PROPERTYPUT || desc.invkind == INVOKE_PROPERTYPUTREF;
    const int valueParam = isPut ? inputCount - 1 : -1;
    const int positionalCapacity = isPut ? inputCount - 1 : inputCount;
    if (positional > positionalCapacity) return DISP_E_BADPARAMCOUNT;
    for (int i = 0; i < positional; ++i) argFor[i] = static_cast<int>(params.cArgs) - 1 - i;
    for (int n = 0; n < named; ++n) {
        const DISPID id = params.rgdispidNamedArgs[n];
        const int target = id == DISPID_PROPERTYPUT ? valueParam : static_cast<int>(id);
        if (target < 0 || target >= inputCount || argFor[target] != -1) return DISP_E_PARAMNOTFOUND;
        argFor[target] = n;
    }
    if (isPut && argFor[valueParam] == -1) return DISP_E_PARAMNOTFOUND;
    return S_OK;
}

}  // namespace

HRESULT InvokeMember(ITypeInfo* info, void* instance, DISPID member, WORD flags, DISPPARAMS* params,
                     VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    if (!info || !instance) return E_UNEXPECTED;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    if (!params) params = &none;
    int index = 0;
    const FUNCDESC* desc = FindMember(info, member, flags, &index);
    if (!desc) return DISP_E_MEMBERNOTFOUND;
    std::unique_ptr<const FUNCDESC, std::function<void(const FUNCDESC*)>> release(
        desc, [info](const FUNCDESC* d) { info->ReleaseFuncDesc(const_cast<FUNCDESC*>(d)); });

    const int count = desc->cParams;
    const bool hasRetval = count > 0 && (desc->lprgelemdescParam[count - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
    const int inputCount = hasRetval ? count - 1 : count;

    std::vector<int> argFor;
    HRESULT hr = MapArguments(*desc, *params, inputCount, argFor);
    if (FAILED(hr)) return hr;

    std::vector<std::unique_ptr<Slot>> slots;
    std::vector<VARTYPE> types(count);
    std::vector<VARIANTARG*> args(count);
    for (int i = 0; i < count; ++i) {
        auto slot = std::make_unique<Slot>();
        slot->type = ResolveParam(info, desc->lprgelemdescParam[i].tdesc);
        if (slot->type.vt == VT_EMPTY) return DISP_E_TYPEMISMATCH;  // a type that cannot be described
        if (i < inputCount) {
            VARIANT* arg = argFor[i] >= 0 ? &params->rgvarg[argFor[i]] : nullptr;
            hr = IsMissing(arg) ? PrepareMissing(*slot, desc->lprgelemdescParam[i]) : PrepareGiven(*slot, arg);
            if (FAILED(hr)) {
                if (argError) *argError = argFor[i] >= 0 ? argFor[i] : 0;
                return hr;
            }
            if (IsMissing(arg)) slot->callerArg = nullptr;
        } else if (slot->type.vt == VT_RECORD) {
            hr = NewRecord(*slot);
            if (FAILED(hr)) return hr;
        } else {
            slot->storage.vt = slot->type.vt == VT_VARIANT ? static_cast<VARTYPE>(VT_EMPTY) : slot->type.vt;
        }
        if (!slot->direct) slot->PassStorage();
        // A Variant passed by value goes to the call as the whole variant, whatever it holds.
        const bool variantByValue = !slot->type.byRef && slot->type.vt == VT_VARIANT;
        types[i] = variantByValue ? static_cast<VARTYPE>(VT_VARIANT) : slot->callArg.vt;
        args[i] = variantByValue ? &slot->storage : &slot->callArg;
        slots.push_back(std::move(slot));
    }

    VARIANT returned;
    VariantInit(&returned);
    SetErrorInfo(0, nullptr);
    hr = DispCallFunc(instance, desc->oVft, desc->callconv, VT_ERROR, count, types.data(), args.data(), &returned);
    if (FAILED(hr)) return hr;
    const HRESULT memberResult = returned.scode;

    for (int i = 0; i < inputCount; ++i) slots[i]->WriteBack();
    if (FAILED(memberResult)) {
        FillException(exception, memberResult);
        return DISP_E_EXCEPTION;
    }
    if (hasRetval && result) {
        VariantClear(result);
        *result = slots[count - 1]->storage;
        VariantInit(&slots[count - 1]->storage);
        // Unsigned longs (OLE_COLOR) go out as Long: script engines reject VT_UI4.
        if (result->vt == VT_UI4) result->vt = VT_I4;
    }
    return S_OK;
}

}  // namespace kx
