#include "ClassTable.h"

#include "Korvix32_h.h"
#include "KxWindow.h"
#include "KxButton.h"
#include "KxProgressBar.h"
#include "KxLabel.h"
#include "KxFrame.h"
#include "KxTrayBar.h"
#include "KxAlert.h"
#include "KxAlertWindow.h"
#include "KxRegistry.h"
#include "KxDisk.h"
#include "KxSystemInfo.h"
#include "KxString.h"
#include "KxFunctions.h"
#include "KxDialog.h"
#include "KxGraph.h"
#include "KxNumText.h"
#include "KxGetMask.h"
#include "KxGetCombo.h"
#include "ComboListPage.h"
#include "ComboPropertyPages.h"
#include "FieldsPage.h"
#include "KxCalculator.h"
#include "KxGetNumber.h"
#include "KxGifPlayer.h"
#include "KxMedia.h"
#include "KxScrollBar.h"
#include "ActFileDialog.h"

namespace kx {
namespace {
const ClassEntry kClasses[] = {
    {&CLSID_kxWindow, L"kxWindow", &CreateInstance<KxWindow>, false},
    {&CLSID_kxButton, L"kxButton", &CreateInstance<KxButton>, true},
    {&CLSID_kxProgressBar, L"kxProgressBar", &CreateInstance<KxProgressBar>, true},
    {&CLSID_kxLabel, L"kxLabel", &CreateInstance<KxLabel>, true},
    {&CLSID_kxFrame, L"kxFrame", &CreateInstance<KxFrame>, true},
    {&CLSID_kxTrayBar, L"kxTrayBar", &CreateInstance<KxTrayBar>, true},
    {&CLSID_kxAlert, L"kxAlert", &CreateInstance<KxAlert>, false},
    {&CLSID_kxAlertWindow, L"kxAlertWindow", &CreateInstance<KxAlertWindow>, true},
    {&CLSID_kxRegistry, L"kxRegistry", &CreateInstance<KxRegistry>, false},
    {&CLSID_kxDisk, L"kxDisk", &CreateInstance<KxDisk>, false},
    {&CLSID_kxSystemInfo, L"kxSystemInfo", &CreateInstance<KxSystemInfo>, false},
    {&CLSID_kxString, L"kxString", &CreateInstance<KxString>, false},
    {&CLSID_kxFunctions, L"kxFunctions", &CreateInstance<KxFunctions>, false},
    {&CLSID_kxDialog, L"kxDialog", &CreateInstance<KxDialog>, false},
    {&CLSID_kxGraph, L"kxGraph", &CreateInstance<KxGraph>, false},
    {&CLSID_kxNumText, L"kxNumText", &CreateInstance<KxNumText>, false},
    {&CLSID_kxGetMask, L"kxGetMask", &CreateInstance<KxGetMask>, true},
    {&CLSID_kxGetCombo, L"kxGetCombo", &CreateInstance<KxGetCombo>, true},
    {&CLSID_prpGetComoboList, L"prpGetComoboList", &CreateInstance<ComboListPage>, false},
    {&CLSID_prpFields, L"prpFields", &CreateInstance<FieldsPage>, false},
    {&CLSID_kxCalculator, L"kxCalculator", &CreateInstance<KxCalculator>, true},
    {&CLSID_kxGetNumber, L"kxGetNumber", &CreateInstance<KxGetNumber>, true},
    {&CLSID_kxGifPlayer, L"kxGifPlayer", &CreateInstance<KxGifPlayer>, true},
    {&CLSID_kxMedia, L"kxMedia", &CreateInstance<KxMedia>, true},
    {&CLSID_kxScrollBar, L"kxScrollBar", &CreateInstance<KxScrollBar>, true},
    {&CLSID_actFileDialog, L"actFileDialog", &CreateInstance<ActFileDialog>, true},
};
}  // namespace

const ClassEntry* ClassTableBegin() { return kClasses; }
const ClassEntry* ClassTableEnd() { return kClasses + sizeof(kClasses) / sizeof(kClasses[0]); }

const ClassEntry* FindClass(REFCLSID clsid) {
    for (const ClassEntry* entry = ClassTableBegin(); entry != ClassTableEnd(); ++entry)
        if (IsEqualCLSID(*entry->clsid, clsid)) return entry;
    return nullptr;
}

}  // namespace kx
