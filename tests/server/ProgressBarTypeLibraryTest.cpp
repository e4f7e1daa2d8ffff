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

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

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

// The registered library and the interface's own functions.
class ProgressBarTypeLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
        members = kxtest::VtableInfo(library, IID__kxProgressBar);
        ASSERT_NE(nullptr, members);
    }
    void TearDown() override {
        if (members) members->Release();
        if (library) library->Release();
    }

    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ITypeInfo* members = nullptr;
};

TEST_F(ProgressBarTypeLibrary, MembersInInterfaceOrderWithTheirIdentitiesAndNoEvents) {
    kxtest::ExpectInterfaceAndEvents(library, IID__kxProgressBar, kProgressBarMembers, DIID___kxProgressBar, {});
}

TEST_F(ProgressBarTypeLibrary, HelpStringsOfTheProperties) {
    const struct {
        const wchar_t* name;
        const wchar_t* help;
    } cases[] = {
        {L"Color", L"Returns/sets the color of the ProgressBar"},
        {L"Image", L"Set image Progressbar"},
        {L"Min", L"Minimum Value"},
        {L"Max", L"Maximum value."},
        {L"Orientation", L"Set Orientation of use progressbar"},
        {L"Scrolling", L"Set the style of scrolling progressbar"},
        {L"ShowText", L"Show percentage in progressbar"},
        {L"Value", L"Set/Get progressbar Value"},
        {L"Text", L"Set text to show message on progressbar"},
        {L"ForeColor", L"Set forecolor to show text"},
        {L"Font", L""},
        {L"DrawProgressBar", L""},
    };
    for (const auto& c : cases) {
        LPOLESTR name = const_cast<LPOLESTR>(c.name);
        MEMBERID id = 0;
        ASSERT_EQ(S_OK, members->GetIDsOfNames(&name, 1, &id));
        BSTR help = nullptr;
        members->GetDocumentation(id, nullptr, &help, nullptr, nullptr);
        EXPECT_EQ(std::wstring(c.help), std::wstring(help ? help : L"")) << std::string(c.name, c.name + wcslen(c.name));
        SysFreeString(help);
    }
}

// Value and Max are doubles; DrawGradient's parameters are by reference (its colours come back through their
// variables) and bH may be left out.
TEST_F(ProgressBarTypeLibrary, ParameterShapesOfTheDrawingMembers) {
    FUNCDESC* gradient = nullptr;
    ASSERT_EQ(S_OK, members->GetFuncDesc(2, &gradient));
    ASSERT_EQ(8, gradient->cParams);
    EXPECT_EQ(VT_PTR, gradient->lprgelemdescParam[0].tdesc.vt);
    EXPECT_EQ(VT_PTR, gradient->lprgelemdescParam[2].tdesc.vt);
    EXPECT_TRUE(gradient->lprgelemdescParam[7].paramdesc.wParamFlags & PARAMFLAG_FOPT);
    members->ReleaseFuncDesc(gradient);
    for (UINT slot : {19u, 27u}) {  // Max and Value lets
        FUNCDESC* let = nullptr;
        ASSERT_EQ(S_OK, members->GetFuncDesc(slot, &let));
        ASSERT_EQ(1, let->cParams);
        EXPECT_EQ(VT_R8, let->lprgelemdescParam[0].tdesc.vt) << slot;
        members->ReleaseFuncDesc(let);
    }
}

TEST(ProgressBarProgramIdentity, CreatesTheBar) {
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
