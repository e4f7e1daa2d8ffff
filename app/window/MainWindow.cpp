#include "MainWindow.h"

#include <windowsx.h>

#include "ArrangementsWindow.h"
#include "BstrArgument.h"
#include "FormObject.h"
#include "FormControls.h"
#include "Handles.h"
#include "InstanceWindowProc.h"
#include "LibraryButton.h"
#include "MainWindowLayout.h"
#include "NumberWordsWindow.h"
#include "ProgramVersion.h"
#include "SkinArtwork.h"
#include "html/HtmlViewerWindow.h"
#include "dictionary/DictionaryError.h"

namespace zarvanta {

namespace {

constexpr wchar_t kWindowClass[] = L"ZarvantaMain";
constexpr wchar_t kTitle[] = L"Zarvanta";
constexpr wchar_t kInitialText[] = L"بسم الله الرحمن الرحيم\r\n";
constexpr wchar_t kMailLink[] = L"mailto:zarvanta@velmora.example";
constexpr wchar_t kWebLink[] = L"http://www.velmora.example/";
constexpr OLE_COLOR kQuranBackColor = 0x8000;

enum Button { kQuran, kDefault, kComplex, kAbjadWord, kButtonCount };

HFONT CreateFontOf(const wchar_t* face, int pointsTimes100, BYTE charset) {
    LOGFONTW spec = {};
    spec.lfHeight = -MulDiv(pointsTimes100, 96, 7200);
    spec.lfWeight = FW_NORMAL;
    spec.lfCharSet = charset;
    lstrcpynW(spec.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&spec);
}

void DeleteAll(std::initializer_list<HGDIOBJ> objects) {
    for (HGDIOBJ object : objects)
        if (object) DeleteObject(object);
}

// Copies one bitmap onto another at (x, y) at its own size.
void Blit(HBITMAP target, HBITMAP source, int x, int y) {
    BITMAP size = {};
    if (!GetObjectW(source, sizeof size, &size)) return;
    HDC to = CreateCompatibleDC(nullptr);
    HDC from = CreateCompatibleDC(nullptr);
    HGDIOBJ oldTo = SelectObject(to, target);
    HGDIOBJ oldFrom = SelectObject(from, source);
    BitBlt(to, x, y, size.bmWidth, size.bmHeight, from, 0, 0, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
}

}  // namespace

MainWindow::MainWindow(std::wstring programFolder)
    : programFolder_(std::move(programFolder)), optionStore_(library_, ConfigFileBeside(programFolder_)) {}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
    host_.reset();
    if (formObject_) formObject_->Release();
    if (buttonFont_) buttonFont_->Release();
    DeleteAll({skin_, checkMark_, layer_, textFont_, listFont_, versionFont_});
    if (linkCursor_) DestroyCursor(linkCursor_);
    if (iconSmall_) DestroyIcon(iconSmall_);
    if (iconLarge_) DestroyIcon(iconLarge_);
}

bool MainWindow::Open(int show) {
    if (!Create()) return false;
    CreateControls();
    if (!StartUp()) {
        DestroyWindow(window_);
        return false;
    }
    ShowWindow(window_, show);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    SetFocus(textBox_.Handle());
    return true;
}

bool MainWindow::Create() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    skin_ = CreateSkinBitmap();
    checkMark_ = CreateCheckMarkBitmap();
    layer_ = CreateSkinBitmap();
    linkCursor_ = CreateLinkCursor();
    iconSmall_ = CreateAppIcon(16);
    iconLarge_ = CreateAppIcon(32);

    WNDCLASSEXW windowClass = {sizeof windowClass};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = kx::InstanceWindowProc<MainWindow, &MainWindow::window_, &MainWindow::Handle>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = iconLarge_;
    windowClass.hIconSm = iconSmall_;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    const int x = (GetSystemMetrics(SM_CXSCREEN) - layout::kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - layout::kHeight) / 2;
    window_ = CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, kTitle, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                              layout::kWidth, layout::kHeight, nullptr, nullptr, instance, this);
    if (!window_) return false;
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconSmall_));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(iconLarge_));
    formObject_ = CreateFormObject(window_);
    return true;
}

void MainWindow::CreateControls() {
    textFont_ = CreateFontOf(L"Arabic Transparent", 1800, ARABIC_CHARSET);
    listFont_ = CreateFontOf(L"Tahoma", 825, ARABIC_CHARSET);
    versionFont_ = CreateFontOf(L"Arial", 1425, ARABIC_CHARSET);
    textBox_.Create(window_, layout::kTextBox, textFont_, kInitialText,
                    [this](TotalOperation operation) { RunOperation(operation); });
    list_.Create(window_, layout::kList, listFont_);
    zones_.AddTooltips(window_);
    PlaceButtons();
}

void MainWindow::PlaceButtons() {
    host_ = std::make_unique<kx::ControlHost>(window_);
    buttonFont_ = CreateButtonFont();
    host_->SetFont(buttonFont_);
    constexpr long kMacOSX = 10;
    const ButtonDesign designs[kButtonCount] = {
        {L"btnQuran", L"Quran", layout::kQuranButton, kMacOSX, kQuranBackColor},
        {L"btnDefault", L"Default", layout::kDefaultButton, kMacOSX, std::nullopt},
        {L"btnComplex", L"حالات حروف", layout::kComplexButton, kMacOSX, std::nullopt},
        {L"btnAbjadWord", L"تبديل عدد به کلمه", layout::kAbjadWordButton, kMacOSX, std::nullopt},
    };
    HWND buttons[kButtonCount] = {};
    for (int i = 0; i < kButtonCount; ++i) {
        const kx::ControlSite* site = PlaceLibraryButton(
            *host_, designs[i], buttonFont_, [this, i](DISPID event, DISPPARAMS*) { OnButtonEvent(i, event); });
        if (site) buttons[i] = site->ControlWindow();
    }
    SetTabOrder({textBox_.Handle(), list_.Handle(), buttons[kQuran], buttons[kDefault], buttons[kComplex],
                 buttons[kAbjadWord]});
}

bool MainWindow::StartUp() {
    versionText_ = ProgramVersionLabel();
    if (_kxWindow* windows = library_.Window()) {
        LONG handle = kx::LongFromHandle(window_);
        LONG from = 255;
        OLE_COLOR key = layout::kCutOutColor;
        VARIANT_BOOL removeColor = VARIANT_TRUE;
        windows->MakeTransparent(&handle, 255, &from, &key, &removeColor);
    }
    optionStore_.Load(engine_.Options());
    return OpenDictionary();
}

bool MainWindow::OpenDictionary() {
    try {
        dictionary_ = std::make_unique<RecordSet>(RecordSet::Open(programFolder_ + L"\\dic.txt"));
        return true;
    } catch (const DictionaryError& error) {
        MessageBoxW(window_, error.Message().c_str(), kTitle, MB_OK | MB_ICONERROR);
    } catch (const std::exception&) {
        MessageBoxW(window_, (L"Cannot open the dictionary file \"" + programFolder_ + L"\\dic.txt\".").c_str(),
                    kTitle, MB_OK | MB_ICONERROR);
    }
    return false;
}

void MainWindow::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    optionStore_.Save(engine_.Options());
}

// Tab and Shift+Tab move through the text box, the list and the buttons in their tab order; the text box
// takes no Tab character.
bool MainWindow::TranslateAccelerator(const MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && window_ && IsChild(window_, message.hwnd)) {
        HWND focused = GetFocus();
        while (focused && GetParent(focused) != window_) focused = GetParent(focused);
        if (HWND next = GetNextDlgTabItem(window_, focused, GetKeyState(VK_SHIFT) < 0)) SetFocus(next);
        return true;
    }
    return host_ && host_->TranslateAccelerator(message);
}

void MainWindow::DrawOptionMarks() {
    Blit(layer_, skin_, 0, 0);
    for (int i = 0; i < AbjadOptions::kCount; ++i) {
        if (!engine_.Options().IsOn(i)) continue;
        const POINT at = layout::OptionMark(i);
        Blit(layer_, checkMark_, at.x, at.y);
    }
    InvalidateRect(window_, nullptr, FALSE);
}

void MainWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    HDC layer = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(layer, layer_);
    BitBlt(dc, 0, 0, layout::kWidth, layout::kHeight, layer, 0, 0, SRCCOPY);
    SelectObject(layer, old);
    DeleteDC(layer);

    HGDIOBJ oldFont = SelectObject(dc, versionFont_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT label = layout::kVersionLabel;
    DrawTextW(dc, versionText_.c_str(), -1, &label, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(window_, &paint);
}

void MainWindow::OnMouseDown(POINT point) {
    pressedZone_ = zones_.At(point);
    if (pressedZone_) SetCapture(window_);
}

void MainWindow::OnMouseUp(POINT point) {
    const HotZone* pressed = pressedZone_;
    pressedZone_ = nullptr;
    if (GetCapture() == window_) ReleaseCapture();
    if (pressed && pressed == zones_.At(point)) Activate(*pressed);
}

void MainWindow::OnMouseMove(POINT point, WPARAM buttons) {
    if (pressedZone_ || zones_.At(point)) return;
    _kxWindow* windows = library_.Window();
    if (!windows || !formObject_) return;
    short button = 0;
    if (buttons & MK_LBUTTON) button |= 1;
    if (buttons & MK_RBUTTON) button |= 2;
    if (buttons & MK_MBUTTON) button |= 4;
    windows->WinMoveForm(&formObject_, &button);
}

bool MainWindow::OnSetCursor() {
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    const HotZone* zone = zones_.At(point);
    if (!zone || !HotZones::IsLink(*zone) || !linkCursor_) return false;
    SetCursor(linkCursor_);
    return true;
}

void MainWindow::Activate(const HotZone& zone) {
    switch (zone.kind) {
    case ZoneKind::Calculator: RunOperation(static_cast<TotalOperation>(zone.index)); break;
    case ZoneKind::Option:
        engine_.Options().Toggle(zone.index);
        DrawOptionMarks();
        break;
    case ZoneKind::Close: PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case ZoneKind::Minimise: ShowWindow(window_, SW_MINIMIZE); break;
    case ZoneKind::MailLink: OpenLink(kMailLink); break;
    case ZoneKind::WebLink: OpenLink(kWebLink); break;
    }
}

void MainWindow::OnButtonEvent(int button, DISPID event) {
    if (event != DISPID_CLICK) return;
    switch (button) {
    case kQuran: ShowHtmlViewer(window_, programFolder_ + L"\\Quran\\"); break;
    case kComplex: ShowArrangementsWindow(window_, engine_, dictionary_.get(), programFolder_); break;
    case kAbjadWord: ShowNumberWordsWindow(window_, dictionary_.get(), programFolder_); break;
    case kDefault:
        engine_.Options().ResetToDefaults();
        DrawOptionMarks();
        break;
    default: break;
    }
}

void MainWindow::RunOperation(TotalOperation operation) {
    const std::wstring text = textBox_.Text();
    const std::optional<std::int32_t> value = engine_.MakeAbjad(text);
    if (operation == TotalOperation::Reset) {
        list_.Clear();
        total_.Apply(TotalOperation::Reset, 0);
    } else {
        // A value or a result beyond 32 bits is refused: the total stays and the row says so.
        constexpr wchar_t kOverflow[] = L"Overflow";
        const bool fits = value && total_.Apply(operation, *value);
        list_.Append(SymbolOf(operation), std::wstring_view(text).substr(0, 30),
                     value ? std::to_wstring(*value) : kOverflow, fits ? std::to_wstring(total_.Value()) : kOverflow);
    }
    textBox_.Clear();
}

void MainWindow::OpenLink(const std::wstring& target) {
    _kxDisk* disk = library_.Disk();
    if (!disk) return;
    BstrArgument file(target), parameters(L""), folder(L""), verb(L"open");
    kxProgramRun mode = kxSHOWNORMAL;
    VARIANT_BOOL wait = VARIANT_FALSE, locked = VARIANT_FALSE;
    disk->ShellProgram(file.Out(), parameters.Out(), folder.Out(), &mode, verb.Out(), &wait, &locked);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) DrawOptionMarks();
        break;
    case WM_LBUTTONDOWN: OnMouseDown(point); return 0;
    case WM_LBUTTONUP: OnMouseUp(point); return 0;
    case WM_LBUTTONDBLCLK: pressedZone_ = nullptr; return 0;  // the second press of a double click is no click
    case WM_MOUSEMOVE: OnMouseMove(point, wParam); return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == window_ && OnSetCursor()) return TRUE;
        break;
    case WM_CLOSE:
        Unload();
        DestroyWindow(window_);
        return 0;
    case WM_ENDSESSION:  // the system ends the program without closing the window
        if (wParam) Unload();
        return 0;
    case WM_DESTROY:
        host_.reset();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: window_ = nullptr; break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace zarvanta
