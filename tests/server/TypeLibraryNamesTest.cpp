// The registered library as early-bound hosts read it: enumeration members under the names they are known by
// (blanks and a leading digit kept), and the number defaults of Variant parameters as numbers.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <map>
#include <string>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

struct NamedMember {
    const wchar_t* enumeration;
    const wchar_t* name;
    long value;
};

const NamedMember kNamedMembers[] = {
    {L"kxAWShowPosition", L"Right And Buttom", 0},
    {L"kxAWShowPosition", L"Right And Middle", 1},
    {L"kxAWShowPosition", L"Right And Top", 2},
    {L"kxAWShowPosition", L"Center And Buttom", 3},
    {L"kxAWShowPosition", L"Center And Middle", 4},
    {L"kxAWShowPosition", L"Center And Top", 5},
    {L"kxAWShowPosition", L"Left And Buttom", 6},
    {L"kxAWShowPosition", L"Left And Middle", 7},
    {L"kxAWShowPosition", L"Left And Top", 8},
    {L"kxAWShowStyle", L"Move Down To Up", 1},
    {L"kxAWShowStyle", L"Move Up To Down", 2},
    {L"kxAWShowStyle", L"Move Left To Right", 3},
    {L"kxAWShowStyle", L"Move Right To Left", 4},
    {L"kxAWShowStyle", L"Fade And Move Down To Up", 5},
    {L"kxAWShowStyle", L"Fade And Move Up To Down", 6},
    {L"kxAWShowStyle", L"Fade And Move Left To Right", 7},
    {L"kxAWShowStyle", L"Fade And Move Right To Left", 8},
    {L"kxAWShowStyle", L"Fade And Zoom", 10},
    {L"kxAWShowStyle", L"Zoom And Move Down To Up", 11},
    {L"kxAWShowStyle", L"Zoom And Move Up To Down", 12},
    {L"kxAWShowStyle", L"Zoom And Move Left To Right", 13},
    {L"kxAWShowStyle", L"Zoom And Move Right To Left", 14},
    {L"kxAWShowStyle", L"Fade And Zoom And Move Down To Up", 15},
    {L"kxAWShowStyle", L"Fade And Zoom And Move Up To Down", 16},
    {L"kxAWShowStyle", L"Fade And Zoom And Move Left To Right", 17},
    {L"kxAWShowStyle", L"Fade And Zoom And Move Right To Left", 18},
    {L"kxAWShowStyle", L"None Style", 99},
    {L"kxGCComboStyle", L"Drop Down Combo", 0},
    {L"kxGCComboStyle", L"Simple Combo", 1},
    {L"kxGCoTextStyle", L"Show String Value", 1},
    {L"kxGCoTextStyle", L"Only String Value", 2},
    {L"kxGCTextStyle", L"Show Format", 1},
    {L"kxGCTextStyle", L"Show String Farsi", 2},
    {L"kxGCTextStyle", L"Show String English", 3},
    {L"kxGmAppearance", L"3D", 1},
    {L"kxGmInputMode", L"By Keyboard", 0},
    {L"kxGmInputMode", L"Only Upper Case", 1},
    {L"kxGmInputMode", L"Only Lower Case", 2},
};

constexpr MEMBERID kConvert = 0x60030023;

class TypeLibraryNames : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library_));
        TLIBATTR* attr = nullptr;
        ASSERT_EQ(S_OK, library_->GetLibAttr(&attr));
        syskind_ = attr->syskind;
        lcid_ = attr->lcid;
        library_->ReleaseTLibAttr(attr);
    }
    void TearDown() override {
        if (library_) library_->Release();
    }

    ULONG Hash(const std::wstring& name) const { return LHashValOfNameSys(syskind_, lcid_, name.c_str()); }

    // The typeinfo that the library names so; null when there is none.
    ITypeInfo* TypeNamed(const std::wstring& name) const {
        for (UINT i = 0; i < library_->GetTypeInfoCount(); ++i) {
            BSTR found = nullptr;
            library_->GetDocumentation(i, &found, nullptr, nullptr, nullptr);
            const bool match = found && name == found;
            SysFreeString(found);
            ITypeInfo* info = nullptr;
            if (match && SUCCEEDED(library_->GetTypeInfo(i, &info))) return info;
        }
        return nullptr;
    }

    // An enumeration's members as GetVarDesc and GetNames give them: name -> value.
    std::map<std::wstring, long> MembersOf(const std::wstring& enumeration) const {
        std::map<std::wstring, long> members;
        ITypeInfo* info = TypeNamed(enumeration);
        if (!info) return members;
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        for (UINT i = 0; i < attr->cVars; ++i) {
            VARDESC* var = nullptr;
            if (FAILED(info->GetVarDesc(i, &var))) continue;
            BSTR name = nullptr;
            UINT count = 0;
            if (SUCCEEDED(info->GetNames(var->memid, &name, 1, &count)) && count == 1 && var->lpvarValue)
                members[name] = var->lpvarValue->lVal;
            SysFreeString(name);
            info->ReleaseVarDesc(var);
        }
        info->ReleaseTypeAttr(attr);
        info->Release();
        return members;
    }

    kxtest::ComScope com_;
    ITypeLib* library_ = nullptr;
    SYSKIND syskind_ = SYS_WIN32;
    LCID lcid_ = 0;
};

TEST_F(TypeLibraryNames, TheLibraryIsForThisProcessSystem) {
    EXPECT_EQ(sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, syskind_);
}

TEST_F(TypeLibraryNames, EachMemberHasItsNameAndValue) {
    for (const auto& member : kNamedMembers) {
        const auto members = MembersOf(member.enumeration);
        ASSERT_EQ(1u, members.count(member.name)) << member.enumeration << " has no " << member.name;
        EXPECT_EQ(member.value, members.at(member.name)) << member.name;
    }
}

// What a compiler does with [Right And Buttom]: the library's own binding finds the constant and its enumeration.
TEST_F(TypeLibraryNames, BindOnTheLibraryFindsNamesWithBlanksAndDigits) {
    ITypeComp* comp = nullptr;
    ASSERT_EQ(S_OK, library_->GetTypeComp(&comp));
    for (const auto& member : kNamedMembers) {
        ITypeInfo* info = nullptr;
        DESCKIND kind = DESCKIND_NONE;
        BINDPTR bound = {};
        std::wstring name = member.name;
        ASSERT_EQ(S_OK, comp->Bind(name.data(), Hash(name), 0, &info, &kind, &bound)) << member.name;
        ASSERT_EQ(DESCKIND_VARDESC, kind) << member.name;
        EXPECT_EQ(member.value, bound.lpvardesc->lpvarValue->lVal);
        BSTR enumeration = nullptr;
        info->GetDocumentation(MEMBERID_NIL, &enumeration, nullptr, nullptr, nullptr);
        EXPECT_STREQ(member.enumeration, enumeration);
        SysFreeString(enumeration);
        info->ReleaseVarDesc(bound.lpvardesc);
        info->Release();
    }
    comp->Release();
}

// The blank-free names that the members had in the IDL are no names of the library.
TEST_F(TypeLibraryNames, IsNameKnowsTheNamesAndNotTheOnesTheyReplaced) {
    for (const auto& member : kNamedMembers) {
        std::wstring name = member.name;
        BOOL found = FALSE;
        ASSERT_EQ(S_OK, library_->IsName(name.data(), Hash(name), &found));
        EXPECT_TRUE(found) << member.name;
    }
    for (std::wstring replaced : {L"RightAndButtom", L"ThreeD", L"NoneStyle", L"ByKeyboard", L"SimpleCombo"}) {
        BOOL found = TRUE;
        ASSERT_EQ(S_OK, library_->IsName(replaced.data(), Hash(replaced), &found));
        EXPECT_FALSE(found) << replaced.c_str();
    }
}

// Every default in the library has the type of its value; a Variant parameter's number is a Long.
TEST_F(TypeLibraryNames, NoDefaultIsStoredAsAVariant) {
    int defaults = 0;
    for (UINT t = 0; t < library_->GetTypeInfoCount(); ++t) {
        ITypeInfo* info = nullptr;
        ASSERT_EQ(S_OK, library_->GetTypeInfo(t, &info));
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        for (UINT f = 0; f < attr->cFuncs; ++f) {
            FUNCDESC* desc = nullptr;
            info->GetFuncDesc(f, &desc);
            for (SHORT p = 0; p < desc->cParams; ++p) {
                const PARAMDESC& param = desc->lprgelemdescParam[p].paramdesc;
                if (!(param.wParamFlags & PARAMFLAG_FHASDEFAULT)) continue;
                ++defaults;
                EXPECT_NE(VT_VARIANT, param.pparamdescex->varDefaultValue.vt) << t << "/" << f << "/" << p;
            }
            info->ReleaseFuncDesc(desc);
        }
        info->ReleaseTypeAttr(attr);
        info->Release();
    }
    EXPECT_GT(defaults, 0);
}

TEST_F(TypeLibraryNames, ConvertsLocaleIdDefaultsToTheLongZero) {
    ITypeInfo* info = kxtest::VtableInfo(library_, IID__kxString);
    ASSERT_NE(nullptr, info);
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    bool seen = false;
    for (UINT f = 0; f < attr->cFuncs; ++f) {
        FUNCDESC* desc = nullptr;
        info->GetFuncDesc(f, &desc);
        if (desc->memid == kConvert) {
            seen = true;
            const PARAMDESC& locale = desc->lprgelemdescParam[1].paramdesc;
            ASSERT_TRUE(locale.wParamFlags & PARAMFLAG_FHASDEFAULT);
            EXPECT_EQ(VT_I4, locale.pparamdescex->varDefaultValue.vt);
            EXPECT_EQ(0, locale.pparamdescex->varDefaultValue.lVal);
        }
        info->ReleaseFuncDesc(desc);
    }
    info->ReleaseTypeAttr(attr);
    info->Release();
    EXPECT_TRUE(seen);
}

// The platform's own Invoke over our type information fills in the left-out LocaleID from its default (Wine's
// passes the omitted by-reference Variant as a null pointer).
TEST_F(TypeLibraryNames, DispInvokeCallsConvertWithoutLocaleId) {
    _kxString* text = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxString, nullptr, CLSCTX_INPROC_SERVER, IID__kxString,
                                     reinterpret_cast<void**>(&text)));
    BSTR hello = SysAllocString(L"hello world");
    ASSERT_EQ(S_OK, text->put_Text(hello));
    SysFreeString(hello);
    ITypeInfo* info = kxtest::VtableInfo(library_, IID__kxString);
    ASSERT_NE(nullptr, info);

    LONG upperCase = 1;
    VARIANT conversion;
    conversion.vt = VT_BYREF | VT_I4;
    conversion.plVal = &upperCase;
    DISPPARAMS params = {&conversion, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception = {};
    UINT badArgument = 0;
    EXPECT_EQ(S_OK, DispInvoke(text, info, kConvert, DISPATCH_METHOD, &params, &result, &exception, &badArgument));
    ASSERT_EQ(VT_BSTR, result.vt);
    EXPECT_STREQ(L"HELLO WORLD", result.bstrVal);
    VariantClear(&result);
    info->Release();
    text->Release();
}

}  // namespace
