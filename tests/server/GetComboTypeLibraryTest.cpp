// kxGetCombo's published shape: every member in interface order with its identity, the event interface,
// kxGCoTextStyle and the record kxColumeInfo.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kComboMembers = {
    {L"OneTimeLoaded", 0x40030000, kGet}, {L"OneTimeLoaded", 0x40030000, kLet},
    {L"Value", 0, kGet}, {L"Value", 0, kLet},
    {L"ShowComboCombo", 0x60030004, kCall},
    {L"Alignment", 0x68030005, kGet}, {L"Alignment", 0x68030005, kLet},
    {L"RightToLeft", -611, kGet}, {L"RightToLeft", -611, kLet},
    {L"Enabled", -514, kGet}, {L"Enabled", -514, kLet},
    {L"Locked", 0x6803000B, kGet}, {L"Locked", 0x6803000B, kLet},
    {L"About", -552, kCall},
    {L"Refresh", 0x6003000E, kCall},
    {L"BackColor", -501, kGet}, {L"BackColor", -501, kLet},
    {L"BorderStyle", -504, kGet}, {L"BorderStyle", -504, kLet},
    {L"Font", -512, kGet}, {L"Font", -512, kSet},
    {L"FontBold", 0x68030015, kGet}, {L"FontBold", 0x68030015, kLet},
    {L"FontItalic", 0x68030017, kGet}, {L"FontItalic", 0x68030017, kLet},
    {L"FontName", 0x68030019, kGet}, {L"FontName", 0x68030019, kLet},
    {L"FontSize", 0x6803001B, kGet}, {L"FontSize", 0x6803001B, kLet},
    {L"FontStrikethru", 0x6803001D, kGet}, {L"FontStrikethru", 0x6803001D, kLet},
    {L"FontUnderline", 0x6803001F, kGet}, {L"FontUnderline", 0x6803001F, kLet},
    {L"ForeColor", -513, kGet}, {L"ForeColor", -513, kLet},
    {L"hdc", 0x68030023, kGet},
    {L"Hwnd", -515, kGet},
    {L"MouseIcon", 0x68030025, kGet}, {L"MouseIcon", 0x68030025, kSet},
    {L"MousePointer", 0x68030027, kGet}, {L"MousePointer", 0x68030027, kLet},
    {L"Text", 0x68030029, kGet},
    {L"WordWrap", 0x6803002A, kGet}, {L"WordWrap", 0x6803002A, kLet},
    {L"Style", 0x6803002C, kGet}, {L"Style", 0x6803002C, kLet},
    {L"EnterNextTab", 0x6803002E, kGet}, {L"EnterNextTab", 0x6803002E, kLet},
    {L"TextStyle", 0x68030030, kGet}, {L"TextStyle", 0x68030030, kLet},
    {L"SecondDataSource", 0x68030032, kGet}, {L"SecondDataSource", 0x68030032, kLet},
    {L"KeyField", 0x68030034, kGet}, {L"KeyField", 0x68030034, kLet},
    {L"ShowField", 0x68030036, kGet}, {L"ShowField", 0x68030036, kLet},
    {L"List", 0x68030038, kGet}, {L"List", 0x68030038, kLet},
    {L"AddItem", 0x6003003A, kCall},
    {L"ListCount", 0x6003003B, kCall},
    {L"GridRefresh", 0x6003003C, kCall},
};

const std::vector<Member> kComboEvents = {
    {L"Change", 1, kCall},       {L"Click", -600, kCall},     {L"DblClick", -601, kCall},
    {L"KeyDown", -602, kCall},   {L"KeyPress", -603, kCall},  {L"KeyUp", -604, kCall},
    {L"MouseDown", -605, kCall}, {L"MouseMove", -606, kCall}, {L"MouseUp", -607, kCall},
};

ITypeLib* LoadLibrary() {
    ITypeLib* library = nullptr;
    return SUCCEEDED(LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library)) ? library : nullptr;
}

TEST(GetComboTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = LoadLibrary();
    ASSERT_NE(nullptr, library);
    kxtest::ExpectInterfaceAndEvents(library, IID__kxGetCombo, kComboMembers, DIID___kxGetCombo, kComboEvents);
    kxtest::ExpectEnumeration(library, {L"kxGCoTextStyle", {{L"None", 0}, {L"Show String Value", 1},
                                                           {L"Only String Value", 2}}});
    library->Release();
}

// kxColumeInfo: a record of three texts, with a uuid so that automation can pass it.
TEST(GetComboTypeLibrary, TheColumnRecord) {
    kxtest::ComScope com;
    ITypeLib* library = LoadLibrary();
    ASSERT_NE(nullptr, library);
    ITypeInfo* info = nullptr;
    MEMBERID id = 0;
    USHORT found = 1;
    ASSERT_EQ(S_OK, library->FindName(const_cast<LPOLESTR>(L"kxColumeInfo"), 0, &info, &id, &found));
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    EXPECT_EQ(TKIND_RECORD, attr->typekind);
    EXPECT_FALSE(IsEqualGUID(GUID_NULL, attr->guid));
    ASSERT_EQ(3, attr->cVars);
    const wchar_t* names[] = {L"Name", L"Caption", L"Width"};
    for (UINT i = 0; i < 3; ++i) {
        VARDESC* var = nullptr;
        info->GetVarDesc(i, &var);
        BSTR name = nullptr;
        info->GetDocumentation(var->memid, &name, nullptr, nullptr, nullptr);
        EXPECT_STREQ(names[i], name);
        EXPECT_EQ(VT_BSTR, var->elemdescVar.tdesc.vt);
        SysFreeString(name);
        info->ReleaseVarDesc(var);
    }
    info->ReleaseTypeAttr(attr);
    info->Release();
    library->Release();
}

}  // namespace
