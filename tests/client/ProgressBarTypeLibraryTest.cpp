// kxProgressBar's published shape: Zarvanta binds Value (0) and Max (0x68030004) by identity, so the
// registered type library must list every member in interface order with its identity.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

struct Member {
    const wchar_t* name;
    MEMBERID id;
    INVOKEKIND kind;
};

constexpr INVOKEKIND kCall = INVOKE_FUNC;
constexpr INVOKEKIND kGet = INVOKE_PROPERTYGET;
constexpr INVOKEKIND kLet = INVOKE_PROPERTYPUT;
constexpr INVOKEKIND kSet = INVOKE_PROPERTYPUTREF;

const std::vector<Member> kProgressBarMembers = {
    {L"DrawProgressBar", 0x6003000B, kCall},
    {L"DrawLine", 0x6003001C, kCall},
    {L"DrawGradient", 0x6003001E, kCall},
    {L"pDraw", 0x60030023, kCall},
    {L"kxBrushStyle", 0x6803000A, kLet},
    {L"Color", 0x68030009, kGet}, {L"Color", 0x68030009, kLet},
    {L"Font", -512, kGet}, {L"Font", -512, kSet}, {L"Font", -512, kLet},
    {L"Hwnd", 0x68030008, kGet}, {L"Hwnd", 0x68030008, kLet},
    {L"hdc", 0x68030007, kGet}, {L"hdc", 0x68030007, kLet},
    {L"Image", 0x68030006, kGet}, {L"Image", 0x68030006, kSet},
    {L"Min", 0x68030005, kGet}, {L"Min", 0x68030005, kLet},
    {L"Max", 0x68030004, kGet}, {L"Max", 0x68030004, kLet},
    {L"Orientation", 0x68030003, kGet}, {L"Orientation", 0x68030003, kLet},
    {L"Scrolling", 0x68030002, kGet}, {L"Scrolling", 0x68030002, kLet},
    {L"ShowText", 0x68030001, kGet}, {L"ShowText", 0x68030001, kLet},
    {L"Value", 0, kGet}, {L"Value", 0, kLet},
    {L"ShowProgressInStatusBar", 0x6003002B, kCall},
    {L"Text", 0x68030000, kGet}, {L"Text", 0x68030000, kLet},
    {L"ForeColor", -513, kGet}, {L"ForeColor", -513, kLet},
    {L"About", -552, kCall},
};

TEST(ProgressBarTypeLibrary, MembersInInterfaceOrderWithTheirIdentitiesAndNoEvents) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));

    ITypeInfo* members = kxtest::VtableInfo(library, IID__kxProgressBar);
    ASSERT_NE(nullptr, members);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(S_OK, members->GetTypeAttr(&attr));
    ASSERT_EQ(kProgressBarMembers.size(), attr->cFuncs);
    for (UINT slot = 0; slot < attr->cFuncs; ++slot) {
        FUNCDESC* desc = nullptr;
        ASSERT_EQ(S_OK, members->GetFuncDesc(slot, &desc));
        BSTR name = nullptr;
        members->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
        const Member& expected = kProgressBarMembers[slot];
        EXPECT_EQ(std::wstring(expected.name), std::wstring(name ? name : L"")) << "#" << slot + 1;
        EXPECT_EQ(expected.id, desc->memid) << "#" << slot + 1;
        EXPECT_EQ(expected.kind, desc->invkind) << "#" << slot + 1;
        SysFreeString(name);
        members->ReleaseFuncDesc(desc);
    }
    members->ReleaseTypeAttr(attr);
    members->Release();

    ITypeInfo* events = nullptr;
    ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(DIID___kxProgressBar, &events));
    ASSERT_EQ(S_OK, events->GetTypeAttr(&attr));
    EXPECT_EQ(0, attr->cFuncs);
    events->ReleaseTypeAttr(attr);
    events->Release();
    library->Release();
}

// Value and Max are doubles; DrawGradient's colours come back through their variables and bH may be left out.
TEST(ProgressBarTypeLibrary, ParameterShapesOfTheDrawingMembers) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    ITypeInfo* members = kxtest::VtableInfo(library, IID__kxProgressBar);
    ASSERT_NE(nullptr, members);
    FUNCDESC* gradient = nullptr;
    ASSERT_EQ(S_OK, members->GetFuncDesc(2, &gradient));
    ASSERT_EQ(8, gradient->cParams);
    EXPECT_EQ(VT_PTR, gradient->lprgelemdescParam[0].tdesc.vt);
    EXPECT_EQ(VT_I4, gradient->lprgelemdescParam[2].tdesc.vt);
    EXPECT_TRUE(gradient->lprgelemdescParam[7].paramdesc.wParamFlags & PARAMFLAG_FOPT);
    members->ReleaseFuncDesc(gradient);
    for (UINT slot : {19u, 27u}) {  // Max and Value lets
        FUNCDESC* let = nullptr;
        ASSERT_EQ(S_OK, members->GetFuncDesc(slot, &let));
        ASSERT_EQ(1, let->cParams);
        EXPECT_EQ(VT_R8, let->lprgelemdescParam[0].tdesc.vt) << slot;
        members->ReleaseFuncDesc(let);
    }
    members->Release();
    library->Release();
}

TEST(ProgressBarTypeLibrary, CreatedByItsProgramIdentity) {
    kxtest::ComScope com;
    CLSID clsid = {};
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"Korvix32.kxProgressBar", &clsid));
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_kxProgressBar));
    _kxProgressBar* bar = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxProgressBar, nullptr, CLSCTX_INPROC_SERVER, IID__kxProgressBar,
                                     reinterpret_cast<void**>(&bar)));
    EXPECT_EQ(S_OK, bar->put_Max(40320));
    EXPECT_EQ(S_OK, bar->put_Value(20160));
    double value = 0;
    EXPECT_EQ(S_OK, bar->get_Value(&value));
    EXPECT_EQ(20160, value);
    bar->Release();
}

}  // namespace
