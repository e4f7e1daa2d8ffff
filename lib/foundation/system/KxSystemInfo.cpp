#include "KxSystemInfo.h"

#include <olectl.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "ControlPanelApplets.h"
#include "ErrorInfo.h"
#include "KeyboardLayoutSwitch.h"
#include "KxRegistry.h"
#include "MonitorModule.h"
#include "ScreenSaverTime.h"
#include "SystemActions.h"
#include "Text.h"
#include "VersionText.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.kxSystemInfo";
constexpr UINT kUpdateAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE;

struct ReleaseObject {
    void operator()(IUnknown* object) const { object->Release(); }
};

// A by-reference String that was left out arrives as a null BSTR.
std::wstring TextOr(const BSTR* text, const wchar_t* fallback) {
    return text && *text ? FromBstr(*text) : std::wstring(fallback);
}

void SetText(BSTR* target, const std::wstring& text) {
    if (target) AssignBstr(target, text);
}

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// The characters a platform call wrote into a buffer of the given capacity, the call returning
// their count; empty when the call failed or the text did not fit.
template <class Fill>
std::wstring ReadText(DWORD capacity, Fill fill) {
    std::wstring buffer(capacity, L'\0');
    const DWORD length = fill(buffer.data(), capacity);
    if (length >= capacity) return std::wstring();
    buffer.resize(length);
    return buffer;
}

std::wstring BeforeNul(const std::wstring& buffer) { return buffer.substr(0, buffer.find(L'\0')); }

std::wstring TempPath(DWORD capacity) {
    return ReadText(capacity, [](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
}

// The name GetTempFileName made (and created) in the folder; empty when it failed.
std::wstring NewTempFile(const std::wstring& folder, const std::wstring& prefix, DWORD capacity) {
    std::wstring buffer(capacity, L'\0');
    if (!GetTempFileNameW(folder.c_str(), prefix.c_str(), 0, buffer.data())) return std::wstring();
    return BeforeNul(buffer);
}

// The character set that suits the user's locale: its default code page's, Arabic when the
// locale gives no font signature.
short UserLocaleCharset() {
    LOCALESIGNATURE signature = {};
    if (GetLocaleInfoW(GetUserDefaultLCID(), LOCALE_FONTSIGNATURE, reinterpret_cast<LPWSTR>(&signature),
                       sizeof(signature) / sizeof(wchar_t)) < 1)
        return ARABIC_CHARSET;
    DWORD codePages[2] = {signature.lsCsbDefault[0], 0};
    CHARSETINFO info = {};
    if (!TranslateCharsetInfo(codePages, &info, TCI_SRCFONTSIG)) return 0;
    return static_cast<short>(info.ciCharset);
}

// The name a standard font object reports after it was given this name and character set: the
// face the platform chose for them.
std::wstring FontNameAfterRealising(const std::wstring& name, short charset) {
    FONTDESC description = {sizeof(FONTDESC), const_cast<LPOLESTR>(L"MS Sans Serif"), {{82500, 0}}, FW_NORMAL,
                            DEFAULT_CHARSET, FALSE, FALSE, FALSE};
    IFont* raw = nullptr;
    if (FAILED(OleCreateFontIndirect(&description, IID_IFont, reinterpret_cast<void**>(&raw))) || !raw)
        return std::wstring();
    std::unique_ptr<IFont, ReleaseObject> font(raw);
    BSTR wanted = ToBstr(name);
    font->put_Name(wanted);
    SysFreeString(wanted);
    font->put_Charset(charset);
    BSTR chosen = nullptr;
    if (FAILED(font->get_Name(&chosen))) return std::wstring();
    const std::wstring text = FromBstr(chosen);
    SysFreeString(chosen);
    return text;
}

class PlatformKeyboardLayouts : public KeyboardLayouts {
public:
    std::wstring ActiveName() override {
        wchar_t name[KL_NAMELENGTH] = {};
        GetKeyboardLayoutNameW(name);
        return name;
    }
    bool Load(const std::wstring& name) override { return LoadKeyboardLayoutW(name.c_str(), KLF_ACTIVATE) != nullptr; }
};

// A Variant as text the way the classic runtime converts it; left out or Empty is no text.
std::wstring VariantText(const VARIANT* value) {
    if (!value) return std::wstring();
    VARIANT plain;
    VariantInit(&plain);
    if (FAILED(VariantCopyInd(&plain, const_cast<VARIANT*>(value)))) throw Error(kErrTypeMismatch);
    if (plain.vt == VT_EMPTY || (plain.vt == VT_ERROR && plain.scode == DISP_E_PARAMNOTFOUND)) return std::wstring();
    const HRESULT hr = VariantChangeType(&plain, &plain, 0, VT_BSTR);
    if (FAILED(hr)) {
        VariantClear(&plain);
        throw Error(kErrTypeMismatch);
    }
    const std::wstring text = FromBstr(plain.bstrVal);
    VariantClear(&plain);
    return text;
}

// ExitWindowsEx shuts down or restarts only for a process that holds the shutdown privilege.
void EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

LONG ReadDesktopParameter(UINT action) {
    INT value = 0;
    SystemParametersInfoW(action, 0, &value, 0);
    return value;
}

void WriteDesktopParameter(const wchar_t* member, UINT action, LONG value) {
    if (RecordSystemAction(std::wstring(member) + L": SystemParametersInfo action " + std::to_wstring(action) +
                           L", value " + std::to_wstring(value) + L", flags 3"))
        return;
    SystemParametersInfoW(action, static_cast<UINT>(value), nullptr, kUpdateAndBroadcast);
}

// How each wallpaper arrangement is stored below "Control Panel\Desktop".
struct WallpaperLayout {
    const wchar_t* displayType;
    const wchar_t* tile;
    const wchar_t* style;
};
constexpr WallpaperLayout kWallpaperLayouts[] = {
    {L"CENTER", L"0", L"0"},
    {L"TILE", L"1", L"0"},
    {L"STRETCH", L"0", L"2"},
};

const WallpaperLayout& WallpaperLayoutOf(const std::wstring& displayType) {
    for (const WallpaperLayout& layout : kWallpaperLayouts)
        if (displayType == layout.displayType) return layout;
    return kWallpaperLayouts[2];
}

// One value below HKEY_CURRENT_USER "Control Panel\Desktop", typed by the registry class's
// automatic rule (digits are stored as REG_DWORD).
void WriteDesktopValue(_kxRegistry& registry, const wchar_t* name, const std::wstring& data) {
    BSTR path = ToBstr(L"Control Panel\\Desktop");
    BSTR valueName = SysAllocString(name);
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocStringLen(data.data(), static_cast<UINT>(data.size()));
    LONG automatic = -1;
    const HRESULT hr = registry.regCreate_Key_Value(kxHKEY_CURRENT_USER, path, valueName, &value, &automatic);
    VariantClear(&value);
    SysFreeString(valueName);
    SysFreeString(path);
    if (FAILED(hr)) throw Error(ErrorNumberOf(hr));
}

void StartMinimised(const std::wstring& commandLine) {
    std::wstring writable = commandLine;
    writable.push_back(L'\0');  // the platform may write into the command line
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw Error(kErrFileNotFound);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
}  // namespace

KxSystemInfo::KxSystemInfo() : monitorUser_(monitors::AddUser()) {
    try {
        monitors::RefreshMonitors();
    } catch (...) {  // out of memory: the list stays as it was
    }
}

KxSystemInfo::~KxSystemInfo() {
    if (monitorUser_) monitors::RemoveUser();
}

// Folders and temporary names.

STDMETHODIMP KxSystemInfo::SystemFolder(BSTR* AddPath, BSTR* Result) {
    return Guard(kSource, [&] {
        const std::wstring folder = ReadText(1024, [](wchar_t* buffer, DWORD size) {
            return static_cast<DWORD>(GetSystemDirectoryW(buffer, size));
        });
        *Result = ToBstr(folder + TextOr(AddPath, L"\\"));
    });
}

STDMETHODIMP KxSystemInfo::WindowsFolder(BSTR* AddPath, BSTR* Result) {
    return Guard(kSource, [&] {
        const std::wstring folder = ReadText(1024, [](wchar_t* buffer, DWORD size) {
            return static_cast<DWORD>(GetWindowsDirectoryW(buffer, size));
        });
        *Result = ToBstr(folder + TextOr(AddPath, L"\\"));
    });
}

STDMETHODIMP KxSystemInfo::TempFolder(BSTR* Result) {
    return Guard(kSource, [&] { *Result = ToBstr(TempPath(512)); });
}

STDMETHODIMP KxSystemInfo::TempFileName(BSTR* Prefix, BSTR* DefaultPath, BSTR* Result) {
    return Guard(kSource, [&] {
        const std::wstring path = TextOr(DefaultPath, L"TempFolder");
        const std::wstring folder = path == L"TempFolder" ? TempPath(512) : path;
        *Result = ToBstr(NewTempFile(folder, TextOr(Prefix, L"tmp"), 576));
    });
}

STDMETHODIMP KxSystemInfo::GetShortName(BSTR sLongFileName, BSTR* Result) {
    return Guard(kSource, [&] {
        const std::wstring longName = FromBstr(sLongFileName);
        *Result = ToBstr(ReadText(255, [&](wchar_t* buffer, DWORD size) {
            return GetShortPathNameW(longName.c_str(), buffer, size);
        }));
    });
}

// Versions and names.

STDMETHODIMP KxSystemInfo::GetWindowsVersion(BSTR* DosVer, BSTR* Result) {
    return Guard(kSource, [&] {
        const PackedVersionTexts texts = SplitPackedVersion(GetVersion());
        SetText(DosVer, texts.dos);
        *Result = ToBstr(texts.windows);
    });
}

STDMETHODIMP KxSystemInfo::CurrentMachineName(BSTR* Result) {
    return Guard(kSource, [&] {
        wchar_t name[16] = {};
        DWORD size = 16;
        *Result = ToBstr(GetComputerNameW(name, &size) ? std::wstring(name, size) : std::wstring());
    });
}

STDMETHODIMP KxSystemInfo::CurrentUserName(BSTR* Result) {
    return Guard(kSource, [&] {
        wchar_t name[25] = {};  // a name of 25 characters or more does not fit and gives no text
        DWORD size = 25;
        GetUserNameW(name, &size);
        *Result = ToBstr(BeforeNul(std::wstring(name, 25)));
    });
}

STDMETHODIMP KxSystemInfo::GetOSVersion(BSTR* Build, BSTR* Version, BSTR* Result) {
    return Guard(kSource, [&] {
        OSVERSIONINFOW info = {};
        info.dwOSVersionInfoSize = sizeof(info);
        if (!GetVersionExW(&info)) {
            *Result = ToBstr(L"");
            return;
        }
        SetText(Build, std::to_wstring(static_cast<LONG>(info.dwBuildNumber)));
        SetText(Version, DottedVersion(info.dwMajorVersion, info.dwMinorVersion));
        *Result = ToBstr(PlatformName(info.dwPlatformId));
    });
}

STDMETHODIMP KxSystemInfo::GetWindowsTempDir(BSTR* Result) {
    return Guard(kSource, [&] {
        const std::wstring file = NewTempFile(TempPath(1024), L"its", 1024);
        if (file.size() < 4) throw Error(kErrInvalidCall);
        *Result = ToBstr(file.substr(0, file.size() - 4) + L"\\");
    });
}

// Character set, keys and keyboard layout.

STDMETHODIMP KxSystemInfo::GetUserCharset(BSTR* FontName, short* Result) {
    return Guard(kSource, [&] {
        const std::wstring name = TextOr(FontName, L"");
        const short charset = UserLocaleCharset();
        const bool kept = ToUpperText(FontNameAfterRealising(name, charset)) == ToUpperText(name);
        *Result = kept ? charset : 0;
    });
}

STDMETHODIMP KxSystemInfo::GetShiftStatus(short* Result) {
    return Guard(kSource, [&] {
        short status = 0;
        if (GetKeyState(VK_SHIFT) < 0) status += 1;
        if (GetKeyState(VK_CONTROL) < 0) status += 2;
        if (GetKeyState(VK_MENU) < 0) status += 4;
        *Result = status;
    });
}

STDMETHODIMP KxSystemInfo::GetLang(short* Result) {
    return Guard(kSource, [&] { *Result = LanguageOfLayout(PlatformKeyboardLayouts().ActiveName()); });
}

STDMETHODIMP KxSystemInfo::SetLang(short* LangID, VARIANT* lngCode) {
    return Guard(kSource, [&] {
        const short langId = LangID ? *LangID : 0;
        PlatformKeyboardLayouts layouts;
        SwitchKeyboardLayout(langId, WantedLayout(langId, VariantText(lngCode)), layouts);
    });
}

STDMETHODIMP KxSystemInfo::GetSpecialFolder(kxSpecialFolder* CSIDL, BSTR* Result) {
    return Guard(kSource, [&] {
        std::wstring folder;
        PIDLIST_ABSOLUTE list = nullptr;
        if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL ? *CSIDL : 0, &list)) && list) {
            wchar_t path[MAX_PATH] = {};
            if (SHGetPathFromIDListW(list, path)) folder = std::wstring(path) + L"\\";
            CoTaskMemFree(list);
        }
        *Result = ToBstr(folder);
    });
}

// Shutdown, key, cursor and mouse.

STDMETHODIMP KxSystemInfo::ShutDownWindows(kxExitWindows uFlags) {
    return Guard(kSource, [&] {
        const UINT flags = static_cast<UINT>(uFlags);
        if (flags & (EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF)) {
            if (!RecordSystemAction(L"ShutDownWindows: enable SeShutdownPrivilege")) EnableShutdownPrivilege();
        }
        if (RecordSystemAction(L"ShutDownWindows: ExitWindowsEx flags " + std::to_wstring(flags))) return;
        ExitWindowsEx(flags, 0);
    });
}

STDMETHODIMP KxSystemInfo::SendKey(unsigned char* vbKeyCode) {
    return Guard(kSource, [&] {
        const BYTE key = vbKeyCode ? *vbKeyCode : 0;
        // A key-down with no key-up would stay held in a shared test session.
        if (RecordSystemAction(L"SendKey: keybd_event key " + std::to_wstring(key) + L" down")) return;
        keybd_event(key, 0, 0, 0);
    });
}

STDMETHODIMP KxSystemInfo::ShowMouseCursor(VARIANT_BOOL* Show) {
    return Guard(kSource, [&] { ShowCursor(Show && *Show != VARIANT_FALSE); });
}

STDMETHODIMP KxSystemInfo::SwapMouseBtn(VARIANT_BOOL* Swap) {
    return Guard(kSource, [&] {
        const bool swap = Swap && *Swap != VARIANT_FALSE;
        if (RecordSystemAction(std::wstring(L"SwapMouseBtn: SwapMouseButton ") + (swap ? L"1" : L"0"))) return;
        SwapMouseButton(swap);
    });
}

// Desktop parameters.

STDMETHODIMP KxSystemInfo::WindowsGetBeepMode(VARIANT_BOOL* Result) {
    return Guard(kSource, [&] { *Result = ToVariantBool(ReadDesktopParameter(SPI_GETBEEP) != 0); });
}

STDMETHODIMP KxSystemInfo::WindowsSetBeepMode(VARIANT_BOOL* Value) {
    return Guard(kSource, [&] { WriteDesktopParameter(L"WindowsSetBeepMode", SPI_SETBEEP, Value ? *Value : 0); });
}

STDMETHODIMP KxSystemInfo::WindowsGetBorder(LONG* Result) {
    return Guard(kSource, [&] { *Result = ReadDesktopParameter(SPI_GETBORDER); });
}

STDMETHODIMP KxSystemInfo::WindowsSetBorder(LONG* Value) {
    return Guard(kSource, [&] { WriteDesktopParameter(L"WindowsSetBorder", SPI_SETBORDER, Value ? *Value : 0); });
}

STDMETHODIMP KxSystemInfo::WindowsGetKeyboardSpeed(LONG* Result) {
    return Guard(kSource, [&] { *Result = ReadDesktopParameter(SPI_GETKEYBOARDSPEED); });
}

STDMETHODIMP KxSystemInfo::WindowsSetKeyboardSpeed(LONG* Value) {
    return Guard(kSource, [&] {
        WriteDesktopParameter(L"WindowsSetKeyboardSpeed", SPI_SETKEYBOARDSPEED, Value ? *Value : 0);
    });
}

STDMETHODIMP KxSystemInfo::WindowsGetIconHorizontalSpace(LONG* Result) {
    return Guard(kSource, [&] { *Result = ReadDesktopParameter(SPI_ICONHORIZONTALSPACING); });
}

STDMETHODIMP KxSystemInfo::WindowsGetScreenSaverTimerOut(LONG* Result) {
    return Guard(kSource, [&] { *Result = MinutesFromSeconds(ReadDesktopParameter(SPI_GETSCREENSAVETIMEOUT)); });
}

STDMETHODIMP KxSystemInfo::WindowsSetScreenSaverTimerOut(LONG* Value) {
    return Guard(kSource, [&] {
        const std::optional<long> seconds = SecondsFromMinutes(Value ? *Value : 0);
        if (!seconds) throw Error(kErrOverflow);
        WriteDesktopParameter(L"WindowsSetScreenSaverTimerOut", SPI_SETSCREENSAVETIMEOUT, *seconds);
    });
}

STDMETHODIMP KxSystemInfo::WindowsGetScreenSaverActive(LONG* Result) {
    return Guard(kSource, [&] { *Result = ReadDesktopParameter(SPI_GETSCREENSAVEACTIVE); });
}

STDMETHODIMP KxSystemInfo::WindowsSetScreenSaverActive(LONG* Value) {
    return Guard(kSource, [&] {
        WriteDesktopParameter(L"WindowsSetScreenSaverActive", SPI_SETSCREENSAVEACTIVE, Value ? *Value : 0);
    });
}

STDMETHODIMP KxSystemInfo::WindowsSetWallPaper(BSTR* Value, BSTR* DisplayType) {
    return Guard(kSource, [&] {
        const WallpaperLayout& layout = WallpaperLayoutOf(ToUpperText(TextOr(DisplayType, L"Stretch")));
        SetText(DisplayType, layout.displayType);
        const std::wstring wallpaper = TextOr(Value, L"");
        {
            std::unique_ptr<_kxRegistry, ReleaseObject> registry(static_cast<_kxRegistry*>(new KxRegistry()));
            WriteDesktopValue(*registry, L"TileWallpaper", layout.tile);
            WriteDesktopValue(*registry, L"WallpaperStyle", layout.style);
            WriteDesktopValue(*registry, L"Wallpaper", wallpaper);
        }
        if (RecordSystemAction(L"WindowsSetWallPaper: SystemParametersInfo action 20, value \"" + wallpaper +
                               L"\", flags 3"))
            return;
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(wallpaper.c_str()), kUpdateAndBroadcast);
    });
}

STDMETHODIMP KxSystemInfo::WindowsGetKeyboardDelay(LONG* Result) {
    return Guard(kSource, [&] { *Result = ReadDesktopParameter(SPI_GETKEYBOARDDELAY); });
}

STDMETHODIMP KxSystemInfo::WindowsSetKeyboardDelay(LONG* Value) {
    return Guard(kSource, [&] {
        WriteDesktopParameter(L"WindowsSetKeyboardDelay", SPI_SETKEYBOARDDELAY, Value ? *Value : 0);
    });
}

STDMETHODIMP KxSystemInfo::WindowsGetIconVerticalSpace(LONG* Result) {
    return Guard(kSource, [&] { *Result = ReadDesktopParameter(SPI_ICONVERTICALSPACING); });
}

STDMETHODIMP KxSystemInfo::WindowsGetMenuDropAlignment(LONG* Result) {
    return Guard(kSource, [&] { *Result = ReadDesktopParameter(SPI_GETMENUDROPALIGNMENT); });
}

STDMETHODIMP KxSystemInfo::WindowsSetMenuDropAlignment(LONG* Value) {
    return Guard(kSource, [&] {
        WriteDesktopParameter(L"WindowsSetMenuDropAlignment", SPI_SETMENUDROPALIGNMENT, Value ? *Value : 0);
    });
}

// Control-panel applets and monitors.

STDMETHODIMP KxSystemInfo::RunWindowsApplication(kxRunApp* AppId) {
    return Guard(kSource, [&] {
        const wchar_t* commandLine = ControlPanelCommandLine(AppId ? static_cast<long>(*AppId) : -1);
        if (!commandLine) return;
        if (RecordSystemAction(std::wstring(L"RunWindowsApplication: ") + commandLine + L" (window mode 2)")) return;
        StartMinimised(commandLine);
    });
}

STDMETHODIMP KxSystemInfo::GetMonitorInfo(LONG Index, kxMonitorType* Result) {
    return Guard(kSource, [&] { *Result = monitors::MonitorAt(Index); });
}

STDMETHODIMP KxSystemInfo::GetMonitorCount(LONG* Result) {
    return Guard(kSource, [&] { *Result = monitors::MonitorCount(); });
}

STDMETHODIMP KxSystemInfo::GetMonitorWindowMonitorIndex(LONG Left, LONG Top, LONG Width, LONG Height, LONG* Result) {
    return Guard(kSource, [&] { *Result = monitors::MonitorIndexFromRect(Left, Top, Width, Height); });
}

}  // namespace kx
