#include "KxLabel.h"

#include <utility>

#include "AboutBox.h"
#include "AmbientProperties.h"
#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "MemberValues.h"
#include "Handles.h"
#include "LabelLayout.h"
#include "LabelPainting.h"
#include "PictureObjects.h"
#include "Rounding.h"
#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxLabel";
constexpr int kNewWidthTwips = 2085;
constexpr int kNewHeightTwips = 300;
constexpr long kButtonFace = static_cast<long>(0x8000000F);
constexpr long kButtonText = static_cast<long>(0x80000012);
constexpr long kHighlight3D = static_cast<long>(0x80000014);
constexpr long kShadow = static_cast<long>(0x80000010);
constexpr long kMaskGrey = 0x646464;
constexpr short kMaxDegree = 180;


// One step of the redraw: a step that fails is left undone and the redraw goes on.
template <class Step>
void Attempt(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

double ScreenTwipsPerPixelY() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

// The rotated font of a redraw, selected into a context for the redraw's lifetime.
class SelectedFont {
public:
    SelectedFont(HDC dc, const LOGFONTA& log) : dc_(dc), font_(CreateFontIndirectA(&log)) {
        if (font_) previous_ = SelectObject(dc_, font_);
    }
    ~SelectedFont() {
        if (previous_) SelectObject(dc_, previous_);
        if (font_) DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_ = nullptr;
};

TextExtent MeasureText(HDC dc, const std::wstring& text) {
    SIZE size = {};
    if (text.empty() || !GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size)) return {};
    return {static_cast<double>(size.cx), static_cast<double>(size.cy)};
}

}  // namespace

KxLabel::KxLabel()
    : StandardControl<_kxLabel>(CLSID_kxLabel, DIID___kxLabel, kNewWidthTwips, kNewHeightTwips),
      backColor_(kButtonFace),
      foreColor_(kButtonText),
      firstColor_(kHighlight3D),
      secondColor_(kShadow),
      maskColor_(kMaskGrey) {
    font_ = CreateDefaultFont();
    picture1_ = std::make_unique<LabelPictureBox>(Hwnd(), [this] { Redraw(); });
    picture1_->Place(ScaleWidth(), ScaleHeight());
    SetBackColor(backColor_);
}

KxLabel::~KxLabel() {
    picture1_.reset();
    if (font_) font_->Release();
    if (picture_) picture_->Release();
}

// --- life cycle ---

void KxLabel::InitProperties() {
    degree_ = 0;
    caption_ = Ambient().ExtenderName();
    SetBackColor(kButtonFace);
    foreColor_ = kButtonText;
    alignment_ = 0;
    textStyle_ = kxlNormal;
    firstColor_ = kHighlight3D;
    secondColor_ = kShadow;
    backStyle_ = kxfSolid;
    IFontDisp* ambient = Ambient().Font();
    StoreFont(ambient);
    if (ambient) ambient->Release();
    charDegree_ = -1;
    balanceX_ = 0;
    balanceY_ = 0;
    borderStyle_ = kxlbSunken;
    IPictureDisp* empty = CreateEmptyPicture();
    StorePicture(empty);
    if (empty) empty->Release();
    pictureX_ = 0;
    pictureY_ = 0;
    useMaskColor_ = false;
    maskColor_ = kMaskGrey;
    alpha_ = 255;
    canGetFocus_ = false;
}

void KxLabel::ReadProperties(const PropertyReader& bag) {
    degree_ = static_cast<short>(bag.Long(L"Degree", 0));
    caption_ = bag.Text(L"Caption", L"");
    SetBackColor(bag.Long(L"BackColor", kButtonFace));
    foreColor_ = bag.Long(L"ForeColor", kButtonText);
    alignment_ = bag.Long(L"Alignment", 0);
    textStyle_ = bag.Long(L"TextStyle", kxlNormal);
    firstColor_ = bag.Long(L"FirstColor", kHighlight3D);
    secondColor_ = bag.Long(L"SecondColor", kShadow);
    backStyle_ = bag.Long(L"BackStyle", kxfSolid);
    IFontDisp* font = ReadFontProperty(bag, L"Font");
    StoreFont(font);
    if (font) font->Release();
    charDegree_ = static_cast<short>(bag.Long(L"CharDegree", -1));
    balanceX_ = static_cast<short>(bag.Long(L"BalanceX", 0));
    balanceY_ = static_cast<short>(bag.Long(L"BalanceY", 0));
    borderStyle_ = bag.Long(L"BorderStyle", kxlbSunken);
    IPictureDisp* picture = bag.Picture(L"Picture", nullptr);
    StorePicture(picture);
    if (picture) picture->Release();
    pictureX_ = bag.Long(L"PictureX", 0);
    pictureY_ = bag.Long(L"PictureY", 0);
    useMaskColor_ = bag.Boolean(L"UseMaskColor", false);
    maskColor_ = bag.Long(L"MaskColor", kMaskGrey);
    alpha_ = bag.Long(L"Alpha", 255);
    canGetFocus_ = bag.Boolean(L"CanGetFocus", false);
    IPictureDisp* icon = bag.Picture(L"MouseIcon", nullptr);
    putref_MouseIcon(icon);
    if (icon) icon->Release();
    SetMousePointer(static_cast<short>(bag.Long(L"MousePointer", 0)));
    SetRightToLeft(bag.Boolean(L"RightToLeft", false));
}

void KxLabel::WriteProperties(const PropertyWriter& bag) {
    bag.Long(L"Degree", degree_, 0);
    bag.Text(L"Caption", caption_, L"");
    bag.Long(L"BackColor", backColor_, kButtonFace);
    bag.Long(L"ForeColor", foreColor_, kButtonText);
    bag.Long(L"Alignment", alignment_, 0);
    bag.Long(L"TextStyle", textStyle_, kxlNormal);
    bag.Long(L"FirstColor", firstColor_, kHighlight3D);
    bag.Long(L"SecondColor", secondColor_, kShadow);
    bag.Long(L"BackStyle", backStyle_, kxfSolid);
    IFontDisp* ambient = Ambient().Font();
    bag.Font(L"Font", font_, ambient);
    if (ambient) ambient->Release();
    bag.Long(L"CharDegree", charDegree_, -1);
    bag.Long(L"BalanceX", balanceX_, 0);
    bag.Long(L"BalanceY", balanceY_, 0);
    bag.Long(L"BorderStyle", borderStyle_, kxlbSunken);
    bag.Picture(L"Picture", picture_);
    bag.Long(L"PictureX", pictureX_, 0);
    bag.Long(L"PictureY", pictureY_, 0);
    bag.Boolean(L"UseMaskColor", useMaskColor_, false);
    bag.Long(L"MaskColor", maskColor_, kMaskGrey);
    bag.Long(L"Alpha", alpha_, 255);
    bag.Boolean(L"CanGetFocus", canGetFocus_, false);
    bag.Picture(L"MouseIcon", MouseIcon());
    bag.Long(L"MousePointer", MousePointer(), 0);
    bag.Boolean(L"RightToLeft", RightToLeft(), false);
}

void KxLabel::Resize() {
    if (!picture1_) return;
    picture1_->Place(ScaleWidth(), ScaleHeight());
    KeepPictureBoxAtTheBottom();
    Redraw();
}

void KxLabel::Show() { Redraw(); }

// A container that the host may dock; the controls it holds sit above Picture1.
DWORD KxLabel::MiscStatus() const { return OLEMISC_SIMPLEFRAME | OLEMISC_ALIGNABLE; }

// A window created inside the label goes above Picture1, wherever the platform put it.
bool KxLabel::WindowMessage(UINT message, WPARAM wParam, LPARAM, LRESULT*) {
    if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) KeepPictureBoxAtTheBottom();
    return false;
}

// Picture1's own creation, inside the constructor, notifies the label before there is a Picture1.
void KxLabel::KeepPictureBoxAtTheBottom() {
    if (!picture1_) return;
    SetWindowPos(picture1_->Hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Tabbing into a label that may not hold the focus passes it on to the next control.
void KxLabel::GotFocus() {
    if (!canGetFocus_) PassFocusOn();
}

// --- the redraw ---

// Nothing to draw on before Picture1 is made or after it is gone.
void KxLabel::Redraw() {
    if (redrawing_ || !picture1_) return;
    redrawing_ = true;
    Attempt([&] { RedrawSteps(); });
    redrawing_ = false;
}

void KxLabel::RedrawSteps() {
    LabelPictureBox& box = *picture1_;
    box.SetBorder(borderStyle_ == kxlbSunken);
    const HDC dc = box.Dc();
    Attempt([&] {
        if (!SameFont(Font(), font_)) SetFont(font_);
    });
    SetGraphicsMode(dc, GM_ADVANCED);
    if (degree_ > kMaxDegree) degree_ = kMaxDegree;
    LOGFONTA log = {};
    Attempt([&] { log = LabelLogFont(font_, degree_, charDegree_, ScreenTwipsPerPixelY()); });
    const SelectedFont rotated(dc, log);
    const TextExtent extent = MeasureText(Hdc(), caption_);
    POINT start = {};
    Attempt([&] {
        start = LabelTextStart(degree_, alignment_, extent, ScaleWidth(), balanceX_, balanceY_);
    });
    box.Surface().Clear();
    Attempt([&] { DrawBackground(); });
    Attempt([&] { DrawLabelPicture(); });
    Attempt([&] { DrawLabelText(dc, caption_, start, foreColor_, textStyle_); });
    Attempt([&] { DrawLabelBorder(box.Surface(), borderStyle_); });
    box.ShowSurface();
    // The control's own surface shows the same image, for hosts that draw the control's view.
    const POINT origin = box.ClientOrigin();
    BitBlt(Hdc(), origin.x, origin.y, box.ScaleWidth(), box.ScaleHeight(), dc, 0, 0, SRCCOPY);
    ShowSurface();
}

void KxLabel::DrawBackground() {
    if (backStyle_ != kxfGradiantUpDown && backStyle_ != kxfGradiantLeftRight) return;
    const LabelPictureBox& box = *picture1_;
    DrawGradient(box.Dc(), 0, 0, box.ScaleWidth(), box.ScaleHeight(), firstColor_, secondColor_, 255, 255,
                 backStyle_ == kxfGradiantUpDown);
}

// The picture at its own size from (PictureX, PictureY); only a picture with an image draws.
void KxLabel::DrawLabelPicture() {
    const PictureRef picture = PictureOf(picture_);
    const HANDLE handle = picture ? PictureHandle(picture.get()) : nullptr;
    if (!handle) return;
    long mask = useMaskColor_ ? maskColor_ : kNoMask;
    DrawFullPicture(picture1_->Dc(), static_cast<HBITMAP>(handle), pictureX_, pictureY_, 0, 0, mask, alpha_);
}

// --- storage ---

void KxLabel::StoreFont(IFontDisp* font) {
    if (font) Keep(font_, font);
}

void KxLabel::StorePicture(IPictureDisp* picture) { Keep(picture_, picture); }

// The plain ground shows the back colour (the new colour is the picture box's own button face).
void KxLabel::SetBackColor(long colour) {
    backColor_ = colour;
    const COLORREF rgb = static_cast<COLORREF>(TranslateOleColor(colour));
    Surface().SetBackColor(rgb);
    picture1_->Surface().SetBackColor(rgb);
}

// --- members ---

// The common let: store, report the change to the host, redraw.
template <class Store>
HRESULT KxLabel::ChangeAndRefresh(const wchar_t* name, Store store) {
    return Guard(kSource, [&] {
        store();
        PropertyChanged(name);
        Redraw();
    });
}

template <class T, class V>
HRESULT KxLabel::LetAndRefresh(T& field, V value, const wchar_t* name) {
    return ChangeAndRefresh(name, [&] { field = static_cast<T>(value); });
}

STDMETHODIMP KxLabel::Refresh() {
    Redraw();
    return S_OK;
}

STDMETHODIMP KxLabel::get_Degree(short* Degree) { return Read(Degree, degree_); }
STDMETHODIMP KxLabel::put_Degree(short Degree) { return LetAndRefresh(degree_, Degree, L"Degree"); }

STDMETHODIMP KxLabel::get_Caption(BSTR* Caption) {
    return Guard(kSource, [&] { AssignBstr(Caption, caption_); });
}
STDMETHODIMP KxLabel::put_Caption(BSTR Caption) { return LetAndRefresh(caption_, FromBstr(Caption), L"Caption"); }

STDMETHODIMP KxLabel::get_BackColor(OLE_COLOR* BackColor) { return Read(BackColor, backColor_); }
STDMETHODIMP KxLabel::put_BackColor(OLE_COLOR BackColor) {
    return ChangeAndRefresh(L"BackColor", [&] { SetBackColor(static_cast<long>(BackColor)); });
}

STDMETHODIMP KxLabel::get_ForeColor(OLE_COLOR* ForeColor) { return Read(ForeColor, foreColor_); }
STDMETHODIMP KxLabel::put_ForeColor(OLE_COLOR ForeColor) {
    return LetAndRefresh(foreColor_, ForeColor, L"ForeColor");
}

STDMETHODIMP KxLabel::get_Alignment(LONG* Alignment) { return Read(Alignment, alignment_); }
STDMETHODIMP KxLabel::put_Alignment(LONG Alignment) { return LetAndRefresh(alignment_, Alignment, L"Alignment"); }

STDMETHODIMP KxLabel::get_TextStyle(kxlTextStyle* TextStyle) { return Read(TextStyle, textStyle_); }
STDMETHODIMP KxLabel::put_TextStyle(kxlTextStyle TextStyle) {
    return LetAndRefresh(textStyle_, TextStyle, L"TextStyle");
}

STDMETHODIMP KxLabel::get_FirstColor(OLE_COLOR* FirstColor) { return Read(FirstColor, firstColor_); }
STDMETHODIMP KxLabel::put_FirstColor(OLE_COLOR FirstColor) {
    return LetAndRefresh(firstColor_, FirstColor, L"FirstColor");
}

STDMETHODIMP KxLabel::get_SecondColor(OLE_COLOR* SecondColor) { return Read(SecondColor, secondColor_); }
STDMETHODIMP KxLabel::put_SecondColor(OLE_COLOR SecondColor) {
    return LetAndRefresh(secondColor_, SecondColor, L"SecondColor");
}

STDMETHODIMP KxLabel::get_BackStyle(kxFrameBackStyle* BackStyle) { return Read(BackStyle, backStyle_); }
STDMETHODIMP KxLabel::put_BackStyle(kxFrameBackStyle BackStyle) {
    return LetAndRefresh(backStyle_, BackStyle, L"BackStyle");
}

STDMETHODIMP KxLabel::get_Font(IFontDisp** Font) {
    return Guard(kSource, [&] { Hand(font_, Font); });
}
STDMETHODIMP KxLabel::putref_Font(IFontDisp* Font) {
    return ChangeAndRefresh(L"Font", [&] {
        if (!Font) throw Error(kErrInvalidPropertyValue);
        StoreFont(Font);
    });
}

STDMETHODIMP KxLabel::get_CharDegree(short* CharDegree) { return Read(CharDegree, charDegree_); }
STDMETHODIMP KxLabel::put_CharDegree(short CharDegree) {
    return LetAndRefresh(charDegree_, CharDegree, L"CharDegree");
}

STDMETHODIMP KxLabel::get_BalanceX(short* BalanceX) { return Read(BalanceX, balanceX_); }
STDMETHODIMP KxLabel::put_BalanceX(short BalanceX) { return LetAndRefresh(balanceX_, BalanceX, L"BalanceX"); }

STDMETHODIMP KxLabel::get_BalanceY(short* BalanceY) { return Read(BalanceY, balanceY_); }
STDMETHODIMP KxLabel::put_BalanceY(short BalanceY) { return LetAndRefresh(balanceY_, BalanceY, L"BalanceY"); }

STDMETHODIMP KxLabel::get_BorderStyle(kxlBorderStyle* BorderStyle) { return Read(BorderStyle, borderStyle_); }
STDMETHODIMP KxLabel::put_BorderStyle(kxlBorderStyle BorderStyle) {
    return LetAndRefresh(borderStyle_, BorderStyle, L"BorderStyle");
}

STDMETHODIMP KxLabel::get_Picture(IPictureDisp** Picture) {
    return Guard(kSource, [&] { Hand(picture_, Picture); });
}
STDMETHODIMP KxLabel::putref_Picture(IPictureDisp* Picture) {
    return ChangeAndRefresh(L"Picture", [&] { StorePicture(Picture); });
}

STDMETHODIMP KxLabel::get_PictureX(LONG* PictureX) { return Read(PictureX, pictureX_); }
STDMETHODIMP KxLabel::put_PictureX(LONG PictureX) { return LetAndRefresh(pictureX_, PictureX, L"PictureX"); }

STDMETHODIMP KxLabel::get_PictureY(LONG* PictureY) { return Read(PictureY, pictureY_); }
STDMETHODIMP KxLabel::put_PictureY(LONG PictureY) { return LetAndRefresh(pictureY_, PictureY, L"PictureY"); }

STDMETHODIMP KxLabel::get_UseMaskColor(VARIANT_BOOL* UseMaskColor) { return Read(UseMaskColor, Bool(useMaskColor_)); }
STDMETHODIMP KxLabel::put_UseMaskColor(VARIANT_BOOL UseMaskColor) {
    return LetAndRefresh(useMaskColor_, UseMaskColor != VARIANT_FALSE, L"UseMaskColor");
}

STDMETHODIMP KxLabel::get_MaskColor(OLE_COLOR* MaskColor) { return Read(MaskColor, maskColor_); }
STDMETHODIMP KxLabel::put_MaskColor(OLE_COLOR MaskColor) {
    return LetAndRefresh(maskColor_, MaskColor, L"MaskColor");
}

STDMETHODIMP KxLabel::get_Alpha(LONG* Alpha) { return Read(Alpha, alpha_); }
STDMETHODIMP KxLabel::put_Alpha(LONG Alpha) { return LetAndRefresh(alpha_, Alpha, L"Alpha"); }

STDMETHODIMP KxLabel::get_CanGetFocus(VARIANT_BOOL* CanGetFocus) { return Read(CanGetFocus, Bool(canGetFocus_)); }
STDMETHODIMP KxLabel::put_CanGetFocus(VARIANT_BOOL CanGetFocus) {
    return Guard(kSource, [&] {
        canGetFocus_ = CanGetFocus != VARIANT_FALSE;
        PropertyChanged(L"CanGetFocus");
    });
}

// --- the members every control shares ---

const wchar_t* KxLabel::ErrorSource() const { return kSource; }

// The label's own font.
IFontDisp* KxLabel::ShortcutFont() const { return font_; }

void KxLabel::ShortcutFontChanged() { Redraw(); }
void KxLabel::RightToLeftChanged() { Redraw(); }

// hdc and Hwnd are the picture box's.
HWND KxLabel::MemberWindow() const { return picture1_->Hwnd(); }
HDC KxLabel::MemberDc() const { return picture1_->Dc(); }

STDMETHODIMP KxLabel::About() {
    return Guard(kSource, [&] { ShowAboutBox(L"Professional Label"); });
}

// --- the picture box's events, as the label's own ---

void KxLabel::RaisePictureMouseEvent(DISPID event, short button, short shift, float x, float y) {
    const POINT origin = picture1_->ClientOrigin();  // the box's pixels, inside its border
    x -= static_cast<float>(origin.x);
    y -= static_cast<float>(origin.y);
    ControlBase::RaiseMouseEvent(event, button, shift, x, y);
}

void KxLabel::MouseDown(short button, short shift, float x, float y) {
    RaisePictureMouseEvent(DISPID_MOUSEDOWN, button, shift, x, y);
}
void KxLabel::MouseMove(short button, short shift, float x, float y) {
    RaisePictureMouseEvent(DISPID_MOUSEMOVE, button, shift, x, y);
}
void KxLabel::MouseUp(short button, short shift, float x, float y) {
    RaisePictureMouseEvent(DISPID_MOUSEUP, button, shift, x, y);
}
void KxLabel::Click() { RaiseEvent(DISPID_CLICK); }
void KxLabel::DblClick() { RaiseEvent(DISPID_DBLCLICK); }
void KxLabel::KeyDown(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYDOWN, keyCode, shift); }
void KxLabel::KeyPress(short keyAscii) { RaiseKeyPress(keyAscii); }
void KxLabel::KeyUp(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYUP, keyCode, shift); }

}  // namespace kx
