#include "KxRegistry.h"

#include "ErrorInfo.h"
#include "FileTypeRegistration.h"
#include "Handles.h"
#include "RegistryKey.h"
#include "RegistryOperations.h"
#include "RegistryTreeCopy.h"
#include "Text.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.kxRegistry";
constexpr const wchar_t* kSettingsPrefix = L"Software\\Velmora Group\\";
constexpr const wchar_t* kProductOptions = L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
constexpr DWORD kProductTypeBufferSize = 32;
constexpr DWORD kProfileBufferSize = 1024;

HKEY Root(hKey value) { return HandleFromLong<HKEY>(static_cast<long>(value)); }
HKEY RootOr(const hKey* value, HKEY fallback) { return value ? Root(*value) : fallback; }
bool FlagOr(const VARIANT_BOOL* value, bool fallback) { return value ? *value != VARIANT_FALSE : fallback; }
std::wstring StringArg(const BSTR* value) { return value ? FromBstr(*value) : std::wstring(); }
void SetFlag(VARIANT_BOOL* result, bool value) { *result = value ? VARIANT_TRUE : VARIANT_FALSE; }

const VARIANT& DataOf(const VARIANT* value) {
    static const VARIANT kEmpty = {};
    return value ? *value : kEmpty;
}

// The three names of a setting after normalisation: one leading "\" off each name, then one
// trailing "\" off each; the caller's variables receive the result.
struct SettingAddress {
    std::wstring app, section, key, prefix;

    std::wstring KeyPath() const { return prefix + app + L"\\" + section; }
};

SettingAddress NormaliseAddress(BSTR* app, BSTR* section, BSTR* key, const VARIANT_BOOL* addDefaultPath) {
    BSTR* names[] = {app, section, key};
    std::wstring texts[3];
    for (int i = 0; i < 3; ++i) {
        texts[i] = StringArg(names[i]);
        if (!texts[i].empty() && texts[i].front() == L'\\') texts[i].erase(0, 1);
    }
    for (int i = 0; i < 3; ++i) {
        if (!texts[i].empty() && texts[i].back() == L'\\') texts[i].pop_back();
        AssignBstr(names[i], texts[i]);
    }
    return {texts[0], texts[1], texts[2], FlagOr(addDefaultPath, true) ? kSettingsPrefix : L""};
}

// Only the key's existence decides whether the stored value or the default is read.
bool SettingKeyExists(HKEY root, const SettingAddress& at) {
    const std::wstring app = at.app.empty() ? L"" : at.app + L"\\";
    const std::wstring section = at.section.empty() ? L"" : at.section + L"\\";
    return registry::KeyExists(root, at.prefix + app + section);
}

void StoreMissingArgument(VARIANT* result) {
    VariantInit(result);
    result->vt = VT_ERROR;
    result->scode = DISP_E_PARAMNOTFOUND;
}

kxGetWindowsVariant ProductTypeVariant(const std::wstring& productType) {
    const std::wstring upper = ToUpperText(productType);
    if (upper == L"WINNT") return RTN_WORKSTATION;
    if (upper == L"SERVERNT") return RTN_SERVER;
    if (upper == L"LANMANNT") return RTN_NTAS;
    return RTN_UNKNOWN;
}

kxGetWindowsVariant ReadWindowsVariant() {
    const RegistryKey key = RegistryKey::OpenToQuery(HKEY_LOCAL_MACHINE, kProductOptions);
    if (!key.IsOpen()) return RTN_ERROR;
    const auto bytes = key.Read(L"ProductType", kProductTypeBufferSize);
    if (!bytes) return RTN_ERROR;
    const size_t end = bytes->find('\0');
    return ProductTypeVariant(end == std::string::npos ? std::wstring() : FromAnsi(bytes->substr(0, end)));
}

// An omitted verb arrives as a null string (the type library cannot carry a String default).
std::wstring VerbOf(const BSTR* verb) { return verb && *verb ? FromBstr(*verb) : std::wstring(L"OPEN"); }
}  // namespace

STDMETHODIMP KxRegistry::regDelete_Sub_Key(hKey lngRootKey, BSTR strRegKeyPath, BSTR strRegSubKey,
                                           VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        SetFlag(Result, registry::DeleteValue(Root(lngRootKey), FromBstr(strRegKeyPath), FromBstr(strRegSubKey)));
    });
}

STDMETHODIMP KxRegistry::regDoes_Key_Exist(hKey lngRootKey, BSTR strRegKeyPath, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] { SetFlag(Result, registry::KeyExists(Root(lngRootKey), FromBstr(strRegKeyPath))); });
}

STDMETHODIMP KxRegistry::regQuery_A_Key(hKey lngRootKey, BSTR strRegKeyPath, BSTR strRegSubKey, VARIANT* Result) {
    return Guard(kSource, [&] {
        StoreData(Result, registry::QueryValue(Root(lngRootKey), FromBstr(strRegKeyPath), FromBstr(strRegSubKey)));
    });
}

STDMETHODIMP KxRegistry::regCreate_Key_Value(hKey lngRootKey, BSTR strRegKeyPath, BSTR strRegSubKey,
                                             VARIANT* varRegData, LONG* RegType) {
    return Guard(kSource, [&] {
        registry::WriteValue(Root(lngRootKey), FromBstr(strRegKeyPath), FromBstr(strRegSubKey), DataOf(varRegData),
                             RegType ? *RegType : kAutomaticType);
    });
}

STDMETHODIMP KxRegistry::regCreate_A_Key(hKey lngRootKey, BSTR strRegKeyPath, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] { SetFlag(Result, registry::CreateKey(Root(lngRootKey), FromBstr(strRegKeyPath))); });
}

STDMETHODIMP KxRegistry::regDelete_A_Key(hKey lngRootKey, BSTR strRegKeyPath, BSTR strRegKeyName,
                                         VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        SetFlag(Result, registry::DeleteKey(Root(lngRootKey), FromBstr(strRegKeyPath), FromBstr(strRegKeyName)));
    });
}

STDMETHODIMP KxRegistry::KXSaveRegistry(BSTR* AppName, BSTR* Section, BSTR* Key, VARIANT* Setting, hKey* mHkey,
                                        VARIANT_BOOL* AddDefaultPath) {
    return Guard(kSource, [&] {
        const SettingAddress at = NormaliseAddress(AppName, Section, Key, AddDefaultPath);
        registry::WriteValue(RootOr(mHkey, HKEY_CURRENT_USER), at.KeyPath(), at.key, DataOf(Setting), kAutomaticType);
    });
}

STDMETHODIMP KxRegistry::KXDeleteRegistry(BSTR* AppName, BSTR* Section, BSTR* Key, hKey* mHkey,
                                          VARIANT_BOOL* AddDefaultPath) {
    return Guard(kSource, [&] {
        const SettingAddress at = NormaliseAddress(AppName, Section, Key, AddDefaultPath);
        const HKEY root = RootOr(mHkey, HKEY_CURRENT_USER);
        if (!at.key.empty())
            registry::DeleteValue(root, at.KeyPath(), at.key);
        else if (!at.section.empty())
            registry::DeleteKey(root, at.prefix + at.app, at.section);
        else if (!at.app.empty())
            registry::DeleteKey(root, at.prefix, at.app);
    });
}

STDMETHODIMP KxRegistry::KXReadRegistry(BSTR* AppName, BSTR* Section, BSTR* Key, VARIANT* DefualtValue, hKey* mHkey,
                                        VARIANT_BOOL* AddDefaultPath, VARIANT* Result) {
    return Guard(kSource, [&] {
        const SettingAddress at = NormaliseAddress(AppName, Section, Key, AddDefaultPath);
        const HKEY root = RootOr(mHkey, HKEY_CURRENT_USER);
        if (SettingKeyExists(root, at)) {
            StoreData(Result, registry::QueryValue(root, at.KeyPath(), at.key));
            return;
        }
        if (!DefualtValue) {
            StoreMissingArgument(Result);
            return;
        }
        VariantInit(Result);
        const HRESULT copied = VariantCopyInd(Result, DefualtValue);
        if (FAILED(copied)) throw Error(copied == E_OUTOFMEMORY ? kErrOutOfMemory : kErrTypeMismatch);
    });
}

STDMETHODIMP KxRegistry::RegIconFileType(BSTR* FileType, BSTR* FileDescribtion, BSTR* IconPath, BSTR* ShellApp,
                                         BSTR* ShellMetod, LONG* Result) {
    return Guard(kSource, [&] {
        std::wstring fileType = StringArg(FileType);
        *Result = registry::RegisterFileType(fileType, StringArg(FileDescribtion), StringArg(IconPath),
                                             StringArg(ShellApp), VerbOf(ShellMetod));
        AssignBstr(FileType, fileType);
    });
}

STDMETHODIMP KxRegistry::RegIconFileTypeDelete(BSTR* FileType, LONG* Result) {
    return Guard(kSource, [&] {
        std::wstring fileType = StringArg(FileType);
        *Result = registry::DeleteFileType(fileType);
        AssignBstr(FileType, fileType);
    });
}

STDMETHODIMP KxRegistry::RegIconFileTypeCheck(BSTR* FileType, BSTR* FileDescribtion, BSTR* IconPath, BSTR* ShellApp,
                                              BSTR* ShellMetod, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        std::wstring fileType = StringArg(FileType);
        SetFlag(Result,
                registry::FileTypeRegistered(fileType, StringArg(IconPath), StringArg(ShellApp), VerbOf(ShellMetod)));
        AssignBstr(FileType, fileType);
    });
}

// An empty or null text is written as an empty value: the key is never deleted.
STDMETHODIMP KxRegistry::WriteProfileText(BSTR* AppName, BSTR* KeyName, BSTR* Text, BSTR* FileName,
                                          VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        const std::string section = ToAnsi(StringArg(AppName)), key = ToAnsi(StringArg(KeyName));
        const std::string text = ToAnsi(StringArg(Text)), file = ToAnsi(StringArg(FileName));
        SetFlag(Result, WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(), file.c_str()) != 0);
    });
}

STDMETHODIMP KxRegistry::GetProfileText(BSTR* AppName, BSTR* KeyName, BSTR* TextDefault, BSTR* FileName,
                                        VARIANT* Result) {
    return Guard(kSource, [&] {
        const std::string section = ToAnsi(StringArg(AppName)), key = ToAnsi(StringArg(KeyName));
        const std::string fallback = ToAnsi(StringArg(TextDefault)), file = ToAnsi(StringArg(FileName));
        std::string buffer(kProfileBufferSize, ' ');
        const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                                      kProfileBufferSize, file.c_str());
        buffer.resize(length < kProfileBufferSize ? length : kProfileBufferSize - 1);
        StoreData(Result, FromAnsi(buffer));
    });
}

STDMETHODIMP KxRegistry::KXRead_Enum_Key(hKey lngRootKey, BSTR RegPath, LONG Index, VARIANT* Result) {
    return Guard(kSource, [&] {
        VariantInit(Result);
        const auto name = registry::SubKeyAt(Root(lngRootKey), FromBstr(RegPath), static_cast<DWORD>(Index));
        if (name) StoreData(Result, *name);
    });
}

STDMETHODIMP KxRegistry::KXRead_Enum_Value(hKey lngRootKey, BSTR RegPath, LONG Index, BSTR* Result) {
    return Guard(kSource, [&] {
        const auto name = registry::ValueNameAt(Root(lngRootKey), FromBstr(RegPath), static_cast<DWORD>(Index));
        *Result = ToBstr(name ? *name : std::wstring());
    });
}

STDMETHODIMP KxRegistry::GetWindowsVariant(kxGetWindowsVariant* Result) {
    return Guard(kSource, [&] { *Result = ReadWindowsVariant(); });
}

STDMETHODIMP KxRegistry::KXGetKeyType(hKey lngRootKey, BSTR strRegKeyPath, BSTR strSubKey, RegType* Result) {
    return Guard(kSource, [&] {
        *Result =
            static_cast<RegType>(registry::ValueType(Root(lngRootKey), FromBstr(strRegKeyPath), FromBstr(strSubKey)));
    });
}

STDMETHODIMP KxRegistry::KXCopyKeyAndItems(hKey SourceRootKey, BSTR SourceRegPath, hKey TargetRootKey,
                                           BSTR TargetRegPath, VARIANT_BOOL* CopySubKey, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        SetFlag(Result, registry::CopyKeyTree(Root(SourceRootKey), FromBstr(SourceRegPath), Root(TargetRootKey),
                                              FromBstr(TargetRegPath), FlagOr(CopySubKey, true)));
    });
}

STDMETHODIMP KxRegistry::KXCopyItem(hKey SourceRootKey, BSTR SourceRegPath, BSTR SourceItem, hKey TargetRootKey,
                                    BSTR TargetRegPath, BSTR TargetItem, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        SetFlag(Result, registry::CopyOneValue(Root(SourceRootKey), FromBstr(SourceRegPath), FromBstr(SourceItem),
                                               Root(TargetRootKey), FromBstr(TargetRegPath), FromBstr(TargetItem)));
    });
}

}  // namespace kx
