// kxGifPlayer's published shape: the decoder's members, then the player's, in interface order with
// their identities; the two events; the two enumerations.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <utility>
#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kPlayerMembers = {
    {L"SigVersion", 0x68030000, kGet},
    {L"HasGlobalLut", 0x68030001, kGet},
    {L"ScreenWidth", 0x68030002, kGet},
    {L"ScreenHeight", 0x68030003, kGet},
    {L"BackgroundIndex", 0x68030004, kGet},
    {L"BackgroundColor", 0x68030005, kGet},
    {L"GlobalLutSize", 0x68030006, kGet},
    {L"IsInterlaced", 0x68030007, kGet},
    {L"HasLocalLut", 0x68030008, kGet},
    {L"LocalLutSize", 0x68030009, kGet},
    {L"ImageLeft", 0x6803000A, kGet},
    {L"ImageTop", 0x6803000B, kGet},
    {L"ImageWidth", 0x6803000C, kGet},
    {L"ImageHeight", 0x6803000D, kGet},
    {L"IsTransparent", 0x6803000E, kGet},
    {L"UserInput", 0x6803000F, kGet},
    {L"TransparentColor", 0x68030010, kGet},
    {L"TransparentIndex", 0x68030011, kGet},
    {L"DisposalMethod", 0x68030012, kGet},
    {L"ImageLut", 0x68030013, kGet},
    {L"ImageBits", 0x68030014, kGet},
    {L"FrameIndex", 0x68030015, kGet},
    {L"EOF", 0x68030016, kGet},
    {L"DelayTime", 0x68030017, kGet},
    {L"Init", 0x60030018, kCall},
    {L"MoveNext", 0x60030019, kCall},
    {L"MoveFirst", 0x6003001A, kCall},
    {L"MoveLast", 0x6003001B, kCall},
    {L"MergeCurrentImage", 0x6003001C, kCall},
    {L"Image", 0x6803001D, kGet},
    {L"FileName", 0x6803001E, kGet}, {L"FileName", 0x6803001E, kLet},
    {L"ShowType", 0x6803001F, kGet}, {L"ShowType", 0x6803001F, kLet},
    {L"Repeat", 0x68030020, kGet}, {L"Repeat", 0x68030020, kLet},
    {L"AutoSize", 0x68030021, kGet}, {L"AutoSize", 0x68030021, kLet},
    {L"GifPlay", 0x60030022, kCall},
    {L"GifStop", 0x60030023, kCall},
};

const std::vector<Member> kPlayerEvents = {
    {L"Progress", 1, kCall},
    {L"ImageComplete", 2, kCall},
};

TEST(GifPlayerTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxGifPlayer, kPlayerMembers, DIID___kxGifPlayer, kPlayerEvents);
    library->Release();
}

TEST(GifPlayerTypeLibrary, EnumerationsOfThePlayer) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    const kxtest::EnumerationMembers cases[] = {
        {L"kxGifShowType", {{L"kxgActual", 0}, {L"kxgStretch", 1}, {L"kxgClip", 2}}},
        {L"UcsGifDisposalMethod", {{L"ucsDisposalNone", 0}, {L"ucsDisposalKeep", 1}, {L"ucsDisposalBackground", 2},
                                   {L"ucsDisposalPrevious", 3}}},
    };
    for (const auto& c : cases) kxtest::ExpectEnumeration(library, c);
    library->Release();
}

}  // namespace
