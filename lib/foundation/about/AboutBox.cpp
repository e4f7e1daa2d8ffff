#include "AboutBox.h"

#include <cstring>
#include <iterator>
#include <new>
#include <vector>

#include "AboutArtwork.h"
#include "AboutLabel.h"
#include "KxDisk.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"
#include "ScopedGdi.h"
#include "SystemActions.h"

namespace kx {
namespace {

constexpr wchar_t kMakerTitlePrefix[] = L"Velmora Group ";
constexpr wchar_t kVersionCaption[] = L"Ver: 1.0.0";

// The captions as designed: control identity, top, size in hundredths of a point, text colour,
// hand cursor, design-time caption. All are Tahoma bold, Arabic character set.
struct LabelDesign {
    AboutBoxLabel id;
    int top;
    int hundredthsOfPoint;
    COLORREF colour;
    bool handCursor;
    const wchar_t* caption;
};

constexpr LabelDesign kLabelDesigns[] = {
    {kAboutTitle, 56, 1425, 0x00004000, false, L"Title"},    // dark green
    {kAboutMessage, 96, 1200, 0x00404000, false, L"Title"},  // dark teal
    {kAboutMail, 120, 1200, 0x00400000, true, L"Email"},     // dark blue
    {kAboutUrl, 144, 1200, 0x00400000, true, L"Url"},
};
constexpr size_t kLabelCount = std::size(kLabelDesigns);

HFONT CreateCaptionFont(int hundredthsOfPoint) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(hundredthsOfPoint, dpi > 0 ? dpi : 96, 7200);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ARABIC_CHARSET;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

HBITMAP CreateArtworkBitmap() {
    const std::vector<std::uint32_t> pixels = AboutArtworkPixels();
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kAboutArtworkWidth, -kAboutArtworkHeight, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) std::memcpy(bits, pixels.data(), pixels.size() * sizeof(pixels[0]));
    return bitmap;
}

// A String argument of the automation interface, freed at the end of the scope.
class AutomationText {
public:
    explicit AutomationText(const std::wstring& text)
        : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~AutomationText() { SysFreeString(text_); }
    AutomationText(const AutomationText&) = delete;
    AutomationText& operator=(const AutomationText&) = delete;
    BSTR* get() { return &text_; }

private:
    BSTR text_;
};

// Opens a contact line's target with kxDisk.ShellProgram(target, "", "", kxSHOWNORMAL, "open", False, False);
// recorded instead of run while system actions are recorded. Failures are not reported: the box stays open.
void OpenContact(const std::wstring& target) {
    if (RecordSystemAction(L"ShellProgram: " + target)) return;
    KxDisk* disk = new (std::nothrow) KxDisk();
    if (!disk) return;
    AutomationText file(target), parameters(L""), folder(L""), verb(L"open");
    kxProgramRun mode = kxSHOWNORMAL;
    VARIANT_BOOL wait = VARIANT_FALSE, locked = VARIANT_FALSE;
    disk->ShellProgram(file.get(), parameters.get(), folder.get(), &mode, verb.get(), &wait, &locked);
    disk->Release();
}

// One shown box: its window, artwork, fonts and captions.
class AboutBox {
public:
    AboutBox();
    ~AboutBox();
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    void SetCaption(AboutBoxLabel label, const std::wstring& text) {
        SetWindowTextW(GetDlgItem(window_, label), text.c_str());
    }
    void ShowModal();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Load();
    void PaintTo(HDC dc);
    void OnLabelClick(int label);
    void RunModalLoop();
    void Unload();
    void DisableOtherWindows();
    static BOOL CALLBACK CollectEnabledWindow(HWND other, LPARAM self);
    void EnableOtherWindows();

    ScopedGdiObject<HBITMAP> artwork_;
    ScopedMemoryDC artworkDc_;
    ScopedSelection artworkSelected_;
    ScopedGdiObject<HFONT> titleFont_;
    ScopedGdiObject<HFONT> captionFont_;
    AboutLabelStyle labelStyles_[kLabelCount] = {};
    HWND window_ = nullptr;
    std::vector<HWND> disabled_;
};

AboutBox::AboutBox()
    : artwork_(CreateArtworkBitmap()),
      artworkDc_(nullptr),
      artworkSelected_(artworkDc_, artwork_.get()),
      titleFont_(CreateCaptionFont(kLabelDesigns[0].hundredthsOfPoint)),
      captionFont_(CreateCaptionFont(kLabelDesigns[1].hundredthsOfPoint)) {
    RegisterModuleWindowClass({.name = kAboutBoxClass, .procedure = Procedure});
    // Centred on the screen; a tool window, so it has no button in the taskbar.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kAboutArtworkWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kAboutArtworkHeight) / 2;
    CreateWindowExW(WS_EX_TOOLWINDOW, kAboutBoxClass, L"About", WS_POPUP | WS_CLIPCHILDREN, left, top,
                    kAboutArtworkWidth, kAboutArtworkHeight, nullptr, nullptr, ModuleHandle(), this);
    if (window_) Load();
}

AboutBox::~AboutBox() { Unload(); }

// Form load: the captions as designed, then the maker's contact lines.
void AboutBox::Load() {
    for (size_t i = 0; i < kLabelCount; ++i) {
        const LabelDesign& design = kLabelDesigns[i];
        labelStyles_[i] = {design.id, kAboutPanelCentreX, design.top,
                           design.id == kAboutTitle ? titleFont_.get() : captionFont_.get(), design.colour,
                           design.handCursor};
        CreateAboutLabel(window_, &labelStyles_[i], design.caption);
    }
    SetCaption(kAboutMail, std::wstring(L"Email: ") + kMakerMail);
    SetCaption(kAboutUrl, std::wstring(L"Url: ") + kMakerHomePage);
}

void AboutBox::ShowModal() {
    if (!window_) return;
    DisableOtherWindows();
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    SetFocus(window_);
    RunModalLoop();
    EnableOtherWindows();
}

void AboutBox::RunModalLoop() {
    MSG message;
    while (window_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // the host is quitting: pass it on
        if (got <= 0) {
            Unload();
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void AboutBox::Unload() {
    EnableOtherWindows();  // before the box goes, so activation returns to them
    if (window_) DestroyWindow(window_);
}

// Modal with no owner: every other enabled, visible window of the thread waits for the box.
void AboutBox::DisableOtherWindows() {
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(this));
    for (HWND other : disabled_) EnableWindow(other, FALSE);
}

BOOL CALLBACK AboutBox::CollectEnabledWindow(HWND other, LPARAM self) {
    auto* box = reinterpret_cast<AboutBox*>(self);
    if (other != box->window_ && IsWindowVisible(other) && IsWindowEnabled(other)) box->disabled_.push_back(other);
    return TRUE;
}

void AboutBox::EnableOtherWindows() {
    for (HWND other : disabled_)
        if (IsWindow(other)) EnableWindow(other, TRUE);
    disabled_.clear();
}

void AboutBox::PaintTo(HDC dc) {
    BitBlt(dc, 0, 0, kAboutArtworkWidth, kAboutArtworkHeight, artworkDc_, 0, 0, SRCCOPY);
}

void AboutBox::OnLabelClick(int label) {
    switch (label) {
        case kAboutMail: OpenContact(std::wstring(L"MailTo:") + kMakerMail); break;
        case kAboutUrl: OpenContact(kMakerHomePage); break;
        default: Unload(); break;
    }
}

LRESULT AboutBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            PaintTo(dc);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_CHAR:  // any key that gives a character, Enter and Escape among them
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_LBUTTONDOWN:
            BeginClick(window);
            return 0;
        case WM_LBUTTONUP:
            if (EndsClick(window, lParam)) Unload();
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == STN_CLICKED) OnLabelClick(LOWORD(wParam));
            return 0;
        case WM_NCDESTROY:
            window_ = nullptr;
            PostMessageW(nullptr, WM_NULL, 0, 0);  // wakes the modal loop if the box went inside GetMessage
            return DefWindowProcW(window, message, wParam, lParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK AboutBox::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* box = static_cast<AboutBox*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        box->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
    }
    auto* box = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!box || box->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return box->HandleMessage(window, message, wParam, lParam);
    } catch (...) {  // no exception crosses the platform's dispatch
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void ShowAboutBox(const std::wstring& controlTitle) {
    AboutBox box;
    box.SetCaption(kAboutTitle, kMakerTitlePrefix + controlTitle);
    box.SetCaption(kAboutMessage, kVersionCaption);
    box.ShowModal();
}

}  // namespace kx
