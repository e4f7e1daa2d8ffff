// kxGetNumber's published shape: every member in interface order with its identity, Value the default
// member, the standard identities where the control mirrors a platform member, and its nine events.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kNumberMembers = {
    {L"Value", 0, kGet}, {L"Value", 0, kLet},
    {L"ShowComboCalc", 0x60030002, kCall},
    {L"Alignment", 0x68030003, kGet}, {L"Alignment", 0x68030003, kLet},
    {L"RightToLeft", -611, kGet}, {L"RightToLeft", -611, kLet},
    {L"Enabled", -514, kGet}, {L"Enabled", -514, kLet},
    {L"Locked", 0x68030009, kGet}, {L"Locked", 0x68030009, kLet},
    {L"About", -552, kCall}, {L"Refresh", -550, kCall},
    {L"BackColor", -501, kGet}, {L"BackColor", -501, kLet},
    {L"BorderStyle", -504, kGet}, {L"BorderStyle", -504, kLet},
    {L"Font", -512, kGet}, {L"Font", -512, kSet},
    {L"FontBold", 0x68030013, kGet}, {L"FontBold", 0x68030013, kLet},
    {L"FontItalic", 0x68030015, kGet}, {L"FontItalic", 0x68030015, kLet},
    {L"FontName", 0x68030017, kGet}, {L"FontName", 0x68030017, kLet},
    {L"FontSize", 0x68030019, kGet}, {L"FontSize", 0x68030019, kLet},
    {L"FontStrikethru", 0x6803001B, kGet}, {L"FontStrikethru", 0x6803001B, kLet},
    {L"FontUnderline", 0x6803001D, kGet}, {L"FontUnderline", 0x6803001D, kLet},
    {L"ForeColor", -513, kGet}, {L"ForeColor", -513, kLet},
    {L"hdc", 0x68030021, kGet}, {L"Hwnd", -515, kGet},
    {L"MouseIcon", 0x68030023, kGet}, {L"MouseIcon", 0x68030023, kSet},
    {L"MousePointer", 0x68030025, kGet}, {L"MousePointer", 0x68030025, kLet},
    {L"Text", 0x68030027, kGet},
    {L"WordWrap", 0x68030028, kGet}, {L"WordWrap", 0x68030028, kLet},
    {L"Style", 0x6803002A, kGet}, {L"Style", 0x6803002A, kLet},
    {L"ShowFormat", 0x6803002C, kGet}, {L"ShowFormat", 0x6803002C, kLet},
    {L"TextStyle", 0x6803002E, kGet}, {L"TextStyle", 0x6803002E, kLet},
    {L"EnterNextTab", 0x68030030, kGet}, {L"EnterNextTab", 0x68030030, kLet},
};

const std::vector<Member> kNumberEvents = {
    {L"Change", 1, kCall},       {L"Click", -600, kCall},     {L"DblClick", -601, kCall},
    {L"KeyDown", -602, kCall},   {L"KeyPress", -603, kCall},  {L"KeyUp", -604, kCall},
    {L"MouseDown", -605, kCall}, {L"MouseMove", -606, kCall}, {L"MouseUp", -607, kCall},
};

TEST(GetNumberTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxGetNumber, kNumberMembers, DIID___kxGetNumber, kNumberEvents);
    library->Release();
}

}  // namespace
