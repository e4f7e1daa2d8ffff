// kxScrollBar's published shape: members in interface order with their identities, the stock ones standard,
// the key and mouse events standard and Change and Scroll its own; its two enumerations.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kScrollBarMembers = {
    {L"BackColor", -501, kGet}, {L"BackColor", -501, kLet},
    {L"ForeColor", -513, kGet}, {L"ForeColor", -513, kLet},
    {L"Enabled", -514, kGet}, {L"Enabled", -514, kLet},
    {L"Refresh", -550, kCall},
    {L"hdc", 0x68030007, kGet},
    {L"Hwnd", -515, kGet},
    {L"LargeChange", 0x68030006, kGet}, {L"LargeChange", 0x68030006, kLet},
    {L"Max", 0x68030005, kGet}, {L"Max", 0x68030005, kLet},
    {L"Min", 0x68030004, kGet}, {L"Min", 0x68030004, kLet},
    {L"SmallChange", 0x68030003, kGet}, {L"SmallChange", 0x68030003, kLet},
    {L"Value", 0x68030002, kGet}, {L"Value", 0x68030002, kLet},
    {L"Style", 0x68030001, kGet}, {L"Style", 0x68030001, kLet},
    {L"Direction", 0x68030000, kGet}, {L"Direction", 0x68030000, kLet},
};

const std::vector<Member> kScrollBarEvents = {
    {L"KeyDown", -602, kCall},   {L"KeyPress", -603, kCall},  {L"KeyUp", -604, kCall},
    {L"MouseDown", -605, kCall}, {L"MouseMove", -606, kCall}, {L"MouseUp", -607, kCall},
    {L"Change", 1, kCall},       {L"Scroll", 2, kCall},
};

TEST(ScrollBarTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxScrollBar, kScrollBarMembers, DIID___kxScrollBar,
                                     kScrollBarEvents);
    library->Release();
}

TEST(ScrollBarTypeLibrary, StylesAndDirections) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    const kxtest::EnumerationMembers cases[] = {
        {L"kxScrollStyle", {{L"kxSBNormal", 0}, {L"kxSBSoft", 1}, {L"kxSBFlat", 2}, {L"kxSBJava", 3},
                            {L"kxSBOfficeXP", 4}, {L"kxSBWindowsXP", 5}, {L"kxSBWindowsTheme", 6},
                            {L"kxSBPlastik", 7}, {L"kxSBGalaxy", 8}, {L"kxSBOffice2003", 11}}},
        {L"kxScrollDirection", {{L"kxSBVertical", 0}, {L"kxSBHorizontal", 1}}},
    };
    for (const auto& c : cases) kxtest::ExpectEnumeration(library, c);
    library->Release();
}

}  // namespace
