#include "NumberWordsWindow.h"

#include "FormControls.h"
#include "InstanceWindowProc.h"
#include "LibraryButton.h"
#include "ModalForm.h"
#include "TextEditorLauncher.h"
#include "arrange/NumberWords.h"
#include "engine/CodePageFold.h"

namespace zarvanta {

namespace {

// تبديل عدد ابجد به حروف
constexpr wchar_t kCaption[] =
    L"\u062A\u0628\u062F\u064A\u0644 \u0639\u062F\u062F \u0627\u0628\u062C\u062F \u0628\u0647 \u062D\u0631\u0648\u0641";
// عدد ابجد:
constexpr wchar_t kValueLabel[] = L"\u0639\u062F\u062F \u0627\u0628\u062C\u062F:";
// محاسبه
constexpr wchar_t kDoCaption[] = L"\u0645\u062D\u0627\u0633\u0628\u0647";
// کپي در فايل
constexpr wchar_t kCopyCaption[] = L"\u06A9\u067E\u064A \u062F\u0631 \u0641\u0627\u064A\u0644";
constexpr wchar_t kEditorFailed[] = L"The text editor could not be started for ";

// Fixed single border without minimise and maximise boxes.
constexpr FormFrame kFrame = {NumberWordsWindow::kWindowClass, kCaption, {370, 376},
                              WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_WINDOWEDGE | WS_EX_RTLREADING};
constexpr DWORD kRightToLeft = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;

constexpr RECT kLabel1 = Bounds(312, 16, 44, 13);
constexpr RECT kValue = Bounds(144, 10, 145, 25);
constexpr RECT kDoButton = Bounds(8, 8, 129, 25);
constexpr RECT kList = Bounds(8, 40, 353, 290);
constexpr RECT kCopyButton = Bounds(232, 344, 129, 25);
constexpr long kVistaStyle = 12;  // kxBtnVista

}  // namespace

void ShowNumberWordsWindow(HWND owner, RecordSet* dictionary, const std::filesystem::path& programFolder) {
    NumberWordsWindow window(dictionary, programFolder);
    if (window.Create(owner)) window.RunModal();
}

NumberWordsWindow::NumberWordsWindow(RecordSet* dictionary, std::filesystem::path programFolder)
    : dictionary_(dictionary), folder_(std::move(programFolder)) {}

NumberWordsWindow::~NumberWordsWindow() {
    Close();
    if (buttonFont_) buttonFont_->Release();
}

bool NumberWordsWindow::Create(HWND owner) {
    owner_ = owner;
    CreateFormFrame(kFrame, kx::InstanceWindowProc<NumberWordsWindow, &NumberWordsWindow::window_,
                                                   &NumberWordsWindow::Handle>,
                    owner, this);
    if (!window_) return false;
    CreateControls();
    ownerLock_.Lock(owner_);  // before the window shows, so that the owner never takes input beside it
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(value_);
    return true;
}

// Made in the tab order, which is the order Tab moves through them. The buttons' font serves the window too.
void NumberWordsWindow::CreateControls() {
    buttonFont_ = CreateButtonFont();
    font_ = FontHandleOf(buttonFont_);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    host_ = std::make_unique<kx::ControlHost>(window_);
    host_->SetRightToLeft(true);
    host_->SetFont(buttonFont_);

    const HWND label = CreateChild(L"STATIC", kValueLabel, kLabel1, SS_RIGHT | SS_NOPREFIX, 0);
    value_ = CreateChild(L"EDIT", L"", kValue, WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    const HWND doButton = PlaceButton(L"btnDo", kDoCaption, kDoButton, &NumberWordsWindow::ListWords);
    list_ = CreateChild(L"LISTBOX", L"", kList, WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                        WS_EX_CLIENTEDGE);
    const HWND copyButton = PlaceButton(L"btnCopy", kCopyCaption, kCopyButton, &NumberWordsWindow::CopyList);
    SetTabOrder({label, value_, doButton, list_, copyButton});
}

HWND NumberWordsWindow::CreateChild(const wchar_t* className, const wchar_t* text, const RECT& bounds, DWORD style,
                                    DWORD exStyle) {
    return CreateFormControl(window_, font_, {className, text, bounds, style, exStyle | kRightToLeft, 0});
}

HWND NumberWordsWindow::PlaceButton(const wchar_t* name, const wchar_t* caption, const RECT& bounds,
                                    void (NumberWordsWindow::*onClick)()) {
    kx::ControlSite* site =
        PlaceLibraryButton(*host_, {name, caption, bounds, kVistaStyle, std::nullopt}, buttonFont_,
                           [this, onClick](DISPID event, DISPPARAMS*) {
                               if (event == DISPID_CLICK) (this->*onClick)();
                           });
    if (!site) return nullptr;
    buttons_.push_back(site);
    return site->ControlWindow();
}

// --- the two buttons ---

// The text box holds text of code page 1256, as typed: Arabic-Indic digits are stored as its digits.
void NumberWordsWindow::ListWords() {
    std::wstring typed = WindowTextOf(value_);
    FoldToCodePage1256(typed);
    const std::vector<std::wstring> words = dictionary_ ? WordsOfAbjadNumber(*dictionary_, typed)
                                                        : std::vector<std::wstring>();
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& word : words)
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void NumberWordsWindow::CopyList() {
    const ClipFileResult clip = WriteClipFile(folder_, ListEntries());
    if (!clip.Written) {
        ShowError(clip.Error);
        return;
    }
    if (!OpenInTextEditor(clip.File.wstring())) ShowError(kEditorFailed + clip.File.wstring());
}

std::vector<std::wstring> NumberWordsWindow::ListEntries() const {
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, i, 0);
        if (length == LB_ERR) continue;
        std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied = SendMessageW(list_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
        entries.push_back(std::move(entry));
    }
    return entries;
}

// The message box carries the application's title, the owner's caption.
void NumberWordsWindow::ShowError(const std::wstring& text) {
    MessageBoxW(window_, text.c_str(), WindowTextOf(owner_).c_str(), MB_OK | MB_ICONERROR);
}

// --- messages ---

void NumberWordsWindow::RunModal() {
    ownerLock_.Lock(owner_);
    RunModalLoop(window_, [this](MSG& message) { return PreTranslate(message); });
    Close();
}

// Enter runs btnDo and Esc closes the window, except on a button, which takes Enter as its own stroke.
bool NumberWordsWindow::PreTranslate(MSG& message) {
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        if (IsButtonWindow(message.hwnd)) return false;
        ListWords();
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        Close();
        return true;
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

bool NumberWordsWindow::IsButtonWindow(HWND window) const {
    for (const kx::ControlSite* button : buttons_) {
        const HWND control = button->ControlWindow();
        if (control && (window == control || IsChild(control, window))) return true;
    }
    return false;
}

void NumberWordsWindow::Close() {
    ownerLock_.Release();
    if (window_) DestroyWindow(window_);
}

LRESULT NumberWordsWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE: focus_.OnActivate(window_, LOWORD(wParam) != WA_INACTIVE, value_); return 0;
    case WM_CLOSE: Close(); return 0;
    case WM_DESTROY:
        host_.reset();  // the controls need the window while they go
        buttons_.clear();
        break;
    case WM_NCDESTROY: {
        const HWND closing = window_;
        window_ = nullptr;
        value_ = list_ = nullptr;
        return DefWindowProcW(closing, message, wParam, lParam);
    }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace zarvanta
