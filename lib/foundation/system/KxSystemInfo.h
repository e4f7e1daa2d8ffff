#pragma once
#include "AutomationObject.h"
#include "Korvix32_h.h"

namespace kx {

// kxSystemInfo: folders, versions, names, keyboard, mouse, desktop parameters, control-panel
// applets and the display monitors. Holds nothing of its own; each creation refreshes the
// thread's monitor list, which lives while a kxSystemInfo of the thread does.
class KxSystemInfo : public AutomationObject<_kxSystemInfo> {
public:
    KxSystemInfo();
    ~KxSystemInfo() override;

    STDMETHODIMP SystemFolder(BSTR* AddPath, BSTR* Result) override;
    STDMETHODIMP WindowsFolder(BSTR* AddPath, BSTR* Result) override;
    STDMETHODIMP TempFolder(BSTR* Result) override;
    STDMETHODIMP TempFileName(BSTR* Prefix, BSTR* DefaultPath, BSTR* Result) override;
    STDMETHODIMP GetShortName(BSTR sLongFileName, BSTR* Result) override;
    STDMETHODIMP GetWindowsVersion(BSTR* DosVer, BSTR* Result) override;
    STDMETHODIMP CurrentMachineName(BSTR* Result) override;
    STDMETHODIMP CurrentUserName(BSTR* Result) override;
    STDMETHODIMP GetOSVersion(BSTR* Build, BSTR* Version, BSTR* Result) override;
    STDMETHODIMP GetWindowsTempDir(BSTR* Result) override;
    STDMETHODIMP GetUserCharset(BSTR* FontName, short* Result) override;
    STDMETHODIMP GetShiftStatus(short* Result) override;
    STDMETHODIMP GetLang(short* Result) override;
    STDMETHODIMP SetLang(short* LangID, VARIANT* lngCode) override;
    STDMETHODIMP GetSpecialFolder(kxSpecialFolder* CSIDL, BSTR* Result) override;
    STDMETHODIMP ShutDownWindows(kxExitWindows uFlags) override;
    STDMETHODIMP SendKey(unsigned char* vbKeyCode) override;
    STDMETHODIMP ShowMouseCursor(VARIANT_BOOL* Show) override;
    STDMETHODIMP SwapMouseBtn(VARIANT_BOOL* Swap) override;
    STDMETHODIMP WindowsGetBeepMode(VARIANT_BOOL* Result) override;
    STDMETHODIMP WindowsSetBeepMode(VARIANT_BOOL* Value) override;
    STDMETHODIMP WindowsGetBorder(LONG* Result) override;
    STDMETHODIMP WindowsSetBorder(LONG* Value) override;
    STDMETHODIMP WindowsGetKeyboardSpeed(LONG* Result) override;
    STDMETHODIMP WindowsSetKeyboardSpeed(LONG* Value) override;
    STDMETHODIMP WindowsGetIconHorizontalSpace(LONG* Result) override;
    STDMETHODIMP WindowsGetScreenSaverTimerOut(LONG* Result) override;
    STDMETHODIMP WindowsSetScreenSaverTimerOut(LONG* Value) override;
    STDMETHODIMP WindowsGetScreenSaverActive(LONG* Result) override;
    STDMETHODIMP WindowsSetScreenSaverActive(LONG* Value) override;
    STDMETHODIMP WindowsSetWallPaper(BSTR* Value, BSTR* DisplayType) override;
    STDMETHODIMP WindowsGetKeyboardDelay(LONG* Result) override;
    STDMETHODIMP WindowsSetKeyboardDelay(LONG* Value) override;
    STDMETHODIMP WindowsGetIconVerticalSpace(LONG* Result) override;
    STDMETHODIMP WindowsGetMenuDropAlignment(LONG* Result) override;
    STDMETHODIMP WindowsSetMenuDropAlignment(LONG* Value) override;
    STDMETHODIMP RunWindowsApplication(kxRunApp* AppId) override;
    // The platform headers rename GetMonitorInfo to its W form here as in the interface's header.
    STDMETHODIMP GetMonitorInfo(LONG Index, kxMonitorType* Result) override;
    STDMETHODIMP GetMonitorCount(LONG* Result) override;
    STDMETHODIMP GetMonitorWindowMonitorIndex(LONG Left, LONG Top, LONG Width, LONG Height, LONG* Result) override;

private:
    const bool monitorUser_;  // counted as a user of the thread's monitor list
};

}  // namespace kx
