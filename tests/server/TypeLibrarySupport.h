#pragma once
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>
#include <vector>

// What the client tests share: COM for the test's scope, an interface's own functions as an
// early-bound host sees them, and the check of those functions against a table.
namespace kxtest {

class ComScope {
public:
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

// The vtable half of a dual interface (the interface itself when it has none); null when missing.
inline ITypeInfo* VtableInfo(ITypeLib* library, REFIID iid) {
    ITypeInfo* info = nullptr;
    if (FAILED(library->GetTypeInfoOfGuid(iid, &info))) return nullptr;
    HREFTYPE ref = 0;
    ITypeInfo* vtable = nullptr;
    if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref)) && SUCCEEDED(info->GetRefTypeInfo(ref, &vtable))) {
        info->Release();
        return vtable;
    }
    return info;
}

// One function of an interface as the type library lists it.
struct InterfaceMember {
    const wchar_t* name;
    MEMBERID id;
    INVOKEKIND kind;
};

constexpr INVOKEKIND kCall = INVOKE_FUNC;
constexpr INVOKEKIND kGet = INVOKE_PROPERTYGET;
constexpr INVOKEKIND kLet = INVOKE_PROPERTYPUT;
constexpr INVOKEKIND kSet = INVOKE_PROPERTYPUTREF;

// The functions of info, slot by slot, are exactly the expected ones.
inline void ExpectFunctions(ITypeInfo* info, const std::vector<InterfaceMember>& expected, const char* label) {
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&attr));
    ASSERT_EQ(expected.size(), attr->cFuncs) << label;
    for (UINT slot = 0; slot < attr->cFuncs; ++slot) {
        FUNCDESC* desc = nullptr;
        ASSERT_EQ(S_OK, info->GetFuncDesc(slot, &desc));
        BSTR name = nullptr;
        info->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
        EXPECT_EQ(std::wstring(expected[slot].name), std::wstring(name ? name : L"")) << label << " #" << slot + 1;
        EXPECT_EQ(expected[slot].id, desc->memid) << label << " #" << slot + 1;
        EXPECT_EQ(expected[slot].kind, desc->invkind) << label << " #" << slot + 1;
        SysFreeString(name);
        info->ReleaseFuncDesc(desc);
    }
    info->ReleaseTypeAttr(attr);
}

// A control's interface (its vtable half) and its event interface list exactly these functions.
inline void ExpectInterfaceAndEvents(ITypeLib* library, REFIID iid, const std::vector<InterfaceMember>& members,
                                     REFIID eventsIid, const std::vector<InterfaceMember>& events) {
    ITypeInfo* info = VtableInfo(library, iid);
    ASSERT_NE(nullptr, info);
    ExpectFunctions(info, members, "interface");
    info->Release();
    ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(eventsIid, &info));
    ExpectFunctions(info, events, "events");
    info->Release();
}

// An enumeration of the library lists exactly these members with these values, in order.
struct EnumerationMembers {
    const wchar_t* type;
    std::vector<std::pair<const wchar_t*, long>> members;
};

inline void ExpectEnumeration(ITypeLib* library, const EnumerationMembers& expected) {
    ITypeInfo* info = nullptr;
    MEMBERID id = 0;
    USHORT found = 1;
    ASSERT_EQ(S_OK, library->FindName(const_cast<LPOLESTR>(expected.type), 0, &info, &id, &found));
    ASSERT_EQ(1, found);
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    EXPECT_EQ(expected.members.size(), attr->cVars) << expected.type;
    for (UINT i = 0; i < attr->cVars && i < expected.members.size(); ++i) {
        VARDESC* var = nullptr;
        info->GetVarDesc(i, &var);
        BSTR name = nullptr;
        info->GetDocumentation(var->memid, &name, nullptr, nullptr, nullptr);
        EXPECT_STREQ(expected.members[i].first, name);
        EXPECT_EQ(expected.members[i].second, var->lpvarValue->lVal) << expected.members[i].first;
        SysFreeString(name);
        info->ReleaseVarDesc(var);
    }
    info->ReleaseTypeAttr(attr);
    info->Release();
}

}  // namespace kxtest
