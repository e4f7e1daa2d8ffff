// kxTrayBar's published shape: every member in interface order with its identity, Picture the default
// member, About the standard one, and its five events numbered 1 to 5.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kTrayMembers = {
    {L"VisibleOnTray", 0x6803000C, kGet},
    {L"VisibleOnTray", 0x6803000C, kLet},
    {L"Picture", 0, kGet},
    {L"Picture", 0, kSet},
    {L"ToolTipText", 0x6803000B, kGet},
    {L"ToolTipText", 0x6803000B, kLet},
    {L"RefreshTrayIcon", 0x6003000A, kCall},
    {L"ImageList", 0x68030009, kGet},
    {L"ImageList", 0x68030009, kSet},
    {L"Interval", 0x68030008, kGet},
    {L"Interval", 0x68030008, kLet},
    {L"Animate", 0x68030007, kGet},
    {L"Animate", 0x68030007, kLet},
    {L"AutoReverse", 0x68030006, kGet},
    {L"AutoReverse", 0x68030006, kLet},
    {L"About", -552, kCall},
    {L"Enabled", 0x68030005, kGet},
    {L"Enabled", 0x68030005, kLet},
    {L"IconhWnd", 0x68030004, kGet},
    {L"TrayBarRectLeft", 0x68030003, kGet},
    {L"TrayBarRectTop", 0x68030002, kGet},
    {L"TrayBarRectRight", 0x68030001, kGet},
    {L"TrayBarRectBottom", 0x68030000, kGet},
};

const std::vector<Member> kTrayEvents = {
    {L"PictureChanged", 1, kCall}, {L"MouseMove", 2, kCall}, {L"MouseDown", 3, kCall},
    {L"MouseUp", 4, kCall},        {L"DblClick", 5, kCall},
};

TEST(TrayBarTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxTrayBar, kTrayMembers, DIID___kxTrayBar, kTrayEvents);
    library->Release();
}

}  // namespace
