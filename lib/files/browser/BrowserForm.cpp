#include "BrowserForm.h"

#include <commctrl.h>

#include "BrowserArtwork.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"

namespace kx {
namespace {

constexpr const wchar_t* kPaneClass = L"KxBrowserPane";
constexpr int kPaneWidth = 73;   // 1100 x 855 twips
constexpr int kPaneHeight = 57;
constexpr int kPlaceIconSize = 32;
const wchar_t* const kPlaceCaptions[kLeftMenuEntries] = {L"Desktop", L"My Document", L"My Computer", L"My Network"};

HMENU IdOf(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int width = 80,
           int height = 20) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, parent, IdOf(id),
                           nullptr, nullptr);
}

// A left-menu pane: its background comes from the control's colours, and its clicks (its own and those
// of its icon and caption) go on to the control's window as the pane's STN_CLICKED.
LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND parent = GetParent(window);
    switch (message) {
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(window, &r);
            HBRUSH brush = reinterpret_cast<HBRUSH>(
                SendMessageW(parent, WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(window)));
            FillRect(reinterpret_cast<HDC>(wParam), &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_CTLCOLORSTATIC:
            return SendMessageW(parent, message, wParam, lParam);
        case WM_COMMAND:
            if (HIWORD(wParam) != STN_CLICKED) break;
            [[fallthrough]];
        case WM_LBUTTONUP:
            SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), STN_CLICKED),
                         reinterpret_cast<LPARAM>(window));
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

BrowserForm::BrowserForm(HWND parent) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    CreateLeftMenu(parent);
    pic32 = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 16, 16, parent, IdOf(kIdPic32), nullptr, nullptr);
    lblSearch = Child(parent, L"STATIC", L"", SS_LEFT, kIdSearchLabel, 88, 13);
    imgDir.Create(parent, kIdAddress);
    DrawAddressImages(ImageList1);
    imgDir.SetImageList(ImageList1.Handle());
    cmdUp = Child(parent, L"BUTTON", L"", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, kIdUp, 25, 21);
    upIcon_ = CreateUpArrowIcon(IconList::kSize);
    SendMessageW(cmdUp, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(upIcon_));
    lstView.Create(parent, kIdList);
    lblFileName = Child(parent, L"STATIC", L"", SS_LEFT, kIdFileNameLabel, 88, 13);
    txtFileName = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                  0, 0, 200, 21, parent, IdOf(kIdFileName), nullptr, nullptr);
    lblFilter = Child(parent, L"STATIC", L"", SS_LEFT, kIdFilterLabel, 88, 13);
    cmbPatern = Child(parent, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kIdPattern, 200, 200);
    CreateMenu();
}

BrowserForm::~BrowserForm() {
    if (mnuPopup) DestroyMenu(mnuPopup);
    // The list view shares its image lists: detach them before the lists go.
    if (lstView.Hwnd()) lstView.SetImageLists(nullptr);
    for (HICON icon : placeIcons_)
        if (icon) DestroyIcon(icon);
    if (upIcon_) DestroyIcon(upIcon_);
    if (backBrush_) DeleteObject(backBrush_);
}

void BrowserForm::CreateLeftMenu(HWND parent) {
    RegisterModuleWindowClass({.name = kPaneClass, .procedure = PaneProc});
    for (int i = 0; i < kLeftMenuEntries; ++i) {
        picToolBar[i] = CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                        i * kPaneHeight, kPaneWidth, kPaneHeight, parent, IdOf(kIdToolBar + i),
                                        ModuleHandle(), nullptr);
        imgToolBar[i] = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ICON | SS_NOTIFY,
                                        (kPaneWidth - kPlaceIconSize) / 2, 4, kPlaceIconSize, kPlaceIconSize,
                                        picToolBar[i], IdOf(kIdToolBarImage + i), nullptr, nullptr);
        placeIcons_[i] = CreatePlaceIcon(i, kPlaceIconSize);
        SendMessageW(imgToolBar[i], STM_SETICON, reinterpret_cast<WPARAM>(placeIcons_[i]), 0);
        lblToolbar[i] = CreateWindowExW(0, L"STATIC", kPlaceCaptions[i], WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOTIFY,
                                        0, 40, kPaneWidth, 13, picToolBar[i], IdOf(kIdToolBarLabel + i), nullptr,
                                        nullptr);
    }
}

void BrowserForm::CreateMenu() {
    mnuPopup = CreatePopupMenu();
    AppendMenuW(mnuPopup, MF_STRING, kMenuOpen, L"External Open");
    AppendMenuW(mnuPopup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(mnuPopup, MF_STRING, kMenuRefresh, L"Refresh");
    AppendMenuW(mnuPopup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(mnuPopup, MF_STRING, kMenuNewFolder, L"New Folder");
    AppendMenuW(mnuPopup, MF_STRING, kMenuRename, L"Rename");
    AppendMenuW(mnuPopup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(mnuPopup, MF_STRING, kMenuWinExplorer, L"Windows Explorer");
}

void BrowserForm::ApplyCaptions(const std::wstring& search, const std::wstring& filter, const std::wstring& fileName) {
    SetWindowTextW(lblSearch, search.c_str());
    SetWindowTextW(lblFileName, fileName.c_str());
    SetWindowTextW(lblFilter, filter.c_str());
}

void BrowserForm::ApplyFont(HFONT font) {
    const WPARAM handle = reinterpret_cast<WPARAM>(font);
    for (HWND label : lblToolbar) SendMessageW(label, WM_SETFONT, handle, TRUE);
    for (HWND child : {lblSearch, imgDir.Hwnd(), lstView.Hwnd(), lblFileName, txtFileName, lblFilter, cmbPatern})
        SendMessageW(child, WM_SETFONT, handle, TRUE);
}

void BrowserForm::ApplyColours(COLORREF back, COLORREF fore) {
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(back);
    foreColour_ = fore;
    for (HWND pane : picToolBar) InvalidateRect(pane, nullptr, TRUE);
    for (HWND label : lblToolbar) InvalidateRect(label, nullptr, TRUE);
    for (HWND child : {cmdUp, lblSearch, lblFileName, lblFilter}) InvalidateRect(child, nullptr, TRUE);
}

bool BrowserForm::IsLabel(HWND child) const {
    for (HWND label : lblToolbar)
        if (child == label) return true;
    return child == lblSearch || child == lblFileName || child == lblFilter;
}

HBRUSH BrowserForm::ChildColours(HWND child, HDC dc) const {
    if (IsLabel(child)) {
        SetTextColor(dc, foreColour_);
        SetBkMode(dc, TRANSPARENT);
        return backBrush_;
    }
    for (HWND pane : picToolBar)
        if (child == pane || GetParent(child) == pane) return backBrush_;
    return child == cmdUp ? backBrush_ : nullptr;
}

bool BrowserForm::OwnVisible(HWND window) {
    return window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<PartRecord> BrowserForm::Parts() const {
    std::vector<PartRecord> parts;
    auto add = [&](const wchar_t* name, short index, HWND window) {
        parts.push_back({name, index, window, window ? OwnVisible(window) : true});
    };
    for (short i = 0; i < kLeftMenuEntries; ++i) add(L"picToolBar", i, picToolBar[i]);
    for (short i = 0; i < kLeftMenuEntries; ++i) add(L"imgToolBar", i, imgToolBar[i]);
    for (short i = 0; i < kLeftMenuEntries; ++i) add(L"lblToolbar", i, lblToolbar[i]);
    add(L"pic32", -1, pic32);
    add(L"ImageList1", -1, nullptr);
    add(L"txtFileName", -1, txtFileName);
    add(L"cmbPatern", -1, cmbPatern);
    add(L"cmdUp", -1, cmdUp);
    add(L"imgDir", -1, imgDir.Hwnd());
    add(L"lstView", -1, lstView.Hwnd());
    add(L"iml32", -1, nullptr);
    add(L"lblFileName", -1, lblFileName);
    add(L"lblFilter", -1, lblFilter);
    add(L"lblSearch", -1, lblSearch);
    for (const wchar_t* menu : {L"mnuPopup", L"mnuOpen", L"spr2", L"mnuRefresh", L"spr3", L"mnuNewFolder", L"mnuRename",
                                L"spr1", L"mnuWinExplorer"})
        add(menu, -1, nullptr);
    return parts;
}

}  // namespace kx
