// kxMedia's published shape: the public variables, the properties, the methods, in interface order with
// their identities; the six events; the media type enumeration.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kMediaMembers = {
    {L"WindowControl", 0x40030000, kGet}, {L"WindowControl", 0x40030000, kLet}, {L"WindowControl", 0x40030000, kSet},
    {L"Playing", 0x40030001, kGet}, {L"Playing", 0x40030001, kLet},
    {L"Player", 0x40030002, kGet}, {L"Player", 0x40030002, kLet}, {L"Player", 0x40030002, kSet},
    {L"PlayerPos", 0x40030003, kGet}, {L"PlayerPos", 0x40030003, kLet}, {L"PlayerPos", 0x40030003, kSet},
    {L"PlayerWindow", 0x40030004, kGet}, {L"PlayerWindow", 0x40030004, kLet}, {L"PlayerWindow", 0x40030004, kSet},
    {L"PlayerAudio", 0x40030005, kGet}, {L"PlayerAudio", 0x40030005, kLet}, {L"PlayerAudio", 0x40030005, kSet},
    {L"FileName", 0x68030006, kGet}, {L"FileName", 0x68030006, kLet},
    {L"DataType", 0x68030007, kGet}, {L"DataType", 0x68030007, kLet},
    {L"Enabled", 0x68030008, kGet}, {L"Enabled", 0x68030008, kLet},
    {L"Repeat", 0x68030009, kGet}, {L"Repeat", 0x68030009, kLet},
    {L"Hwnd", 0x6803000A, kGet},
    {L"hdc", 0x6803000B, kGet},
    {L"Duration", 0x6803000C, kGet}, {L"Duration", 0x6803000C, kLet},
    {L"RepeatEvery", 0x6803000D, kGet}, {L"RepeatEvery", 0x6803000D, kLet},
    {L"mPlay", 0x6003000E, kCall},
    {L"mPause", 0x6003000F, kCall},
    {L"mStop", 0x60030010, kCall},
    {L"mForeward", 0x60030011, kCall},
    {L"mBackward", 0x60030012, kCall},
};

const std::vector<Member> kMediaEvents = {
    {L"PositionChange", 1, kCall}, {L"ActionStop", 2, kCall},     {L"ActionPlay", 3, kCall},
    {L"ActionPause", 4, kCall},    {L"ActionBackward", 5, kCall}, {L"ActionForeward", 6, kCall},
};

TEST(MediaTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxMedia, kMediaMembers, DIID___kxMedia, kMediaEvents);
    kxtest::ExpectEnumeration(library, {L"kxMediaType", {{L"kxAudio", 0}, {L"kxVideo", 1}, {L"kxFlash", 2}}});
    library->Release();
}

}  // namespace
