#include "KxGetMask.h"

#include <windowsx.h>

#include <iterator>

#include "AboutBox.h"
#include "ClassicInput.h"
#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "FontViews.h"
#include "Handles.h"
#include "Rounding.h"
#include "TabKeystroke.h"
#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxGetMask";
constexpr int kNewWidthTwips = 1635;
constexpr int kNewHeightTwips = 255;
constexpr long kWindowColour = static_cast<long>(0x80000005);
constexpr long kWindowTextColour = static_cast<long>(0x80000008);
constexpr DISPID kCheckMaxValue = 1;
constexpr DISPID kChange = 2;
constexpr DISPID kKeyDown = 3;
constexpr DISPID kKeyPress = 4;
constexpr DISPID kKeyUp = 5;
constexpr DISPID kMouseDown = 6;
constexpr DISPID kMouseMove = 7;
constexpr DISPID kMouseUp = 8;
constexpr short kEnter = 13;
constexpr short kEscape = 27;
constexpr short kBackspace = 8;
constexpr long kByKeyboard = 0;
constexpr long kOnlyUpperCase = 1;
constexpr long kOnlyLowerCase = 2;
// The box's messages that the control answers first: edits that would change the text outside the mask, and
// the pointer.
constexpr UINT kBoxMessages[] = {WM_PASTE, WM_CUT, WM_CLEAR, WM_UNDO, EM_UNDO, WM_SETCURSOR};

VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

template <class T, class V>
HRESULT Read(T* out, V value) {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

std::u16string Utf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }
std::wstring OneCharacter(char16_t c) { return std::wstring(1, static_cast<wchar_t>(c)); }

VARIANT ByReference(LONG* value) {
    VARIANT v;
    v.vt = VT_BYREF | VT_I4;
    v.plVal = value;
    return v;
}
VARIANT ByReference(short* value) {
    VARIANT v;
    v.vt = VT_BYREF | VT_I2;
    v.piVal = value;
    return v;
}
VARIANT BooleanByReference(VARIANT_BOOL* value) {
    VARIANT v;
    v.vt = VT_BYREF | VT_BOOL;
    v.pboolVal = value;
    return v;
}

}  // namespace

KxGetMask::KxGetMask()
    : Control<_kxGetMask>(CLSID_kxGetMask, DIID___kxGetMask, kNewWidthTwips, kNewHeightTwips),
      backColor_(kWindowColour),
      foreColor_(kWindowTextColour),
      box_(Hwnd(), *this, static_cast<IOleObject*>(this), {}, {std::begin(kBoxMessages), std::end(kBoxMessages)}),
      boxMouse_({kMouseDown, kMouseMove, kMouseUp},
                [this](DISPID id, short& b, short& s, float& x, float& y) { RaiseMouseEvent(id, b, s, x, y); },
                [this](DISPID id) { RaiseEvent(id); }) {
    font_ = CreateDefaultFont();
    box_.SetFont(FontHandleOf(font_));
    ResetOwnFields();
    ApplyBorder();
    ApplyColours();
    box_.Place(0, 0, ScaleWidth(), ScaleHeight());
    RenderMask();
}

KxGetMask::~KxGetMask() {
    if (font_) font_->Release();
}

// --- life cycle ---

void KxGetMask::ResetOwnFields() {
    inputMask_ = L"0";
    value_.clear();
    assignedValue_.clear();
    chars_ = MaskCharacters();
    inputMode_ = kByKeyboard;
    useUpDownKey_ = false;
    enterNextTab_ = true;
}

void KxGetMask::InitProperties() {
    ResetOwnFields();
    IFontDisp* ambient = Ambient().Font();
    StoreFont(ambient);
    if (ambient) ambient->Release();
    RenderMask();
}

// The mask characters get their lets' rule (a stored empty or longer one would make texts that do not
// follow the mask); the value read is the point that Esc returns to.
void KxGetMask::ReadProperties(const PropertyReader& bag) {
    inputMask_ = bag.Text(L"InputMask", L"0");
    if (inputMask_.empty()) inputMask_ = L"0";
    value_ = bag.Text(L"Value", L"");
    assignedValue_ = value_;
    inputMode_ = bag.Long(L"InputMode", kByKeyboard);
    chars_.any = MaskCharacterOf(Utf16(bag.Text(L"FormatChar", L"@")), u'@');
    chars_.digit = MaskCharacterOf(Utf16(bag.Text(L"FormatNum", L"0")), u'0');
    chars_.anyShow = MaskCharacterOf(Utf16(bag.Text(L"FormatCharShow", L"_")), u'_');
    chars_.digitShow = MaskCharacterOf(Utf16(bag.Text(L"FormatNumShow", L"_")), u'_');
    appearance_ = bag.Long(L"Appearance", 1);
    backColor_ = bag.Long(L"BackColor", kWindowColour);
    borderStyle_ = bag.Long(L"BorderStyle", 1);
    InputTextBox::Style style = box_.GetStyle();
    style.enabled = bag.Boolean(L"Enabled", true);
    IFontDisp* font = ReadFontProperty(bag, L"Font");
    StoreFont(font);
    if (font) font->Release();
    foreColor_ = bag.Long(L"ForeColor", kWindowTextColour);
    style.locked = bag.Boolean(L"Locked", false);
    IPictureDisp* icon = bag.Picture(L"MouseIcon", nullptr);
    SetMouseIcon(icon);
    if (icon) icon->Release();
    SetMousePointer(static_cast<short>(bag.Long(L"MousePointer", 0)));
    style.rightToLeft = bag.Boolean(L"RightToLeft", false);
    SetRightToLeft(style.rightToLeft);
    style.alignment = bag.Long(L"Alignment", style.rightToLeft ? 1 : 0);
    const long selStart = bag.Long(L"SelStart", 0);
    useUpDownKey_ = bag.Boolean(L"UseUpDownKey", false);
    enterNextTab_ = bag.Boolean(L"EnterNextTab", true);
    box_.SetStyle(style);
    ApplyBorder();
    ApplyColours();
    RenderMask();
    box_.SetCaret(selStart < 0 ? 0 : selStart);
}

void KxGetMask::WriteProperties(const PropertyWriter& bag) {
    const InputTextBox::Style& style = box_.GetStyle();
    bag.Text(L"InputMask", inputMask_, L"0");
    bag.Text(L"Value", value_, L"");
    bag.Long(L"InputMode", inputMode_, kByKeyboard);
    bag.Text(L"FormatChar", OneCharacter(chars_.any), L"@");
    bag.Text(L"FormatNum", OneCharacter(chars_.digit), L"0");
    bag.Text(L"FormatCharShow", OneCharacter(chars_.anyShow), L"_");
    bag.Text(L"FormatNumShow", OneCharacter(chars_.digitShow), L"_");
    bag.Long(L"Alignment", style.alignment, style.rightToLeft ? 1 : 0);
    bag.Long(L"Appearance", appearance_, 1);
    bag.Long(L"BackColor", backColor_, kWindowColour);
    bag.Long(L"BorderStyle", borderStyle_, 1);
    bag.Boolean(L"Enabled", style.enabled, true);
    IFontDisp* ambient = Ambient().Font();
    bag.Font(L"Font", font_, ambient);
    if (ambient) ambient->Release();
    bag.Long(L"ForeColor", foreColor_, kWindowTextColour);
    bag.Boolean(L"Locked", style.locked, false);
    bag.Picture(L"MouseIcon", MouseIcon());
    bag.Long(L"MousePointer", MousePointer(), 0);
    bag.Boolean(L"RightToLeft", style.rightToLeft, false);
    bag.Long(L"SelStart", box_.Caret(), 0);
    bag.Boolean(L"UseUpDownKey", useUpDownKey_, false);
    bag.Boolean(L"EnterNextTab", enterNextTab_, true);
}

void KxGetMask::Resize() { box_.Place(0, 0, ScaleWidth(), ScaleHeight()); }

// For hosts that draw the control's view: the box as it shows.
void KxGetMask::Paint() {
    if (box_.Hwnd()) SendMessageW(box_.Hwnd(), WM_PRINT, reinterpret_cast<WPARAM>(Hdc()), PRF_CLIENT | PRF_ERASEBKGND);
}

void KxGetMask::Show() { RenderMask(); }

bool KxGetMask::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const bool fromBox = box_.Hwnd() && reinterpret_cast<HWND>(lParam) == box_.Hwnd();
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (!fromBox) return false;
            *result = box_.Colour(reinterpret_cast<HDC>(wParam));
            return true;
        case WM_COMMAND:
            if (!fromBox || HIWORD(wParam) != EN_CHANGE) return false;
            ReadMaskValue();
            RaiseEvent(kChange);
            *result = 0;
            return true;
        case WM_SETFOCUS:  // the box takes the keys
            if (box_.Hwnd()) SetFocus(box_.Hwnd());
            return false;
        default:
            return false;
    }
}

// --- the mask ---

MaskEngine KxGetMask::Engine() const { return MaskEngine(Utf16(inputMask_), chars_); }

MaskText KxGetMask::BoxState() const {
    const long caret = box_.Caret();
    return {Utf16(box_.Text()), static_cast<size_t>(caret < 0 ? 0 : caret)};
}

void KxGetMask::RenderMask() { box_.SetText(Wide(Engine().Render(Utf16(value_)))); }

void KxGetMask::ReadMaskValue() {
    const std::wstring value = Wide(Engine().ReadBack(Utf16(box_.Text())));
    if (value == value_) return;
    value_ = value;
    PropertyChanged(L"Value");
}

void KxGetMask::ShowKeyResult(const MaskText& state) {
    const std::wstring text = Wide(state.text);
    if (text != box_.Text()) box_.SetText(text);
    box_.SetCaret(static_cast<long>(state.caret));
    ReadMaskValue();
}

void KxGetMask::SetValue(const std::wstring& value) {
    value_ = value;
    assignedValue_ = value;
    PropertyChanged(L"Value");
    RenderMask();
}

// --- the box's keys ---

// KeyDown first, then the control acts on the key code as the host's handler left it; system keys go to the
// box untouched.
bool KxGetMask::BoxKeyDown(WPARAM& keyCode, bool systemKey) {
    if (systemKey) return false;
    short code = static_cast<short>(keyCode);
    short shift = ShiftState();
    RaiseKeyEvent(kKeyDown, code, shift);
    const bool locked = box_.GetStyle().locked;
    if (code == 0) return true;
    if (code == VK_DELETE && !locked) {
        ShowKeyResult(Engine().Delete(BoxState()));
        return true;
    }
    if ((code == VK_UP || code == VK_DOWN) && useUpDownKey_) {
        Spin(code == VK_UP);
        return true;
    }
    // Shift+Insert pastes and Shift+Delete cuts in the box itself.
    if ((code == VK_INSERT || code == VK_DELETE) && (shift & 1)) return true;
    keyCode = static_cast<WPARAM>(static_cast<unsigned short>(code));
    return false;
}

// KeyPress first; then Enter, Esc, the lock, Backspace and the typed key.
bool KxGetMask::BoxChar(WPARAM& character) {
    short keyAscii = AnsiKey(static_cast<wchar_t>(character));
    VARIANT arg = ByReference(&keyAscii);
    RaiseEvent(kKeyPress, &arg, 1);
    bool discarded = false;
    if (keyAscii == kEnter && enterNextTab_) {
        SendTabKeystroke();
        discarded = true;
    }
    const bool locked = box_.GetStyle().locked;
    if (keyAscii == kEscape && (useUpDownKey_ || !locked)) {
        SetValue(assignedValue_);
        return true;
    }
    if (locked) {
        character = CharOfAnsiKey(keyAscii);
        return discarded || character == 0;
    }
    const MaskEngine engine = Engine();
    if (keyAscii == kBackspace) ShowKeyResult(engine.Backspace(BoxState()));
    else ShowKeyResult(engine.TypeCharacter(BoxState(), static_cast<char16_t>(TypedCharacter(keyAscii))));
    return true;
}

void KxGetMask::BoxKeyUp(WPARAM keyCode, bool systemKey) {
    if (systemKey) return;
    short code = static_cast<short>(keyCode);
    short shift = ShiftState();
    RaiseKeyEvent(kKeyUp, code, shift);
}

wchar_t KxGetMask::TypedCharacter(short keyAscii) const {
    wchar_t c = CharOfAnsiKey(keyAscii);
    if (c && inputMode_ == kOnlyLowerCase) CharLowerBuffW(&c, 1);
    if (c && inputMode_ == kOnlyUpperCase) CharUpperBuffW(&c, 1);
    return c;
}

// Up or Down on the digit run at the caret, bounded by the host's CheckMaxValue handler.
void KxGetMask::Spin(bool up) {
    const MaskEngine engine = Engine();
    const MaskText state = BoxState();
    std::optional<SpinRequest> request = engine.BeginSpin(state, up);
    if (!request || !RaiseCheckMaxValue(*request)) return;
    ShowKeyResult({engine.FinishSpin(state.text, *request), state.caret});
}

// False when the run's place does not fit the event's Integer arguments.
bool KxGetMask::RaiseCheckMaxValue(SpinRequest& request) {
    if (!FitsInt16(request.startPos) || !FitsInt16(request.length)) return false;
    LONG maxValue = request.maxValue, minValue = request.minValue;
    LONG lastValue = request.lastValue, thisValue = request.thisValue;
    short startPos = static_cast<short>(request.startPos), length = static_cast<short>(request.length);
    VARIANT_BOOL reset = Bool(request.resetToZero);
    VARIANT args[] = {ByReference(&maxValue),  ByReference(&minValue), ByReference(&lastValue),
                      ByReference(&thisValue), ByReference(&startPos), ByReference(&length),
                      BooleanByReference(&reset)};
    RaiseEvent(kCheckMaxValue, args, 7);
    request = {maxValue, minValue, lastValue, thisValue, startPos, length, reset != VARIANT_FALSE};
    return true;
}

// The box refuses every edit that would change the text outside the mask; over its text it shows the
// control's pointer.
bool KxGetMask::BoxMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_SETCURSOR) return true;
    const bool pointerSet = LOWORD(lParam) == HTCLIENT &&
                            SendMessageW(Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Hwnd()), lParam) != FALSE;
    result = pointerSet ? TRUE : FALSE;
    return pointerSet;
}

// --- the box's mouse: the classic order MouseDown, MouseUp, Click; DblClick in place of the second MouseDown ---

void KxGetMask::BoxMouse(UINT message, WPARAM keys, LPARAM position) {
    RECT client = {};
    GetClientRect(box_.Hwnd(), &client);
    const POINT at = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    boxMouse_.Handle(message, keys, static_cast<float>(at.x), static_cast<float>(at.y), PtInRect(&client, at) != FALSE);
}

// --- the surface ---

// Fixed: a sunken edge in 3-D, a line when flat.
void KxGetMask::ApplyBorder() {
    const HWND window = Hwnd();
    if (!window) return;
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    if (borderStyle_ == 1) {
        if (appearance_ == 1) exStyle |= WS_EX_CLIENTEDGE;
        else style |= WS_BORDER;
    }
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void KxGetMask::ApplyColours() {
    const auto back = static_cast<COLORREF>(TranslateOleColor(backColor_));
    const auto fore = static_cast<COLORREF>(TranslateOleColor(foreColor_));
    Surface().SetBackColor(back);
    box_.SetColours(back, fore);
}

void KxGetMask::StoreFont(IFontDisp* font) {
    if (!font) return;
    font->AddRef();
    if (font_) font_->Release();
    font_ = font;
    box_.SetFont(FontHandleOf(font_));
}

// --- members ---

// The common let: the change, then the report to the host under the property's name.
template <class Body>
HRESULT KxGetMask::Let(const wchar_t* name, Body body) {
    return Guard(kSource, [&] {
        body();
        PropertyChanged(name);
    });
}

HRESULT KxGetMask::LetMaskCharacter(char16_t& field, BSTR given, char16_t fallback, const wchar_t* name) {
    return Let(name, [&] {
        field = MaskCharacterOf(Utf16(FromBstr(given)), fallback);
        RenderMask();
    });
}

template <class Change>
HRESULT KxGetMask::LetBoxStyle(const wchar_t* name, Change change) {
    return Let(name, [&] {
        InputTextBox::Style style = box_.GetStyle();
        change(style);
        box_.SetStyle(style);
    });
}

STDMETHODIMP KxGetMask::get_InputMask(BSTR* InputMask) {
    return Guard(kSource, [&] { AssignBstr(InputMask, inputMask_); });
}
STDMETHODIMP KxGetMask::put_InputMask(BSTR InputMask) {
    return Let(L"InputMask", [&] {
        inputMask_ = Wide(StoredInputMask(Utf16(FromBstr(InputMask)), chars_));
        RenderMask();
    });
}

STDMETHODIMP KxGetMask::get_Value(BSTR* Value) {
    return Guard(kSource, [&] { AssignBstr(Value, TrimBlanks(value_)); });
}
STDMETHODIMP KxGetMask::put_Value(BSTR Value) {
    return Guard(kSource, [&] { SetValue(FromBstr(Value)); });
}

STDMETHODIMP KxGetMask::get_InputMode(kxGmInputMode* InputMode) { return Read(InputMode, inputMode_); }
STDMETHODIMP KxGetMask::put_InputMode(kxGmInputMode InputMode) {
    return Let(L"InputMode", [&] { inputMode_ = InputMode; });
}

STDMETHODIMP KxGetMask::get_FormatChar(BSTR* FormatChar) {
    return Guard(kSource, [&] { AssignBstr(FormatChar, OneCharacter(chars_.any)); });
}
STDMETHODIMP KxGetMask::put_FormatChar(BSTR FormatChar) {
    return LetMaskCharacter(chars_.any, FormatChar, u'@', L"FormatChar");
}

STDMETHODIMP KxGetMask::get_FormatNum(BSTR* FormatNum) {
    return Guard(kSource, [&] { AssignBstr(FormatNum, OneCharacter(chars_.digit)); });
}
STDMETHODIMP KxGetMask::put_FormatNum(BSTR FormatNum) {
    return LetMaskCharacter(chars_.digit, FormatNum, u'0', L"FormatNum");
}

STDMETHODIMP KxGetMask::get_FormatCharShow(BSTR* FormatCharShow) {
    return Guard(kSource, [&] { AssignBstr(FormatCharShow, OneCharacter(chars_.anyShow)); });
}
STDMETHODIMP KxGetMask::put_FormatCharShow(BSTR FormatCharShow) {
    return LetMaskCharacter(chars_.anyShow, FormatCharShow, u'_', L"FormatCharShow");
}

STDMETHODIMP KxGetMask::get_FormatNumShow(BSTR* FormatNumShow) {
    return Guard(kSource, [&] { AssignBstr(FormatNumShow, OneCharacter(chars_.digitShow)); });
}
STDMETHODIMP KxGetMask::put_FormatNumShow(BSTR FormatNumShow) {
    return LetMaskCharacter(chars_.digitShow, FormatNumShow, u'_', L"FormatNumShow");
}

STDMETHODIMP KxGetMask::get_Alignment(LONG* Alignment) { return Read(Alignment, box_.GetStyle().alignment); }
STDMETHODIMP KxGetMask::put_Alignment(LONG Alignment) {
    return LetBoxStyle(L"Alignment", [&](InputTextBox::Style& s) {
        if (Alignment < 0 || Alignment > 2) throw Error(kErrInvalidPropertyValue);
        s.alignment = Alignment;
    });
}

STDMETHODIMP KxGetMask::get_Appearance(kxGmAppearance* Appearance) { return Read(Appearance, appearance_); }
STDMETHODIMP KxGetMask::put_Appearance(kxGmAppearance Appearance) {
    return Let(L"Appearance", [&] {
        appearance_ = Appearance;
        ApplyBorder();
    });
}

STDMETHODIMP KxGetMask::get_BackColor(OLE_COLOR* BackColor) { return Read(BackColor, backColor_); }
STDMETHODIMP KxGetMask::put_BackColor(OLE_COLOR BackColor) {
    return Let(L"BackColor", [&] {
        backColor_ = static_cast<long>(BackColor);
        ApplyColours();
    });
}

STDMETHODIMP KxGetMask::get_BorderStyle(kxGmBorderStyle* BorderStyle) { return Read(BorderStyle, borderStyle_); }
STDMETHODIMP KxGetMask::put_BorderStyle(kxGmBorderStyle BorderStyle) {
    return Let(L"BorderStyle", [&] {
        borderStyle_ = BorderStyle;
        ApplyBorder();
    });
}

STDMETHODIMP KxGetMask::get_Enabled(VARIANT_BOOL* Enabled) { return Read(Enabled, Bool(box_.GetStyle().enabled)); }
STDMETHODIMP KxGetMask::put_Enabled(VARIANT_BOOL Enabled) {
    return LetBoxStyle(L"Enabled", [&](InputTextBox::Style& s) { s.enabled = Enabled != VARIANT_FALSE; });
}

STDMETHODIMP KxGetMask::get_Font(IFontDisp** Font) {
    return Guard(kSource, [&] {
        if (!Font) throw Error(kErrInvalidCall);
        *Font = font_;
        if (font_) font_->AddRef();
    });
}
STDMETHODIMP KxGetMask::putref_Font(IFontDisp* Font) {
    return Let(L"Font", [&] {
        if (!Font) throw Error(kErrInvalidPropertyValue);
        IFontDisp* own = CloneFont(Font);  // the box's font, not shared with the caller's object
        StoreFont(own ? own : Font);
        if (own) own->Release();
    });
}

HRESULT KxGetMask::LetFontView(const wchar_t* name, void (*write)(IFontDisp*, bool), VARIANT_BOOL value) {
    return Let(name, [&] {
        write(font_, value != VARIANT_FALSE);
        box_.SetFont(FontHandleOf(font_));
    });
}

#define KX_MASK_FONT_FLAG(Name, Get, Put)                                                                  \
    STDMETHODIMP KxGetMask::get_##Name(VARIANT_BOOL* out) {                                              \
        return Guard(kSource, [&] {                                                                      \
            if (!out) throw Error(kErrInvalidCall);                                                      \
            *out = Bool(ReadFontFlag(font_, &IFont::Get));                                               \
        });                                                                                              \
    }                                                                                                    \
    STDMETHODIMP KxGetMask::put_##Name(VARIANT_BOOL value) {                                             \
        return LetFontView(L## #Name, [](IFontDisp* f, bool v) { WriteFontFlag(f, &IFont::Put, v); }, value); \
    }

KX_MASK_FONT_FLAG(FontBold, get_Bold, put_Bold)
KX_MASK_FONT_FLAG(FontItalic, get_Italic, put_Italic)
KX_MASK_FONT_FLAG(FontStrikethru, get_Strikethrough, put_Strikethrough)
KX_MASK_FONT_FLAG(FontUnderline, get_Underline, put_Underline)
#undef KX_MASK_FONT_FLAG

STDMETHODIMP KxGetMask::get_FontName(BSTR* FontName) {
    return Guard(kSource, [&] { AssignBstr(FontName, ReadFontName(font_)); });
}
STDMETHODIMP KxGetMask::put_FontName(BSTR FontName) {
    return Let(L"FontName", [&] {
        WriteFontName(font_, FromBstr(FontName));
        box_.SetFont(FontHandleOf(font_));
    });
}

STDMETHODIMP KxGetMask::get_FontSize(FLOAT* FontSize) {
    return Guard(kSource, [&] {
        if (!FontSize) throw Error(kErrInvalidCall);
        *FontSize = ReadFontSize(font_);
    });
}
STDMETHODIMP KxGetMask::put_FontSize(FLOAT FontSize) {
    return Let(L"FontSize", [&] {
        WriteFontSize(font_, FontSize);
        box_.SetFont(FontHandleOf(font_));
    });
}

STDMETHODIMP KxGetMask::get_ForeColor(OLE_COLOR* ForeColor) { return Read(ForeColor, foreColor_); }
STDMETHODIMP KxGetMask::put_ForeColor(OLE_COLOR ForeColor) {
    return Let(L"ForeColor", [&] {
        foreColor_ = static_cast<long>(ForeColor);
        ApplyColours();
    });
}

STDMETHODIMP KxGetMask::get_hdc(LONG* hdc) { return Read(hdc, LongFromHandle(Hdc())); }

STDMETHODIMP KxGetMask::get_Locked(VARIANT_BOOL* Locked) { return Read(Locked, Bool(box_.GetStyle().locked)); }
STDMETHODIMP KxGetMask::put_Locked(VARIANT_BOOL Locked) {
    return LetBoxStyle(L"Locked", [&](InputTextBox::Style& s) { s.locked = Locked != VARIANT_FALSE; });
}

STDMETHODIMP KxGetMask::get_MouseIcon(IPictureDisp** MouseIcon) {
    return Guard(kSource, [&] {
        if (!MouseIcon) throw Error(kErrInvalidCall);
        *MouseIcon = ControlBase::MouseIcon();
        if (*MouseIcon) (*MouseIcon)->AddRef();
    });
}
STDMETHODIMP KxGetMask::putref_MouseIcon(IPictureDisp* MouseIcon) {
    return Let(L"MouseIcon", [&] { SetMouseIcon(MouseIcon); });
}

STDMETHODIMP KxGetMask::get_MousePointer(LONG* MousePointer) {
    return Read(MousePointer, ControlBase::MousePointer());
}
STDMETHODIMP KxGetMask::put_MousePointer(LONG MousePointer) {
    return Let(L"MousePointer", [&] { SetMousePointer(static_cast<short>(MousePointer)); });
}

STDMETHODIMP KxGetMask::get_RightToLeft(VARIANT_BOOL* RightToLeft) {
    return Read(RightToLeft, Bool(box_.GetStyle().rightToLeft));
}
STDMETHODIMP KxGetMask::put_RightToLeft(VARIANT_BOOL RightToLeft) {
    return LetBoxStyle(L"RightToLeft", [&](InputTextBox::Style& s) {
        s.rightToLeft = RightToLeft != VARIANT_FALSE;
        SetRightToLeft(s.rightToLeft);
    });
}

STDMETHODIMP KxGetMask::get_SelStart(LONG* SelStart) { return Read(SelStart, box_.Caret()); }
STDMETHODIMP KxGetMask::put_SelStart(LONG SelStart) {
    return Let(L"SelStart", [&] {
        if (SelStart < 0) throw Error(kErrInvalidPropertyValue);
        box_.SetCaret(SelStart);
    });
}

STDMETHODIMP KxGetMask::get_Text(BSTR* Text) {
    return Guard(kSource, [&] { AssignBstr(Text, box_.Text()); });
}

STDMETHODIMP KxGetMask::get_UseUpDownKey(VARIANT_BOOL* UseUpDownKey) { return Read(UseUpDownKey, Bool(useUpDownKey_)); }
STDMETHODIMP KxGetMask::put_UseUpDownKey(VARIANT_BOOL UseUpDownKey) {
    return Let(L"UseUpDownKey", [&] { useUpDownKey_ = UseUpDownKey != VARIANT_FALSE; });
}

STDMETHODIMP KxGetMask::get_EnterNextTab(VARIANT_BOOL* EnterNextTab) { return Read(EnterNextTab, Bool(enterNextTab_)); }
STDMETHODIMP KxGetMask::put_EnterNextTab(VARIANT_BOOL EnterNextTab) {
    return Let(L"EnterNextTab", [&] { enterNextTab_ = EnterNextTab != VARIANT_FALSE; });
}

STDMETHODIMP KxGetMask::About() {
    return Guard(kSource, [&] { ShowAboutBox(L"Get Mask"); });
}

}  // namespace kx
