#pragma once
#include "AutomationObject.h"
#include "Korvix32_h.h"

namespace kx {

// kxRegistry: registry keys and values, the settings store under "Software\Velmora Group\", key
// copies, file-type registration, the product type and INI files. Holds no state.
class KxRegistry : public AutomationObject<_kxRegistry> {
public:
    STDMETHODIMP regDelete_Sub_Key(hKey lngRootKey, BSTR strRegKeyPath, BSTR strRegSubKey,
                                   VARIANT_BOOL* Result) override;
    STDMETHODIMP regDoes_Key_Exist(hKey lngRootKey, BSTR strRegKeyPath, VARIANT_BOOL* Result) override;
    STDMETHODIMP regQuery_A_Key(hKey lngRootKey, BSTR strRegKeyPath, BSTR strRegSubKey, VARIANT* Result) override;
    STDMETHODIMP regCreate_Key_Value(hKey lngRootKey, BSTR strRegKeyPath, BSTR strRegSubKey, VARIANT* varRegData,
                                     LONG* RegType) override;
    STDMETHODIMP regCreate_A_Key(hKey lngRootKey, BSTR strRegKeyPath, VARIANT_BOOL* Result) override;
    STDMETHODIMP regDelete_A_Key(hKey lngRootKey, BSTR strRegKeyPath, BSTR strRegKeyName,
                                 VARIANT_BOOL* Result) override;
    STDMETHODIMP KXSaveRegistry(BSTR* AppName, BSTR* Section, BSTR* Key, VARIANT* Setting, hKey* mHkey,
                                VARIANT_BOOL* AddDefaultPath) override;
    STDMETHODIMP KXDeleteRegistry(BSTR* AppName, BSTR* Section, BSTR* Key, hKey* mHkey,
                                  VARIANT_BOOL* AddDefaultPath) override;
    STDMETHODIMP KXReadRegistry(BSTR* AppName, BSTR* Section, BSTR* Key, VARIANT* DefualtValue, hKey* mHkey,
                                VARIANT_BOOL* AddDefaultPath, VARIANT* Result) override;
    STDMETHODIMP RegIconFileType(BSTR* FileType, BSTR* FileDescribtion, BSTR* IconPath, BSTR* ShellApp,
                                 BSTR* ShellMetod, LONG* Result) override;
    STDMETHODIMP RegIconFileTypeDelete(BSTR* FileType, LONG* Result) override;
    STDMETHODIMP RegIconFileTypeCheck(BSTR* FileType, BSTR* FileDescribtion, BSTR* IconPath, BSTR* ShellApp,
                                      BSTR* ShellMetod, VARIANT_BOOL* Result) override;
    STDMETHODIMP WriteProfileText(BSTR* AppName, BSTR* KeyName, BSTR* Text, BSTR* FileName,
                                  VARIANT_BOOL* Result) override;
    STDMETHODIMP GetProfileText(BSTR* AppName, BSTR* KeyName, BSTR* TextDefault, BSTR* FileName,
                                VARIANT* Result) override;
    STDMETHODIMP KXRead_Enum_Key(hKey lngRootKey, BSTR RegPath, LONG Index, VARIANT* Result) override;
    STDMETHODIMP KXRead_Enum_Value(hKey lngRootKey, BSTR RegPath, LONG Index, BSTR* Result) override;
    STDMETHODIMP GetWindowsVariant(kxGetWindowsVariant* Result) override;
    STDMETHODIMP KXGetKeyType(hKey lngRootKey, BSTR strRegKeyPath, BSTR strSubKey, RegType* Result) override;
    STDMETHODIMP KXCopyKeyAndItems(hKey SourceRootKey, BSTR SourceRegPath, hKey TargetRootKey, BSTR TargetRegPath,
                                   VARIANT_BOOL* CopySubKey, VARIANT_BOOL* Result) override;
    STDMETHODIMP KXCopyItem(hKey SourceRootKey, BSTR SourceRegPath, BSTR SourceItem, hKey TargetRootKey,
                            BSTR TargetRegPath, BSTR TargetItem, VARIANT_BOOL* Result) override;
};

}  // namespace kx
