#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>

// A member's types as one line, in the words of a member table: "ColorBase(OLE_COLOR, ByRef Long = 176) As
// OLE_COLOR". Parameters are by value unless "ByRef"; "Optional" without "= value" has no default; named
// types (enumerations, records, OLE_COLOR, interfaces) go by their names.
namespace kxtest {

inline std::wstring TypeName(ITypeInfo* info, const TYPEDESC& desc);
inline bool IsInterface(ITypeInfo* info, const TYPEDESC& desc);

inline std::wstring VariantTypeName(VARTYPE vt) {
    switch (vt) {
        case VT_I2: return L"Integer";
        case VT_I4: return L"Long";
        case VT_R4: return L"Single";
        case VT_R8: return L"Double";
        case VT_CY: return L"Currency";
        case VT_DATE: return L"Date";
        case VT_BSTR: return L"String";
        case VT_DISPATCH: return L"Object";
        case VT_BOOL: return L"Boolean";
        case VT_VARIANT: return L"Variant";
        case VT_UNKNOWN: return L"Unknown";
        case VT_UI1: return L"Byte";
        case VT_UI4: return L"UnsignedLong";
        case VT_INT: return L"Int";
        case VT_HRESULT: return L"HRESULT";
        case VT_VOID: return L"Void";
        default: return L"VT" + std::to_wstring(vt);
    }
}

inline std::wstring TypeName(ITypeInfo* info, const TYPEDESC& desc) {
    if (desc.vt == VT_PTR) return TypeName(info, *desc.lptdesc) + (IsInterface(info, *desc.lptdesc) ? L"" : L"*");
    if (desc.vt == VT_SAFEARRAY) return TypeName(info, *desc.lptdesc) + L"()";
    if (desc.vt != VT_USERDEFINED) return VariantTypeName(desc.vt);
    ITypeInfo* target = nullptr;
    if (FAILED(info->GetRefTypeInfo(desc.hreftype, &target))) return L"?";
    BSTR name = nullptr;
    target->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    std::wstring text = name ? name : L"?";
    SysFreeString(name);
    target->Release();
    return text;
}

inline std::wstring DefaultText(VARIANT value) {
    VARIANT text;
    VariantInit(&text);
    if (FAILED(VariantChangeTypeEx(&text, &value, LOCALE_INVARIANT, 0, VT_BSTR)))
        return L"VT" + std::to_wstring(value.vt);
    std::wstring result = value.vt == VT_BSTR ? L"\"" + std::wstring(text.bstrVal) + L"\"" : text.bstrVal;
    VariantClear(&text);
    return result;
}

// A pointer to a named interface is the object itself; IDispatch* is VT_DISPATCH on its own.
inline bool IsInterface(ITypeInfo* info, const TYPEDESC& desc) {
    if (desc.vt != VT_USERDEFINED) return false;
    ITypeInfo* target = nullptr;
    if (FAILED(info->GetRefTypeInfo(desc.hreftype, &target))) return false;
    TYPEATTR* attr = nullptr;
    bool result = false;
    if (SUCCEEDED(target->GetTypeAttr(&attr))) {
        result = attr->typekind == TKIND_INTERFACE || attr->typekind == TKIND_DISPATCH ||
                 attr->typekind == TKIND_COCLASS ||
                 (attr->typekind == TKIND_ALIAS && IsInterface(target, attr->tdescAlias));
        target->ReleaseTypeAttr(attr);
    }
    target->Release();
    return result;
}

inline std::wstring ParameterText(ITypeInfo* info, const ELEMDESC& element, const std::wstring& name) {
    const USHORT flags = element.paramdesc.wParamFlags;
    TYPEDESC type = element.tdesc;
    std::wstring text;
    if (type.vt == VT_PTR && !IsInterface(info, *type.lptdesc)) {
        text += L"ByRef ";
        type = *type.lptdesc;
    }
    if (flags & PARAMFLAG_FOPT) text += L"Optional ";
    text += name + L" As " + TypeName(info, type);
    if ((flags & PARAMFLAG_FHASDEFAULT) && element.paramdesc.pparamdescex)
        text += L" = " + DefaultText(element.paramdesc.pparamdescex->varDefaultValue);
    return text;
}

inline std::wstring Signature(ITypeInfo* info, const FUNCDESC& desc) {
    BSTR names[64] = {};
    UINT count = 0;
    info->GetNames(desc.memid, names, 64, &count);
    std::wstring text = names[0] ? names[0] : L"";
    const wchar_t* kinds[] = {L"", L" Call", L" Get", L"", L" Let", L"", L"", L"", L" Set"};
    text += desc.invkind <= INVOKE_PROPERTYPUTREF ? kinds[desc.invkind] : L" ?";
    text += L"(";
    std::wstring result = L"";
    int written = 0;
    for (int i = 0; i < desc.cParams; ++i) {
        const ELEMDESC& element = desc.lprgelemdescParam[i];
        if (element.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) {
            result = L" As " + TypeName(info, *element.tdesc.lptdesc);
            continue;
        }
        // The value of a let or set has no name of its own in the library.
        const bool assigned = desc.invkind == INVOKE_PROPERTYPUT || desc.invkind == INVOKE_PROPERTYPUTREF;
        const bool named = !(assigned && i == desc.cParams - 1) && static_cast<UINT>(i + 1) < count && names[i + 1];
        const std::wstring name = named ? names[i + 1] : L"Value";
        if (written++) text += L", ";
        text += ParameterText(info, element, name);
    }
    for (UINT i = 0; i < count; ++i) SysFreeString(names[i]);
    return text + L")" + result;
}

}  // namespace kxtest
