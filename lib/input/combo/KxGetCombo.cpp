#include "KxGetCombo.h"

#include <windowsx.h>

#include "AboutBox.h"
#include "ClassicInput.h"
#include "ClassicRuntime.h"
#include "ComboDropDown.h"
#include "ComboLookup.h"
#include "ComboPropertyPages.h"
#include "DrawingModule.h"
#include "DropButtonPainter.h"
#include "ErrorInfo.h"
#include "FontViews.h"
#include "LateBinding.h"
#include "RecordSource.h"
#include "TabKeystroke.h"
#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxGetCombo";
constexpr int kNewWidthTwips = 1455;
constexpr int kNewHeightTwips = 255;
constexpr long kWindowColour = static_cast<long>(0x80000005);
constexpr long kButtonTextColour = static_cast<long>(0x80000012);
constexpr long kHighlight = static_cast<long>(0x8000000D);
constexpr long kHighlightText = static_cast<long>(0x8000000E);
constexpr DISPID kChange = 1;
constexpr short kEnter = 13;
constexpr short kDownKey = 40;
constexpr short kAltOnly = 4;
constexpr long kTextNone = 0;
constexpr long kOnlyStringValue = 2;
constexpr long kSimpleCombo = 1;
constexpr int kErrGeneral = 1;

VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

template <class T, class V>
HRESULT Read(T* out, V value) {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

COLORREF Colour(long oleColour) { return static_cast<COLORREF>(TranslateOleColor(oleColour)); }

// A mouse pointer picture must be an icon (or none).
bool IsPointerPicture(IPictureDisp* picture) {
    if (!picture) return true;
    IPicture* object = nullptr;
    short type = PICTYPE_UNINITIALIZED;
    if (SUCCEEDED(picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&object)))) {
        object->get_Type(&type);
        object->Release();
    }
    return type == PICTYPE_ICON || type == PICTYPE_NONE;
}

std::wstring SlotText(BSTR text) { return FromBstr(text); }

}  // namespace

KxGetCombo::KxGetCombo()
    : StandardControl<_kxGetCombo>(CLSID_kxGetCombo, DIID___kxGetCombo, kNewWidthTwips, kNewHeightTwips),
      backColor_(kWindowColour),
      foreColor_(kButtonTextColour),
      box_(Hwnd(), *this, static_cast<IOleObject*>(this), {}),
      button_(kComboDropButton),
      boxMouse_({DISPID_MOUSEDOWN, DISPID_MOUSEMOVE, DISPID_MOUSEUP},
                [this](DISPID id, short& b, short& s, float& x, float& y) { RaiseMouseEvent(id, b, s, x, y); },
                [this](DISPID id) { RaiseEvent(id); }) {
    VariantInit(&value_);
    value_.vt = VT_I2;
    value_.iVal = 0;
    label_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_NOTIFY | SS_LEFTNOWORDWRAP, 0, 0, 0, 0, Hwnd(), nullptr,
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Hwnd(), GWLP_HINSTANCE)), nullptr);
    IFontDisp* font = CreateDefaultFont();
    StoreFont(font);
    if (font) font->Release();
    ApplyBorder();
    ApplyAppearance();
    Layout();
}

KxGetCombo::~KxGetCombo() {
    VariantClear(&value_);
    if (labelBrush_) DeleteObject(labelBrush_);
}

void KxGetCombo::Terminate() {
    dropDown_.reset();
    if (source_) source_->Release();
    source_ = nullptr;
}

// --- life cycle ---

void KxGetCombo::ResetOwnFields() {
    VariantClear(&value_);
    value_.vt = VT_I2;
    value_.iVal = 0;
    enabled_ = true;
    locked_ = false;
    style_ = 0;
    enterNextTab_ = true;
    textStyle_ = 1;
    keyField_.clear();
    showField_.clear();
}

void KxGetCombo::InitProperties() {
    ResetOwnFields();
    IFontDisp* ambient = Ambient().Font();
    StoreFont(ambient);
    if (ambient) ambient->Release();
    ApplyAppearance();
    Layout();
}

void KxGetCombo::ReadProperties(const PropertyReader& bag) {
    const bool ambientRtl = Ambient().RightToLeft();
    alignment_ = bag.Long(L"Alignment", ambientRtl ? 2 : 1);
    SetRightToLeft(bag.Boolean(L"RightToLeft", ambientRtl));
    enabled_ = bag.Boolean(L"Enabled", true);
    locked_ = bag.Boolean(L"Locked", false);
    backColor_ = bag.Long(L"BackColor", kWindowColour);
    borderStyle_ = bag.Long(L"BorderStyle", 1);
    IFontDisp* font = ReadFontProperty(bag, L"Font");
    StoreFont(font);
    if (font) font->Release();
    foreColor_ = bag.Long(L"ForeColor", kButtonTextColour);
    IPictureDisp* icon = bag.Picture(L"MouseIcon", nullptr);
    if (IsPointerPicture(icon)) SetMouseIcon(icon);  // a refused picture is passed over
    if (icon) icon->Release();
    SetMousePointer(static_cast<short>(bag.Long(L"MousePointer", 0)));
    wordWrap_ = bag.Boolean(L"WordWrap", false);
    style_ = bag.Long(L"Style", 0);
    enterNextTab_ = bag.Boolean(L"EnterNextTab", true);
    VariantClear(&value_);
    const std::wstring text = bag.Text(L"Value", L"0");
    value_.vt = VT_BSTR;
    value_.bstrVal = SysAllocString(text.c_str());
    textStyle_ = bag.Long(L"TextStyle", 1);
    box_.SetText(text);  // a change takes the text as Value, reports it and looks it up
    keyField_ = bag.Text(L"KeyField", L"");
    showField_ = bag.Text(L"ShowField", L"");
    ApplyBorder();
    ApplyAppearance();
    Layout();
    for (int n = 0; n < ColumnList::kSlots; ++n) {
        const std::wstring index = std::to_wstring(n);
        columns_.Set(n, {bag.Text((L"ListName" + index).c_str(), L""), bag.Text((L"ListCaption" + index).c_str(), L""),
                         bag.Text((L"ListWidth" + index).c_str(), std::to_wstring(ColumnList::kDefaultWidth))});
    }
}

void KxGetCombo::WriteProperties(const PropertyWriter& bag) {
    const bool ambientRtl = Ambient().RightToLeft();
    bag.Text(L"Value", ToText(value_), L"0");  // as the text it shows, which is what loading takes in
    bag.Long(L"Alignment", alignment_, ambientRtl ? 2 : 1);
    bag.Boolean(L"RightToLeft", RightToLeft(), ambientRtl);
    bag.Boolean(L"Enabled", enabled_, true);
    bag.Boolean(L"Locked", locked_, false);
    bag.Long(L"BackColor", backColor_, kWindowColour);
    bag.Long(L"BorderStyle", borderStyle_, 1);
    IFontDisp* ambient = Ambient().Font();
    bag.Font(L"Font", Font(), ambient);
    if (ambient) ambient->Release();
    // The font shortcuts are written against defaults they never have and are never read back.
    bag.Boolean(L"FontBold", ReadFontFlag(Font(), &IFont::get_Bold), false);
    bag.Boolean(L"FontItalic", ReadFontFlag(Font(), &IFont::get_Italic), false);
    bag.Text(L"FontName", ReadFontName(Font()), L"");
    bag.Single(L"FontSize", ReadFontSize(Font()), 0);
    bag.Boolean(L"FontStrikethru", ReadFontFlag(Font(), &IFont::get_Strikethrough), false);
    bag.Boolean(L"FontUnderline", ReadFontFlag(Font(), &IFont::get_Underline), false);
    bag.Long(L"ForeColor", foreColor_, kButtonTextColour);
    bag.Picture(L"MouseIcon", MouseIcon());
    bag.Long(L"MousePointer", MousePointer(), 0);
    bag.Boolean(L"WordWrap", wordWrap_, false);
    bag.Long(L"Style", style_, 0);
    bag.Boolean(L"EnterNextTab", enterNextTab_, true);
    bag.Long(L"TextStyle", textStyle_, 1);
    bag.Text(L"KeyField", keyField_, L"");
    bag.Text(L"ShowField", showField_, L"");
    columns_.Compact();
    for (int n = 0; n < ColumnList::kSlots; ++n) {
        const std::wstring index = std::to_wstring(n);
        const ColumnSlot& slot = columns_.At(n);
        bag.Text((L"ListName" + index).c_str(), slot.name, L"");
        bag.Text((L"ListCaption" + index).c_str(), slot.caption, L"");
        bag.Text((L"ListWidth" + index).c_str(), slot.width, std::to_wstring(ColumnList::kDefaultWidth));
    }
}

void KxGetCombo::Resize() {
    ShowToolTip(Ambient().ExtenderText(L"ToolTipText"));
    Layout();
    RunRefresh(false);
}

std::vector<CLSID> KxGetCombo::PropertyPages() const { return {CLSID_prpGetComoboList, CLSID_prpFields}; }

const wchar_t* KxGetCombo::ErrorSource() const { return kSource; }

void KxGetCombo::ShortcutFontChanged() { ApplyAppearance(); }

void KxGetCombo::RightToLeftChanged() {
    ApplyAppearance();
    Layout();
    RunRefresh(false);
}

// --- the lookup and the display modes ---

void KxGetCombo::BoxChanged() {
    const std::wstring text = box_.Text();
    VariantClear(&value_);
    value_.vt = VT_BSTR;
    value_.bstrVal = SysAllocString(text.c_str());
    PropertyChanged(L"Value");
    RaiseEvent(kChange);
    RunRefresh(false);
}

void KxGetCombo::RunRefresh(bool passErrors) {
    const std::wstring text = ToText(value_);
    if (text != box_.Text()) box_.SetText(text);
    LookUp(passErrors);
}

void KxGetCombo::LookUp(bool passErrors) {
    if (textStyle_ == kTextNone) {
        ShowLabel(false);
        return;
    }
    std::wstring caption;
    if (source_) {
        IDispatch* source = source_;
        source->AddRef();
        try {
            // A load of the grid under way (the source called back) keeps its place in the records.
            if (dropDown_ && dropDown_->Loading()) caption = LookUpKeepingPlace(source);
            else caption = LookUpShownText(source, keyField_, showField_, box_.Text());
        } catch (const Error&) {
            source->Release();
            SetWindowTextW(label_, L"");
            if (passErrors) throw;
            return;
        }
        source->Release();
    }
    SetWindowTextW(label_, caption.c_str());
    // The focused text box stays while it is typed into; the label takes its place when the focus goes.
    if (GetFocus() != box_.Hwnd()) ShowLabel(true);
}

std::wstring KxGetCombo::LookUpKeepingPlace(IDispatch* source) {
    const RecordSource records(source);
    OwnedVariant place;
    records.Bookmark(place);
    const std::wstring caption = LookUpShownText(source, keyField_, showField_, box_.Text());
    records.SetBookmark(*place);
    return caption;
}

void KxGetCombo::ShowLabel(bool show) {
    if (show) {
        ShowWindow(label_, SW_SHOWNA);
        ShowWindow(box_.Hwnd(), SW_HIDE);
    } else {
        ShowWindow(box_.Hwnd(), SW_SHOWNA);
        ShowWindow(label_, SW_HIDE);
    }
}

bool KxGetCombo::OwnsWindow(HWND window) const { return window && (window == Hwnd() || IsChild(Hwnd(), window)); }

void KxGetCombo::GotFocus() {
    if (textStyle_ == kOnlyStringValue) {
        labelBack_ = Colour(kHighlight);
        labelFore_ = Colour(kHighlightText);
        ApplyLabelStyle();
        ShowLabel(true);
        focusMark_ = true;
        Layout();
        return;
    }
    ShowLabel(false);
    SetFocus(box_.Hwnd());
}

void KxGetCombo::LeaveControl() {
    if (textStyle_ != kTextNone) {
        ShowLabel(true);
        labelBack_ = box_.Back();
        labelFore_ = box_.Fore();
        ApplyLabelStyle();
    }
    if (focusMark_) {
        focusMark_ = false;
        Layout();
    }
    RunRefresh(false);
}

void KxGetCombo::BoxFocus(bool gained, HWND other) {
    if (gained) {
        box_.SelectAll();
        return;
    }
    if (!OwnsWindow(other)) LeaveControl();
}

// --- appearance and layout ---

void KxGetCombo::ApplyAppearance() {
    HFONT font = FontHandleOf(Font());
    box_.SetFont(font);
    if (label_) SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Surface().SetBackColor(Colour(backColor_));
    box_.SetColours(Colour(backColor_), Colour(foreColor_));
    ApplyBoxStyle();
    ShowToolTip(toolTips_.Text());  // onto a text box made anew
    if (!focusMark_) {
        labelBack_ = Colour(backColor_);
        labelFore_ = Colour(foreColor_);
    }
    ApplyLabelStyle();
}

void KxGetCombo::ApplyBoxStyle() {
    box_.SetStyle({alignment_ == 2 ? 2 : alignment_ == 1 ? 1 : 0, RightToLeft(), locked_, enabled_});
}

// The label takes the text box's alignment and direction; word wrap as set.
void KxGetCombo::ApplyLabelStyle() {
    if (!label_) return;
    LONG_PTR style = GetWindowLongPtrW(label_, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    style |= alignment_ == 2 ? SS_CENTER : alignment_ == 1 ? SS_RIGHT : wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
    SetWindowLongPtrW(label_, GWL_STYLE, style);
    LONG_PTR exStyle = GetWindowLongPtrW(label_, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_RTLREADING);
    if (RightToLeft()) exStyle |= WS_EX_RTLREADING;
    SetWindowLongPtrW(label_, GWL_EXSTYLE, exStyle);
    EnableWindow(label_, enabled_);
    if (labelBrush_) DeleteObject(labelBrush_);
    labelBrush_ = CreateSolidBrush(labelBack_);
    InvalidateRect(label_, nullptr, TRUE);
}

void KxGetCombo::ApplyBorder() {
    LONG_PTR exStyle = GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    if (borderStyle_ == 1) exStyle |= WS_EX_CLIENTEDGE;
    SetWindowLongPtrW(Hwnd(), GWL_EXSTYLE, exStyle);
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The drop button and the text box, the label over the text box; the focus mark around the label.
void KxGetCombo::Layout() {
    Cls();
    const DropLayout layout =
        button_.Place(ScaleWidth(), ScaleHeight(), DropButtonWidth(), RightToLeft(), style_ == kSimpleCombo);
    const int inset = focusMark_ ? 1 : 0;
    box_.Place(layout.textLeft, 0, layout.textWidth, layout.textHeight);
    MoveWindow(label_, layout.textLeft + inset, inset, layout.textWidth - 2 * inset, layout.textHeight - 2 * inset,
               TRUE);
    if (layout.hasButton) PaintButton(enabled_ ? DropButtonFace::Normal : DropButtonFace::Inactive);
    if (focusMark_) {
        RECT mark = {layout.textLeft, 0, layout.textLeft + layout.textWidth, layout.textHeight};
        DrawFocusRect(Hdc(), &mark);
        ShowSurface();
    }
}

void KxGetCombo::PaintButton(DropButtonFace face) {
    PaintDropButton(Hdc(), button_.Rect(), face);
    ShowSurface();
}

void KxGetCombo::ShowToolTip(const std::wstring& text) { toolTips_.Show(text, {box_.Hwnd(), label_}); }

void KxGetCombo::StoreFont(IFontDisp* font) {
    if (font) SetFont(font);
    ApplyAppearance();
}

// --- the drop-down ---

ComboDropDown& KxGetCombo::EnsureDropDown() {
    if (!dropDown_) {
        dropDown_ = std::make_unique<ComboDropDown>(static_cast<ComboGridOwner&>(*this));
        dropDown_->SetDataSource(source_);
    }
    return *dropDown_;
}

void KxGetCombo::OpenDropDown(bool fromKeyboard) {
    if (fromKeyboard && (!enabled_ || locked_)) return;
    ShowComboCombo();
}

// --- the text box's input ---

bool KxGetCombo::BoxKeyDown(WPARAM& keyCode, bool) {
    short code = static_cast<short>(keyCode);
    short shift = ShiftState();
    RaiseKeyEvent(DISPID_KEYDOWN, code, shift);
    if (code == kDownKey && shift == kAltOnly) {
        OpenDropDown(true);
        return true;
    }
    keyCode = static_cast<WPARAM>(static_cast<unsigned short>(code));
    return code == 0;
}

bool KxGetCombo::BoxChar(WPARAM& character) {
    if (character != kEnter || !enterNextTab_) return false;
    SendTabKeystroke();
    return true;
}

// A released system key raises no KeyUp.
void KxGetCombo::BoxKeyUp(WPARAM keyCode, bool systemKey) {
    if (systemKey) return;
    short code = static_cast<short>(keyCode);
    short shift = ShiftState();
    RaiseKeyEvent(DISPID_KEYUP, code, shift);
}

// The box's mouse events with X relative to the control.
void KxGetCombo::BoxMouse(UINT message, WPARAM keys, LPARAM position) {
    RECT box = {};
    GetClientRect(box_.Hwnd(), &box);
    const POINT at = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    const bool inside = PtInRect(&box, at) != FALSE;
    MapWindowPoints(box_.Hwnd(), Hwnd(), reinterpret_cast<POINT*>(&box), 2);
    boxMouse_.Handle(message, keys, static_cast<float>(at.x + box.left), static_cast<float>(at.y), inside);
}

// --- the surface: the drop button ---

void KxGetCombo::MouseDown(short button, short shift, float x, float y) {
    RaiseMouseEvent(DISPID_MOUSEDOWN, button, shift, x, y);
    if (const auto face = button_.Press(button, static_cast<long>(x), enabled_, locked_)) {
        Cls();
        PaintButton(*face);
    }
}

void KxGetCombo::MouseMove(short button, short shift, float x, float y) {
    RaiseMouseEvent(DISPID_MOUSEMOVE, button, shift, x, y);
}

void KxGetCombo::MouseUp(short button, short shift, float x, float y) {
    RaiseMouseEvent(DISPID_MOUSEUP, button, shift, x, y);
    const DropButton::Released released = button_.Release(button, static_cast<long>(x), enabled_, locked_);
    if (released.face) {
        Cls();
        PaintButton(*released.face);
    }
    if (released.open) ShowComboCombo();
}

void KxGetCombo::Click() { RaiseEvent(DISPID_CLICK); }
void KxGetCombo::DblClick() { RaiseEvent(DISPID_DBLCLICK); }

void KxGetCombo::KeyDown(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYDOWN, keyCode, shift); }

void KxGetCombo::KeyPress(short keyAscii) {
    VARIANT arg;
    arg.vt = VT_BYREF | VT_I2;
    arg.piVal = &keyAscii;
    RaiseEvent(DISPID_KEYPRESS, &arg, 1);
    if (keyAscii == kEnter && enterNextTab_) SendTabKeystroke();
}

void KxGetCombo::KeyUp(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYUP, keyCode, shift); }

bool KxGetCombo::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    switch (message) {
        case WM_CTLCOLOREDIT:
            if (from != box_.Hwnd()) return false;
            *result = box_.Colour(reinterpret_cast<HDC>(wParam));
            return true;
        case WM_CTLCOLORSTATIC:
            if (from == box_.Hwnd()) {
                *result = box_.Colour(reinterpret_cast<HDC>(wParam));
                return true;
            }
            if (from != label_) return false;
            SetTextColor(reinterpret_cast<HDC>(wParam), labelFore_);
            SetBkColor(reinterpret_cast<HDC>(wParam), labelBack_);
            *result = reinterpret_cast<LRESULT>(labelBrush_);
            return true;
        case WM_COMMAND:
            if (from == box_.Hwnd() && HIWORD(wParam) == EN_CHANGE) {
                BoxChanged();
            } else if (from == label_ && HIWORD(wParam) == STN_CLICKED) {
                RaiseEvent(DISPID_CLICK);
            } else if (from == label_ && HIWORD(wParam) == STN_DBLCLK) {
                RaiseEvent(DISPID_DBLCLICK);
            } else {
                return false;
            }
            *result = 0;
            return true;
        case WM_KILLFOCUS:  // the surface had it (the label stood in): the control is left unless a child takes it
            if (!OwnsWindow(reinterpret_cast<HWND>(wParam))) LeaveControl();
            return false;
        default:
            return false;
    }
}

// --- members ---

template <class Body>
HRESULT KxGetCombo::Let(const wchar_t* name, Body body) {
    return Guard(kSource, [&] {
        body();
        PropertyChanged(name);
    });
}

STDMETHODIMP KxGetCombo::get_OneTimeLoaded(VARIANT_BOOL* OneTimeLoaded) {
    return Read(OneTimeLoaded, Bool(oneTimeLoaded_));
}
STDMETHODIMP KxGetCombo::put_OneTimeLoaded(VARIANT_BOOL OneTimeLoaded) {
    oneTimeLoaded_ = OneTimeLoaded != VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP KxGetCombo::get_Value(VARIANT* Value) {
    return Guard(kSource, [&] {
        if (!Value) throw Error(kErrInvalidCall);
        VariantInit(Value);
        if (FAILED(VariantCopy(Value, &value_))) throw Error(kErrOutOfMemory);
    });
}
STDMETHODIMP KxGetCombo::put_Value(VARIANT Value) {
    AddRef();  // a host's handler may let the control go during the lookup
    const HRESULT hr = Guard(kSource, [&] {
        const VARIANT& given = Deref(Value);
        if ((given.vt & VT_ARRAY) || given.vt == VT_DISPATCH || given.vt == VT_UNKNOWN) throw Error(kErrTypeMismatch);
        ToText(given);  // a value that has no text is refused before it is stored
        VariantClear(&value_);
        VariantCopy(&value_, const_cast<VARIANT*>(&given));
        PropertyChanged(L"Value");
        RunRefresh(true);
    });
    Release();
    return hr;
}

STDMETHODIMP KxGetCombo::ShowComboCombo() {
    AddRef();
    const HRESULT hr = Guard(kSource, [&] {
        if (!source_ || keyField_.empty()) return;
        try {
            if (RecordSource(source_).RecordCount() <= 0) return;
        } catch (const Error&) {
            return;
        }
        ComboDropDown& dropDown = EnsureDropDown();
        dropDown.SetDataSource(source_);
        dropDown.SetKeyField(keyField_);
        dropDown.Open(Hwnd());
    });
    Release();
    return hr;
}

STDMETHODIMP KxGetCombo::get_Alignment(LONG* Alignment) { return Read(Alignment, alignment_); }
STDMETHODIMP KxGetCombo::put_Alignment(LONG Alignment) {
    return Let(L"Alignment", [&] {
        if (Alignment < 0 || Alignment > 2) throw Error(kErrInvalidPropertyValue);
        alignment_ = Alignment;
        ApplyAppearance();
    });
}

STDMETHODIMP KxGetCombo::get_Enabled(VARIANT_BOOL* Enabled) { return Read(Enabled, Bool(enabled_)); }
STDMETHODIMP KxGetCombo::put_Enabled(VARIANT_BOOL Enabled) {
    return Let(L"Enabled", [&] {
        enabled_ = Enabled != VARIANT_FALSE;
        ApplyAppearance();
        Layout();
        RunRefresh(false);
    });
}

STDMETHODIMP KxGetCombo::get_Locked(VARIANT_BOOL* Locked) { return Read(Locked, Bool(locked_)); }
STDMETHODIMP KxGetCombo::put_Locked(VARIANT_BOOL Locked) {
    return Let(L"Locked", [&] {
        locked_ = Locked != VARIANT_FALSE;
        ApplyBoxStyle();
    });
}

STDMETHODIMP KxGetCombo::About() {
    return Guard(kSource, [&] { ShowAboutBox(L"Get Combo"); });
}

STDMETHODIMP KxGetCombo::Refresh() {
    AddRef();
    const HRESULT hr = Guard(kSource, [&] { RunRefresh(true); });
    Release();
    return hr;
}

STDMETHODIMP KxGetCombo::get_BackColor(OLE_COLOR* BackColor) { return Read(BackColor, backColor_); }
STDMETHODIMP KxGetCombo::put_BackColor(OLE_COLOR BackColor) {
    return Let(L"BackColor", [&] {
        backColor_ = static_cast<long>(BackColor);
        ApplyAppearance();
        Layout();
        RunRefresh(false);
    });
}

STDMETHODIMP KxGetCombo::get_BorderStyle(kxGmBorderStyle* BorderStyle) { return Read(BorderStyle, borderStyle_); }
STDMETHODIMP KxGetCombo::put_BorderStyle(kxGmBorderStyle BorderStyle) {
    return Let(L"BorderStyle", [&] {
        if (BorderStyle < 0 || BorderStyle > 1) throw Error(kErrInvalidPropertyValue);
        borderStyle_ = BorderStyle;
        ApplyBorder();
    });
}

STDMETHODIMP KxGetCombo::get_Font(IFontDisp** Font) {
    return Guard(kSource, [&] {
        if (!Font) throw Error(kErrInvalidCall);
        *Font = ControlBase::Font();
        if (*Font) (*Font)->AddRef();
    });
}
STDMETHODIMP KxGetCombo::putref_Font(IFontDisp* Font) {
    return Let(L"Font", [&] {
        if (!Font) throw Error(kErrInvalidPropertyValue);
        StoreFont(Font);
    });
}

STDMETHODIMP KxGetCombo::get_ForeColor(OLE_COLOR* ForeColor) { return Read(ForeColor, foreColor_); }
STDMETHODIMP KxGetCombo::put_ForeColor(OLE_COLOR ForeColor) {
    return Let(L"ForeColor", [&] {
        foreColor_ = static_cast<long>(ForeColor);
        ApplyAppearance();
    });
}

// A picture that cannot be a mouse pointer fails with 380 and leaves the old one, unreported.
STDMETHODIMP KxGetCombo::putref_MouseIcon(IPictureDisp* MouseIcon) {
    if (!IsPointerPicture(MouseIcon)) return RaiseError(kErrInvalidPropertyValue, kSource);
    return StandardControl<_kxGetCombo>::putref_MouseIcon(MouseIcon);
}

STDMETHODIMP KxGetCombo::get_Text(BSTR* Text) {
    return Guard(kSource, [&] {
        if (textStyle_ == kTextNone) return AssignBstr(Text, box_.Text());
        const int length = GetWindowTextLengthW(label_);
        std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
        caption.resize(static_cast<size_t>(GetWindowTextW(label_, caption.data(), length + 1)));
        AssignBstr(Text, caption);
    });
}

STDMETHODIMP KxGetCombo::get_WordWrap(VARIANT_BOOL* WordWrap) { return Read(WordWrap, Bool(wordWrap_)); }
STDMETHODIMP KxGetCombo::put_WordWrap(VARIANT_BOOL WordWrap) {
    return Let(L"WordWrap", [&] {
        wordWrap_ = WordWrap != VARIANT_FALSE;
        ApplyLabelStyle();
    });
}

STDMETHODIMP KxGetCombo::get_Style(kxGCComboStyle* Style) { return Read(Style, style_); }
STDMETHODIMP KxGetCombo::put_Style(kxGCComboStyle Style) {
    return Let(L"Style", [&] {
        if (Style < 0 || Style > 1) throw Error(kErrInvalidPropertyValue);
        style_ = Style;
        Layout();
    });
}

STDMETHODIMP KxGetCombo::get_EnterNextTab(VARIANT_BOOL* EnterNextTab) { return Read(EnterNextTab, Bool(enterNextTab_)); }
STDMETHODIMP KxGetCombo::put_EnterNextTab(VARIANT_BOOL EnterNextTab) {
    return Let(L"EnterNextTab", [&] { enterNextTab_ = EnterNextTab != VARIANT_FALSE; });
}

STDMETHODIMP KxGetCombo::get_TextStyle(kxGCoTextStyle* TextStyle) { return Read(TextStyle, textStyle_); }
STDMETHODIMP KxGetCombo::put_TextStyle(kxGCoTextStyle TextStyle) {
    AddRef();
    const HRESULT hr = Let(L"TextStyle", [&] {
        if (TextStyle < 0 || TextStyle > 2) throw Error(kErrInvalidPropertyValue);
        textStyle_ = TextStyle;
        RunRefresh(true);
    });
    Release();
    return hr;
}

STDMETHODIMP KxGetCombo::get_SecondDataSource(IDispatch** SecondDataSource) {
    if (!SecondDataSource) return E_POINTER;
    *SecondDataSource = source_;
    if (source_) source_->AddRef();
    return S_OK;
}
STDMETHODIMP KxGetCombo::put_SecondDataSource(IDispatch* SecondDataSource) {
    AddRef();
    const HRESULT hr = Guard(kSource, [&] {
        if (SecondDataSource) SecondDataSource->AddRef();
        if (source_) source_->Release();
        source_ = SecondDataSource;
        ComboDropDown& dropDown = EnsureDropDown();
        dropDown.SetDataSource(source_);
        dropDown.GetData();
    });
    Release();
    return hr;
}

STDMETHODIMP KxGetCombo::get_KeyField(BSTR* KeyField) {
    return Guard(kSource, [&] { AssignBstr(KeyField, keyField_); });
}
STDMETHODIMP KxGetCombo::put_KeyField(BSTR KeyField) {
    return Let(L"KeyField", [&] { keyField_ = FromBstr(KeyField); });
}

STDMETHODIMP KxGetCombo::get_ShowField(BSTR* ShowField) {
    return Guard(kSource, [&] { AssignBstr(ShowField, showField_); });
}
STDMETHODIMP KxGetCombo::put_ShowField(BSTR ShowField) {
    return Let(L"ShowField", [&] { showField_ = FromBstr(ShowField); });
}

STDMETHODIMP KxGetCombo::get_List(short Index, kxColumeInfo* List) {
    return Guard(kSource, [&] {
        if (!List) throw Error(kErrInvalidCall);
        if (!ColumnList::ValidIndex(Index)) throw Error(kErrSubscript);
        const ColumnSlot& slot = columns_.At(Index);
        AssignBstr(&List->Name, slot.name);
        AssignBstr(&List->Caption, slot.caption);
        AssignBstr(&List->Width, slot.width);
    });
}
STDMETHODIMP KxGetCombo::put_List(short Index, kxColumeInfo* List) {
    return Let(L"List", [&] {
        if (!List) throw Error(kErrInvalidCall);
        if (!ColumnList::ValidIndex(Index)) throw Error(kErrSubscript);
        columns_.Set(Index, {SlotText(List->Name), SlotText(List->Caption), SlotText(List->Width)});
    });
}

STDMETHODIMP KxGetCombo::AddItem(BSTR FieldName, BSTR FieldCaption, short ColWidth) {
    return Guard(kSource, [&] {
        const std::wstring name = FromBstr(FieldName);
        if (name.empty()) throw Error(kErrGeneral, L"Application-defined or object-defined error");
        if (!columns_.Add(name, FromBstr(FieldCaption), ColWidth)) return;
        oneTimeLoaded_ = false;
        if (dropDown_) dropDown_->RestartIfLoading();  // a load under way starts again with the new column
    });
}

STDMETHODIMP KxGetCombo::ListCount(short* Count) { return Read(Count, columns_.Count()); }

STDMETHODIMP KxGetCombo::GridRefresh() {
    AddRef();
    const HRESULT hr = Guard(kSource, [&] {
        if (!source_) throw Error(kErrGeneral, L"Application-defined or object-defined error");
        if (RecordSource(source_).RecordCount() > 0) EnsureDropDown().GetData();
    });
    Release();
    return hr;
}

}  // namespace kx
