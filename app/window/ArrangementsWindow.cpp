#include "ArrangementsWindow.h"

#include <commctrl.h>

#include <exception>

#include "DispatchProperty.h"
#include "FormControls.h"
#include "InstanceWindowProc.h"
#include "Korvix32_h.h"
#include "LibraryButton.h"
#include "ModalForm.h"
#include "PropertyBag.h"
#include "TextEditorLauncher.h"
#include "arrange/ArrangementTexts.h"

namespace zarvanta {

namespace {

// حالات حروف
constexpr wchar_t kCaption[] = L"\u062D\u0627\u0644\u0627\u062A \u062D\u0631\u0648\u0641";
// Fixed single border without minimise and maximise boxes.
constexpr FormFrame kFrame = {ArrangementsWindow::kWindowClass, kCaption, {571, 181},
                              WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_WINDOWEDGE | WS_EX_RTLREADING};
constexpr DWORD kRightToLeft = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;

constexpr RECT kLabel1 = Bounds(506, 22, 47, 13);
constexpr RECT kLetters = Bounds(64, 16, 409, 25);
constexpr RECT kRunButton = Bounds(432, 120, 129, 49);
constexpr RECT kCancelButton = Bounds(288, 120, 129, 49);
constexpr RECT kProgressCaption = Bounds(16, 152, 257, 17);
constexpr RECT kLength = Bounds(26, 22, 31, 13);
constexpr RECT kLabel2 = Bounds(488, 56, 63, 13);
constexpr RECT kMode = Bounds(256, 48, 217, 21);
constexpr int kModeListHeight = 80;  // the drop-down list below the combo box
constexpr RECT kDictionaryCheck = Bounds(264, 80, 289, 17);
constexpr RECT kProgressBar = Bounds(8, 120, 273, 25);

// Child identities, clear of IDOK and IDCANCEL.
enum ChildId { kLettersId = 101, kModeId, kDictionaryCheckId };

constexpr long kVistaStyle = 12;                // kxBtnVista
constexpr OLE_COLOR kProgressColor = 16750899;  // kxProgressBar1.Color
constexpr DISPID kProgressMaxId = 0x68030004;

// حروف:
constexpr wchar_t kLettersLabel[] = L"\u062D\u0631\u0648\u0641:";
// نوع محاسبه:
constexpr wchar_t kModeLabel[] = L"\u0646\u0648\u0639 \u0645\u062D\u0627\u0633\u0628\u0647:";
// محاسبه
constexpr wchar_t kRunCaption[] = L"\u0645\u062D\u0627\u0633\u0628\u0647";
// لغو
constexpr wchar_t kCancelCaption[] = L"\u0644\u063A\u0648";
// استفاده از فرهنگ لغات
constexpr wchar_t kDictionaryCheckCaption[] =
    L"\u0627\u0633\u062A\u0641\u0627\u062F\u0647 \u0627\u0632 \u0641\u0631\u0647\u0646\u06AF \u0644\u063A\u0627\u062A";
// استفاده از اين گزينه سرعت محاسبات را کم ميکند.
constexpr wchar_t kDictionaryCheckTip[] =
    L"\u0627\u0633\u062A\u0641\u0627\u062F\u0647 \u0627\u0632 \u0627\u064A\u0646 \u06AF\u0632\u064A\u0646\u0647 "
    L"\u0633\u0631\u0639\u062A \u0645\u062D\u0627\u0633\u0628\u0627\u062A \u0631\u0627 \u06A9\u0645 "
    L"\u0645\u064A\u06A9\u0646\u062F.";
constexpr wchar_t kRunFailed[] = L"The arrangements could not be made: ";
constexpr wchar_t kEditorFailed[] = L"The text editor could not be started for ";

std::wstring Widen(const char* text) {
    std::wstring wide;
    for (const char* c = text; *c; ++c) wide += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return wide;
}

IDispatch* DispatchOf(kx::ControlSite* site) { return site ? site->Dispatch() : nullptr; }
HWND ControlWindowOf(kx::ControlSite* site) { return site ? site->ControlWindow() : nullptr; }

}  // namespace

void ShowArrangementsWindow(HWND owner, const AbjadEngine& engine, RecordSet* dictionary,
                            const std::filesystem::path& programFolder) {
    ArrangementsWindow window(engine, dictionary, programFolder);
    if (window.Create(owner)) window.RunModal();
}

ArrangementsWindow::ArrangementsWindow(const AbjadEngine& engine, RecordSet* dictionary,
                                       std::filesystem::path programFolder)
    : engine_(engine), dictionary_(dictionary), folder_(std::move(programFolder)) {}

ArrangementsWindow::~ArrangementsWindow() {
    Close();
    if (buttonFont_) buttonFont_->Release();
    if (barFont_) barFont_->Release();
}

bool ArrangementsWindow::Create(HWND owner) {
    owner_ = owner;
    CreateFormFrame(kFrame, kx::InstanceWindowProc<ArrangementsWindow, &ArrangementsWindow::window_,
                                                   &ArrangementsWindow::Handle>,
                    owner, this);
    if (!window_) return false;
    CreateControls();
    Load();
    return true;
}

// The buttons' font serves the window too.
void ArrangementsWindow::CreateControls() {
    buttonFont_ = CreateButtonFont();
    font_ = FontHandleOf(buttonFont_);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    const HWND label1 = CreateChild({L"STATIC", kLettersLabel, kLabel1, SS_RIGHT | SS_NOPREFIX, kRightToLeft, 0});
    letters_ = CreateChild({L"EDIT", L"", kLetters, WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL,
                            WS_EX_CLIENTEDGE | kRightToLeft, kLettersId});
    progressCaption_ =
        CreateChild({L"STATIC", L"", kProgressCaption, SS_CENTER | SS_NOPREFIX, kRightToLeft, 0});
    length_ = CreateChild({L"STATIC", L"", kLength, SS_RIGHT | SS_NOPREFIX, kRightToLeft, 0});
    const HWND label2 = CreateChild({L"STATIC", kModeLabel, kLabel2, SS_RIGHT | SS_NOPREFIX, kRightToLeft, 0});
    RECT modeWithList = kMode;
    modeWithList.bottom += kModeListHeight;
    mode_ = CreateChild(
        {L"COMBOBOX", L"", modeWithList, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kRightToLeft, kModeId});
    dictionaryCheck_ = CreateChild({L"BUTTON", kDictionaryCheckCaption, kDictionaryCheck,
                                    WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT, kRightToLeft,
                                    kDictionaryCheckId});
    AddTooltip(dictionaryCheck_, kDictionaryCheckTip);
    PlaceLibraryControls();
    SetTabOrder({label1, letters_, ControlWindowOf(runButton_), ControlWindowOf(cancelButton_), progressCaption_,
                 length_, label2, mode_, dictionaryCheck_, ControlWindowOf(progressBar_)});
}

HWND ArrangementsWindow::CreateChild(const FormControl& control) { return CreateFormControl(window_, font_, control); }

void ArrangementsWindow::AddTooltip(HWND control, const wchar_t* text) {
    const HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    if (!tooltip) return;
    TTTOOLINFOW tool = {sizeof tool};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_RTLREADING;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ArrangementsWindow::PlaceLibraryControls() {
    host_ = std::make_unique<kx::ControlHost>(window_);
    host_->SetRightToLeft(true);
    host_->SetFont(buttonFont_);
    runButton_ = PlaceLibraryButton(*host_, {L"btnDo", kRunCaption, kRunButton, kVistaStyle, std::nullopt},
                                    buttonFont_, [this](DISPID event, DISPPARAMS*) {
                                        if (event == DISPID_CLICK) Run();
                                    });
    cancelButton_ = PlaceLibraryButton(*host_,
                                       {L"btnCancel", kCancelCaption, kCancelButton, kVistaStyle, std::nullopt},
                                       buttonFont_, [this](DISPID event, DISPPARAMS*) {
                                           if (event == DISPID_CLICK) Cancel();
                                       });
    PutBoolean(DispatchOf(cancelButton_), DISPID_ENABLED, false);

    barFont_ = CreateOleFont(L"Arial", DEFAULT_CHARSET);
    kx::MemoryPropertyBag* bag = new kx::MemoryPropertyBag();
    const kx::PropertyWriter design(bag);
    design.Long(L"Color", static_cast<long>(kProgressColor));
    design.Long(L"kxBrushStyle", 0);
    design.Font(L"Font", barFont_, nullptr);
    progressBar_ = host_->Place(CLSID_kxProgressBar, L"kxProgressBar1", kProgressBar, bag, nullptr);
    bag->Release();
    // The bar has no place in the tab order.
    if (const HWND bar = ControlWindowOf(progressBar_))
        SetWindowLongPtrW(bar, GWL_STYLE, GetWindowLongPtrW(bar, GWL_STYLE) & ~WS_TABSTOP);
}

void ArrangementsWindow::Load() {
    for (const std::wstring_view item : {kModeAllLetters, kModeGreatCycle})
        SendMessageW(mode_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(item).c_str()));
    SendMessageW(mode_, CB_SETCURSEL, static_cast<WPARAM>(ArrangementMode::AllLetters), 0);
}

// --- the run ---

void ArrangementsWindow::Run() {
    const ArrangementRequest request = Request();
    SetRunning(true);
    const ArrangementResult result = RunGuarded(request);
    SetWindowTextW(letters_, result.Letters.c_str());
    SetRunning(false);
    Report(result);
    // Closed from the message loop, not from inside the button's own event.
    if (closePending_) PostMessageW(window_, WM_CLOSE, 0, 0);
}

ArrangementRequest ArrangementsWindow::Request() const {
    ArrangementRequest request;
    request.Letters = WindowTextOf(letters_);
    request.Mode = SendMessageW(mode_, CB_GETCURSEL, 0, 0) == static_cast<LRESULT>(ArrangementMode::GreatCycle)
                       ? ArrangementMode::GreatCycle
                       : ArrangementMode::AllLetters;
    request.DictionaryCheck = dictionary_ && SendMessageW(dictionaryCheck_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    request.Dictionary = dictionary_;
    request.Folder = folder_;
    return request;
}

// No exception may leave the button's event: whatever stops the run is reported like a file that failed.
ArrangementResult ArrangementsWindow::RunGuarded(const ArrangementRequest& request) {
    try {
        return RunArrangements(engine_, request, *this);
    } catch (const std::exception& error) {
        return {ArrangementOutcome::Failed, request.Letters, kRunFailed + Widen(error.what()), {}};
    }
}

// Running: btnDo off, btnCancel on (the go-on flag), the bar at 0; afterwards the reverse and the caption empty.
void ArrangementsWindow::SetRunning(bool running) {
    running_ = running;
    PutBoolean(DispatchOf(runButton_), DISPID_ENABLED, !running);
    PutBoolean(DispatchOf(cancelButton_), DISPID_ENABLED, running);
    SetProgress(0);
    if (!running) SetCaption(L"");
}

void ArrangementsWindow::Report(const ArrangementResult& result) {
    switch (result.Outcome) {
    case ArrangementOutcome::Refused: ShowMessage(result.Message, 0); break;
    case ArrangementOutcome::Failed: ShowMessage(result.Message, MB_ICONERROR); break;
    case ArrangementOutcome::Completed:
    case ArrangementOutcome::Cancelled: OpenFiles(result); break;
    }
}

void ArrangementsWindow::OpenFiles(const ArrangementResult& result) {
    for (const std::filesystem::path& file : result.FilesToOpen)
        if (!OpenInTextEditor(file.wstring())) ShowMessage(kEditorFailed + file.wstring(), MB_ICONERROR);
}

// The message box carries the application's title, the owner's caption.
void ArrangementsWindow::ShowMessage(const std::wstring& text, UINT icon) {
    MessageBoxW(window_, text.c_str(), WindowTextOf(owner_).c_str(), MB_OK | icon);
}

void ArrangementsWindow::Show(const ProgressState& state) {
    if (state.Max != shownMax_) {
        shownMax_ = state.Max;
        PutDouble(DispatchOf(progressBar_), kProgressMaxId, state.Max);
    }
    SetProgress(state.Value);
    SetCaption(state.Caption);
    PumpMessages();
}

bool ArrangementsWindow::CancelRequested() {
    return !GetBoolean(DispatchOf(cancelButton_), DISPID_ENABLED).value_or(false);
}

void ArrangementsWindow::Cancel() { PutBoolean(DispatchOf(cancelButton_), DISPID_ENABLED, false); }

// --- closing ---

// A run in progress stops at its next look at the flag; the window goes when the run has ended.
void ArrangementsWindow::RequestClose() {
    Cancel();
    if (running_) closePending_ = true;
    else Close();
}

void ArrangementsWindow::Close() {
    ownerLock_.Release();
    if (window_) DestroyWindow(window_);
}

// --- controls ---

void ArrangementsWindow::ShowLength() {
    SetWindowTextW(length_, std::to_wstring(GetWindowTextLengthW(letters_)).c_str());
}

void ArrangementsWindow::SetCaption(const std::wstring& text) {
    if (WindowTextOf(progressCaption_) != text) SetWindowTextW(progressCaption_, text.c_str());
}

void ArrangementsWindow::SetProgress(double value) { PutDouble(DispatchOf(progressBar_), DISPID_VALUE, value); }

// The button's access key: a Click when the button is enabled.
void ArrangementsWindow::HandKey(kx::ControlSite* button, WPARAM key) {
    IOleControl* control = nullptr;
    if (!button || FAILED(button->Control()->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control))))
        return;
    MSG message = {button->ControlWindow(), WM_KEYDOWN, key, 0};
    control->OnMnemonic(&message);
    control->Release();
}

// --- messages ---

void ArrangementsWindow::RunModal() {
    if (!window_) return;
    ownerLock_.Lock(owner_);  // before the window shows, so that the owner never takes input beside it
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(letters_);
    RunModalLoop(window_, [this](MSG& message) { return PreTranslate(message); });
    Close();
    if (quitCode_) PostQuitMessage(*quitCode_);
}

// One turn of the message queue during a run; a WM_QUIT stops the run and closes the window after it.
void ArrangementsWindow::PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitCode_ = static_cast<int>(message.wParam);
            RequestClose();
            return;
        }
        Dispatch(message);
    }
}

void ArrangementsWindow::Dispatch(MSG& message) {
    if (PreTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// Enter is btnDo's key and Esc btnCancel's, except where a button or the open list takes the key itself.
bool ArrangementsWindow::PreTranslate(MSG& message) {
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
        const bool onButton = (runButton_ && message.hwnd == runButton_->ControlWindow()) ||
                              (cancelButton_ && message.hwnd == cancelButton_->ControlWindow());
        const bool listOpen = SendMessageW(mode_, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
        if (!onButton && !listOpen) {
            HandKey(message.wParam == VK_RETURN ? runButton_ : cancelButton_, message.wParam);
            return true;
        }
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

LRESULT ArrangementsWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == kLettersId && HIWORD(wParam) == EN_CHANGE) ShowLength();
        return 0;
    case WM_ACTIVATE: focus_.OnActivate(window_, LOWORD(wParam) != WA_INACTIVE, letters_); return 0;
    case WM_CLOSE: RequestClose(); return 0;
    case WM_DESTROY:
        host_.reset();  // the controls need the window while they go
        runButton_ = cancelButton_ = progressBar_ = nullptr;
        break;
    case WM_NCDESTROY: {
        const HWND closing = window_;
        window_ = letters_ = length_ = progressCaption_ = mode_ = dictionaryCheck_ = nullptr;
        return DefWindowProcW(closing, message, wParam, lParam);
    }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace zarvanta
