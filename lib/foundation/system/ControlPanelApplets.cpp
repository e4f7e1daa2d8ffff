#include "ControlPanelApplets.h"

namespace kx {
namespace {
const wchar_t* const kCommandLines[kControlPanelAppletCount] = {
    L"rundll32.exe shell32.dll,Control_RunDLL",  // 0 kraControlPanel
    L"rundll32.exe shell32.dll,Control_RunDLL access.cpl,,1",  // 1 kraAccessabilityPropertiesKeyboard
    L"rundll32.exe shell32.dll,Control_RunDLL access.cpl,,2",  // 2 kraAccessabilityPropertiesSound
    L"rundll32.exe shell32.dll,Control_RunDLL access.cpl,,3",  // 3 kraAccessabilityPropertiesDisplay
    L"rundll32.exe shell32.dll,Control_RunDLL access.cpl,,4",  // 4 kraAccessabilityPropertiesMouse
    L"rundll32.exe shell32.dll,Control_RunDLL access.cpl,,5",  // 5 kraAccessabilityPropertiesGeneral
    L"rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl,,1",  // 6 kraAddRemoveProgramsInstallUninstall
    L"rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl,,2",  // 7 kraAddRemoveProgramsWindowsSetup
    L"rundll32.exe shell32.dll,Control_RunDLL appwiz.cpl,,3",  // 8 kraAddRemoveProgramsStartupDisk
    L"rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,0",  // 9 kraDisplayPropertiesBackground
    L"rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,1",  // 10 kraDisplayPropertiesScreenSaver
    L"rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,2",  // 11 kraDisplayPropertiesAppearance
    L"rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,3",  // 12 kraDisplayPropertiesSettings
    L"rundll32.exe shell32.dll,Control_RunDLL intl.cpl,,0",  // 13 kraRegionalSettings
    L"rundll32.exe shell32.dll,Control_RunDLL intl.cpl,,1",  // 14 kraRegionalSettingsNumber
    L"rundll32.exe shell32.dll,Control_RunDLL intl.cpl,,2",  // 15 kraRegionalSettingsCurrency
    L"rundll32.exe shell32.dll,Control_RunDLL intl.cpl,,3",  // 16 kraRegionalSettingsTime
    L"rundll32.exe shell32.dll,Control_RunDLL intl.cpl,,4",  // 17 kraRegionalSettingsDate
    L"rundll32.exe shell32.dll,Control_RunDLL joy.cpl",  // 18 kraJoystickOptions
    L"rundll32.exe shell32.dll,Control_RunDLL main.cpl @0",  // 19 kraMouseProperties
    L"rundll32.exe shell32.dll,Control_RunDLL main.cpl @1",  // 20 kraKeyboardProperties
    L"rundll32.exe shell32.dll,Control_RunDLL main.cpl @2",  // 21 kraPrinters
    L"rundll32.exe shell32.dll,Control_RunDLL main.cpl @3",  // 22 kraFonts
    L"rundll32.exe shell32.dll,Control_RunDLL mlcfg32.cpl",  // 23 kraMicrosoftExchangeProfiles
    L"rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,0",  // 24 kraMultimediaPropertiesAudio
    L"rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,1",  // 25 kraMultimediaPropertiesViedo
    L"rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,2",  // 26 kraMultimediaPropertiesMIDI
    L"rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,3",  // 27 kraMultimediaPropertiesCDMusic
    L"rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,4",  // 28 kraMultimediaPropertiesAdvanced
    L"rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl @1",  // 29 kraSoundsProperties
    L"rundll32.exe shell32.dll,Control_RunDLL modem.cpl",  // 30 kraModemOptions
    L"rundll32.exe shell32.dll,Control_RunDLL netcpl.cpl",  // 31 kraNetworkOptions
    L"rundll32.exe shell32.dll,Control_RunDLL password.cpl",  // 32 kraPasswordOptions
    L"rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl,,0",  // 33 kraSystemPropertiesGeneral
    L"rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl,,1",  // 34 kraSystemPropertiesDeviceManager
    L"rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl,,2",  // 35 kraSystemPropertiesHardwareProfiles
    L"rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl,,3",  // 36 kraSystemPropertiesPerformance
    L"rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl @1",  // 37 kraAddNewHardwareWizard
    L"rundll32.exe shell32.dll,Control_RunDLL timedate.cpl",  // 38 kraDateTimeProperties
    L"rundll32.exe shell32.dll,Control_RunDLL wgpocpl.cpl",  // 39 kraMicrosoftWorkgroupPostofficeAdmin
};
}  // namespace

const wchar_t* ControlPanelCommandLine(long appId) {
    // Unsigned, so that a negative number counts as out of range.
    if (static_cast<unsigned long>(appId) >= static_cast<unsigned long>(kControlPanelAppletCount)) return nullptr;
    return kCommandLines[appId];
}

}  // namespace kx
