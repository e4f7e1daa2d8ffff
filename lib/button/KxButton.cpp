#include "KxButton.h"

#include <algorithm>

#include "AboutBox.h"
#include "ButtonColor.h"
#include "ButtonLook.h"
#include "ButtonShape.h"
#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "KeepAlive.h"
#include "Rounding.h"
#include "SystemVersion.h"
#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxButton";
constexpr int kNewWidthTwips = 1365;
constexpr int kNewHeightTwips = 450;
constexpr int kMinimumTwips = 300;
constexpr COLORREF kSurfaceColour = RGB(255, 255, 255);
constexpr short kLeftButton = 1;
constexpr short kEnter = 13;
constexpr short kSpace = 32;
constexpr UINT kCaptionNew = DT_CENTER | DT_WORDBREAK;
constexpr COLORREF kIconSilhouette = RGB(128, 128, 128);
constexpr long kLargestMaskedIcon = 4096;
constexpr DISPID kMouseEnter = 1;
constexpr DISPID kMouseLeave = 2;
constexpr UINT kHoverMessages[] = {WM_MOUSEMOVE, WM_MOUSELEAVE, WM_THEMECHANGED, WM_SYSCOLORCHANGE};

VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }
bool IsTrue(const VARIANT_BOOL* value) { return value && *value != VARIANT_FALSE; }
bool IsStrokeKey(short key) { return key == kEnter || key == kSpace; }

long TranslateColor(OLE_COLOR colour) { return TranslateButtonColor(colour); }

OLE_HANDLE PictureHandle(IPictureDisp* picture) {
    IPicture* p = nullptr;
    OLE_HANDLE handle = 0;
    if (picture && SUCCEEDED(picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&p)))) {
        p->get_Handle(&handle);
        p->Release();
    }
    return handle;
}

IPictureDisp* EmptyPicture() {
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_NONE};
    IPictureDisp* picture = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture));
    return picture;
}

// A bitmap stretched to size by size at (x, y), its top-left pixel's colour left out. The stretch
// goes through a work bitmap of that size: squares beyond kLargestMaskedIcon are not drawn.
void DrawMaskedBitmap(HDC dc, OLE_HANDLE bitmap, long x, long y, long size) {
    if (size > kLargestMaskedIcon) return;
    long mask = kMaskFromCorner;
    long alpha = 255;
    DrawFullPicture(dc, reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(bitmap)), x, y, x + size, y + size, mask,
                    alpha);
}

OLE_HANDLE PictureHandle(IPicture* picture) {
    OLE_HANDLE handle = 0;
    if (picture) picture->get_Handle(&handle);
    return handle;
}

void RenderPicture(HDC dc, IPicture* picture, long x, long y, long size) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    picture->Render(dc, x, y, size, size, 0, height, width, -height, nullptr);
}

// A text's height as the surface measures it: one line height per line.
long TextHeight(HDC dc, const std::wstring& text) {
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    long lines = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') {
            ++lines;
            if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        } else if (text[i] == L'\n') {
            ++lines;
        }
    }
    return lines * metrics.tmHeight;
}

long RoundHalf(double value) { return static_cast<long>(RoundHalfEven(value)); }

}  // namespace

KxButton::KxButton() : StandardControl<_kxButton>(CLSID_kxButton, DIID___kxButton, kNewWidthTwips, kNewHeightTwips) {
    Surface().SetBackColor(kSurfaceColour);
    plainBackColor_ = TranslateColor(backColor_);
}

KxButton::~KxButton() {
    if (icon_) icon_->Release();
    if (grayIcon_) grayIcon_->Release();
}

// --- life cycle ---

void KxButton::InitProperties() {
    buttonType_ = kxBtnButton;
    caption_ = Ambient().ExtenderName();
    SetAccessKeysFromCaption();
    captionAlign_ = kxBtnCenter;
    enabled_ = true;
    IFontDisp* font = Ambient().Font();
    SetFont(font);
    fontColor_ = static_cast<OLE_COLOR>(TranslateColor(0x80000012));
    fontHighlightColor_ = static_cast<OLE_COLOR>(TranslateColor(0x80000012));
    highlightColor_ = static_cast<OLE_COLOR>(TranslateColor(0x8000000D));
    SetIcon(EmptyPicture());
    iconAlign_ = kxBtnLeft;
    iconSize_ = 16;
    showFocus_ = false;
    style_ = kxBtnWindowsXP;
    state_ = kHot;
    toolTipBody_.clear();
    toolTipTitle_.clear();
    toolTipBackColor_ = 0x80000018;
    toolTipForeColor_ = 0x80000017;
    toolTipIcon_ = kxBtnNoIcon;
    toolTipType_ = kxBtnBalloon;
    useCustomColors_ = false;
    value_ = false;
    backColor_ = 0x8000000F;
    plainBackColor_ = TranslateColor(backColor_);
    SetFont(font);
    if (font) font->Release();
    SetRightToLeft(Ambient().RightToLeft());
    captionFlags_ = kCaptionNew;
    Repaint();
}

void KxButton::ReadProperties(const PropertyReader& bag) {
    state_ = kNormal;
    enabled_ = bag.Boolean(L"Enabled", true);
    showFocus_ = bag.Boolean(L"ShowFocus", false);
    useCustomColors_ = bag.Boolean(L"UseCustomColors", false);
    buttonType_ = bag.Long(L"ButtonType", kxBtnButton);
    captionAlign_ = bag.Long(L"CaptionAlign", kxBtnCenter);
    iconAlign_ = bag.Long(L"IconAlign", kxBtnLeft);
    iconSize_ = static_cast<short>(bag.Long(L"IconSize", 16));
    style_ = bag.Long(L"Style", kxBtnWindowsXP);
    backColor_ = static_cast<OLE_COLOR>(bag.Long(L"BackColor", 0x8000000F));
    fontColor_ = static_cast<OLE_COLOR>(bag.Long(L"FontColor", 0x80000012));
    fontHighlightColor_ = static_cast<OLE_COLOR>(bag.Long(L"FontHighlightColor", 0x80000012));
    highlightColor_ = static_cast<OLE_COLOR>(bag.Long(L"HighlightColor", 0x8000000D));
    toolTipIcon_ = bag.Long(L"ToolTipIcon", kxBtnNoIcon);
    toolTipType_ = bag.Long(L"ToolTipType", kxBtnBalloon);
    toolTipBackColor_ = static_cast<OLE_COLOR>(bag.Long(L"ttBackColor", 0x80000018));
    toolTipForeColor_ = static_cast<OLE_COLOR>(bag.Long(L"ttForeColor", 0x80000017));
    caption_ = bag.Text(L"Caption", Ambient().ExtenderName());
    toolTipBody_ = bag.Text(L"ToolTipBody", L"");
    toolTipTitle_ = bag.Text(L"ToolTipTitle", L"");
    value_ = bag.Boolean(L"Value", false);
    IFontDisp* ambientFont = Ambient().Font();
    IFontDisp* font = bag.Font(L"Font", ambientFont);
    SetFont(font);
    if (font) font->Release();
    if (ambientFont) ambientFont->Release();
    SetIcon(bag.Picture(L"Icon", nullptr));
    IPictureDisp* mouseIcon = bag.Picture(L"MouseIcon", nullptr);
    putref_MouseIcon(mouseIcon);
    if (mouseIcon) mouseIcon->Release();
    SetMousePointer(static_cast<short>(bag.Long(L"MousePointer", 0)));
    SetRightToLeft(bag.Boolean(L"RightToLeft", Ambient().RightToLeft()));
    plainBackColor_ = TranslateColor(backColor_);
    SetAccessKeysFromCaption();
    ResizeHandling();
    if (Ambient().UserMode()) SetUpHoverTracking();
}

void KxButton::WriteProperties(const PropertyWriter& bag) {
    bag.Long(L"BackColor", static_cast<long>(backColor_), static_cast<long>(0x8000000F));
    bag.Long(L"ButtonType", buttonType_, kxBtnButton);
    bag.Text(L"Caption", caption_, Ambient().ExtenderName());
    bag.Long(L"CaptionAlign", captionAlign_, kxBtnCenter);
    bag.Boolean(L"Enabled", enabled_, true);
    IFontDisp* ambientFont = Ambient().Font();
    bag.Font(L"Font", Font(), ambientFont);
    if (ambientFont) ambientFont->Release();
    bag.Long(L"FontColor", static_cast<long>(fontColor_), static_cast<long>(0x80000012));
    bag.Long(L"FontHighlightColor", static_cast<long>(fontHighlightColor_), static_cast<long>(0x80000012));
    bag.Long(L"HighlightColor", static_cast<long>(highlightColor_), static_cast<long>(0x8000000D));
    bag.Picture(L"Icon", icon_);
    bag.Long(L"IconAlign", iconAlign_, kxBtnLeft);
    bag.Long(L"IconSize", iconSize_, 16);
    bag.Picture(L"MouseIcon", MouseIcon());
    bag.Long(L"MousePointer", MousePointer(), 0);
    bag.Boolean(L"RightToLeft", RightToLeft(), Ambient().RightToLeft());
    bag.Boolean(L"ShowFocus", showFocus_, false);
    bag.Long(L"Style", style_, kxBtnWindowsXP);
    bag.Long(L"ToolTipIcon", toolTipIcon_, kxBtnNoIcon);
    bag.Text(L"ToolTipBody", toolTipBody_, L"");
    bag.Text(L"ToolTipTitle", toolTipTitle_);
    bag.Long(L"ToolTipType", toolTipType_, kxBtnBalloon);
    bag.Long(L"ttBackColor", static_cast<long>(toolTipBackColor_), static_cast<long>(0x80000018));
    bag.Long(L"ttForeColor", static_cast<long>(toolTipForeColor_), static_cast<long>(0x80000017));
    bag.Boolean(L"UseCustomColors", useCustomColors_, false);
    bag.Boolean(L"Value", value_, false);
}

void KxButton::Resize() { ResizeHandling(); }
void KxButton::Paint() { Repaint(); }
void KxButton::Show() { Repaint(); }
void KxButton::AmbientChanged(DISPID) { Repaint(); }

// Hover tracking may never have been set up (design mode): nothing may fail here.
void KxButton::Terminate() {
    try {
        UnsubclassAll();
    } catch (...) {
    }
}

// A container that refuses the minimum size resizes the button again from inside the request:
// the nested resize does not ask once more, so the two cannot recurse without end.
void KxButton::ResizeHandling() {
    if (!enforcingMinimumSize_) {
        enforcingMinimumSize_ = true;
        if (WidthTwips() < kMinimumTwips) SetWidthTwips(kMinimumTwips);
        if (HeightTwips() < kMinimumTwips) SetHeightTwips(kMinimumTwips);
        enforcingMinimumSize_ = false;
    }
    ApplyRegion();
    Repaint();
}

void KxButton::ApplyRegion() { ApplyShape(Hwnd(), style_, ScaleWidth(), ScaleHeight()); }

// --- hover tracking ---

void KxButton::SetUpHoverTracking() {
    mouseLeave_ = MouseLeaveTracker::FromSystem();
    if (!mouseLeave_.Available()) return;
    if (!VersionAllowsHoverTracking(SystemVersion())) return;
    const HWND window = Hwnd();
    if (!window || subclasser_.IsSubclassed(window)) return;  // a second ReadProperties adds no second hook
    subclasser_.Subclass(window);
    for (UINT message : kHoverMessages) subclasser_.AddMessage(window, message, WindowSubclasser::kAfter);
}

void KxButton::UnsubclassAll() { subclasser_.UnsubclassAll(); }

// The hooks call the button through the first member of its interface, in its 32-bit argument form.
void KxButton::SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message,
                                WPARAM& wParam, LPARAM& lParam) {
    VARIANT_BOOL handledFlag = Bool(handled);
    LONG returned = static_cast<LONG>(result);
    LONG windowLong = LongFromHandle(window);
    LONG messageLong = static_cast<LONG>(message);
    LONG wParamLong = static_cast<LONG>(wParam);
    LONG lParamLong = static_cast<LONG>(lParam);
    _kxButton* self = this;
    self->zSubclass_Proc(Bool(before), &handledFlag, &returned, &windowLong, &messageLong, &wParamLong, &lParamLong);
    // The button may be gone here: only the caller's variables are touched, and only where changed.
    handled = handledFlag != VARIANT_FALSE;
    if (returned != static_cast<LONG>(result)) result = returned;
    if (messageLong != static_cast<LONG>(message)) message = static_cast<UINT>(messageLong);
    if (wParamLong != static_cast<LONG>(wParam)) wParam = static_cast<WPARAM>(wParamLong);
    if (lParamLong != static_cast<LONG>(lParam)) lParam = static_cast<LPARAM>(lParamLong);
}

void KxButton::MouseEntered(HWND window) {
    if (mouseInside_) return;
    mouseInside_ = true;
    mouseLeave_.TrackMouseLeave(window);
    state_ = kHot;
    Repaint();
    RaiseEvent(kMouseEnter);
    if (Hwnd()) CreateToolTip();
}

void KxButton::MouseLeft() {
    mouseInside_ = false;
    state_ = kNormal;
    Repaint();
    RaiseEvent(kMouseLeave);
}

void KxButton::CreateToolTip() {
    TooltipSettings settings;
    settings.body = toolTipBody_;
    settings.title = toolTipTitle_;
    settings.icon = toolTipIcon_;
    settings.type = toolTipType_;
    settings.backColor = toolTipBackColor_;
    settings.foreColor = toolTipForeColor_;
    tooltip_.Create(Hwnd(), settings);
}

// --- mouse, keys, focus ---

void KxButton::PressButton(short button, short shift, float x, float y) {
    if (!enabled_) return;
    RaiseMouseEvent(DISPID_MOUSEDOWN, button, shift, x, y);
    if (button != kLeftButton) return;
    state_ = kPressed;
    Repaint();
}

void KxButton::ReleaseButton(short button, short shift, float x, float y) {
    if (!enabled_) return;
    RaiseMouseEvent(DISPID_MOUSEUP, button, shift, x, y);
    if (button == kLeftButton) {
        state_ = (buttonType_ == kxBtnCheckBox && !value_) ? kPressed : kHot;
        Repaint();
    }
    lastButton_ = button;
}

void KxButton::RunClick() {
    if (lastButton_ != kLeftButton || !enabled_) return;
    if (buttonType_ == kxBtnCheckBox) {
        value_ = !value_;
        state_ = kHot;
        Repaint();
    }
    RaiseEvent(DISPID_CLICK);
}

void KxButton::MouseDown(short button, short shift, float x, float y) { PressButton(button, shift, x, y); }
void KxButton::MouseUp(short button, short shift, float x, float y) { ReleaseButton(button, shift, x, y); }
void KxButton::Click() { RunClick(); }

void KxButton::DblClick() {
    if (lastButton_ == kLeftButton && enabled_) PressButton(kLeftButton, 0, 1.0f, 1.0f);
    RaiseEvent(DISPID_DBLCLICK);
}

// The key is tested after the host's handler: a handler that sets it to 0 cancels the stroke.
void KxButton::KeyDown(short keyCode, short shift) {
    if (!enabled_) return;
    RaiseKeyEvent(DISPID_KEYDOWN, keyCode, shift);
    if (IsStrokeKey(keyCode)) PressButton(kLeftButton, 0, 1.0f, 1.0f);
}

void KxButton::KeyPress(short keyAscii) {
    if (!enabled_) return;
    VARIANT arg;
    arg.vt = VT_BYREF | VT_I2;
    arg.piVal = &keyAscii;
    RaiseEvent(DISPID_KEYPRESS, &arg, 1);
    if (!IsStrokeKey(keyAscii)) return;
    lastButton_ = kLeftButton;
    RunClick();
}

void KxButton::KeyUp(short keyCode, short shift) {
    if (!enabled_) return;
    RaiseKeyEvent(DISPID_KEYUP, keyCode, shift);
    if (IsStrokeKey(keyCode)) ReleaseButton(kLeftButton, 0, 1.0f, 1.0f);
}

void KxButton::AccessKeyPress(short) {
    lastButton_ = kLeftButton;
    RunClick();
}

void KxButton::GotFocus() {
    hasFocus_ = true;
    Repaint();
}

void KxButton::LostFocus() {
    hasFocus_ = false;
    Repaint();
}

// The access key is the character after the last single "&"; "&&" is a literal ampersand.
void KxButton::SetAccessKeysFromCaption() {
    std::wstring rest = caption_;
    for (size_t at = rest.find(L'&'); at != std::wstring::npos; at = rest.find(L'&')) {
        rest = rest.substr(at + 1);
        if (!rest.empty() && rest[0] == L'&')
            rest = rest.substr(1);
        else
            SetAccessKeys(rest.substr(0, 1));
    }
}

void KxButton::SetIcon(IPictureDisp* icon) {
    if (icon_) icon_->Release();
    icon_ = icon;  // takes the reference
    if (grayIcon_) grayIcon_->Release();
    grayIcon_ = nullptr;
    IPicture* picture = nullptr;
    if (icon_ && PictureHandle(icon_) &&
        SUCCEEDED(icon_->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) {
        grayIcon_ = GrayImage(picture);
        picture->Release();
    }
}

bool KxButton::HasIcon() const { return icon_ && PictureHandle(icon_) != 0; }

// --- painting ---

void KxButton::Repaint() { Refresh(); }

void KxButton::NormaliseState() {
    if (!Ambient().UserMode()) state_ = kHot;
    if (buttonType_ == kxBtnCheckBox && state_ != kHot) state_ = value_ ? kPressed : kNormal;
    if (!enabled_) {
        state_ = kDisabled;
        Surface().SetBackColor(GetSysColor(COLOR_BTNFACE));
    }
}

void KxButton::DrawFace(const ButtonLook& look) {
    if (!look.paint) return;
    ButtonFace face;
    face.state = state_;
    face.hasFocus = hasFocus_;
    face.showFocus = showFocus_;
    face.useCustomColors = useCustomColors_;
    face.backColor = plainBackColor_;
    face.highlightColor = static_cast<LookColor>(highlightColor_);
    const ButtonPainter painter(Hdc(), ScaleWidth(), ScaleHeight(),
                                [this](COLORREF colour) { Surface().SetBackColor(colour); }, Hwnd());
    // A look that cannot draw (no theme) falls back to Normal for good, unreported.
    if (!look.paint(painter, face)) style_ = kxBtnNormal;
}

RECT KxButton::CaptionRect(long margin) const {
    const long w = ScaleWidth();
    const long h = ScaleHeight();
    RECT area = {margin, 5, w - margin, h - 5};
    if (HasIcon() && iconAlign_ == captionAlign_) {
        if (iconAlign_ == kxBtnLeft) area.left = iconSize_ + margin + 3;
        if (iconAlign_ == kxBtnRight) area.right = w - iconSize_ - margin - 3;
    }
    if (state_ == kPressed) OffsetRect(&area, 1, 1);
    return area;
}

void KxButton::DrawCaption(RECT area) {
    long colour = static_cast<long>(GetSysColor(COLOR_BTNTEXT));
    if (state_ == kDisabled) colour = TranslateColor(0x80000011);
    else if (useCustomColors_) colour = TranslateColor(state_ == kNormal ? fontColor_ : fontHighlightColor_);
    const long textHeight = TextHeight(Hdc(), caption_);
    const bool singleLine = caption_.find(L'\r') == std::wstring::npos;
    static const UINT kBase[] = {DT_CENTER, DT_LEFT, DT_RIGHT, DT_CENTER, DT_CENTER};
    static const UINT kSingle[] = {DT_VCENTER | DT_SINGLELINE, DT_VCENTER | DT_SINGLELINE,
                                   DT_VCENTER | DT_SINGLELINE, DT_SINGLELINE, DT_BOTTOM | DT_SINGLELINE};
    if (captionAlign_ >= kxBtnCenter && captionAlign_ <= kxBtnBottom)
        captionFlags_ = kBase[captionAlign_] | (singleLine ? kSingle[captionAlign_] : 0);
    if (!singleLine) {
        if (captionAlign_ <= kxBtnRight && captionAlign_ >= kxBtnCenter)
            area.top = RoundHalf(area.top + (area.bottom - area.top - textHeight) / 2.0);
        else if (captionAlign_ == kxBtnBottom)
            area.top = area.bottom - textHeight;
    }
    const COLORREF oldColour = Surface().ForeColor();
    Surface().SetForeColor(static_cast<COLORREF>(colour));
    const std::string text = ToAnsi(caption_);
    DrawTextA(Hdc(), text.c_str(), static_cast<int>(text.size()), &area,
              captionFlags_ | (RightToLeft() ? DT_RTLREADING : 0));
    Surface().SetForeColor(oldColour);
}

void KxButton::DrawIcon(long margin) {
    if (!HasIcon()) return;
    const long w = ScaleWidth();
    const long h = ScaleHeight();
    const long size = iconSize_;
    long x = 0, y = 0;
    switch (iconAlign_) {
        case kxBtnCenter: x = RoundHalf((w - size) / 2.0); y = RoundHalf((h - size) / 2.0); break;
        case kxBtnLeft: x = margin; y = RoundHalf((h - size) / 2.0); break;
        case kxBtnRight: x = w - size - margin; y = RoundHalf((h - size) / 2.0); break;
        case kxBtnTop: x = RoundHalf((w - size) / 2.0); y = margin; break;
        case kxBtnBottom: x = RoundHalf((w - size) / 2.0); y = h - size - margin; break;
        default: break;
    }
    if (state_ == kPressed) {
        ++x, ++y;
    } else if (state_ == kHot && style_ == kxBtnOfficeXP) {
        DrawIconSilhouette(x, y, size);
        x -= 2, y -= 2;
    }
    if (!enabled_) {
        if (grayIcon_) DrawMaskedBitmap(Hdc(), PictureHandle(grayIcon_), x, y, size);
        return;
    }
    IPicture* picture = nullptr;
    if (FAILED(icon_->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) return;
    SHORT type = PICTYPE_NONE;
    picture->get_Type(&type);
    if (type == PICTYPE_BITMAP) {
        DrawMaskedBitmap(Hdc(), PictureHandle(icon_), x, y, size);
    } else {
        RenderPicture(Hdc(), picture, x, y, size);
    }
    picture->Release();
}

// The OfficeXP hot icon: the icon drawn at its place, then every pixel of its square (both ends
// included) that differs from the face at (1, 1) turned grey. Pixels outside the surface cannot
// change, so the scan stays inside it whatever IconSize is.
void KxButton::DrawIconSilhouette(long x, long y, long size) {
    const HDC dc = Hdc();
    DrawMaskedBitmap(dc, PictureHandle(icon_), x, y, size);
    const COLORREF face = GetPixel(dc, 1, 1);
    const long right = std::min<long>(x + size, ScaleWidth() - 1);
    const long bottom = std::min<long>(y + size, ScaleHeight() - 1);
    for (long row = std::max(y, 0L); row <= bottom; ++row)
        for (long column = std::max(x, 0L); column <= right; ++column)
            if (GetPixel(dc, column, row) != face) SetPixel(dc, column, row, kIconSilhouette);
}

STDMETHODIMP KxButton::Refresh() {
    return Guard(kSource, [&] {
        Cls();
        NormaliseState();
        const ButtonLook look = LookOfStyle(style_);
        DrawFace(look);
        DrawCaption(CaptionRect(look.margin));
        DrawIcon(look.margin);
        ShowSurface();
    });
}

// --- members ---

// Called by the hover hooks only, after the window has handled the message.
STDMETHODIMP KxButton::zSubclass_Proc(VARIANT_BOOL, VARIANT_BOOL*, LONG*, LONG* lng_hWnd, LONG* uMsg, LONG*,
                                      LONG*) {
    return Guard(kSource, [&] {
        if (!uMsg) return;
        KeepAlive keep(static_cast<_kxButton*>(this));
        switch (static_cast<UINT>(*uMsg)) {
            case WM_MOUSEMOVE: MouseEntered(lng_hWnd ? HandleFromLong<HWND>(*lng_hWnd) : Hwnd()); break;
            case WM_MOUSELEAVE: MouseLeft(); break;
            case WM_THEMECHANGED: case WM_SYSCOLORCHANGE: Repaint(); break;
            default: break;
        }
    });
}

STDMETHODIMP KxButton::put_Style(kxBtnStyle Style) {
    return Guard(kSource, [&] {
        style_ = Style;
        PropertyChanged(L"Style");
        ResizeHandling();
        Repaint();
    });
}

STDMETHODIMP KxButton::get_Style(kxBtnStyle* Style) {
    return Guard(kSource, [&] { if (Style) *Style = static_cast<kxBtnStyle>(style_); });
}

STDMETHODIMP KxButton::put_Caption(BSTR Caption) {
    return Guard(kSource, [&] {
        caption_ = FromBstr(Caption);
        PropertyChanged(L"Caption");
        SetAccessKeysFromCaption();
        ResizeHandling();
    });
}

STDMETHODIMP KxButton::get_Caption(BSTR* Caption) {
    return Guard(kSource, [&] { if (Caption) *Caption = ToBstr(caption_); });
}

STDMETHODIMP KxButton::putref_Icon(IPictureDisp* Icon) {
    return Guard(kSource, [&] {
        if (Icon) Icon->AddRef();
        SetIcon(Icon);
        PropertyChanged(L"Icon");
        ResizeHandling();
        Repaint();
    });
}

STDMETHODIMP KxButton::get_Icon(IPictureDisp** Icon) {
    return Guard(kSource, [&] {
        if (!Icon) return;
        *Icon = icon_;
        if (icon_) icon_->AddRef();
    });
}

#define KX_LAYOUT_PROPERTY(Name, field, Type, Report)                                   \
    STDMETHODIMP KxButton::put_##Name(Type value) {                                     \
        return Guard(kSource, [&] {                                                     \
            field = value;                                                              \
            PropertyChanged(Report);                                                    \
            ResizeHandling();                                                           \
            Repaint();                                                                  \
        });                                                                             \
    }                                                                                   \
    STDMETHODIMP KxButton::get_##Name(Type* value) {                                    \
        return Guard(kSource, [&] { if (value) *value = static_cast<Type>(field); });   \
    }

KX_LAYOUT_PROPERTY(IconAlign, iconAlign_, kxBtnAlignment, L"IconAlign")
KX_LAYOUT_PROPERTY(IconSize, iconSize_, short, L"IconSize")
KX_LAYOUT_PROPERTY(CaptionAlign, captionAlign_, kxBtnAlignment, L"CaptionAlign")
#undef KX_LAYOUT_PROPERTY

// Lets that store a by-reference value, report it and repaint; gets that return it.
#define KX_STORED_PROPERTY(Name, Type, Report, store, load)                             \
    STDMETHODIMP KxButton::put_##Name(Type* value) {                                    \
        return Guard(kSource, [&] {                                                     \
            if (!value) throw Error(kErrInvalidCall);                                   \
            store;                                                                      \
            PropertyChanged(Report);                                                    \
            Repaint();                                                                  \
        });                                                                             \
    }                                                                                   \
    STDMETHODIMP KxButton::get_##Name(Type* value) {                                    \
        return Guard(kSource, [&] { if (value) load; });                                \
    }

KX_STORED_PROPERTY(ShowFocus, VARIANT_BOOL, L"ShowFocus", showFocus_ = IsTrue(value), *value = Bool(showFocus_))
KX_STORED_PROPERTY(UseCustomColors, VARIANT_BOOL, L"UseCustomColors", useCustomColors_ = IsTrue(value),
                   *value = Bool(useCustomColors_))
KX_STORED_PROPERTY(BackColor, OLE_COLOR, L"BackColor",
                   (backColor_ = *value, plainBackColor_ = TranslateColor(backColor_)), *value = backColor_)
KX_STORED_PROPERTY(HighlightColor, OLE_COLOR, L"HighlightColor", highlightColor_ = *value, *value = highlightColor_)
KX_STORED_PROPERTY(FontColor, OLE_COLOR, L"FontColor", fontColor_ = *value, *value = fontColor_)
KX_STORED_PROPERTY(FontHighlightColor, OLE_COLOR, L"FontHighlightColor", fontHighlightColor_ = *value,
                   *value = fontHighlightColor_)
KX_STORED_PROPERTY(ToolTipBody, BSTR, L"ToolTipBody", toolTipBody_ = FromBstr(*value),
                   *value = ToBstr(toolTipBody_))
KX_STORED_PROPERTY(ToolTipTitle, BSTR, L"TooltipTitle", toolTipTitle_ = FromBstr(*value),
                   *value = ToBstr(toolTipTitle_))
KX_STORED_PROPERTY(ToolTipIcon, kxBtnIconType, L"ToolTipIcon", toolTipIcon_ = *value,
                   *value = static_cast<kxBtnIconType>(toolTipIcon_))
KX_STORED_PROPERTY(ToolTipType, kxBtnToolTipStyle, L"ToolTipType", toolTipType_ = *value,
                   *value = static_cast<kxBtnToolTipStyle>(toolTipType_))
KX_STORED_PROPERTY(ToolTipBackColor, OLE_COLOR, L"ttBackColor", toolTipBackColor_ = *value,
                   *value = toolTipBackColor_)
KX_STORED_PROPERTY(ToolTipForeColor, OLE_COLOR, L"ttForeColor", toolTipForeColor_ = *value,
                   *value = toolTipForeColor_)
KX_STORED_PROPERTY(ButtonType, kxBtnButtonType, L"ButtonType", buttonType_ = *value,
                   *value = static_cast<kxBtnButtonType>(buttonType_))
KX_STORED_PROPERTY(Value, VARIANT_BOOL, L"Value", value_ = IsTrue(value), *value = Bool(value_))
#undef KX_STORED_PROPERTY

STDMETHODIMP KxButton::put_Enabled(VARIANT_BOOL* Enabled) {
    return Guard(kSource, [&] {
        if (!Enabled) throw Error(kErrInvalidCall);
        state_ = kNormal;
        enabled_ = IsTrue(Enabled);
        Repaint();
        PropertyChanged(L"Enabled");
        SetSurfaceEnabled(enabled_);
    });
}

// Reading Enabled repaints, as the original does; hosts that poll it repaint on every poll.
STDMETHODIMP KxButton::get_Enabled(VARIANT_BOOL* Enabled) {
    return Guard(kSource, [&] {
        if (Enabled) *Enabled = Bool(enabled_);
        Repaint();
    });
}

STDMETHODIMP KxButton::get_Font(IFontDisp** Font) {
    return Guard(kSource, [&] {
        if (!Font) return;
        *Font = this->Font();
        if (*Font) (*Font)->AddRef();
    });
}

STDMETHODIMP KxButton::putref_Font(IFontDisp* Font) {
    return Guard(kSource, [&] {
        SetFont(Font);
        PropertyChanged(L"Font");
        Repaint();
    });
}

// The font shortcuts work on the surface's current font and do not repaint.
const wchar_t* KxButton::ErrorSource() const { return kSource; }
void KxButton::ShortcutFontChanged() { FontChanged(); }
void KxButton::RightToLeftChanged() { Repaint(); }

STDMETHODIMP KxButton::About() {
    return Guard(kSource, [&] { ShowAboutBox(L"Button"); });
}

}  // namespace kx
