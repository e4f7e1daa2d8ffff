#include "ActFileDialog.h"

#include <shellapi.h>

#include <new>

#include "BrowserControls.h"
#include "ErrorInfo.h"
#include "FilterString.h"
#include "FontViews.h"
#include "ListingRules.h"
#include "PathParts.h"
#include "RegistryOperations.h"
#include "SystemActions.h"
#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.actFileDialog";
constexpr int kDesignWidthTwips = 6570;
constexpr int kDesignHeightTwips = 4680;
constexpr long kButtonFace = static_cast<long>(0x8000000F);
constexpr long kButtonText = static_cast<long>(0x80000012);
constexpr short kTwips = 1;
constexpr const wchar_t* kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The captions of a new control by the reading order of its form.
struct Captions {
    const wchar_t* search;
    const wchar_t* filter;
    const wchar_t* fileName;
};
constexpr Captions kEnglishCaptions = {L"Search For:", L"Filter On:", L"File Name:"};
constexpr Captions kPersianCaptions = {L"\u062C\u0633\u062A\u062C\u0648:", L"\u0641\u064A\u0644\u062A\u0631:",
                                       L"\u0646\u0627\u0645 \u0641\u0627\u064A\u0644:"};

VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

template <class T, class V>
HRESULT Read(T* out, V value) {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

std::wstring WithBackslash(const std::wstring& path) {
    return !path.empty() && path.back() == L'\\' ? path : path + L'\\';
}

COLORREF Rgb(long colour) {
    COLORREF plain = 0;
    return SUCCEEDED(OleTranslateColor(static_cast<OLE_COLOR>(colour), nullptr, &plain)) ? plain : RGB(0, 0, 0);
}

// An existing file (not a folder) named exactly, without wild cards.
bool IsFileAt(const std::wstring& path) {
    if (path.find_first_of(L"*?") != std::wstring::npos) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return text;
}

// The shell folder's path ending in "\"; a missing value leaves "\" (the drive list).
std::wstring ShellFolder(const wchar_t* name) {
    const RegistryData data = registry::QueryValue(HKEY_CURRENT_USER, kShellFolders, name);
    return WithBackslash(TextOf(data));
}

}  // namespace

ActFileDialog::ActFileDialog()
    : WindowMembers<Control<_actFileDialog>>(CLSID_actFileDialog, DIID___actFileDialog, kDesignWidthTwips,
                                             kDesignHeightTwips),
      backColor_(kButtonFace),
      foreColor_(kButtonText),
      searchText_(kEnglishCaptions.search),
      filterText_(kEnglishCaptions.filter),
      fileNameText_(kEnglishCaptions.fileName),
      scaleWidth_(kDesignWidthTwips),
      scaleMode_(kTwips),
      scaleHeight_(kDesignHeightTwips) {
    form_ = std::make_unique<BrowserForm>(Hwnd());
    HookParts();
    FillAddressBox();
    ReadShellFolders();
}

ActFileDialog::~ActFileDialog() = default;

void ActFileDialog::ReadShellFolders() {
    desktopFolder_ = ShellFolder(L"Desktop");
    documentsFolder_ = ShellFolder(L"Personal");
}

// --- life cycle ---

void ActFileDialog::InitProperties() {
    path_.clear();
    fileName_.clear();
    filter_.clear();
    filterIndex_ = 0;
    const bool rightToLeft = Ambient().RightToLeft();
    SetRightToLeft(rightToLeft);
    showLeftMenu_ = true;
    const Captions& captions = rightToLeft ? kPersianCaptions : kEnglishCaptions;
    searchText_ = captions.search;
    filterText_ = captions.filter;
    fileNameText_ = captions.fileName;
    showHidden_ = showSystem_ = false;
    IFontDisp* ambient = Ambient().Font();
    SetFont(ambient);
    if (ambient) ambient->Release();
}

void ActFileDialog::ReadProperties(const PropertyReader& bag) {
    path_ = bag.Text(L"Path", L"");
    fileName_ = bag.Text(L"FileName", L"");
    filter_ = bag.Text(L"Filter", L"");
    filterIndex_ = static_cast<short>(bag.Long(L"FilterIndex", 0));
    if (filterIndex_ < -1) filterIndex_ = 0;  // no entry has such an index
    searchText_ = bag.Text(L"SearchText", kEnglishCaptions.search);
    filterText_ = bag.Text(L"FilterText", kEnglishCaptions.filter);
    fileNameText_ = bag.Text(L"FileNameText", kEnglishCaptions.fileName);
    showHidden_ = bag.Boolean(L"ShowHidden", false);
    showSystem_ = bag.Boolean(L"ShowSystem", false);
    showLeftMenu_ = bag.Boolean(L"ShowLeftMenu", true);
    appearance_ = bag.Long(L"Appearance", act3D);
    borderStyle_ = bag.Long(L"BorderStyle", 0);
    SetRightToLeft(bag.Boolean(L"RightToLeft", false));
    backColor_ = bag.Long(L"BackColor", kButtonFace);
    foreColor_ = bag.Long(L"ForeColor", kButtonText);
    scaleWidth_ = static_cast<float>(bag.Double(L"ScaleWidth", kDesignWidthTwips));
    scaleMode_ = static_cast<short>(bag.Long(L"ScaleMode", kTwips));
    scaleHeight_ = static_cast<float>(bag.Double(L"ScaleHeight", kDesignHeightTwips));
    IFontDisp* font = ReadFontProperty(bag, L"Font");
    SetFont(font);
    if (font) font->Release();
    SetSurfaceEnabled(bag.Boolean(L"Enabled", true));
    ApplyCaptions();
    ApplyColorsAndFonts();
    ApplyBorder();
    Layout();
}

void ActFileDialog::WriteProperties(const PropertyWriter& bag) {
    bag.Text(L"Path", path_, L"");
    bag.Text(L"FileName", fileName_, L"");
    bag.Text(L"Filter", filter_, L"");
    bag.Long(L"FilterIndex", filterIndex_, 0);
    bag.Text(L"SearchText", searchText_, kEnglishCaptions.search);
    bag.Text(L"FilterText", filterText_, kEnglishCaptions.filter);
    bag.Text(L"FileNameText", fileNameText_, kEnglishCaptions.fileName);
    bag.Boolean(L"ShowLeftMenu", showLeftMenu_, true);
    bag.Boolean(L"ShowHidden", showHidden_, false);
    bag.Boolean(L"ShowSystem", showSystem_, false);
    bag.Long(L"BackColor", backColor_, kButtonFace);
    bag.Boolean(L"RightToLeft", RightToLeft(), false);
    bag.Long(L"BorderStyle", borderStyle_, 0);
    bag.Long(L"Appearance", appearance_, act3D);
    bag.Long(L"ForeColor", foreColor_, kButtonText);
    bag.Single(L"ScaleWidth", scaleWidth_, kDesignWidthTwips);
    bag.Long(L"ScaleMode", scaleMode_, kTwips);
    bag.Single(L"ScaleHeight", scaleHeight_, kDesignHeightTwips);
    IFontDisp* ambient = Ambient().Font();
    bag.Font(L"Font", Font(), ambient);
    if (ambient) ambient->Release();
    bag.Boolean(L"Enabled", SurfaceEnabled(), true);
}

// The scale follows the control's size in twips while the scale is twips (the classic runtime's
// ScaleWidth and ScaleHeight of a twips scale).
void ActFileDialog::Resize() {
    if (scaleMode_ == kTwips) {
        HDC screen = GetDC(nullptr);
        const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        if (dpiX > 0) scaleWidth_ = static_cast<float>(MulDiv(ScaleWidth(), 1440, dpiX));
        if (dpiY > 0) scaleHeight_ = static_cast<float>(MulDiv(ScaleHeight(), 1440, dpiY));
    }
    Layout();
}

void ActFileDialog::Show() {
    ApplyColorsAndFonts();
    Layout();
    ParseFilter();
    ListLocation();
}

void ActFileDialog::Terminate() {
    listingRequest_++;
    terminated_ = true;
}

// --- captions, colours, fonts, border ---

void ActFileDialog::ApplyCaptions() { form_->ApplyCaptions(searchText_, filterText_, fileNameText_); }

void ActFileDialog::ApplyColorsAndFonts() {
    if (filter_.empty()) filter_ = L"*.*|*.*";
    form_->ApplyFont(static_cast<HFONT>(GetCurrentObject(Hdc(), OBJ_FONT)));
    const COLORREF back = Rgb(backColor_);
    Surface().SetBackColor(back);
    form_->ApplyColours(back, Rgb(foreColor_));
    ShowSurface();
}

// A fixed single border, sunken where the look is three-dimensional.
void ActFileDialog::ApplyBorder() {
    const HWND window = Hwnd();
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    if (borderStyle_ != 0) {
        if (appearance_ == act3D) extended |= WS_EX_CLIENTEDGE;
        else style |= WS_BORDER;
    }
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowLongPtrW(window, GWL_EXSTYLE, extended);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// --- the constituents' notifications ---

bool ActFileDialog::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!form_) return false;  // the form's windows notify the control while the constructor makes them
    switch (message) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_NOTIFY:
            return lParam && OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
        case WM_SETCURSOR:
            MouseOver(reinterpret_cast<HWND>(wParam));
            return false;
        case kMessageRenameAgain:
            StartRename();
            return true;
        case kMessageRenamed:
            AfterRename();
            return true;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            const HWND child = reinterpret_cast<HWND>(lParam);
            const HDC dc = reinterpret_cast<HDC>(wParam);
            HBRUSH brush = MenuChildColours(child, dc);
            if (!brush) brush = form_->ChildColours(child, dc);
            if (!brush) return false;
            *result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
    }
    return false;
}

bool ActFileDialog::OnCommand(WORD id, WORD code, HWND) {
    if (id >= kIdToolBar && id < kIdToolBar + kLeftMenuEntries && code == STN_CLICKED) {
        LeftMenuClick(id - kIdToolBar);
        return true;
    }
    if (id >= kMenuOpen && id <= kMenuWinExplorer && code == 0) {  // the right-click menu's items
        RunMenuCommand(id);
        return true;
    }
    if (id == kIdPattern && code == CBN_SELCHANGE) {
        FilterBoxClick();
        return true;
    }
    if (id == kIdUp && code == BN_CLICKED) {
        UpOneLevel();
        return true;
    }
    if (id == kIdAddress) {
        const bool dropped = SendMessageW(form_->imgDir.Hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (code == CBN_EDITCHANGE) {
            form_->imgDir.TextChanged();
        } else if ((code == CBN_SELCHANGE && !dropped) || code == CBN_SELENDOK) {
            form_->imgDir.Chosen();
            GoToAddressItem();
        }
        return true;
    }
    return false;
}

bool ActFileDialog::OnNotify(const NMHDR& header, LRESULT* result) {
    if (header.idFrom == kIdAddress && header.code == CBEN_ENDEDITW) {
        const auto& edit = reinterpret_cast<const NMCBEENDEDITW&>(header);
        if (edit.iWhy == CBENF_RETURN) GoToAddressItem();
        *result = 0;
        return true;
    }
    if (header.idFrom == kIdList) {
        switch (header.code) {
            case NM_CLICK: ListClick(); return true;
            case NM_DBLCLK: ListDblClick(); return true;
            case NM_RCLICK: ShowListMenu(); return true;
            case LVN_KEYDOWN: ListKeyDown(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey); return true;
            case LVN_BEGINLABELEDITW:
                *result = ListsAFolder() ? FALSE : TRUE;  // places keep their names
                return true;
            case LVN_ENDLABELEDITW:
                LabelEdited(reinterpret_cast<const NMLVDISPINFOW&>(header));
                *result = FALSE;
                return true;
        }
    }
    if (header.idFrom == kIdList && header.code == LVN_GETDISPINFOW) {
        auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
        const int index = info.item.iItem;
        if ((info.item.mask & LVIF_IMAGE) && index >= 0 && index < form_->lstView.Count()) {
            info.item.iImage = icons_.FileImage(form_->lstView.Item(index).key);
            info.item.mask |= LVIF_DI_SETITEM;
        }
        return true;
    }
    return false;
}

// --- members ---

template <class Body>
HRESULT ActFileDialog::Let(const wchar_t* name, Body body) {
    return Guard(kSource, [&] {
        body();
        PropertyChanged(name);
    });
}

HRESULT ActFileDialog::LetText(std::wstring& field, BSTR value, const wchar_t* name, void (ActFileDialog::*after)()) {
    return Guard(kSource, [&] {
        field = FromBstr(value);
        PropertyChanged(name);
        (this->*after)();
    });
}

HRESULT ActFileDialog::LetFlag(bool& field, VARIANT_BOOL value, const wchar_t* name, void (ActFileDialog::*after)()) {
    const KeepAlive hold = HoldWhileListing();  // after may list
    return Guard(kSource, [&] {
        field = value != VARIANT_FALSE;
        PropertyChanged(name);
        (this->*after)();
    });
}

HRESULT ActFileDialog::LetColour(long& field, OLE_COLOR value, const wchar_t* name) {
    return Guard(kSource, [&] {
        COLORREF plain = 0;
        if (FAILED(OleTranslateColor(value, nullptr, &plain))) throw Error(kErrInvalidPropertyValue);
        field = static_cast<long>(value);
        PropertyChanged(name);
        ApplyColorsAndFonts();
    });
}

template <class Change>
HRESULT ActFileDialog::LetFont(const wchar_t* name, Change change) {
    return Guard(kSource, [&] {
        change(Font());
        FontChanged();
        PropertyChanged(name);
        ApplyColorsAndFonts();
    });
}

STDMETHODIMP ActFileDialog::get_Path(BSTR* Path) {
    return Guard(kSource, [&] {
        path_ = WithBackslash(path_);
        AssignBstr(Path, PathAsRead(path_));
    });
}
STDMETHODIMP ActFileDialog::put_Path(BSTR Path) {
    const KeepAlive hold = HoldWhileListing();
    return Guard(kSource, [&] {
        path_ = WithBackslash(FromBstr(Path));
        PropertyChanged(L"Path");
        ListLocation();
    });
}

STDMETHODIMP ActFileDialog::get_Extension(BSTR* Extension) {
    return Guard(kSource, [&] { AssignBstr(Extension, SplitPath(fileName_).extension); });
}

// The file-name box's text, with the selected filter's first extension when it has no ".".
STDMETHODIMP ActFileDialog::get_FileName(BSTR* FileName) {
    return Guard(kSource, [&] {
        fileName_ = FileNameWithExtension(WindowText(form_->txtFileName), filterIndex_, currentExtensions_);
        AssignBstr(FileName, fileName_);
    });
}
// The name goes to the file-name box; a path to an existing file moves Path to its folder. A bare name
// leaves Path where it is.
STDMETHODIMP ActFileDialog::put_FileName(BSTR FileName) {
    const KeepAlive hold = HoldWhileListing();
    return Guard(kSource, [&] {
        fileName_ = FromBstr(FileName);
        PropertyChanged(L"FileName");
        const PathParts parts = SplitPath(fileName_);
        const std::wstring folder = WithBackslash(parts.folder);
        SetWindowTextW(form_->txtFileName, parts.name.c_str());
        fileName_ = parts.extension.empty() ? parts.name : parts.name + L"." + parts.extension;
        if (!parts.folder.empty() && IsRootedFolder(folder) && IsFileAt(folder + fileName_)) path_ = folder;
        ListLocation();
    });
}

STDMETHODIMP ActFileDialog::get_Filter(BSTR* Filter) {
    return Guard(kSource, [&] { AssignBstr(Filter, filter_); });
}
STDMETHODIMP ActFileDialog::put_Filter(BSTR Filter) {
    const KeepAlive hold = HoldWhileListing();
    return Guard(kSource, [&] {
        filter_ = TrimBlanks(FromBstr(Filter));
        ParseFilter();
        ListLocation();
    });
}

STDMETHODIMP ActFileDialog::get_FilterIndex(short* FilterIndex) { return Read(FilterIndex, filterIndex_); }
STDMETHODIMP ActFileDialog::put_FilterIndex(short FilterIndex) {
    const KeepAlive hold = HoldWhileListing();
    return Let(L"FilterIndex", [&] {
        if (FilterIndex < -1) throw Error(kErrInvalidPropertyValue);  // -1 is the typed pattern
        filterIndex_ = FilterIndex;
        ListLocation();
    });
}

STDMETHODIMP ActFileDialog::get_BorderStyle(LONG* BorderStyle) { return Read(BorderStyle, borderStyle_); }
STDMETHODIMP ActFileDialog::put_BorderStyle(LONG BorderStyle) {
    return Let(L"BorderStyle", [&] {
        borderStyle_ = BorderStyle;
        ApplyBorder();
    });
}

STDMETHODIMP ActFileDialog::get_Appearance(actAppearance* Appearance) { return Read(Appearance, appearance_); }
STDMETHODIMP ActFileDialog::put_Appearance(actAppearance Appearance) {
    return Let(L"Appearance", [&] {
        appearance_ = Appearance;
        ApplyBorder();
        ApplyColorsAndFonts();
    });
}

STDMETHODIMP ActFileDialog::get_BackColor(OLE_COLOR* BackColor) { return Read(BackColor, backColor_); }
STDMETHODIMP ActFileDialog::put_BackColor(OLE_COLOR BackColor) { return LetColour(backColor_, BackColor, L"BackColor"); }

STDMETHODIMP ActFileDialog::get_SearchText(BSTR* SearchText) {
    return Guard(kSource, [&] { AssignBstr(SearchText, searchText_); });
}
STDMETHODIMP ActFileDialog::put_SearchText(BSTR SearchText) {
    return LetText(searchText_, SearchText, L"SearchText", &ActFileDialog::ApplyCaptions);
}

STDMETHODIMP ActFileDialog::get_FilterText(BSTR* FilterText) {
    return Guard(kSource, [&] { AssignBstr(FilterText, filterText_); });
}
STDMETHODIMP ActFileDialog::put_FilterText(BSTR FilterText) {
    return LetText(filterText_, FilterText, L"FilterText", &ActFileDialog::ApplyCaptions);
}

STDMETHODIMP ActFileDialog::get_FileNameText(BSTR* FileNameText) {
    return Guard(kSource, [&] { AssignBstr(FileNameText, fileNameText_); });
}
STDMETHODIMP ActFileDialog::put_FileNameText(BSTR FileNameText) {
    return LetText(fileNameText_, FileNameText, L"FileNameText", &ActFileDialog::ApplyCaptions);
}

STDMETHODIMP ActFileDialog::get_RightToLeft(VARIANT_BOOL* RightToLeft) {
    return Read(RightToLeft, Bool(ControlBase::RightToLeft()));
}
STDMETHODIMP ActFileDialog::put_RightToLeft(VARIANT_BOOL RightToLeft) {
    return Let(L"RightToLeft", [&] {
        SetRightToLeft(RightToLeft != VARIANT_FALSE);
        Layout();
    });
}

STDMETHODIMP ActFileDialog::get_ShowLeftMenu(VARIANT_BOOL* ShowLeftMenu) { return Read(ShowLeftMenu, Bool(showLeftMenu_)); }
STDMETHODIMP ActFileDialog::put_ShowLeftMenu(VARIANT_BOOL ShowLeftMenu) {
    return LetFlag(showLeftMenu_, ShowLeftMenu, L"ShowLeftMenu", &ActFileDialog::Layout);
}

STDMETHODIMP ActFileDialog::get_ShowHidden(VARIANT_BOOL* ShowHidden) { return Read(ShowHidden, Bool(showHidden_)); }
STDMETHODIMP ActFileDialog::put_ShowHidden(VARIANT_BOOL ShowHidden) {
    return LetFlag(showHidden_, ShowHidden, L"ShowHidden", &ActFileDialog::RefreshListing);
}

STDMETHODIMP ActFileDialog::get_ShowSystem(VARIANT_BOOL* ShowSystem) { return Read(ShowSystem, Bool(showSystem_)); }
STDMETHODIMP ActFileDialog::put_ShowSystem(VARIANT_BOOL ShowSystem) {
    return LetFlag(showSystem_, ShowSystem, L"ShowSystem", &ActFileDialog::RefreshListing);
}

STDMETHODIMP ActFileDialog::get_ForeColor(OLE_COLOR* ForeColor) { return Read(ForeColor, foreColor_); }
STDMETHODIMP ActFileDialog::put_ForeColor(OLE_COLOR ForeColor) { return LetColour(foreColor_, ForeColor, L"ForeColor"); }

STDMETHODIMP ActFileDialog::get_ScaleWidth(FLOAT* ScaleWidth) { return Read(ScaleWidth, scaleWidth_); }
STDMETHODIMP ActFileDialog::put_ScaleWidth(FLOAT ScaleWidth) {
    return Let(L"ScaleWidth", [&] { scaleWidth_ = ScaleWidth; });
}

STDMETHODIMP ActFileDialog::get_ScaleMode(short* ScaleMode) { return Read(ScaleMode, scaleMode_); }
STDMETHODIMP ActFileDialog::put_ScaleMode(short ScaleMode) {
    return Let(L"ScaleMode", [&] { scaleMode_ = ScaleMode; });
}

STDMETHODIMP ActFileDialog::get_ScaleHeight(FLOAT* ScaleHeight) { return Read(ScaleHeight, scaleHeight_); }
STDMETHODIMP ActFileDialog::put_ScaleHeight(FLOAT ScaleHeight) {
    return Let(L"ScaleHeight", [&] { scaleHeight_ = ScaleHeight; });
}

STDMETHODIMP ActFileDialog::get_FontUnderline(VARIANT_BOOL* FontUnderline) {
    return Guard(kSource, [&] { *FontUnderline = Bool(ReadFontFlag(Font(), &IFont::get_Underline)); });
}
STDMETHODIMP ActFileDialog::put_FontUnderline(VARIANT_BOOL FontUnderline) {
    return LetFont(L"FontUnderline", [&](IFontDisp* f) { WriteFontFlag(f, &IFont::put_Underline, FontUnderline); });
}
STDMETHODIMP ActFileDialog::get_FontStrikethru(VARIANT_BOOL* FontStrikethru) {
    return Guard(kSource, [&] { *FontStrikethru = Bool(ReadFontFlag(Font(), &IFont::get_Strikethrough)); });
}
STDMETHODIMP ActFileDialog::put_FontStrikethru(VARIANT_BOOL FontStrikethru) {
    return LetFont(L"FontStrikethru",
                   [&](IFontDisp* f) { WriteFontFlag(f, &IFont::put_Strikethrough, FontStrikethru); });
}
STDMETHODIMP ActFileDialog::get_FontItalic(VARIANT_BOOL* FontItalic) {
    return Guard(kSource, [&] { *FontItalic = Bool(ReadFontFlag(Font(), &IFont::get_Italic)); });
}
STDMETHODIMP ActFileDialog::put_FontItalic(VARIANT_BOOL FontItalic) {
    return LetFont(L"FontItalic", [&](IFontDisp* f) { WriteFontFlag(f, &IFont::put_Italic, FontItalic); });
}
STDMETHODIMP ActFileDialog::get_FontBold(VARIANT_BOOL* FontBold) {
    return Guard(kSource, [&] { *FontBold = Bool(ReadFontFlag(Font(), &IFont::get_Bold)); });
}
STDMETHODIMP ActFileDialog::put_FontBold(VARIANT_BOOL FontBold) {
    return LetFont(L"FontBold", [&](IFontDisp* f) { WriteFontFlag(f, &IFont::put_Bold, FontBold); });
}
STDMETHODIMP ActFileDialog::get_FontSize(FLOAT* FontSize) {
    return Guard(kSource, [&] { *FontSize = ReadFontSize(Font()); });
}
STDMETHODIMP ActFileDialog::put_FontSize(FLOAT FontSize) {
    return LetFont(L"FontSize", [&](IFontDisp* f) { WriteFontSize(f, FontSize); });
}
STDMETHODIMP ActFileDialog::get_FontName(BSTR* FontName) {
    return Guard(kSource, [&] { AssignBstr(FontName, ReadFontName(Font())); });
}
STDMETHODIMP ActFileDialog::put_FontName(BSTR FontName) {
    return LetFont(L"FontName", [&](IFontDisp* f) { WriteFontName(f, FromBstr(FontName)); });
}

STDMETHODIMP ActFileDialog::get_Font(IFontDisp** Font) {
    return Guard(kSource, [&] {
        if (!Font) throw Error(kErrInvalidCall);
        *Font = ControlBase::Font();
        if (*Font) (*Font)->AddRef();
    });
}
STDMETHODIMP ActFileDialog::putref_Font(IFontDisp* Font) {
    return Guard(kSource, [&] {
        if (!Font) throw Error(kErrInvalidPropertyValue);
        SetFont(Font);
        PropertyChanged(L"Font");
        ApplyColorsAndFonts();
    });
}

STDMETHODIMP ActFileDialog::get_Enabled(VARIANT_BOOL* Enabled) { return Read(Enabled, Bool(SurfaceEnabled())); }
STDMETHODIMP ActFileDialog::put_Enabled(VARIANT_BOOL Enabled) {
    return Let(L"Enabled", [&] { SetSurfaceEnabled(Enabled != VARIANT_FALSE); });
}

STDMETHODIMP ActFileDialog::get_Controls(IDispatch** Controls) {
    return Guard(kSource, [&] {
        if (!Controls) throw Error(kErrInvalidCall);
        *Controls = new BrowserControls(form_->Parts());
    });
}

STDMETHODIMP ActFileDialog::Refresh() {
    const KeepAlive hold = HoldWhileListing();
    return Guard(kSource, [&] { ListLocation(); });
}

// The shell's "open" on the file, owned by the host program; the outcome is not looked at.
STDMETHODIMP ActFileDialog::ShellProgram(BSTR* FileName) {
    return Guard(kSource, [&] {
        const std::wstring file = FileName ? FromBstr(*FileName) : std::wstring();
        if (RecordSystemAction(L"ShellExecute open " + file)) return;
        ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    });
}

}  // namespace kx
