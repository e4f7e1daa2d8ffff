// kxLabel's published shape: every member in interface order with its identity, Caption the default
// member, the stock members with their standard identities, and the eight stock events.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kLabelMembers = {
    {L"Refresh", -550, kCall},
    {L"Degree", 0x6803001A, kGet}, {L"Degree", 0x6803001A, kLet},
    {L"Caption", 0, kGet}, {L"Caption", 0, kLet},
    {L"BackColor", 0x68030019, kGet}, {L"BackColor", 0x68030019, kLet},
    {L"ForeColor", -513, kGet}, {L"ForeColor", -513, kLet},
    {L"Alignment", 0x68030018, kGet}, {L"Alignment", 0x68030018, kLet},
    {L"TextStyle", 0x68030017, kGet}, {L"TextStyle", 0x68030017, kLet},
    {L"FirstColor", 0x68030016, kGet}, {L"FirstColor", 0x68030016, kLet},
    {L"SecondColor", 0x68030015, kGet}, {L"SecondColor", 0x68030015, kLet},
    {L"BackStyle", 0x68030014, kGet}, {L"BackStyle", 0x68030014, kLet},
    {L"Font", -512, kGet}, {L"Font", -512, kSet},
    {L"CharDegree", 0x68030013, kGet}, {L"CharDegree", 0x68030013, kLet},
    {L"BalanceX", 0x68030012, kGet}, {L"BalanceX", 0x68030012, kLet},
    {L"BalanceY", 0x68030011, kGet}, {L"BalanceY", 0x68030011, kLet},
    {L"BorderStyle", 0x68030010, kGet}, {L"BorderStyle", 0x68030010, kLet},
    {L"Picture", 0x6803000F, kGet}, {L"Picture", 0x6803000F, kSet},
    {L"PictureX", 0x6803000E, kGet}, {L"PictureX", 0x6803000E, kLet},
    {L"PictureY", 0x6803000D, kGet}, {L"PictureY", 0x6803000D, kLet},
    {L"UseMaskColor", 0x6803000C, kGet}, {L"UseMaskColor", 0x6803000C, kLet},
    {L"MaskColor", 0x6803000B, kGet}, {L"MaskColor", 0x6803000B, kLet},
    {L"Alpha", 0x6803000A, kGet}, {L"Alpha", 0x6803000A, kLet},
    {L"CanGetFocus", 0x68030009, kGet}, {L"CanGetFocus", 0x68030009, kLet},
    {L"FontBold", 0x68030008, kGet}, {L"FontBold", 0x68030008, kLet},
    {L"FontItalic", 0x68030007, kGet}, {L"FontItalic", 0x68030007, kLet},
    {L"FontName", 0x68030006, kGet}, {L"FontName", 0x68030006, kLet},
    {L"FontSize", 0x68030005, kGet}, {L"FontSize", 0x68030005, kLet},
    {L"FontStrikethru", 0x68030004, kGet}, {L"FontStrikethru", 0x68030004, kLet},
    {L"FontUnderline", 0x68030003, kGet}, {L"FontUnderline", 0x68030003, kLet},
    {L"hdc", 0x68030002, kGet},
    {L"Hwnd", -515, kGet},
    {L"MouseIcon", 0x68030001, kGet}, {L"MouseIcon", 0x68030001, kSet},
    {L"MousePointer", 0x68030000, kGet}, {L"MousePointer", 0x68030000, kLet},
    {L"RightToLeft", -611, kGet}, {L"RightToLeft", -611, kLet},
    {L"About", -552, kCall},
};

const std::vector<Member> kLabelEvents = {
    {L"Click", -600, kCall},     {L"DblClick", -601, kCall},  {L"KeyDown", -602, kCall},
    {L"KeyPress", -603, kCall},  {L"KeyUp", -604, kCall},     {L"MouseUp", -607, kCall},
    {L"MouseDown", -605, kCall}, {L"MouseMove", -606, kCall},
};

TEST(LabelTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxLabel, kLabelMembers, DIID___kxLabel, kLabelEvents);
    library->Release();
}

// The enumerations a host's property browser lists, with their values.
TEST(LabelTypeLibrary, EnumerationsOfTheLabel) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    const kxtest::EnumerationMembers cases[] = {
        {L"kxlBorderStyle", {{L"kxlbNone", 0}, {L"kxlbSunken", 1}, {L"kxlbFlat", 2}, {L"kxlbRaised", 3},
                             {L"kxlbRaisedSunken", 4}, {L"kxlbSunkenRaised", 5}}},
        {L"kxlTextStyle", {{L"kxlNormal", 0}, {L"kxlRaised", 1}, {L"kxlSunken", 2}}},
        {L"kxFrameBackStyle", {{L"kxfSolid", 0}, {L"kxfGradiantUpDown", 1}, {L"kxfGradiantLeftRight", 2}}},
    };
    for (const auto& c : cases) kxtest::ExpectEnumeration(library, c);
    library->Release();
}

}  // namespace
