// kxFrame's published shape: every member in interface order with its identity, the stock members with
// their standard identities, its border enumeration and the five stock events.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kFrameMembers = {
    {L"Caption", 0x68030014, kGet},
    {L"Caption", 0x68030014, kLet},
    {L"FirstColor", 0x68030013, kGet},
    {L"FirstColor", 0x68030013, kLet},
    {L"SecondColor", 0x68030012, kGet},
    {L"SecondColor", 0x68030012, kLet},
    {L"BackStyle", 0x68030011, kGet},
    {L"BackStyle", 0x68030011, kLet},
    {L"BorderStyle", 0x68030010, kGet},
    {L"BorderStyle", 0x68030010, kLet},
    {L"BackColor", 0x6803000F, kGet},
    {L"BackColor", 0x6803000F, kLet},
    {L"Font", -512, kGet},
    {L"Font", -512, kSet},
    {L"FontBold", 0x6803000E, kGet},
    {L"FontBold", 0x6803000E, kLet},
    {L"FontItalic", 0x6803000D, kGet},
    {L"FontItalic", 0x6803000D, kLet},
    {L"FontName", 0x6803000C, kGet},
    {L"FontName", 0x6803000C, kLet},
    {L"FontSize", 0x6803000B, kGet},
    {L"FontSize", 0x6803000B, kLet},
    {L"FontStrikethru", 0x6803000A, kGet},
    {L"FontStrikethru", 0x6803000A, kLet},
    {L"FontUnderline", 0x68030009, kGet},
    {L"FontUnderline", 0x68030009, kLet},
    {L"ForeColor", -513, kGet},
    {L"ForeColor", -513, kLet},
    {L"Refresh", 0x60030008, kCall},
    {L"RightToLeft", -611, kGet},
    {L"RightToLeft", -611, kLet},
    {L"Enabled", -514, kGet},
    {L"Enabled", -514, kLet},
    {L"hdc", 0x68030007, kGet},
    {L"Hwnd", -515, kGet},
    {L"PictureAlignment", 0x68030006, kGet},
    {L"PictureAlignment", 0x68030006, kLet},
    {L"Stretch", 0x68030005, kGet},
    {L"Stretch", 0x68030005, kLet},
    {L"MaskColor", 0x68030004, kGet},
    {L"MaskColor", 0x68030004, kLet},
    {L"UseMaskColor", 0x68030003, kGet},
    {L"UseMaskColor", 0x68030003, kLet},
    {L"AlphaBlend", 0x68030002, kGet},
    {L"AlphaBlend", 0x68030002, kLet},
    {L"Picture", 0x68030001, kGet},
    {L"Picture", 0x68030001, kSet},
    {L"About", -552, kCall},
    {L"LableDown", 0x68030000, kGet},
    {L"LableDown", 0x68030000, kLet},
};

const std::vector<Member> kFrameEvents = {
    {L"Click", -600, kCall}, {L"DblClick", -601, kCall}, {L"KeyDown", -602, kCall},
    {L"KeyPress", -603, kCall}, {L"KeyUp", -604, kCall},
};

TEST(FrameTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxFrame, kFrameMembers, DIID___kxFrame, kFrameEvents);
    library->Release();
}

TEST(FrameTypeLibrary, TheBorderEnumeration) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectEnumeration(library, {L"kxFrameBorder", {{L"kxfNone", 0}, {L"kxfSingle", 1}, {L"kxfDouble", 2},
                                                           {L"kxfInner", 3}, {L"kxfOuter", 4}, {L"kxfRaise", 5},
                                                           {L"kxfPressed", 6}}});
    library->Release();
}

}  // namespace
