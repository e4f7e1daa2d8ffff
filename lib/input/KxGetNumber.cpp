#include "KxGetNumber.h"

#include <windowsx.h>

#include <cmath>

#include "AboutBox.h"
#include "AmbientProperties.h"
#include "ClassicInput.h"
#include "ClassicRuntime.h"
#include "DoubleText.h"
#include "DrawingModule.h"
#include "DropButtonPainter.h"
#include "ErrorInfo.h"
#include "FontViews.h"
#include "NumberWords.h"
#include "PlatformNumbers.h"
#include "TabKeystroke.h"
#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxGetNumber";
constexpr const wchar_t* kDefaultFormat = L"#,##0.0##";
constexpr int kNewWidthTwips = 1455;
constexpr int kNewHeightTwips = 255;
constexpr long kWindowColour = static_cast<long>(0x80000005);
constexpr long kButtonTextColour = static_cast<long>(0x80000012);
constexpr DISPID kChange = 1;
constexpr short kEnter = 13;
constexpr short kAlt = 4;
constexpr long kFarsiWords = 2;
constexpr long kEnglishWords = 3;

VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

template <class T, class V>
HRESULT Read(T* out, V value) {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

bool ShowsWords(long textStyle) { return textStyle == kFarsiWords || textStyle == kEnglishWords; }

// The runtime's text of a Double: 15 significant digits and the locale's decimal separator.
std::wstring PlainText(double value) {
    std::wstring text = DoubleText(value).value_or(L"0");
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 0 || !separator[0]) return text;
    for (wchar_t& c : text)
        if (c == L'.') c = separator[0];
    return text;
}

// The locale-aware reading of the text; nothing when it is not a number.
std::optional<double> ReadNumber(const std::wstring& text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    std::optional<double> result;
    try {
        const double number = ToDouble(v);
        if (std::isfinite(number)) result = number;
    } catch (...) {
    }
    VariantClear(&v);
    return result;
}

// The words of the value; its plain text where the word tables do not reach.
std::wstring WordsOf(double value, long textStyle) {
    const std::optional<std::wstring> words =
        textStyle == kFarsiWords ? PersianNumberWords(value, false) : EnglishNumberWords(value);
    return words ? *words : PlainText(value);
}

}  // namespace

KxGetNumber::KxGetNumber()
    : StandardControl<_kxGetNumber>(CLSID_kxGetNumber, DIID___kxGetNumber, kNewWidthTwips, kNewHeightTwips),
      backColor_(kWindowColour),
      foreColor_(kButtonTextColour),
      showFormat_(kDefaultFormat),
      box_(Hwnd(), *this, static_cast<IOleObject*>(this), {.alignment = 1}),
      label_(Hwnd()),
      boxMouse_({DISPID_MOUSEDOWN, DISPID_MOUSEMOVE, DISPID_MOUSEUP},
                [this](DISPID id, short& b, short& s, float& x, float& y) { RaiseMouseEvent(id, b, s, x, y); },
                [this](DISPID id) { RaiseEvent(id); }) {
    if (IFontDisp* font = CreateDefaultFont()) {
        SetFont(font);
        font->Release();
    }
    ApplyBorder();
    ApplyAppearance();
    Layout();
}

KxGetNumber::~KxGetNumber() = default;

const wchar_t* KxGetNumber::ErrorSource() const { return kSource; }

// --- life cycle ---

void KxGetNumber::InitProperties() {
    value_ = 0;
    enabled_ = true;
    locked_ = false;
    IFontDisp* ambient = Ambient().Font();
    if (ambient) {
        SetFont(ambient);
        ambient->Release();
    }
    style_ = 0;
    showFormat_ = kDefaultFormat;
    textStyle_ = 1;
    enterNextTab_ = true;
    ApplyAppearance();
    Layout();
}

long KxGetNumber::DefaultAlignment() const { return Ambient().RightToLeft() ? 2 : 1; }

// Values out of their ranges keep their defaults; the value is shown, not read back.
void KxGetNumber::ReadProperties(const PropertyReader& bag) {
    InputTextBox::Style style = box_.GetStyle();
    style.alignment = bag.Long(L"Alignment", DefaultAlignment());
    if (style.alignment < 0 || style.alignment > 2) style.alignment = DefaultAlignment();
    SetRightToLeft(bag.Boolean(L"RightToLeft", Ambient().RightToLeft()));
    enabled_ = bag.Boolean(L"Enabled", true);
    locked_ = bag.Boolean(L"Locked", false);
    backColor_ = bag.Long(L"BackColor", kWindowColour);
    const long border = bag.Long(L"BorderStyle", 1);
    borderStyle_ = border == 0 ? 0 : 1;
    IFontDisp* font = ReadFontProperty(bag, L"Font");
    if (font) {
        SetFont(font);
        font->Release();
    }
    foreColor_ = bag.Long(L"ForeColor", kButtonTextColour);
    IPictureDisp* icon = bag.Picture(L"MouseIcon", nullptr);
    putref_MouseIcon(icon);
    if (icon) icon->Release();
    SetMousePointer(static_cast<short>(bag.Long(L"MousePointer", 0)));
    wordWrap_ = bag.Boolean(L"WordWrap", false);
    style_ = bag.Long(L"Style", 0) == 1 ? 1 : 0;
    showFormat_ = bag.Text(L"ShowFormat", kDefaultFormat);
    const long textStyle = bag.Long(L"TextStyle", 1);
    textStyle_ = textStyle >= 0 && textStyle <= 3 ? textStyle : 1;
    enterNextTab_ = bag.Boolean(L"EnterNextTab", true);
    const double value = bag.Double(L"Value", 0);
    value_ = std::isfinite(value) ? value : 0;
    box_.SetStyle(style);
    WriteOwnText(PlainText(value_));
    ApplyBorder();
    ApplyAppearance();
    Layout();
}

void KxGetNumber::WriteProperties(const PropertyWriter& bag) {
    IFontDisp* font = Font();
    bag.Double(L"Value", value_, 0);
    bag.Long(L"Alignment", box_.GetStyle().alignment, DefaultAlignment());
    bag.Boolean(L"RightToLeft", RightToLeft(), Ambient().RightToLeft());
    bag.Boolean(L"Enabled", enabled_, true);
    bag.Boolean(L"Locked", locked_, false);
    bag.Long(L"BackColor", backColor_, kWindowColour);
    bag.Long(L"BorderStyle", borderStyle_, 1);
    IFontDisp* ambient = Ambient().Font();
    bag.Font(L"Font", font, ambient);
    if (ambient) ambient->Release();
    bag.Boolean(L"FontBold", ReadFontFlag(font, &IFont::get_Bold), false);
    bag.Boolean(L"FontItalic", ReadFontFlag(font, &IFont::get_Italic), false);
    bag.Text(L"FontName", ReadFontName(font), L"");
    bag.Single(L"FontSize", ReadFontSize(font), 0);
    bag.Boolean(L"FontStrikethru", ReadFontFlag(font, &IFont::get_Strikethrough), false);
    bag.Boolean(L"FontUnderline", ReadFontFlag(font, &IFont::get_Underline), false);
    bag.Long(L"ForeColor", foreColor_, kButtonTextColour);
    bag.Picture(L"MouseIcon", MouseIcon());
    bag.Long(L"MousePointer", MousePointer(), 0);
    bag.Boolean(L"WordWrap", wordWrap_, false);
    bag.Long(L"Style", style_, 0);
    bag.Text(L"ShowFormat", showFormat_, kDefaultFormat);
    bag.Long(L"TextStyle", textStyle_, 1);
    bag.Boolean(L"EnterNextTab", enterNextTab_, true);
}

void KxGetNumber::Resize() { Layout(); }

// The drop-down goes with the control.
void KxGetNumber::Terminate() { dropDown_.reset(); }

// --- display ---

// No error leaves the display: words out of reach show the plain text, a refused pattern too.
void KxGetNumber::ShowValue() {
    if (ShowsWords(textStyle_)) label_.SetCaption(WordsOf(value_, textStyle_));
    else if (textStyle_ == 1) WriteOwnText(PlatformNumbers::Instance().Format(value_, showFormat_));
    else WriteOwnText(PlainText(value_));
    ShowParts();
}

void KxGetNumber::ShowParts() {
    const bool words = !hasFocus_ && ShowsWords(textStyle_);
    box_.Show(!words);
    label_.Show(words);
}

// The control's own writes report the change and raise Change, but leave Value as it is: the text
// shown may be rounded or cut to 15 digits.
void KxGetNumber::WriteOwnText(const std::wstring& text) {
    if (box_.Text() == text) return;
    writingOwnText_ = true;
    box_.SetText(text);
    writingOwnText_ = false;
}

// The text box's text changed: typed, pasted or the calculator's text becomes Value when it is a number.
void KxGetNumber::TakeText() {
    const std::wstring text = box_.Text();
    if (text == L"txtValue") return;
    if (!writingOwnText_) {
        if (const std::optional<double> number = ReadNumber(text)) value_ = *number;
        else if (text.empty()) value_ = 0;
    }
    if (ShowsWords(textStyle_)) ShowValue();
    PropertyChanged(L"Value");
    RaiseEvent(kChange);
}

// --- focus ---

void KxGetNumber::EnterFocus() {
    hasFocus_ = true;
    WriteOwnText(PlainText(value_));
    ShowParts();
}

void KxGetNumber::ExitFocus() {
    hasFocus_ = false;
    ShowValue();
}

// The control's own windows and its drop-down with what that owns count as the control.
bool KxGetNumber::InsideControl(HWND window) const {
    if (!window) return false;
    if (window == Hwnd() || IsChild(Hwnd(), window)) return true;
    return dropDown_ && dropDown_->Holds(window);
}

void KxGetNumber::BoxFocus(bool gained, HWND other) {
    if (gained) {
        if (!hasFocus_) EnterFocus();
        box_.SelectAll();
        return;
    }
    if (hasFocus_ && !InsideControl(other)) ExitFocus();
}

// --- the drop-down ---

void KxGetNumber::OpenCalculator() {
    if (!Ambient().UserMode() || !IsWindowVisible(Hwnd())) return;
    if (!dropDown_ || !dropDown_->Exists())
        dropDown_ = std::make_unique<CalcDropDown>(static_cast<IOleObject*>(this),
                                                   [this](double value) { CalculatorResult(value); },
                                                   [this] { CalculatorHidden(); });
    dropDown_->Open(Hwnd(), ReadNumber(box_.Text()).value_or(0));
}

// Written into the text box as typed text, so the change handling takes it in.
void KxGetNumber::CalculatorResult(double value) {
    box_.SetText(PlainText(value));
    if (!hasFocus_) ShowValue();
}

// Back from a result or a close request, the focus is in the text box again; activating anything
// else ends the control's focus.
void KxGetNumber::CalculatorHidden() {
    if (!hasFocus_) return;
    if (!dropDown_->HiddenForOtherWindow()) {
        SetFocus(box_.Hwnd());
        box_.SelectAll();
        return;
    }
    if (!InsideControl(GetFocus())) ExitFocus();
}

// --- layout and looks ---

// The host's tooltip text first, as every resize takes it anew.
void KxGetNumber::Layout() {
    ShowToolTip(Ambient().ExtenderText(L"ToolTipText"));
    const DropLayout layout = button_.Place(ScaleWidth(), ScaleHeight(), DropButtonWidth(), RightToLeft(), style_ == 1);
    box_.Place(layout.textLeft, 0, layout.textWidth, layout.textHeight);
    label_.Place(layout.textLeft, 0, layout.textWidth, layout.textHeight);
    Cls();
    if (layout.hasButton)
        PaintDropButton(Hdc(), layout.button, enabled_ ? DropButtonFace::Normal : DropButtonFace::Inactive);
    ShowSurface();
    ShowValue();
}

void KxGetNumber::ShowToolTip(const std::wstring& text) { toolTips_.Show(text, {box_.Hwnd(), label_.Hwnd()}); }

void KxGetNumber::DrawButton(DropButtonFace face) {
    Cls();
    PaintDropButton(Hdc(), button_.Rect(), face);
    ShowSurface();
}

void KxGetNumber::ApplyAppearance() {
    const auto back = static_cast<COLORREF>(TranslateOleColor(backColor_));
    const auto fore = static_cast<COLORREF>(TranslateOleColor(foreColor_));
    const HFONT font = FontHandleOf(Font());
    Surface().SetBackColor(back);
    InputTextBox::Style style = box_.GetStyle();
    style.rightToLeft = RightToLeft();
    style.locked = locked_;
    style.enabled = enabled_;
    box_.SetStyle(style);
    ShowToolTip(toolTips_.Text());  // onto a text box made anew
    box_.SetFont(font);
    box_.SetColours(back, fore);
    label_.SetLook({style.alignment, style.rightToLeft, wordWrap_, enabled_, back, fore, font});
}

void KxGetNumber::ApplyBorder() {
    const HWND window = Hwnd();
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    if (borderStyle_ == 1) style |= WS_BORDER;
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void KxGetNumber::ShortcutFontChanged() { ApplyAppearance(); }

void KxGetNumber::RightToLeftChanged() {
    ApplyAppearance();
    Layout();
}

// --- window messages ---

bool KxGetNumber::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (from != box_.Hwnd()) return false;
            *result = box_.Colour(reinterpret_cast<HDC>(wParam));
            return true;
        case WM_COMMAND:
            if (from == box_.Hwnd() && HIWORD(wParam) == EN_CHANGE) TakeText();
            else if (from == label_.Hwnd() && HIWORD(wParam) == STN_CLICKED) RaiseEvent(DISPID_CLICK);
            else if (from == label_.Hwnd() && HIWORD(wParam) == STN_DBLCLK) RaiseEvent(DISPID_DBLCLICK);
            else return false;
            *result = 0;
            return true;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->hwndItem != label_.Hwnd()) return false;
            label_.Draw(*item);
            *result = TRUE;
            return true;
        }
        case WM_SETFOCUS:  // the text box takes the keys
            if (!hasFocus_) EnterFocus();
            if (box_.Hwnd() && IsWindowVisible(box_.Hwnd())) SetFocus(box_.Hwnd());
            return false;
        default:
            return false;
    }
}

// --- the text box's keys and mouse ---

// KeyDown first; Alt+Down (Alt alone) then opens the calculator of an enabled, unlocked control.
bool KxGetNumber::BoxKeyDown(WPARAM& keyCode, bool systemKey) {
    short code = static_cast<short>(keyCode);
    short shift = ShiftState();
    RaiseKeyEvent(DISPID_KEYDOWN, code, shift);
    if (code == VK_DOWN && shift == kAlt) {
        if (enabled_ && !locked_) OpenCalculator();
        return true;
    }
    if (systemKey) return false;
    if (code == 0) return true;
    keyCode = static_cast<WPARAM>(static_cast<unsigned short>(code));
    return false;
}

bool KxGetNumber::RaiseEnterRule(short keyAscii) {
    if (keyAscii != kEnter || !enterNextTab_) return false;
    SendTabKeystroke();
    return true;
}

// Key presses in the text box are not relayed; Enter moves the focus on.
bool KxGetNumber::BoxChar(WPARAM& character) { return RaiseEnterRule(AnsiKey(static_cast<wchar_t>(character))); }

void KxGetNumber::BoxKeyUp(WPARAM keyCode, bool) {
    short code = static_cast<short>(keyCode);
    short shift = ShiftState();
    RaiseKeyEvent(DISPID_KEYUP, code, shift);
}

// Mouse events of the text box, measured from the control's left edge.
void KxGetNumber::BoxMouse(UINT message, WPARAM keys, LPARAM position) {
    RECT box = {};
    GetWindowRect(box_.Hwnd(), &box);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&box), 2);
    RECT client = {};
    GetClientRect(box_.Hwnd(), &client);
    const POINT at = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    boxMouse_.Handle(message, keys, static_cast<float>(at.x + box.left), static_cast<float>(at.y),
                     PtInRect(&client, at) != FALSE);
}

// --- the surface: the drop button ---

void KxGetNumber::MouseDown(short button, short shift, float x, float y) {
    RaiseMouseEvent(DISPID_MOUSEDOWN, button, shift, x, y);
    if (const auto face = button_.Press(button, std::lround(x), enabled_, locked_)) DrawButton(*face);
}

void KxGetNumber::MouseMove(short button, short shift, float x, float y) {
    RaiseMouseEvent(DISPID_MOUSEMOVE, button, shift, x, y);
}

void KxGetNumber::MouseUp(short button, short shift, float x, float y) {
    RaiseMouseEvent(DISPID_MOUSEUP, button, shift, x, y);
    const DropButton::Released released = button_.Release(button, std::lround(x), enabled_, locked_);
    if (released.face && style_ == 0) DrawButton(*released.face);
    if (released.open) OpenCalculator();
}

void KxGetNumber::Click() { RaiseEvent(DISPID_CLICK); }
void KxGetNumber::DblClick() { RaiseEvent(DISPID_DBLCLICK); }

void KxGetNumber::KeyDown(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYDOWN, keyCode, shift); }

void KxGetNumber::KeyPress(short keyAscii) {
    VARIANT arg;
    arg.vt = VT_BYREF | VT_I2;
    arg.piVal = &keyAscii;
    RaiseEvent(DISPID_KEYPRESS, &arg, 1);
    RaiseEnterRule(keyAscii);
}

void KxGetNumber::KeyUp(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYUP, keyCode, shift); }

// --- members ---

template <class Body>
HRESULT KxGetNumber::Let(const wchar_t* name, Body body) {
    return Guard(kSource, [&] {
        body();
        PropertyChanged(name);
    });
}

STDMETHODIMP KxGetNumber::get_Value(DOUBLE* Value) { return Read(Value, value_); }
STDMETHODIMP KxGetNumber::put_Value(DOUBLE Value) {
    return Let(L"Value", [&] {
        if (!std::isfinite(Value)) throw Error(kErrInvalidPropertyValue);
        value_ = Value;
        ShowValue();
    });
}

STDMETHODIMP KxGetNumber::ShowComboCalc() {
    return Guard(kSource, [&] { OpenCalculator(); });
}

STDMETHODIMP KxGetNumber::get_Alignment(LONG* Alignment) { return Read(Alignment, box_.GetStyle().alignment); }
STDMETHODIMP KxGetNumber::put_Alignment(LONG Alignment) {
    return Let(L"Alignment", [&] {
        if (Alignment < 0 || Alignment > 2) throw Error(kErrInvalidPropertyValue);
        InputTextBox::Style style = box_.GetStyle();
        style.alignment = Alignment;
        box_.SetStyle(style);
        ApplyAppearance();
    });
}

STDMETHODIMP KxGetNumber::get_Enabled(VARIANT_BOOL* Enabled) { return Read(Enabled, Bool(enabled_)); }
STDMETHODIMP KxGetNumber::put_Enabled(VARIANT_BOOL Enabled) {
    return Let(L"Enabled", [&] {
        enabled_ = Enabled != VARIANT_FALSE;
        ApplyAppearance();
        Layout();
    });
}

STDMETHODIMP KxGetNumber::get_Locked(VARIANT_BOOL* Locked) { return Read(Locked, Bool(locked_)); }
STDMETHODIMP KxGetNumber::put_Locked(VARIANT_BOOL Locked) {
    return Let(L"Locked", [&] {
        locked_ = Locked != VARIANT_FALSE;
        ApplyAppearance();
    });
}

STDMETHODIMP KxGetNumber::About() {
    return Guard(kSource, [&] { ShowAboutBox(L"Get Number"); });
}

STDMETHODIMP KxGetNumber::Refresh() {
    return Guard(kSource, [&] { ShowValue(); });
}

STDMETHODIMP KxGetNumber::get_BackColor(OLE_COLOR* BackColor) { return Read(BackColor, backColor_); }
STDMETHODIMP KxGetNumber::put_BackColor(OLE_COLOR BackColor) {
    return Let(L"BackColor", [&] {
        backColor_ = static_cast<long>(BackColor);
        ApplyAppearance();
        Layout();
    });
}

STDMETHODIMP KxGetNumber::get_BorderStyle(kxGmBorderStyle* BorderStyle) { return Read(BorderStyle, borderStyle_); }
STDMETHODIMP KxGetNumber::put_BorderStyle(kxGmBorderStyle BorderStyle) {
    return Let(L"BorderStyle", [&] {
        if (BorderStyle < 0 || BorderStyle > 1) throw Error(kErrInvalidPropertyValue);
        borderStyle_ = BorderStyle;
        ApplyBorder();
    });
}

STDMETHODIMP KxGetNumber::get_Font(IFontDisp** Font) {
    return Guard(kSource, [&] {
        if (!Font) throw Error(kErrInvalidCall);
        *Font = this->Font();
        if (*Font) (*Font)->AddRef();
    });
}
STDMETHODIMP KxGetNumber::putref_Font(IFontDisp* Font) {
    return Let(L"Font", [&] {
        if (!Font) throw Error(kErrInvalidPropertyValue);
        SetFont(Font);
        ApplyAppearance();
    });
}

STDMETHODIMP KxGetNumber::get_ForeColor(OLE_COLOR* ForeColor) { return Read(ForeColor, foreColor_); }
STDMETHODIMP KxGetNumber::put_ForeColor(OLE_COLOR ForeColor) {
    return Let(L"ForeColor", [&] {
        foreColor_ = static_cast<long>(ForeColor);
        ApplyAppearance();
    });
}

// Only an icon or a cursor can be the pointer; anything else fails with 380 and keeps the old one.
STDMETHODIMP KxGetNumber::putref_MouseIcon(IPictureDisp* MouseIcon) {
    return Let(L"MouseIcon", [&] {
        if (MouseIcon) {
            IPicture* picture = nullptr;
            SHORT type = PICTYPE_NONE;
            if (SUCCEEDED(MouseIcon->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) {
                picture->get_Type(&type);
                picture->Release();
            }
            if (type != PICTYPE_ICON) throw Error(kErrInvalidPropertyValue);
        }
        SetMouseIcon(MouseIcon);
    });
}

STDMETHODIMP KxGetNumber::get_Text(BSTR* Text) {
    return Guard(kSource, [&] { AssignBstr(Text, ShowsWords(textStyle_) ? label_.Caption() : box_.Text()); });
}

STDMETHODIMP KxGetNumber::get_WordWrap(VARIANT_BOOL* WordWrap) { return Read(WordWrap, Bool(wordWrap_)); }
STDMETHODIMP KxGetNumber::put_WordWrap(VARIANT_BOOL WordWrap) {
    return Let(L"WordWrap", [&] {
        wordWrap_ = WordWrap != VARIANT_FALSE;
        ApplyAppearance();
    });
}

STDMETHODIMP KxGetNumber::get_Style(kxGCComboStyle* Style) { return Read(Style, style_); }
STDMETHODIMP KxGetNumber::put_Style(kxGCComboStyle Style) {
    return Let(L"Style", [&] {
        if (Style < 0 || Style > 1) throw Error(kErrInvalidPropertyValue);
        style_ = Style;
        Layout();
    });
}

STDMETHODIMP KxGetNumber::get_ShowFormat(BSTR* ShowFormat) {
    return Guard(kSource, [&] { AssignBstr(ShowFormat, showFormat_); });
}
STDMETHODIMP KxGetNumber::put_ShowFormat(BSTR ShowFormat) {
    return Let(L"ShowFormat", [&] {
        showFormat_ = FromBstr(ShowFormat);
        ShowValue();
    });
}

STDMETHODIMP KxGetNumber::get_TextStyle(kxGCTextStyle* TextStyle) { return Read(TextStyle, textStyle_); }
STDMETHODIMP KxGetNumber::put_TextStyle(kxGCTextStyle TextStyle) {
    return Let(L"TextStyle", [&] {
        if (TextStyle < 0 || TextStyle > 3) throw Error(kErrInvalidPropertyValue);
        textStyle_ = TextStyle;
        ShowValue();
    });
}

STDMETHODIMP KxGetNumber::get_EnterNextTab(VARIANT_BOOL* EnterNextTab) { return Read(EnterNextTab, Bool(enterNextTab_)); }
STDMETHODIMP KxGetNumber::put_EnterNextTab(VARIANT_BOOL EnterNextTab) {
    return Let(L"EnterNextTab", [&] { enterNextTab_ = EnterNextTab != VARIANT_FALSE; });
}

}  // namespace kx
