// kxGetMask's published shape: every member in interface order with its identity, Value the default
// member, the standard identities where the control mirrors a platform member, the ten events, the
// enumerations of the masked input and the styles it shares with the other input controls.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <utility>
#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kMaskMembers = {
    {L"InputMask", 0x68030000, kGet}, {L"InputMask", 0x68030000, kLet},
    {L"Value", 0, kGet}, {L"Value", 0, kLet},
    {L"InputMode", 0x68030004, kGet}, {L"InputMode", 0x68030004, kLet},
    {L"FormatChar", 0x68030006, kGet}, {L"FormatChar", 0x68030006, kLet},
    {L"FormatNum", 0x68030008, kGet}, {L"FormatNum", 0x68030008, kLet},
    {L"FormatCharShow", 0x6803000A, kGet}, {L"FormatCharShow", 0x6803000A, kLet},
    {L"FormatNumShow", 0x6803000C, kGet}, {L"FormatNumShow", 0x6803000C, kLet},
    {L"Alignment", 0x6803000E, kGet}, {L"Alignment", 0x6803000E, kLet},
    {L"Appearance", -520, kGet}, {L"Appearance", -520, kLet},
    {L"BackColor", -501, kGet}, {L"BackColor", -501, kLet},
    {L"BorderStyle", -504, kGet}, {L"BorderStyle", -504, kLet},
    {L"Enabled", -514, kGet}, {L"Enabled", -514, kLet},
    {L"Font", -512, kGet}, {L"Font", -512, kSet},
    {L"FontBold", 0x6803001A, kGet}, {L"FontBold", 0x6803001A, kLet},
    {L"FontItalic", 0x6803001C, kGet}, {L"FontItalic", 0x6803001C, kLet},
    {L"FontName", 0x6803001E, kGet}, {L"FontName", 0x6803001E, kLet},
    {L"FontSize", 0x68030020, kGet}, {L"FontSize", 0x68030020, kLet},
    {L"FontStrikethru", 0x68030022, kGet}, {L"FontStrikethru", 0x68030022, kLet},
    {L"FontUnderline", 0x68030024, kGet}, {L"FontUnderline", 0x68030024, kLet},
    {L"ForeColor", -513, kGet}, {L"ForeColor", -513, kLet},
    {L"hdc", 0x68030028, kGet},
    {L"Locked", 0x68030029, kGet}, {L"Locked", 0x68030029, kLet},
    {L"MouseIcon", 0x6803002B, kGet}, {L"MouseIcon", 0x6803002B, kSet},
    {L"MousePointer", 0x6803002D, kGet}, {L"MousePointer", 0x6803002D, kLet},
    {L"RightToLeft", 0x6803002F, kGet}, {L"RightToLeft", 0x6803002F, kLet},
    {L"SelStart", 0x68030031, kGet}, {L"SelStart", 0x68030031, kLet},
    {L"Text", 0x68030033, kGet},
    {L"UseUpDownKey", 0x68030034, kGet}, {L"UseUpDownKey", 0x68030034, kLet},
    {L"EnterNextTab", 0x68030036, kGet}, {L"EnterNextTab", 0x68030036, kLet},
    {L"About", -552, kCall},
};

const std::vector<Member> kMaskEvents = {
    {L"CheckMaxValue", 1, kCall}, {L"Change", 2, kCall},   {L"Click", -600, kCall}, {L"DblClick", -601, kCall},
    {L"KeyDown", 3, kCall},       {L"KeyPress", 4, kCall}, {L"KeyUp", 5, kCall},    {L"MouseDown", 6, kCall},
    {L"MouseMove", 7, kCall},     {L"MouseUp", 8, kCall},
};

ITypeLib* LoadLibrary() {
    ITypeLib* library = nullptr;
    return SUCCEEDED(LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library)) ? library : nullptr;
}

TEST(GetMaskTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = LoadLibrary();
    ASSERT_NE(nullptr, library);
    kxtest::ExpectInterfaceAndEvents(library, IID__kxGetMask, kMaskMembers, DIID___kxGetMask, kMaskEvents);
    library->Release();
}

// CheckMaxValue's seven arguments are all by reference: Long, Long, Long, Long, Integer, Integer, Boolean.
TEST(GetMaskTypeLibrary, CheckMaxValueArguments) {
    kxtest::ComScope com;
    ITypeLib* library = LoadLibrary();
    ASSERT_NE(nullptr, library);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(DIID___kxGetMask, &info));
    FUNCDESC* desc = nullptr;
    ASSERT_EQ(S_OK, info->GetFuncDesc(0, &desc));
    const VARTYPE expected[] = {VT_I4, VT_I4, VT_I4, VT_I4, VT_I2, VT_I2, VT_BOOL};
    ASSERT_EQ(7, desc->cParams);
    for (int i = 0; i < 7; ++i) {
        const TYPEDESC& type = desc->lprgelemdescParam[i].tdesc;
        ASSERT_EQ(VT_PTR, type.vt) << i;
        EXPECT_EQ(expected[i], type.lptdesc->vt) << i;
    }
    info->ReleaseFuncDesc(desc);
    info->Release();
    library->Release();
}

TEST(GetMaskTypeLibrary, EnumerationsOfTheInputControls) {
    kxtest::ComScope com;
    ITypeLib* library = LoadLibrary();
    ASSERT_NE(nullptr, library);
    const struct {
        const wchar_t* type;
        std::vector<std::pair<const wchar_t*, long>> members;
    } cases[] = {
        {L"kxGmInputMode", {{L"By Keyboard", 0}, {L"Only Upper Case", 1}, {L"Only Lower Case", 2}}},
        {L"kxGmAppearance", {{L"Flat", 0}, {L"3D", 1}}},
        {L"kxGmBorderStyle", {{L"None", 0}, {L"Fixed", 1}}},
        {L"kxGCComboStyle", {{L"Drop Down Combo", 0}, {L"Simple Combo", 1}}},
        {L"kxGCTextStyle",
         {{L"None", 0}, {L"Show Format", 1}, {L"Show String Farsi", 2}, {L"Show String English", 3}}},
    };
    for (const auto& c : cases) {
        ITypeInfo* info = nullptr;
        MEMBERID id = 0;
        USHORT found = 1;
        ASSERT_EQ(S_OK, library->FindName(const_cast<LPOLESTR>(c.type), 0, &info, &id, &found)) << c.type;
        ASSERT_EQ(1, found) << c.type;
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        ASSERT_EQ(c.members.size(), attr->cVars) << c.type;
        for (UINT i = 0; i < attr->cVars; ++i) {
            VARDESC* var = nullptr;
            info->GetVarDesc(i, &var);
            BSTR name = nullptr;
            info->GetDocumentation(var->memid, &name, nullptr, nullptr, nullptr);
            EXPECT_STREQ(c.members[i].first, name) << c.type;
            EXPECT_EQ(c.members[i].second, var->lpvarValue->lVal) << c.members[i].first;
            SysFreeString(name);
            info->ReleaseVarDesc(var);
        }
        info->ReleaseTypeAttr(attr);
        info->Release();
    }
    library->Release();
}

}  // namespace
