// The registered type library publishes each system class's members in vtable order, with the
// dispatch identity 0x60030000 + slot; early-bound callers depend on both.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "Korvix32_h.h"
#include "TypeLibrarySupport.h"

namespace {

struct ClassMembers {
    const char* label;
    const IID* iid;
    std::vector<std::wstring> members;
};

const ClassMembers kClasses[] = {
    {"kxWindow", &IID__kxWindow,
     {L"WindowVisible", L"ShowFlashWindow", L"SetWindowPosition", L"GetWindowPosition", L"WhatIsDC", L"WinMoveForm",
      L"DesktophWnd", L"TopWindow", L"SetTopWindow", L"FindWindowCaption", L"FindWindowAndActive", L"CloseWindow",
      L"MakeTransparent", L"WndTohDc", L"GetMousePos"}},
    {"kxRegistry", &IID__kxRegistry,
     {L"regDelete_Sub_Key", L"regDoes_Key_Exist", L"regQuery_A_Key", L"regCreate_Key_Value", L"regCreate_A_Key",
      L"regDelete_A_Key", L"KXSaveRegistry", L"KXDeleteRegistry", L"KXReadRegistry", L"RegIconFileType",
      L"RegIconFileTypeDelete", L"RegIconFileTypeCheck", L"WriteProfileText", L"GetProfileText",
      L"KXRead_Enum_Key", L"KXRead_Enum_Value", L"GetWindowsVariant", L"KXGetKeyType", L"KXCopyKeyAndItems",
      L"KXCopyItem"}},
    {"kxDisk", &IID__kxDisk,
     {L"ShellProgramWait", L"ExtractFileName", L"GetDrive", L"ShellProgram", L"CDDoor", L"MakeRecycleBinEmpty",
      L"DiskSize", L"FileExists", L"FormatDrive", L"MapDrive", L"FileCopy", L"FileMove", L"FileOperation",
      L"ChangeCurDir"}},
    {"kxSystemInfo", &IID__kxSystemInfo,
     {L"SystemFolder", L"WindowsFolder", L"TempFolder", L"TempFileName", L"GetShortName", L"GetWindowsVersion",
      L"CurrentMachineName", L"CurrentUserName", L"GetOSVersion", L"GetWindowsTempDir", L"GetUserCharset",
      L"GetShiftStatus", L"GetLang", L"SetLang", L"GetSpecialFolder", L"ShutDownWindows", L"SendKey",
      L"ShowMouseCursor", L"SwapMouseBtn", L"WindowsGetBeepMode", L"WindowsSetBeepMode", L"WindowsGetBorder",
      L"WindowsSetBorder", L"WindowsGetKeyboardSpeed", L"WindowsSetKeyboardSpeed",
      L"WindowsGetIconHorizontalSpace", L"WindowsGetScreenSaverTimerOut", L"WindowsSetScreenSaverTimerOut",
      L"WindowsGetScreenSaverActive", L"WindowsSetScreenSaverActive", L"WindowsSetWallPaper",
      L"WindowsGetKeyboardDelay", L"WindowsSetKeyboardDelay", L"WindowsGetIconVerticalSpace",
      L"WindowsGetMenuDropAlignment", L"WindowsSetMenuDropAlignment", L"RunWindowsApplication", L"GetMonitorInfo",
      L"GetMonitorCount", L"GetMonitorWindowMonitorIndex"}},
    {"kxGraph", &IID__kxGraph,
     {L"CaptureWindow", L"DrawGradeint", L"DrawFullPicture", L"GetColorDialog", L"ShowTransPict", L"SavePhotoFile",
      L"ResizePicture", L"DrawGrayScale", L"GrayImage", L"ColorOffset", L"ColorBase", L"GetRgb", L"TranslateColor",
      L"ComparePicture"}},
    {"kxFunctions", &IID__kxFunctions,
     {L"SortArr", L"FindInComboBox", L"GetStrBegin", L"MakeFont", L"GetUserCharset", L"GetListIndex",
      L"GetItemList", L"KillFileName", L"ReplaceStr", L"ReplaceCharInStr", L"GetObjectListIndex",
      L"ChangeNullEmpty", L"Wait", L"TextLineInfo"}},
};

TEST(TypeLibrary, MembersInSlotOrderWithTheirDispatchIdentities) {
    kxtest::ComScope com;
    ITypeLib* library = nullptr;
    ASSERT_EQ(S_OK, LoadRegTypeLib(LIBID_Korvix32, 1, 0, LOCALE_NEUTRAL, &library));
    for (const ClassMembers& cls : kClasses) {
        ITypeInfo* info = kxtest::VtableInfo(library, *cls.iid);
        ASSERT_NE(nullptr, info) << cls.label;
        TYPEATTR* attr = nullptr;
        ASSERT_EQ(S_OK, info->GetTypeAttr(&attr));
        ASSERT_EQ(cls.members.size(), attr->cFuncs) << cls.label;
        for (UINT slot = 0; slot < attr->cFuncs; ++slot) {
            FUNCDESC* desc = nullptr;
            ASSERT_EQ(S_OK, info->GetFuncDesc(slot, &desc));
            BSTR name = nullptr;
            info->GetDocumentation(desc->memid, &name, nullptr, nullptr, nullptr);
            EXPECT_EQ(cls.members[slot], std::wstring(name ? name : L"")) << cls.label << " slot " << slot;
            EXPECT_EQ(static_cast<MEMBERID>(0x60030000 + slot), desc->memid) << cls.label << " slot " << slot;
            EXPECT_EQ(static_cast<SHORT>((7 + slot) * sizeof(void*)), desc->oVft) << cls.label << " slot " << slot;
            SysFreeString(name);
            info->ReleaseFuncDesc(desc);
        }
        info->ReleaseTypeAttr(attr);
        info->Release();
    }
    library->Release();
}

TEST(EarlyBinding, KxWindowSlotsFiveAndTwelveByVtable) {
    kxtest::ComScope com;
    _kxWindow* window = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxWindow, nullptr, CLSCTX_INPROC_SERVER, IID__kxWindow,
                                     reinterpret_cast<void**>(&window)));
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"slot test", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                nullptr, nullptr);
    LONG handle = static_cast<LONG>(reinterpret_cast<LONG_PTR>(hwnd)), from = 255;
    OLE_COLOR magenta = 0x00FF00FF;
    VARIANT_BOOL yes = VARIANT_TRUE;
    EXPECT_EQ(S_OK, window->MakeTransparent(&handle, 255, &from, &magenta, &yes));  // slot 12
    BYTE alpha = 0;
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(0x00FF00FFu, key);
    EXPECT_EQ(255, alpha);

    IDispatch* none = nullptr;
    short right = 2;
    EXPECT_EQ(S_OK, window->WinMoveForm(&none, &right));  // slot 5
    DestroyWindow(hwnd);
    window->Release();
}

BSTR Text(const wchar_t* text) { return SysAllocString(text); }

TEST(EarlyBinding, KxRegistrySlotsTwelveAndThirteenByVtable) {
    kxtest::ComScope com;
    _kxRegistry* registry = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxRegistry, nullptr, CLSCTX_INPROC_SERVER, IID__kxRegistry,
                                     reinterpret_cast<void**>(&registry)));
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring file = std::wstring(folder) + L"kx_slots_" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    BSTR section = Text(L"Option"), key = Text(L"Item0"), value = Text(L"True"), path = Text(file.c_str());
    VARIANT_BOOL written = VARIANT_FALSE;
    EXPECT_EQ(S_OK, registry->WriteProfileText(&section, &key, &value, &path, &written));  // slot 12
    EXPECT_EQ(VARIANT_TRUE, written);
    BSTR fallback = Text(L"False");
    VARIANT read;
    VariantInit(&read);
    EXPECT_EQ(S_OK, registry->GetProfileText(&section, &key, &fallback, &path, &read));  // slot 13
    ASSERT_EQ(VT_BSTR, read.vt);
    EXPECT_EQ(std::wstring(L"True"), std::wstring(read.bstrVal));
    VariantClear(&read);
    for (BSTR b : {section, key, value, path, fallback}) SysFreeString(b);
    DeleteFileW(file.c_str());
    registry->Release();
}

TEST(EarlyBinding, KxDiskSlotThreeByVtable) {
    kxtest::ComScope com;
    _kxDisk* disk = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxDisk, nullptr, CLSCTX_INPROC_SERVER, IID__kxDisk,
                                     reinterpret_cast<void**>(&disk)));
    wchar_t helper[MAX_PATH] = {};
    GetEnvironmentVariableW(L"KX_HELPER", helper, MAX_PATH);
    std::wstring program = L"Z:" + std::wstring(helper);
    for (auto& c : program)
        if (c == L'/') c = L'\\';
    BSTR file = Text(program.c_str()), parameters = Text(L"exit 0"), folder = Text(L""), verb = Text(L"open");
    kxProgramRun mode = kxSHOWNORMAL;
    VARIANT_BOOL wait = VARIANT_TRUE, locked = VARIANT_TRUE;
    EXPECT_EQ(S_OK, disk->ShellProgram(&file, &parameters, &folder, &mode, &verb, &wait, &locked));  // slot 3
    for (BSTR b : {file, parameters, folder, verb}) SysFreeString(b);
    disk->Release();
}

TEST(Server, ReleasingTheLastObjectLetsTheServerUnload) {
    kxtest::ComScope com;
    HMODULE server = GetModuleHandleW(L"Korvix32.dll");
    IUnknown* object = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxWindow, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                     reinterpret_cast<void**>(&object)));
    server = GetModuleHandleW(L"Korvix32.dll");
    ASSERT_NE(nullptr, server);
    auto canUnload = reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    ASSERT_NE(nullptr, canUnload);
    EXPECT_EQ(S_FALSE, canUnload());
    object->Release();
    EXPECT_EQ(S_OK, canUnload());
}

}  // namespace
