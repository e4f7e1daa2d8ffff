// kxButton's published shape: hosts bind its members by dispatch identity and its events by position, so
// the registered type library must list both in interface order with their identities.
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

const std::vector<Member> kButtonMembers = {
    {L"zSubclass_Proc", 0x6003001A, kCall},
    {L"Refresh", -550, kCall},
    {L"Style", 0x68030019, kLet}, {L"Style", 0x68030019, kGet},
    {L"Caption", -518, kLet}, {L"Caption", -518, kGet},
    {L"Icon", 0x68030018, kSet}, {L"Icon", 0x68030018, kGet},
    {L"IconAlign", 0x68030017, kLet}, {L"IconAlign", 0x68030017, kGet},
    {L"IconSize", 0x68030016, kLet}, {L"IconSize", 0x68030016, kGet},
    {L"CaptionAlign", 0x68030015, kLet}, {L"CaptionAlign", 0x68030015, kGet},
    {L"Enabled", -514, kLet}, {L"Enabled", -514, kGet},
    {L"ShowFocus", 0x68030014, kLet}, {L"ShowFocus", 0x68030014, kGet},
    {L"UseCustomColors", 0x68030013, kLet}, {L"UseCustomColors", 0x68030013, kGet},
    {L"BackColor", -501, kLet}, {L"BackColor", -501, kGet},
    {L"HighlightColor", 0x68030012, kLet}, {L"HighlightColor", 0x68030012, kGet},
    {L"FontColor", -513, kLet}, {L"FontColor", -513, kGet},
    {L"FontHighlightColor", 0x68030011, kLet}, {L"FontHighlightColor", 0x68030011, kGet},
    {L"ToolTipBody", 0x68030010, kLet}, {L"ToolTipBody", 0x68030010, kGet},
    {L"ToolTipTitle", 0x6803000F, kLet}, {L"ToolTipTitle", 0x6803000F, kGet},
    {L"ToolTipIcon", 0x6803000E, kLet}, {L"ToolTipIcon", 0x6803000E, kGet},
    {L"ToolTipType", 0x6803000D, kLet}, {L"ToolTipType", 0x6803000D, kGet},
    {L"ToolTipBackColor", 0x6803000C, kLet}, {L"ToolTipBackColor", 0x6803000C, kGet},
    {L"ToolTipForeColor", 0x6803000B, kLet}, {L"ToolTipForeColor", 0x6803000B, kGet},
    {L"ButtonType", 0x6803000A, kLet}, {L"ButtonType", 0x6803000A, kGet},
    {L"Value", 0x68030009, kLet}, {L"Value", 0x68030009, kGet},
    {L"Font", -512, kGet}, {L"Font", -512, kSet},
    {L"RightToLeft", -611, kGet}, {L"RightToLeft", -611, kLet},
    {L"MousePointer", 0x68030008, kGet}, {L"MousePointer", 0x68030008, kLet},
    {L"MouseIcon", 0x68030007, kGet}, {L"MouseIcon", 0x68030007, kSet},
    {L"Hwnd", -515, kGet},
    {L"hdc", 0x68030006, kGet},
    {L"FontUnderline", 0x68030005, kGet}, {L"FontUnderline", 0x68030005, kLet},
    {L"FontStrikethru", 0x68030004, kGet}, {L"FontStrikethru", 0x68030004, kLet},
    {L"FontSize", 0x68030003, kGet}, {L"FontSize", 0x68030003, kLet},
    {L"FontName", 0x68030002, kGet}, {L"FontName", 0x68030002, kLet},
    {L"FontItalic", 0x68030001, kGet}, {L"FontItalic", 0x68030001, kLet},
    {L"FontBold", 0x68030000, kGet}, {L"FontBold", 0x68030000, kLet},
    {L"About", -552, kCall},
};

const std::vector<Member> kButtonEvents = {
    {L"Click", -600, kCall},     {L"DblClick", -601, kCall}, {L"MouseUp", -607, kCall},
    {L"MouseMove", -606, kCall}, {L"MouseDown", -605, kCall}, {L"KeyUp", -604, kCall},
    {L"KeyPress", -603, kCall},  {L"KeyDown", -602, kCall},  {L"MouseEnter", 1, kCall},
    {L"MouseLeave", 2, kCall},
};

TEST(ButtonTypeLibrary, MembersAndEventsInInterfaceOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));

    kxtest::ExpectInterfaceAndEvents(library, IID__kxButton, kButtonMembers, DIID___kxButton, kButtonEvents);

    // The coclass names the two as its default and default source interfaces.
    ITypeInfo* coclass = nullptr;
    ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(CLSID_kxButton, &coclass));
    for (UINT i = 0; i < 2; ++i) {
        INT flags = 0;
        ASSERT_EQ(S_OK, coclass->GetImplTypeFlags(i, &flags));
        EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT);
    }
    coclass->Release();
    library->Release();
}

}  // namespace
