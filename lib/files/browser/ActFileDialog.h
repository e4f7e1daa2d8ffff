#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BrowserForm.h"
#include "Control.h"
#include "ItemIcons.h"
#include "KeepAlive.h"
#include "Korvix32_h.h"
#include "MenuHover.h"
#include "NetworkNeighbourhood.h"
#include "WindowMembers.h"
#include "WindowSubclasser.h"

namespace kx {

// actFileDialog: the file browser. Lists one location (the drives, the network, a server's shares or a
// folder) with the shell's icons, shows the location's place among Desktop, My Documents, My Computer and
// My Network in the address box, and tells the host of clicks, double clicks and location changes.
// The members are in this file; the listing (BrowserListing.cpp), the places and navigation
// (BrowserLocations.cpp), the filters (BrowserFilters.cpp) and the layout (BrowserLayout.cpp) in theirs.
class ActFileDialog : public WindowMembers<Control<_actFileDialog>>, private SubclassOwner {
public:
    ActFileDialog();
    ~ActFileDialog() override;

    STDMETHODIMP get_Path(BSTR* Path) override;
    STDMETHODIMP put_Path(BSTR Path) override;
    STDMETHODIMP get_Extension(BSTR* Extension) override;
    STDMETHODIMP get_FileName(BSTR* FileName) override;
    STDMETHODIMP put_FileName(BSTR FileName) override;
    STDMETHODIMP get_Filter(BSTR* Filter) override;
    STDMETHODIMP put_Filter(BSTR Filter) override;
    STDMETHODIMP get_FilterIndex(short* FilterIndex) override;
    STDMETHODIMP put_FilterIndex(short FilterIndex) override;
    STDMETHODIMP get_BorderStyle(LONG* BorderStyle) override;
    STDMETHODIMP put_BorderStyle(LONG BorderStyle) override;
    STDMETHODIMP get_Appearance(actAppearance* Appearance) override;
    STDMETHODIMP put_Appearance(actAppearance Appearance) override;
    STDMETHODIMP get_BackColor(OLE_COLOR* BackColor) override;
    STDMETHODIMP put_BackColor(OLE_COLOR BackColor) override;
    STDMETHODIMP get_SearchText(BSTR* SearchText) override;
    STDMETHODIMP put_SearchText(BSTR SearchText) override;
    STDMETHODIMP get_FilterText(BSTR* FilterText) override;
    STDMETHODIMP put_FilterText(BSTR FilterText) override;
    STDMETHODIMP get_FileNameText(BSTR* FileNameText) override;
    STDMETHODIMP put_FileNameText(BSTR FileNameText) override;
    STDMETHODIMP get_RightToLeft(VARIANT_BOOL* RightToLeft) override;
    STDMETHODIMP put_RightToLeft(VARIANT_BOOL RightToLeft) override;
    STDMETHODIMP get_ShowLeftMenu(VARIANT_BOOL* ShowLeftMenu) override;
    STDMETHODIMP put_ShowLeftMenu(VARIANT_BOOL ShowLeftMenu) override;
    STDMETHODIMP get_ShowHidden(VARIANT_BOOL* ShowHidden) override;
    STDMETHODIMP put_ShowHidden(VARIANT_BOOL ShowHidden) override;
    STDMETHODIMP get_ShowSystem(VARIANT_BOOL* ShowSystem) override;
    STDMETHODIMP put_ShowSystem(VARIANT_BOOL ShowSystem) override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* ForeColor) override;
    STDMETHODIMP put_ForeColor(OLE_COLOR ForeColor) override;
    STDMETHODIMP get_ScaleWidth(FLOAT* ScaleWidth) override;
    STDMETHODIMP put_ScaleWidth(FLOAT ScaleWidth) override;
    STDMETHODIMP get_ScaleMode(short* ScaleMode) override;
    STDMETHODIMP put_ScaleMode(short ScaleMode) override;
    STDMETHODIMP get_ScaleHeight(FLOAT* ScaleHeight) override;
    STDMETHODIMP put_ScaleHeight(FLOAT ScaleHeight) override;
    STDMETHODIMP get_FontUnderline(VARIANT_BOOL* FontUnderline) override;
    STDMETHODIMP put_FontUnderline(VARIANT_BOOL FontUnderline) override;
    STDMETHODIMP get_FontStrikethru(VARIANT_BOOL* FontStrikethru) override;
    STDMETHODIMP put_FontStrikethru(VARIANT_BOOL FontStrikethru) override;
    STDMETHODIMP get_FontItalic(VARIANT_BOOL* FontItalic) override;
    STDMETHODIMP put_FontItalic(VARIANT_BOOL FontItalic) override;
    STDMETHODIMP get_FontBold(VARIANT_BOOL* FontBold) override;
    STDMETHODIMP put_FontBold(VARIANT_BOOL FontBold) override;
    STDMETHODIMP get_FontSize(FLOAT* FontSize) override;
    STDMETHODIMP put_FontSize(FLOAT FontSize) override;
    STDMETHODIMP get_FontName(BSTR* FontName) override;
    STDMETHODIMP put_FontName(BSTR FontName) override;
    STDMETHODIMP get_Font(IFontDisp** Font) override;
    STDMETHODIMP putref_Font(IFontDisp* Font) override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL Enabled) override;
    STDMETHODIMP get_Controls(IDispatch** Controls) override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP ShellProgram(BSTR* FileName) override;
    STDMETHODIMP DoNetEnum(VARIANT_BOOL* Found) override;

    // For tests: the constituent windows.
    BrowserForm& Form() { return *form_; }

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Show() override;
    void Terminate() override;
    bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // Messages the control posts itself, to act once the list view has finished a label edit.
    static constexpr UINT kMessageRenameAgain = WM_APP + 1;
    static constexpr UINT kMessageRenamed = WM_APP + 2;

    template <class Body>
    HRESULT Let(const wchar_t* name, Body body);
    HRESULT LetText(std::wstring& field, BSTR value, const wchar_t* name, void (ActFileDialog::*after)());
    HRESULT LetFlag(bool& field, VARIANT_BOOL value, const wchar_t* name, void (ActFileDialog::*after)());
    HRESULT LetColour(long& field, OLE_COLOR value, const wchar_t* name);
    template <class Change>
    HRESULT LetFont(const wchar_t* name, Change change);
    void RefreshListing() { ListLocation(); }
    void Nothing() {}

    // Applying captions, colours and fonts, and the border.
    void ApplyCaptions();
    void ApplyColorsAndFonts();
    void ApplyBorder();
    void ReadShellFolders();

    // Notifications of the constituents.
    bool OnCommand(WORD id, WORD code, HWND child);
    bool OnNotify(const NMHDR& header, LRESULT* result);

    // BrowserListing.cpp: Refresh. Each kind of location gives its items; they are sorted, given their
    // icons and shown, and the address box follows.
    void ListLocation();
    // For members that list: a PathChanged handler, or a message handled during the network walk, may let
    // the host drop its last reference before the listing is done.
    KeepAlive HoldWhileListing() { return KeepAlive(static_cast<IOleObject*>(this)); }
    // Items of a folder; none when a PathChanged handler started a newer listing meanwhile.
    std::optional<std::vector<ListItem>> FolderItems(const std::wstring& listed, unsigned request);
    void RaisePathChanged(const std::wstring& lastPath);
    void ShowItems(std::vector<ListItem> items);

    // BrowserLocations.cpp
    std::vector<ListItem> DriveItems() const;
    void FillAddressBox();
    void GoToAddressItem();
    void UpOneLevel();
    void LeftMenuClick(int index);
    void NavigateTo(const std::wstring& path);

    // BrowserFilters.cpp
    void ParseFilter();
    std::wstring FilterPattern(int index) const;

    // BrowserLayout.cpp
    void Layout();

    // BrowserNetwork.cpp
    std::vector<ListItem> NetworkItems(const std::wstring& listed);
    void EnumerateNetwork();

    // BrowserFilters.cpp: the filter box's choice and the pattern typed into the file-name box.
    void FilterBoxClick();
    bool FileNameEnter();

    // BrowserUserActions.cpp: the list's clicks and keys, the right-click menu and its actions.
    std::optional<ListItem> SelectedItem() const;
    void TakeFileName(const std::wstring& name, DISPID event);
    void ListClick();
    void ListDblClick();
    bool ListKeyDown(WORD key);
    void ShowListMenu();
    void RunMenuCommand(int command);
    bool ListsAFolder() const;
    void NewFolder();
    void StartRename();
    void SelectItemByKey(const std::wstring& key);
    void LabelEdited(const NMLVDISPINFOW& info);
    void AfterRename();

    // BrowserHover.cpp: the left menu's highlight, and the hooks of the panes and the file-name box.
    void HookParts();
    int MenuEntryOf(HWND window) const;
    void MouseOver(HWND window);
    HBRUSH MenuChildColours(HWND child, HDC dc) const;
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                          LPARAM& lParam) override;

    std::unique_ptr<BrowserForm> form_;
    ItemIcons icons_;
    std::wstring path_;
    std::wstring fileName_;
    std::wstring filter_;
    short filterIndex_ = 0;
    long borderStyle_ = 0;
    long appearance_ = act3D;
    long backColor_;
    long foreColor_;
    std::wstring searchText_;
    std::wstring filterText_;
    std::wstring fileNameText_;
    bool showLeftMenu_ = true;
    bool showHidden_ = false;
    bool showSystem_ = false;
    float scaleWidth_;
    short scaleMode_;
    float scaleHeight_;

    std::vector<std::wstring> filterPatterns_{L""};
    std::vector<std::wstring> currentExtensions_{L""};
    std::wstring typedPattern_ = L"*.*";
    std::wstring lastListedPath_;
    std::wstring desktopFolder_;
    std::wstring documentsFolder_;
    HoverTracker hover_;
    WindowSubclasser hooks_{*this, static_cast<IOleObject*>(this)};
    NetworkNeighbourhood network_;
    std::wstring renamedKey_;  // the item a rename made, selected once the list shows it
    bool terminated_ = false;  // the walk of the network stops
    unsigned listingRequest_ = 0;  // the newest listing; an older one stops when it sees a newer one
};

}  // namespace kx
