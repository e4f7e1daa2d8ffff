// kxAlert's and kxAlertWindow's published shape: every member in interface order with its identity, the
// control's stock identities, the ButtonClick events and the alert enumerations; and the server stays loaded
// while an alert window is up.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>
#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

using kxtest::kCall, kxtest::kGet, kxtest::kLet, kxtest::kSet;
using Member = kxtest::InterfaceMember;

const std::vector<Member> kAlertMembers = {
    {L"BackColor", 0x68030000, kGet},
    {L"BackColor", 0x68030000, kLet},
    {L"BorderStyle", 0x68030002, kGet},
    {L"BorderStyle", 0x68030002, kLet},
    {L"Enabled", 0x68030004, kGet},
    {L"Enabled", 0x68030004, kLet},
    {L"Font", 0x68030006, kGet},
    {L"Font", 0x68030006, kSet},
    {L"FontBold", 0x68030008, kGet},
    {L"FontBold", 0x68030008, kLet},
    {L"FontItalic", 0x6803000A, kGet},
    {L"FontItalic", 0x6803000A, kLet},
    {L"FontName", 0x6803000C, kGet},
    {L"FontName", 0x6803000C, kLet},
    {L"FontSize", 0x6803000E, kGet},
    {L"FontSize", 0x6803000E, kLet},
    {L"FontStrikethru", 0x68030010, kGet},
    {L"FontStrikethru", 0x68030010, kLet},
    {L"FontUnderline", 0x68030012, kGet},
    {L"FontUnderline", 0x68030012, kLet},
    {L"ForeColor", 0x68030014, kGet},
    {L"ForeColor", 0x68030014, kLet},
    {L"hdc", 0x68030016, kGet},
    {L"Hwnd", 0x68030017, kGet},
    {L"Picture", 0x68030018, kGet},
    {L"Picture", 0x68030018, kSet},
    {L"RightToLeft", 0x6803001A, kGet},
    {L"RightToLeft", 0x6803001A, kLet},
    {L"TimeToClose", 0x6803001C, kGet},
    {L"TimeToClose", 0x6803001C, kLet},
    {L"SeparateWindow", 0x6803001E, kGet},
    {L"SeparateWindow", 0x6803001E, kLet},
    {L"ShowPosition", 0x68030020, kGet},
    {L"ShowPosition", 0x68030020, kLet},
    {L"AlwaysOnTop", 0x68030022, kGet},
    {L"AlwaysOnTop", 0x68030022, kLet},
    {L"BackStyle", 0x68030024, kGet},
    {L"BackStyle", 0x68030024, kLet},
    {L"Text", 0x68030026, kGet},
    {L"Text", 0x68030026, kLet},
    {L"AutoSize", 0x68030028, kGet},
    {L"AutoSize", 0x68030028, kLet},
    {L"WindowWidth", 0x6803002A, kGet},
    {L"WindowWidth", 0x6803002A, kLet},
    {L"WindowHeight", 0x6803002C, kGet},
    {L"WindowHeight", 0x6803002C, kLet},
    {L"ClickClose", 0x6803002E, kGet},
    {L"ClickClose", 0x6803002E, kLet},
    {L"ShowStyle", 0x68030030, kGet},
    {L"ShowStyle", 0x68030030, kLet},
    {L"TimeToShow", 0x68030032, kGet},
    {L"TimeToShow", 0x68030032, kLet},
    {L"ButtonStyle", 0x68030034, kGet},
    {L"ButtonStyle", 0x68030034, kLet},
    {L"TextButton1", 0x68030036, kGet},
    {L"TextButton1", 0x68030036, kLet},
    {L"TextButton2", 0x68030038, kGet},
    {L"TextButton2", 0x68030038, kLet},
    {L"TextButton3", 0x6803003A, kGet},
    {L"TextButton3", 0x6803003A, kLet},
    {L"LastButtonSelect", 0x6803003C, kGet},
    {L"ButtonSelect", 0x6803003D, kLet},
    {L"DefaultButton", 0x6803003E, kGet},
    {L"DefaultButton", 0x6803003E, kLet},
    {L"TextTitle", 0x68030040, kGet},
    {L"TextTitle", 0x68030040, kLet},
    {L"MaxTransparent", 0x68030042, kGet},
    {L"MaxTransparent", 0x68030042, kLet},
    {L"Show", 0x60030044, kCall},
    {L"About", 0x60030045, kCall},};

const std::vector<Member> kAlertWindowMembers = {
    {L"BackColor", 0x68030021, kGet},
    {L"BackColor", 0x68030021, kLet},
    {L"BorderStyle", 0x68030020, kGet},
    {L"BorderStyle", 0x68030020, kLet},
    {L"Enabled", 0x6803001F, kGet},
    {L"Enabled", 0x6803001F, kLet},
    {L"Font", -512, kGet},
    {L"Font", -512, kSet},
    {L"FontBold", 0x6803001E, kGet},
    {L"FontBold", 0x6803001E, kLet},
    {L"FontItalic", 0x6803001D, kGet},
    {L"FontItalic", 0x6803001D, kLet},
    {L"FontName", 0x6803001C, kGet},
    {L"FontName", 0x6803001C, kLet},
    {L"FontSize", 0x6803001B, kGet},
    {L"FontSize", 0x6803001B, kLet},
    {L"FontStrikethru", 0x6803001A, kGet},
    {L"FontStrikethru", 0x6803001A, kLet},
    {L"FontUnderline", 0x68030019, kGet},
    {L"FontUnderline", 0x68030019, kLet},
    {L"ForeColor", 0x68030018, kGet},
    {L"ForeColor", 0x68030018, kLet},
    {L"hdc", 0x68030017, kGet},
    {L"Hwnd", 0x68030016, kGet},
    {L"Picture", 0x68030015, kGet},
    {L"Picture", 0x68030015, kSet},
    {L"RightToLeft", -611, kGet},
    {L"RightToLeft", -611, kLet},
    {L"TimeToClose", 0x68030014, kGet},
    {L"TimeToClose", 0x68030014, kLet},
    {L"SeparateWindow", 0x68030013, kGet},
    {L"SeparateWindow", 0x68030013, kLet},
    {L"ShowPosition", 0x68030012, kGet},
    {L"ShowPosition", 0x68030012, kLet},
    {L"AlwaysOnTop", 0x68030011, kGet},
    {L"AlwaysOnTop", 0x68030011, kLet},
    {L"BackStyle", 0x68030010, kGet},
    {L"BackStyle", 0x68030010, kLet},
    {L"Text", 0x6803000F, kGet},
    {L"Text", 0x6803000F, kLet},
    {L"AutoSize", 0x6803000E, kGet},
    {L"AutoSize", 0x6803000E, kLet},
    {L"WindowWidth", 0x6803000D, kGet},
    {L"WindowWidth", 0x6803000D, kLet},
    {L"WindowHeight", 0x6803000C, kGet},
    {L"WindowHeight", 0x6803000C, kLet},
    {L"ClickClose", 0x6803000B, kGet},
    {L"ClickClose", 0x6803000B, kLet},
    {L"ShowStyle", 0x6803000A, kGet},
    {L"ShowStyle", 0x6803000A, kLet},
    {L"TimeToShow", 0x68030009, kGet},
    {L"TimeToShow", 0x68030009, kLet},
    {L"ButtonStyle", 0x68030008, kGet},
    {L"ButtonStyle", 0x68030008, kLet},
    {L"TextButton1", 0x68030007, kGet},
    {L"TextButton1", 0x68030007, kLet},
    {L"TextButton2", 0x68030006, kGet},
    {L"TextButton2", 0x68030006, kLet},
    {L"TextButton3", 0x68030005, kGet},
    {L"TextButton3", 0x68030005, kLet},
    {L"LastButtonSelect", 0x68030004, kGet},
    {L"ButtonSelect", 0x68030003, kLet},
    {L"DefaultButton", 0x68030002, kGet},
    {L"DefaultButton", 0x68030002, kLet},
    {L"TextTitle", 0x68030001, kGet},
    {L"TextTitle", 0x68030001, kLet},
    {L"MaxTransparent", 0x68030000, kGet},
    {L"MaxTransparent", 0x68030000, kLet},
    {L"Show", 0x00000000, kCall},
    {L"About", -552, kCall},};

TEST(AlertTypeLibrary, MembersAndEventsInOrderWithTheirIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    kxtest::ExpectInterfaceAndEvents(library, IID__kxAlert, kAlertMembers, DIID___kxAlert,
                                     {{L"ButtonClick", 1, kCall}});
    kxtest::ExpectInterfaceAndEvents(library, IID__kxAlertWindow, kAlertWindowMembers, DIID___kxAlertWindow,
                                     {{L"ButtonClick", 1, kCall}});
    library->Release();
}

// The enumerations with their values and their names, blanks included.
TEST(AlertTypeLibrary, EnumerationsOfTheAlert) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    const kxtest::EnumerationMembers cases[] = {
        {L"kxAWBackStyle", {{L"Solid", 0}, {L"Gradient", 1}}},
        {L"kxAWBorderStyle", {{L"kxAWRectangle", 0}, {L"kxAWRound", 1}, {L"kxAWCircle", 2}}},
        {L"kxAWShowPosition",
         {{L"Right And Buttom", 0}, {L"Right And Middle", 1}, {L"Right And Top", 2}, {L"Center And Buttom", 3},
          {L"Center And Middle", 4}, {L"Center And Top", 5}, {L"Left And Buttom", 6}, {L"Left And Middle", 7},
          {L"Left And Top", 8}}},
        {L"kxAWShowStyle",
         {{L"Fade", 0}, {L"Move Down To Up", 1}, {L"Move Up To Down", 2}, {L"Move Left To Right", 3},
          {L"Move Right To Left", 4}, {L"Fade And Move Down To Up", 5}, {L"Fade And Move Up To Down", 6},
          {L"Fade And Move Left To Right", 7}, {L"Fade And Move Right To Left", 8}, {L"Zoom", 9},
          {L"Fade And Zoom", 10}, {L"Zoom And Move Down To Up", 11}, {L"Zoom And Move Up To Down", 12},
          {L"Zoom And Move Left To Right", 13}, {L"Zoom And Move Right To Left", 14},
          {L"Fade And Zoom And Move Down To Up", 15},
          {L"Fade And Zoom And Move Up To Down", 16}, {L"Fade And Zoom And Move Left To Right", 17},
          {L"Fade And Zoom And Move Right To Left", 18}, {L"None Style", 99}}},
    };
    for (const auto& c : cases) kxtest::ExpectEnumeration(library, c);
    library->Release();
}

// This process's alert windows (other test programs may show theirs).
HWND OwnAlertWindow() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"KxAlertWindow", nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) return window;
    }
    return nullptr;
}

// A loaded alert window counts as a live object: the server stays while it is up, and may go once it
// has closed by itself after the alert was released.
TEST(AlertServer, DllCanUnloadNowWaitsForTheAlertWindow) {
    kxtest::ComScope com;
    _kxAlert* alert = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxAlert, nullptr, CLSCTX_INPROC_SERVER, IID__kxAlert,
                                     reinterpret_cast<void**>(&alert)));
    HMODULE server = GetModuleHandleW(L"Korvix32.dll");
    ASSERT_NE(nullptr, server);
    auto canUnload =
        reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    alert->put_TimeToShow(0.05f);
    alert->put_TimeToClose(0.1f);
    short result = -1;
    BSTR text = SysAllocString(L"Saved");
    ASSERT_EQ(S_OK, alert->Show(text, &result));
    SysFreeString(text);
    EXPECT_EQ(0, result);
    alert->Release();
    ASSERT_NE(nullptr, OwnAlertWindow());
    EXPECT_EQ(S_FALSE, canUnload());
    for (int i = 0; i < 500 && OwnAlertWindow(); ++i) {  // show, timed close and hide: well under ten seconds
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
    EXPECT_EQ(nullptr, OwnAlertWindow());
    EXPECT_EQ(S_OK, canUnload());
}

}  // namespace
