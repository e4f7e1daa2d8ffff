#include "HtmlViewerWindow.h"

#include <algorithm>

#include "InstanceWindowProc.h"
#include "PageFolder.h"

namespace zarvanta {
namespace {

constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;  // fixed single border, no min/max box
constexpr DWORD kExStyle = WS_EX_WINDOWEDGE;
// Drawn by the window, so that its entries read right to left wherever the system list box ignores that.
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                             LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
constexpr DWORD kListExStyle = WS_EX_CLIENTEDGE | WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
constexpr int kFontPointsTimes100 = 825;
constexpr std::size_t kExtensionLength = 4;  // ".htm"
constexpr wchar_t kExtension[] = L".htm";

HFONT CreateViewerFont() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW spec = {};
    spec.lfHeight = -MulDiv(kFontPointsTimes100, dpi, 7200);
    spec.lfWeight = FW_NORMAL;
    spec.lfCharSet = ARABIC_CHARSET;
    lstrcpynW(spec.lfFaceName, L"Tahoma", LF_FACESIZE);
    return CreateFontIndirectW(&spec);
}

// The window's rectangle centred on the owner (on the screen without one), kept inside the work area.
RECT CentredOn(HWND owner, SIZE size) {
    MONITORINFO monitor = {sizeof monitor};
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT around = monitor.rcWork;
    if (owner) GetWindowRect(owner, &around);
    const RECT& work = monitor.rcWork;
    int x = around.left + (around.right - around.left - size.cx) / 2;
    int y = around.top + (around.bottom - around.top - size.cy) / 2;
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right - size.cx)));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom - size.cy)));
    return {x, y, x + size.cx, y + size.cy};
}

int LineHeightOf(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return static_cast<int>(metrics.tmHeight);
}

HICON IconOf(HWND window, WPARAM kind, int classIndex) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0));
    return icon ? icon : reinterpret_cast<HICON>(GetClassLongPtrW(window, classIndex));
}

}  // namespace

void ShowHtmlViewer(HWND owner, const std::wstring& folderWithBackslash) {
    HtmlViewerWindow viewer(folderWithBackslash);
    if (viewer.Create(owner)) viewer.RunModal();
}

HtmlViewerWindow::HtmlViewerWindow(std::wstring folderWithBackslash, PageBrowserFactory makeBrowser)
    : folder_(std::move(folderWithBackslash)), makeBrowser_(std::move(makeBrowser)) {}

HtmlViewerWindow::~HtmlViewerWindow() {
    Destroy();
    if (font_) DeleteObject(font_);
}

bool HtmlViewerWindow::Create(HWND owner) {
    owner_ = owner;
    if (!CreateFrame()) return false;
    CreateControls();
    Load();
    ownerLock_.Lock(owner_);  // before the window shows, so that the owner never takes input beside it
    ShowWindow(window_, SW_SHOW);
    SetFocus(list_);
    return true;
}

bool HtmlViewerWindow::CreateFrame() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterFormClass(kWindowClass,
                      kx::InstanceWindowProc<HtmlViewerWindow, &HtmlViewerWindow::window_, &HtmlViewerWindow::Handle>,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT frame = {0, 0, kClientSize.cx, kClientSize.cy};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const RECT place = CentredOn(owner_, {frame.right - frame.left, frame.bottom - frame.top});
    CreateWindowExW(kExStyle, kWindowClass, kCaption, kStyle, place.left, place.top, place.right - place.left,
                    place.bottom - place.top, owner_, nullptr, instance, this);
    return window_ != nullptr;
}

void HtmlViewerWindow::CreateControls() {
    font_ = CreateViewerFont();
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    const RECT& at = kListBounds;
    list_ = CreateWindowExW(kListExStyle, L"LISTBOX", L"", kListStyle, at.left, at.top, at.right - at.left,
                            at.bottom - at.top, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (makeBrowser_) browser_ = makeBrowser_(window_, kBrowserBounds);
}

void HtmlViewerWindow::Load() {
    TakeOwnerIcon();
    FillList();
    if (SendMessageW(list_, LB_GETCOUNT, 0, 0) > 0) ShowPage(ListText(0));
}

void HtmlViewerWindow::TakeOwnerIcon() {
    if (!owner_) return;
    if (HICON big = IconOf(owner_, ICON_BIG, GCLP_HICON))
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (HICON small = IconOf(owner_, ICON_SMALL, GCLP_HICONSM))
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void HtmlViewerWindow::FillList() {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& file : FindPageFiles(folder_)) {
        const std::wstring name = file.substr(0, file.size() - kExtensionLength);
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

void HtmlViewerWindow::ShowChosenPage() {
    const LRESULT chosen = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (chosen != LB_ERR) ShowPage(ListText(static_cast<int>(chosen)));
}

void HtmlViewerWindow::ShowPage(const std::wstring& listName) {
    if (browser_) browser_->Navigate(folder_ + listName + kExtension);
}

void HtmlViewerWindow::DrawListEntry(const DRAWITEMSTRUCT& entry) {
    if (entry.itemID == static_cast<UINT>(-1)) {
        if (entry.itemAction & ODA_FOCUS) DrawFocusRect(entry.hDC, &entry.rcItem);
        return;
    }
    HDC dc = entry.hDC;
    const bool selected = (entry.itemState & ODS_SELECTED) != 0;
    HGDIOBJ oldFont = SelectObject(dc, font_);
    const UINT oldAlign = SetTextAlign(dc, TA_RIGHT | TA_TOP | TA_RTLREADING);
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring text = ListText(static_cast<int>(entry.itemID));
    ExtTextOutW(dc, entry.rcItem.right - 2, entry.rcItem.top, ETO_OPAQUE | ETO_CLIPPED | ETO_RTLREADING, &entry.rcItem,
                text.c_str(), static_cast<UINT>(text.size()), nullptr);
    if (entry.itemState & ODS_FOCUS) DrawFocusRect(dc, &entry.rcItem);
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, oldFont);
}

std::wstring HtmlViewerWindow::ListText(int index) const {
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void HtmlViewerWindow::RunModal() {
    if (!window_) return;
    RunModalLoop(window_, [this](MSG& message) { return PreTranslate(message); });
    Destroy();
}

bool HtmlViewerWindow::PreTranslate(MSG& message) {
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    if (browser_ && browser_->TranslateAccelerator(message)) return true;
    return IsDialogMessageW(window_, &message) != FALSE;
}

void HtmlViewerWindow::Destroy() {
    if (window_) Close();
    ownerLock_.Release();
}

// The owner is enabled before the window goes, so that it, not another program, becomes active.
void HtmlViewerWindow::Close() {
    ownerLock_.Release();
    DestroyWindow(window_);
}

LRESULT HtmlViewerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == list_ && HIWORD(wParam) == LBN_SELCHANGE) ShowChosenPage();
        return 0;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = LineHeightOf(font_);
        return TRUE;
    case WM_DRAWITEM: DrawListEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CLOSE: Close(); return 0;
    case WM_DESTROY: browser_.reset(); break;  // the browser's container needs the window
    case WM_NCDESTROY: {
        const HWND closing = window_;
        window_ = nullptr;
        list_ = nullptr;
        return DefWindowProcW(closing, message, wParam, lParam);
    }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace zarvanta
