#pragma once
#include <windows.h>
#include <commctrl.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ActFileDialog.h"
#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "PersistenceTestSupport.h"
#include "TestSupport.h"

// File browsers for tests: outside any container or placed in the project's container with their events
// recorded; the shell folders pointed at scratch folders; what the list and the address box show, read
// through their own messages.
namespace kxtest {

// Points the Desktop and Personal shell folders at folders of the test and puts the old values back.
class ShellFoldersRedirect {
public:
    ShellFoldersRedirect(const std::wstring& desktop, const std::wstring& documents) {
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
        Swap(L"Desktop", desktop, desktop_);
        Swap(L"Personal", documents, documents_);
    }
    ~ShellFoldersRedirect() {
        Restore(L"Desktop", desktop_);
        Restore(L"Personal", documents_);
        RegCloseKey(key_);
    }
    ShellFoldersRedirect(const ShellFoldersRedirect&) = delete;
    ShellFoldersRedirect& operator=(const ShellFoldersRedirect&) = delete;

private:
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    struct Saved {
        bool present = false;
        std::wstring value;
    };
    void Swap(const wchar_t* name, const std::wstring& value, Saved& saved) {
        wchar_t old[1024] = {};
        DWORD size = sizeof(old), type = 0;
        saved.present = RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(old), &size) == 0;
        saved.value = old;
        Write(name, value);
    }
    void Restore(const wchar_t* name, const Saved& saved) {
        if (saved.present) Write(name, saved.value);
        else RegDeleteValueW(key_, name);
    }
    void Write(const wchar_t* name, const std::wstring& value) {
        RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    HKEY key_ = nullptr;
    Saved desktop_, documents_;
};

inline void MakeFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesW(path.c_str(), attributes);
}

inline void MakeFolder(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    CreateDirectoryW(path.c_str(), nullptr);
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY);
}

// A row of the list as the list view holds it.
struct ShownItem {
    std::wstring text;
    std::wstring second;  // the sort key column
    int image = -1;
    bool ghosted = false;
    bool selected = false;
};

inline std::vector<ShownItem> ShownItems(HWND list) {
    std::vector<ShownItem> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[1024] = {}, second[1024] = {};
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = 1024;
        item.stateMask = LVIS_CUT | LVIS_SELECTED;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        LVITEMW sub = {};
        sub.iSubItem = 1;
        sub.pszText = second;
        sub.cchTextMax = 1024;
        SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&sub));
        rows.push_back({text, second, item.iImage, (item.state & LVIS_CUT) != 0, (item.state & LVIS_SELECTED) != 0});
    }
    return rows;
}

inline std::vector<std::wstring> ShownTexts(HWND list) {
    std::vector<std::wstring> texts;
    for (const ShownItem& item : ShownItems(list)) texts.push_back(item.text);
    return texts;
}

// An entry of the address box as the extended combo box holds it.
struct ShownEntry {
    std::wstring text;
    int image = 0;
    int selectedImage = 0;
    int indent = 0;
};

inline std::vector<ShownEntry> ShownEntries(HWND box) {
    std::vector<ShownEntry> entries;
    const int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = 512;
        SendMessageW(box, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        entries.push_back({text, item.iImage, item.iSelectedImage, item.iIndent});
    }
    return entries;
}

inline std::wstring SelectedEntryText(HWND box) {
    const int selected = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (selected < 0) return L"";
    const std::vector<ShownEntry> entries = ShownEntries(box);
    return selected < static_cast<int>(entries.size()) ? entries[selected].text : L"";
}

inline std::wstring BrowserText(kx::ActFileDialog* browser, HRESULT (STDMETHODCALLTYPE kx::ActFileDialog::*get)(BSTR*)) {
    BSTR value = nullptr;
    (browser->*get)(&value);
    return TakeBstr(value);
}

inline HRESULT SetBrowserText(kx::ActFileDialog* browser, HRESULT (STDMETHODCALLTYPE kx::ActFileDialog::*let)(BSTR),
                              const std::wstring& text) {
    BSTR value = SysAllocString(text.c_str());
    const HRESULT hr = (browser->*let)(value);
    SysFreeString(value);
    return hr;
}

inline std::wstring PathOf(kx::ActFileDialog* browser) { return BrowserText(browser, &kx::ActFileDialog::get_Path); }
inline void GoTo(kx::ActFileDialog* browser, const std::wstring& path) {
    SetBrowserText(browser, &kx::ActFileDialog::put_Path, path);
}

// A browser outside any container: newly placed, or loaded from a bag.
class LooseBrowser {
public:
    explicit LooseBrowser(IPropertyBag* bag = nullptr) {
        IPersistPropertyBag* persist = Persist();
        if (bag) loaded = persist->Load(bag, nullptr);
        else persist->InitNew();
    }
    ~LooseBrowser() { browser->Release(); }
    LooseBrowser(const LooseBrowser&) = delete;
    LooseBrowser& operator=(const LooseBrowser&) = delete;

    IPersistPropertyBag* Persist() const {
        IPersistPropertyBag* p = nullptr;
        browser->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&p));
        p->Release();  // the control keeps it alive
        return p;
    }
    std::vector<std::wstring> SavedKeys(SavedBag& saved) const {
        Persist()->Save(saved.bag, TRUE, TRUE);
        return saved.Keys();
    }
    HWND List() const { return browser->Form().lstView.Hwnd(); }
    HWND Address() const { return browser->Form().imgDir.Hwnd(); }

    kx::ActFileDialog* browser = new kx::ActFileDialog();
    HRESULT loaded = S_OK;
};

// A browser placed in the project's container; its events are recorded, PathChanged with its LastPath.
class HostedBrowser {
public:
    using Reaction = std::function<void(DISPID, DISPPARAMS*)>;
    explicit HostedBrowser(bool rightToLeft = false, bool userMode = true, IPropertyBag* bag = nullptr,
                           Reaction react = nullptr)
        : window_(480, 340), react_(std::move(react)) {
        host_ = new kx::ControlHost(window_.hwnd());
        host_->SetRightToLeft(rightToLeft);
        host_->SetUserMode(userMode);
        browser = new kx::ActFileDialog();
        const RECT bounds = {0, 0, 438, 312};
        site_ = host_->PlaceObject(static_cast<IOleObject*>(browser), L"actFileDialog1", bounds, bag,
                                   [this](DISPID id, DISPPARAMS* params) {
                                       if (id == 3 && params->cArgs == 1) {
                                           const VARIANT& arg = params->rgvarg[0];
                                           const BSTR text = arg.vt == (VT_BYREF | VT_BSTR) ? *arg.pbstrVal
                                                                                           : arg.bstrVal;
                                           lastPaths.push_back(text ? text : L"");
                                       }
                                       events.push_back(id);
                                       if (react_) react_(id, params);
                                   });
    }
    ~HostedBrowser() {
        delete host_;
        browser->Release();
    }
    HostedBrowser(const HostedBrowser&) = delete;
    HostedBrowser& operator=(const HostedBrowser&) = delete;

    kx::ControlSite* Site() const { return site_; }
    HWND List() const { return browser->Form().lstView.Hwnd(); }
    HWND Address() const { return browser->Form().imgDir.Hwnd(); }

    kx::ActFileDialog* browser = nullptr;
    std::vector<DISPID> events;
    std::vector<std::wstring> lastPaths;

private:
    ::kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::ControlSite* site_ = nullptr;
    Reaction react_;
};

}  // namespace kxtest
