#include "AlertWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "AlertCaption.h"
#include "AlertColors.h"
#include "AmbientProperties.h"
#include "ControlHost.h"
#include "DrawingModule.h"
#include "DrawingSurface.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "Korvix32_h.h"
#include "KxButton.h"
#include "LateBinding.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"
#include "PropertyBag.h"
#include "Rounding.h"
#include "Text.h"

namespace kx {
namespace {

constexpr wchar_t kWindowClass[] = L"KxAlertWindow";
constexpr long kMinimumWidthTwips = 2000;
constexpr long kMinimumHeightTwips = 1000;
constexpr int kCornerEllipse = 10;

// The buttons as designed; ShowForm replaces captions, font, colours and size.
constexpr const wchar_t* kDesignCaptions[] = {L"Yes", L"No", L"Cancel"};
constexpr long kDesignStyle = kxBtnPlastik;
constexpr long kDesignHighlightColor = 0xC56A31;
constexpr int kDesignWidth = 90, kDesignHeight = 25;
constexpr OLE_COLOR kButtonFontColor = 2;  // near black: red 2, neither 0 nor a system colour

thread_local AlertWindow* g_shared = nullptr;
// The loaded windows of this thread, made with the first and freed with the last: a thread-local object
// with a destructor would hold the module in memory for as long as the thread runs.
thread_local std::vector<AlertWindow*>* g_loaded = nullptr;

void AddLoaded(AlertWindow* window) {
    if (!g_loaded) g_loaded = new std::vector<AlertWindow*>();
    g_loaded->push_back(window);
}

void RemoveLoaded(AlertWindow* window) {
    if (!g_loaded) return;
    g_loaded->erase(std::remove(g_loaded->begin(), g_loaded->end(), window), g_loaded->end());
    if (!g_loaded->empty()) return;
    delete g_loaded;
    g_loaded = nullptr;
}

template <class T>
void Keep(T*& slot, T* object) {
    if (object) object->AddRef();
    if (slot) slot->Release();
    slot = object;
}

COLORREF Plain(long colour) { return static_cast<COLORREF>(TranslateOleColor(colour)) & 0xFFFFFF; }

// The design-time properties of button n.
MemoryPropertyBag* DesignBag(int index) {
    auto* bag = new MemoryPropertyBag();
    const PropertyWriter writer(bag);
    writer.Text(L"Caption", kDesignCaptions[index]);
    writer.Long(L"Style", kDesignStyle);
    writer.Long(L"HighlightColor", kDesignHighlightColor);
    writer.Long(L"FontColor", 0);
    if (IFontDisp* font = CreateFontObject(L"MS Sans Serif", 8.25, ARABIC_CHARSET)) {  // as designed
        writer.Font(L"Font", font, nullptr);
        font->Release();
    }
    return bag;
}

// A button's automation interface (a new reference), or null.
_kxButton* ButtonOf(ControlSite* site) {
    _kxButton* button = nullptr;
    if (site && site->Control()) site->Control()->QueryInterface(IID__kxButton, reinterpret_cast<void**>(&button));
    return button;
}

}  // namespace

// --- life of the window object ---

AlertWindow* AlertWindow::Shared() {
    if (!g_shared) g_shared = new AlertWindow(true);
    return g_shared;
}

AlertWindow* AlertWindow::Create() { return new AlertWindow(false); }

bool AlertWindow::AnyLoadedWindowOwnedBy(IDispatch* owner) {
    return g_loaded && std::any_of(g_loaded->begin(), g_loaded->end(),
                                   [owner](const AlertWindow* window) { return window->owner_ == owner; });
}

AlertWindow::AlertWindow(bool shared) : shared_(shared) {}

AlertWindow::~AlertWindow() { FinalUnload(); }

void AlertWindow::Release() {
    if (--refs_ == 0) delete this;
}

void AlertWindow::SetOwner(IDispatch* owner) { Keep(owner_, owner); }

HWND AlertWindow::ButtonWindow(int index) const {
    return index >= 0 && index < 3 && buttons_[index] ? buttons_[index]->ControlWindow() : nullptr;
}

HDC AlertWindow::ImageDc() const { return image_ ? image_->Dc() : nullptr; }

// Loading makes the window, its image and its three buttons as designed.
void AlertWindow::Load() {
    image_ = std::make_unique<DrawingSurface>();
    screen_ = ReadAlertScreen();
    RegisterModuleWindowClass({.name = kWindowClass, .procedure = &AlertWindow::WindowProc});
    CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 200, 100, nullptr,
                    nullptr, ModuleHandle(), this);
    if (!window_) {
        image_.reset();
        throw Error(kErrOutOfMemory);
    }
    host_ = new ControlHost(window_);
    PlaceButtons();
    AddLoaded(this);
    ObjectCreated();
    AddRef();  // a loaded window lives until its final unload
}

void AlertWindow::PlaceButtons() {
    for (int i = 0; i < 3; ++i) {
        auto* button = new KxButton();
        MemoryPropertyBag* bag = DesignBag(i);
        const RECT bounds = {0, 0, kDesignWidth, kDesignHeight};
        buttons_[i] = host_->PlaceObject(static_cast<IOleObject*>(button), L"kxButton", bounds, bag,
                                         [this, i](DISPID id, DISPPARAMS*) {
                                             if (id == DISPID_CLICK) OnButtonClick(i);
                                         });
        bag->Release();
        button->Release();
    }
}

// The end of a window: its controls, timers and window go, and so do its owner, font and picture.
void AlertWindow::FinalUnload() {
    if (!window_) return;
    KillTimer(window_, kMoveTimer);
    KillTimer(window_, kCloseTimer);
    RemoveLoaded(this);
    delete host_;  // before the window: the buttons leave it first
    host_ = nullptr;
    std::fill(std::begin(buttons_), std::end(buttons_), nullptr);
    DestroyWindow(window_);
    window_ = nullptr;
    image_.reset();
    showState_ = -1;
    Keep<IDispatch>(owner_, nullptr);
    Keep<IFontDisp>(font_, nullptr);
    Keep<IPictureDisp>(picture_, nullptr);
    ObjectDestroyed();
    Release();  // the loaded window's own reference; the last statement, as it may end the object
}

void AlertWindow::Unload() {
    if (!window_) return;
    if (showState_ == 1) {  // a shown or showing window hides first
        showState_ = -1;
        SetTimer(window_, kMoveTimer, kAlertTickMilliseconds, nullptr);
        return;
    }
    FinalUnload();
}

// --- ShowForm ---

void AlertWindow::ShowForm(const AlertSettings& settings, long& hdc, long& hwnd) {
    const std::optional<std::int16_t> steps = AlertStepCount(settings.timeToShow);
    if (!steps) throw Error(kErrOverflow);
    const bool wasLoaded = IsLoaded();
    if (!wasLoaded) Load();
    AddRef();
    try {
        ++shows_;
        StoreSettings(settings);
        stepCount_ = *steps;
        SetCaptions(settings);
        SetButtons(settings);
        hdc = LongFromHandle(image_->Dc());
        hwnd = LongFromHandle(window_);
        SetWindowPos(window_, settings.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        SizeWindow();
        ApplyWindowShape();
        PlaceAndPrepareAnimation();
        showState_ = 1;
        SetTimer(window_, kMoveTimer, kAlertTickMilliseconds, nullptr);
        Layout();
    } catch (...) {
        if (!IsVisible()) FinalUnload();  // a window that never showed does not stay loaded
        Release();
        throw;
    }
    Release();
}

void AlertWindow::StoreSettings(const AlertSettings& settings) {
    maxTransparent_ = settings.maxTransparent;
    defaultButton_ = settings.defaultButton;
    showStyle_ = settings.showStyle;
    showPosition_ = settings.showPosition;
    backStyle_ = settings.backStyle;
    borderStyle_ = settings.borderStyle;
    clickClose_ = settings.clickClose;
    timeToClose_ = settings.timeToClose;
    autoSize_ = settings.autoSize;
    windowHeight_ = settings.windowHeight;
    windowWidth_ = settings.windowWidth;
    tickCount_ = 0;  // every show plays all its ticks
    rightToLeft_ = settings.rightToLeft;
    backColor_ = settings.backColor;
    foreColor_ = settings.foreColor;
    image_->SetBackColor(Plain(backColor_));
}

// Title band, message and picture: the captions size themselves to their text.
void AlertWindow::SetCaptions(const AlertSettings& settings) {
    if (!settings.font) throw Error(91);
    Keep(font_, settings.font);
    Keep(picture_, settings.picture);
    textTitle_ = settings.textTitle;
    text_ = settings.text;
    const HFONT font = FontHandleOf(font_);
    content_.hasTitle = !textTitle_.empty();
    content_.title = MeasureCaption(font, textTitle_);
    content_.message = MeasureCaption(font, text_);
    content_.hasPicture = HasImage(picture_);
    content_.picture = PictureSize(picture_);
}

// Each button gets the font, its caption, the style and colours, and the measure of its caption + 10,
// shown or not.
void AlertWindow::SetButtons(const AlertSettings& settings) {
    const HFONT font = FontHandleOf(font_);
    for (int i = 0; i < 3; ++i) {
        const std::wstring& caption = settings.textButton[i];
        const PixelSize key = MeasureCaption(font, caption);
        content_.hasButton[i] = !caption.empty();
        content_.button[i] = {key.width + 10, key.height + 10};
        _kxButton* button = ButtonOf(buttons_[i]);
        if (!button) continue;
        button->putref_Font(font_);
        BSTR text = ToBstr(caption);
        button->put_Caption(text);
        SysFreeString(text);
        button->put_Style(static_cast<kxBtnStyle>(settings.buttonStyle));
        OLE_COLOR fontColor = kButtonFontColor;
        button->put_FontColor(&fontColor);
        OLE_COLOR hotColor = static_cast<OLE_COLOR>(settings.foreColor);
        button->put_FontHighlightColor(&hotColor);
        button->put_RightToLeft(rightToLeft_ ? VARIANT_TRUE : VARIANT_FALSE);
        button->Release();
        buttons_[i]->SetVisible(content_.hasButton[i]);
        const RECT& at = buttons_[i]->Bounds();
        buttons_[i]->Move(at.left, at.top, content_.button[i].width, content_.button[i].height);
    }
}

// The window's size: from its contents when AutoSize is on, else as given.
void AlertWindow::SizeWindow() {
    const std::optional<std::int16_t> row = AlertRowWidth(content_);
    if (!row) throw Error(kErrOverflow);
    if (autoSize_) {
        const std::optional<PixelSize> size = AlertAutoSize(content_);
        if (!size) throw Error(kErrOverflow);
        windowWidth_ = size->width;
        windowHeight_ = size->height;
    }
    const int width = ToPixelsX(static_cast<double>(windowWidth_) * screen_.twipsPerPixelX);
    const int height = ToPixelsY(static_cast<double>(windowHeight_) * screen_.twipsPerPixelY);
    SetWindowPos(window_, nullptr, 0, 0, std::clamp(width, 0, 0x7FFF), std::clamp(height, 0, 0x7FFF),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- layout and looks ---

// Form_Resize: at least 2000 x 1000 twips, the outline, then every part in its place.
void AlertWindow::Layout() {
    if (!window_ || !image_ || layingOut_) return;
    struct Guard {  // the size changes below come back here as WM_SIZE
        bool& flag;
        ~Guard() { flag = false; }
    } guard{layingOut_ = true};
    RECT client = {};
    GetClientRect(window_, &client);
    const int minimumWidth = ToPixelsX(kMinimumWidthTwips), minimumHeight = ToPixelsY(kMinimumHeightTwips);
    if (client.right < minimumWidth || client.bottom < minimumHeight) {
        SetWindowPos(window_, nullptr, 0, 0, std::max<int>(client.right, minimumWidth),
                     std::max<int>(client.bottom, minimumHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetClientRect(window_, &client);
    }
    ApplyWindowShape();
    if (const std::optional<AlertPlaces> places = AlertLayoutOf(content_, client.right, client.bottom)) {
        places_ = *places;
        if (places_.closesOnlyByButton) {  // a window with buttons closes only through them or its owner
            clickClose_ = false;
            timeToClose_ = 0;
        }
        for (int i = 0; i < 3; ++i)
            if (buttons_[i])
                buttons_[i]->Move(places_.button[i].x, places_.button[i].y, content_.button[i].width,
                                  content_.button[i].height);
    }
    InvalidateRect(window_, nullptr, FALSE);
}

void AlertWindow::ApplyWindowShape() {
    if (!window_ || !image_) return;
    RECT client = {};
    GetClientRect(window_, &client);
    image_->Resize(client.right, client.bottom);
    HRGN shape = nullptr, outline = nullptr;
    switch (borderStyle_) {
        case kxAWRectangle:
            shape = CreateRectRgn(0, 0, client.right, client.bottom);
            outline = CreateRectRgn(0, 0, client.right, client.bottom);
            break;
        case kxAWRound:
            shape = CreateRoundRectRgn(0, 0, client.right, client.bottom, kCornerEllipse, kCornerEllipse);
            outline = CreateRoundRectRgn(0, 0, client.right, client.bottom, kCornerEllipse, kCornerEllipse);
            break;
        case kxAWCircle:
            shape = CreateEllipticRgn(0, 0, client.right, client.bottom);
            outline = CreateEllipticRgn(0, 0, client.right, client.bottom);
            break;
        default: break;  // no outline: a plain rectangle without a frame
    }
    SetWindowRgn(window_, shape, TRUE);  // the window owns the shape from here on
    PaintBackground();
    if (!outline) return;
    HBRUSH frame = CreateSolidBrush(static_cast<COLORREF>(AlertAdjustColor(TranslateOleColor(backColor_), 80, 80, 80)));
    FrameRgn(image_->Dc(), outline, frame, 1, 1);
    DeleteObject(frame);
    DeleteObject(outline);
}

// The ground: the background colour, or its vertical gradient to a lighter middle and back.
void AlertWindow::PaintBackground() {
    image_->SetBackColor(Plain(backColor_));
    if (backStyle_ != Gradient) return;
    const long light = AlertAdjustColor(TranslateOleColor(backColor_), 120, 120, 120);
    const long width = image_->Width(), height = image_->Height();
    const long middle = static_cast<long>(RoundHalfEven(height / 2.0));
    DrawGradient(image_->Dc(), 0, 0, width, middle, backColor_, light, 0, 0, true);
    DrawGradient(image_->Dc(), 0, middle, width, height, light, backColor_, 0, 0, true);
}

// The image, then the windowless captions and the picture over it.
void AlertWindow::PaintTo(HDC dc) {
    if (!image_) return;
    BitBlt(dc, 0, 0, image_->Width(), image_->Height(), image_->Dc(), 0, 0, SRCCOPY);
    const HFONT font = FontHandleOf(font_);
    if (content_.hasTitle) {
        const long back = AlertAdjustColor(TranslateOleColor(backColor_), 70, 70, 70);
        const long fore = AlertAdjustColor(TranslateOleColor(backColor_), 130, 130, 130);
        const RECT band = {0, 0, places_.titleWidth, content_.title.height};
        DrawCaption(dc, font, textTitle_, band, static_cast<COLORREF>(fore), static_cast<COLORREF>(back),
                    rightToLeft_);
    }
    if (content_.hasPicture) DrawPicture(dc, picture_, places_.picture);
    const RECT message = {places_.message.x, places_.message.y, places_.message.x + content_.message.width,
                          places_.message.y + content_.message.height};
    DrawCaption(dc, font, text_, message, Plain(foreColor_), CLR_INVALID, rightToLeft_);
}

// Errors are ignored: a window or button that cannot take the focus is passed over.
void AlertWindow::FocusFirstButton() {
    if (!window_) return;
    SetFocus(window_);
    for (ControlSite* button : buttons_) {
        if (!button || !button->Visible()) continue;
        button->SetFocus();
        return;
    }
}

// --- closing requests ---

void AlertWindow::OnClick(POINT at) {
    if (content_.hasTitle && at.y < content_.title.height) return;  // the title band does nothing
    if (clickClose_) Unload();
}

// The owner hears of the button by name; then this show closes, unless the owner's handler started another.
void AlertWindow::OnButtonClick(int index) {
    AddRef();
    const unsigned long show = shows_;
    if (IDispatch* owner = owner_) {
        owner->AddRef();
        VARIANT number;
        number.vt = VT_I2;
        number.iVal = static_cast<SHORT>(index + 1);
        try {
            PutProperty(owner, L"ButtonSelect", number);
        } catch (...) {  // an owner without ButtonSelect: the window just closes
        }
        owner->Release();
    }
    if (shows_ == show) Unload();
    Release();
}

void AlertWindow::OnCloseTimer() {
    KillTimer(window_, kCloseTimer);
    Unload();
}

// --- the window procedure ---

LRESULT CALLBACK AlertWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<AlertWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<AlertWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    self->AddRef();  // a final unload inside the message must not end the object under it
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {  // no error leaves the window procedure
        result = 0;
    }
    self->Release();
    return result;
}

LRESULT AlertWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window_, &ps);
            PaintTo(dc);
            EndPaint(window_, &ps);
            return 0;
        }
        case WM_PRINTCLIENT: PaintTo(reinterpret_cast<HDC>(wParam)); return 0;
        case WM_SIZE: Layout(); return 0;
        case WM_TIMER:
            if (wParam == kMoveTimer) OnMoveTimer();
            else if (wParam == kCloseTimer) OnCloseTimer();
            return 0;
        case WM_LBUTTONDOWN: pressed_ = true; return 0;
        case WM_LBUTTONUP:
            if (std::exchange(pressed_, false)) OnClick({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CLOSE: Unload(); return 0;
        case WM_NCDESTROY: {
            const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            return result;
        }
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace kx
