#include "KxFrame.h"

#include <windowsx.h>

#include <stdexcept>
#include <utility>

#include "AboutBox.h"
#include "AmbientProperties.h"
#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "MemberValues.h"
#include "FrameBorder.h"
#include "PictureObjects.h"
#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxFrame";
constexpr int kNewWidthTwips = 2670;
constexpr int kNewHeightTwips = 1950;
constexpr long kButtonFace = static_cast<long>(0x8000000F);
constexpr long kButtonText = static_cast<long>(0x80000012);
constexpr long kHighlight = static_cast<long>(0x80000014);
constexpr long kShadow = static_cast<long>(0x80000010);
constexpr wchar_t kLoadedCaption[] = L"Title";

COLORREF Plain(long oleColour) { return static_cast<COLORREF>(TranslateOleColor(oleColour)); }

bool IsGradient(long backStyle) { return backStyle == kxfGradiantUpDown || backStyle == kxfGradiantLeftRight; }

}  // namespace

KxFrame::KxFrame()
    : TextMembers<WindowMembers<Control<_kxFrame>>>(CLSID_kxFrame, DIID___kxFrame, kNewWidthTwips, kNewHeightTwips),
      firstColor_(kHighlight),
      secondColor_(kShadow),
      backColor_(kButtonFace),
      foreColor_(kButtonText),
      maskColor_(kButtonFace) {
    IFontDisp* font = CreateDefaultFont();
    SetFont(font);
    if (font) font->Release();
    SetBackColor(backColor_);
    title_.SetCaption(kLoadedCaption);
    title_.MoveTo(5, 0);
}

KxFrame::~KxFrame() {
    if (picture_) picture_->Release();
}

// --- life cycle ---

DWORD KxFrame::MiscStatus() const { return OLEMISC_SIMPLEFRAME | OLEMISC_ALIGNABLE; }

void KxFrame::InitProperties() {
    title_.SetCaption(Ambient().ExtenderName());
    firstColor_ = kHighlight;
    secondColor_ = kShadow;
    backStyle_ = kxfGradiantUpDown;
    borderStyle_ = kxfInner;
    IFontDisp* ambient = Ambient().Font();
    SetFont(ambient);
    if (ambient) ambient->Release();
    SetRightToLeft(Ambient().RightToLeft());
    enabled_ = true;
    pictureAlignment_ = CenterAndMiddle;
    stretch_ = false;
    maskColor_ = kButtonFace;
    useMaskColor_ = false;
    alphaBlend_ = 255;
    IPictureDisp* empty = CreateEmptyPicture();
    Keep(picture_, empty);
    if (empty) empty->Release();
    lableDown_ = false;
    ApplyEnabled();
}

void KxFrame::ReadProperties(const PropertyReader& bag) {
    title_.SetCaption(bag.Text(L"Caption", kLoadedCaption));
    firstColor_ = bag.Long(L"FirstColor", kHighlight);
    secondColor_ = bag.Long(L"SecondColor", kShadow);
    backStyle_ = bag.Long(L"BackStyle", kxfGradiantUpDown);
    borderStyle_ = bag.Long(L"BorderStyle", kxfInner);
    SetBackColor(bag.Long(L"BackColor", kButtonFace));
    IFontDisp* font = ReadFontProperty(bag, L"Font");
    if (font) SetFont(font);
    if (font) font->Release();
    foreColor_ = bag.Long(L"ForeColor", kButtonText);
    SetRightToLeft(bag.Boolean(L"RightToLeft", Ambient().RightToLeft()));
    enabled_ = bag.Boolean(L"Enabled", true);
    pictureAlignment_ = bag.Long(L"PictureAlignment", CenterAndMiddle);
    stretch_ = bag.Boolean(L"Stretch", false);
    maskColor_ = bag.Long(L"MaskColor", kButtonFace);
    useMaskColor_ = bag.Boolean(L"UseMaskColor", false);
    alphaBlend_ = bag.Long(L"AlphaBlend", 255);
    lableDown_ = bag.Boolean(L"LableDown", false);
    IPictureDisp* picture = bag.Picture(L"Picture", nullptr);
    Keep(picture_, picture);
    if (picture) picture->Release();
    title_.SetRightToLeft(RightToLeft());
    LayOut();
    ApplyEnabled();
}

void KxFrame::WriteProperties(const PropertyWriter& bag) {
    bag.Text(L"Caption", title_.Caption(), kLoadedCaption);
    bag.Long(L"FirstColor", firstColor_, kHighlight);
    bag.Long(L"SecondColor", secondColor_, kShadow);
    bag.Long(L"BackStyle", backStyle_, kxfGradiantUpDown);
    bag.Long(L"BorderStyle", borderStyle_, kxfInner);
    bag.Long(L"BackColor", backColor_, kButtonFace);
    IFontDisp* ambient = Ambient().Font();
    bag.Font(L"Font", Font(), ambient);
    if (ambient) ambient->Release();
    bag.Long(L"ForeColor", foreColor_, kButtonText);
    bag.Boolean(L"RightToLeft", RightToLeft(), Ambient().RightToLeft());
    bag.Boolean(L"Enabled", enabled_, true);
    bag.Long(L"PictureAlignment", pictureAlignment_, CenterAndMiddle);
    bag.Boolean(L"Stretch", stretch_, false);
    bag.Long(L"MaskColor", maskColor_, kButtonFace);
    bag.Boolean(L"UseMaskColor", useMaskColor_, false);
    bag.Long(L"AlphaBlend", alphaBlend_, 255);
    bag.Boolean(L"LableDown", lableDown_, false);
    bag.Picture(L"Picture", picture_);
}

// A resize from the container: a redraw that fails is skipped, as nothing may leave the window.
void KxFrame::Resize() {
    try {
        LayOut();
    } catch (...) {
    }
}

void KxFrame::Show() { RepaintQuietly(); }

void KxFrame::AmbientChanged(DISPID id) {
    if (id == DISPID_AMBIENT_USERMODE) ApplyEnabled();
}

// In run mode the window follows Enabled (and so do the controls inside); at design time it stays enabled.
void KxFrame::ApplyEnabled() { SetSurfaceEnabled(enabled_ || !Ambient().UserMode()); }

// --- drawing ---

void KxFrame::LayOut() {
    title_.SetRightToLeft(RightToLeft());
    title_.AutoSize(Hdc());
    try {
        title_.MoveTo(FrameTitleLeft(ScaleWidth(), title_.Box().width, RightToLeft()), 0);
    } catch (const std::overflow_error&) {
        throw Error(kErrOverflow);
    }
    Repaint();
}

void KxFrame::Repaint() {
    try {
        Draw();
    } catch (const std::overflow_error&) {
        ShowSurface();
        throw Error(kErrOverflow);
    } catch (...) {
        ShowSurface();
        throw;
    }
}

void KxFrame::RepaintQuietly() noexcept {
    try {
        Draw();
    } catch (...) {
        ShowSurface();
    }
}

void KxFrame::Draw() {
    title_.AutoSize(Hdc());
    const FrameTitleBox title = title_.Box();
    const long w = ScaleWidth() - 1;
    const long h = ScaleHeight() - 1;
    DrawBackground(title);
    DrawFrameBorder(Surface(), borderStyle_, w, h, FrameBorderTop(title, lableDown_));
    DrawTitleBackground(title);
    DrawPicture(title);
    title_.Draw(Hdc(), backStyle_ == kxfSolid && !lableDown_, Plain(backColor_));
    ShowSurface();
}

void KxFrame::DrawBackground(const FrameTitleBox& title) {
    Cls();
    if (!IsGradient(backStyle_)) return;
    DrawGradient(Hdc(), 0, FrameGradientTop(title), ScaleWidth(), ScaleHeight(), firstColor_, secondColor_, 255, 255,
                 backStyle_ == kxfGradiantUpDown);
}

// Over a gradient the title is transparent, on a band of the gradient from top to bottom with an outline.
void KxFrame::DrawTitleBackground(const FrameTitleBox& title) {
    if (backStyle_ == kxfSolid || !title.visible) return;
    const FrameRect band = FrameCaptionBand(title);
    DrawGradient(Hdc(), band.left, band.top, band.right, band.bottom, firstColor_, secondColor_, 255, 255, true);
    Surface().Box(band.left, band.top, band.right, band.bottom, Plain(kShadow));
}

// Only a picture with a readable bitmap is drawn; the drawing clamps AlphaBlend to 0..255 in place.
void KxFrame::DrawPicture(const FrameTitleBox& title) {
    const PictureRef picture = PictureOf(picture_);
    const HANDLE handle = picture ? PictureHandle(picture.get()) : nullptr;
    const SIZE size = handle ? BitmapSize(handle) : SIZE{0, 0};
    if (size.cx <= 0 || size.cy <= 0) return;
    const FrameRect place =
        FramePicturePlace(ScaleWidth(), ScaleHeight(), title, size.cx, size.cy, pictureAlignment_, stretch_);
    long mask = useMaskColor_ ? maskColor_ : kNoMask;
    DrawFullPicture(Hdc(), static_cast<HBITMAP>(handle), place.left, place.top, place.right, place.bottom, mask,
                    alphaBlend_);
}

void KxFrame::SetBackColor(long colour) {
    backColor_ = colour;
    Surface().SetBackColor(Plain(colour));
}

// --- members ---

// The common let: store, report the change under its name, then the Resize steps or a repaint.
template <class Store>
HRESULT KxFrame::Change(const wchar_t* name, Store store, bool relayOut) {
    return Guard(kSource, [&] {
        store();
        PropertyChanged(name);
        if (relayOut) LayOut();
        else Repaint();
    });
}

template <class T, class V>
HRESULT KxFrame::LetAndRepaint(T& field, V value, const wchar_t* name) {
    return Change(name, [&] { field = static_cast<T>(value); }, false);
}

STDMETHODIMP KxFrame::get_Caption(BSTR* Caption) {
    return Guard(kSource, [&] { AssignBstr(Caption, title_.Caption()); });
}
STDMETHODIMP KxFrame::put_Caption(BSTR Caption) {
    return Change(L"Caption", [&] { title_.SetCaption(FromBstr(Caption)); }, true);
}

STDMETHODIMP KxFrame::get_FirstColor(OLE_COLOR* FirstColor) { return Read(FirstColor, firstColor_); }
STDMETHODIMP KxFrame::put_FirstColor(OLE_COLOR FirstColor) {
    return LetAndRepaint(firstColor_, FirstColor, L"FirstColor");
}

STDMETHODIMP KxFrame::get_SecondColor(OLE_COLOR* SecondColor) { return Read(SecondColor, secondColor_); }
STDMETHODIMP KxFrame::put_SecondColor(OLE_COLOR SecondColor) {
    return LetAndRepaint(secondColor_, SecondColor, L"SecondColor");
}

STDMETHODIMP KxFrame::get_BackStyle(kxFrameBackStyle* BackStyle) { return Read(BackStyle, backStyle_); }
STDMETHODIMP KxFrame::put_BackStyle(kxFrameBackStyle BackStyle) {
    return LetAndRepaint(backStyle_, BackStyle, L"BackStyle");
}

STDMETHODIMP KxFrame::get_BorderStyle(kxFrameBorder* BorderStyle) { return Read(BorderStyle, borderStyle_); }
STDMETHODIMP KxFrame::put_BorderStyle(kxFrameBorder BorderStyle) {
    return LetAndRepaint(borderStyle_, BorderStyle, L"BorderStyle");
}

STDMETHODIMP KxFrame::get_BackColor(OLE_COLOR* BackColor) { return Read(BackColor, backColor_); }
STDMETHODIMP KxFrame::put_BackColor(OLE_COLOR BackColor) {
    return Change(L"BackColor", [&] { SetBackColor(static_cast<long>(BackColor)); }, false);
}

STDMETHODIMP KxFrame::get_Font(IFontDisp** Font) { return Hand(this->Font(), Font); }
STDMETHODIMP KxFrame::putref_Font(IFontDisp* Font) {
    return Change(L"Font", [&] {
        if (!Font) throw Error(kErrInvalidPropertyValue);
        SetFont(Font);
    }, false);
}

STDMETHODIMP KxFrame::get_ForeColor(OLE_COLOR* ForeColor) { return Read(ForeColor, foreColor_); }
STDMETHODIMP KxFrame::put_ForeColor(OLE_COLOR ForeColor) {
    return LetAndRepaint(foreColor_, ForeColor, L"ForeColor");
}

STDMETHODIMP KxFrame::Refresh() {
    return Guard(kSource, [&] { Repaint(); });
}

STDMETHODIMP KxFrame::get_Enabled(VARIANT_BOOL* Enabled) { return Read(Enabled, Bool(enabled_)); }
STDMETHODIMP KxFrame::put_Enabled(VARIANT_BOOL Enabled) {
    return Guard(kSource, [&] {
        enabled_ = Enabled != VARIANT_FALSE;
        PropertyChanged(L"Enabled");
        ApplyEnabled();
    });
}

STDMETHODIMP KxFrame::get_PictureAlignment(kxAWShowPosition* PictureAlignment) {
    return Read(PictureAlignment, pictureAlignment_);
}
STDMETHODIMP KxFrame::put_PictureAlignment(kxAWShowPosition PictureAlignment) {
    return LetAndRepaint(pictureAlignment_, PictureAlignment, L"PictureAlignment");
}

STDMETHODIMP KxFrame::get_Stretch(VARIANT_BOOL* Stretch) { return Read(Stretch, Bool(stretch_)); }
STDMETHODIMP KxFrame::put_Stretch(VARIANT_BOOL Stretch) {
    return LetAndRepaint(stretch_, Stretch != VARIANT_FALSE, L"Stretch");
}

STDMETHODIMP KxFrame::get_MaskColor(OLE_COLOR* MaskColor) { return Read(MaskColor, maskColor_); }
STDMETHODIMP KxFrame::put_MaskColor(OLE_COLOR MaskColor) { return LetAndRepaint(maskColor_, MaskColor, L"MaskColor"); }

STDMETHODIMP KxFrame::get_UseMaskColor(VARIANT_BOOL* UseMaskColor) { return Read(UseMaskColor, Bool(useMaskColor_)); }
STDMETHODIMP KxFrame::put_UseMaskColor(VARIANT_BOOL UseMaskColor) {
    return LetAndRepaint(useMaskColor_, UseMaskColor != VARIANT_FALSE, L"UseMaskColor");
}

STDMETHODIMP KxFrame::get_AlphaBlend(LONG* AlphaBlend) { return Read(AlphaBlend, alphaBlend_); }
STDMETHODIMP KxFrame::put_AlphaBlend(LONG AlphaBlend) {
    return LetAndRepaint(alphaBlend_, AlphaBlend, L"AlphaBlend");
}

STDMETHODIMP KxFrame::get_Picture(IPictureDisp** Picture) { return Hand(picture_, Picture); }
STDMETHODIMP KxFrame::putref_Picture(IPictureDisp* Picture) {
    return Change(L"Picture", [&] { Keep(picture_, Picture); }, false);
}

STDMETHODIMP KxFrame::About() {
    return Guard(kSource, [&] { ShowAboutBox(L"Frame"); });
}

STDMETHODIMP KxFrame::get_LableDown(VARIANT_BOOL* LableDown) { return Read(LableDown, Bool(lableDown_)); }
STDMETHODIMP KxFrame::put_LableDown(VARIANT_BOOL LableDown) {
    return LetAndRepaint(lableDown_, LableDown != VARIANT_FALSE, L"LableDown");
}

// --- the members every control shares ---

const wchar_t* KxFrame::ErrorSource() const { return kSource; }

// The shortcuts changed the title's font in place: it takes its new size, not yet a new place.
void KxFrame::ShortcutFontChanged() {
    FontChanged();
    Repaint();
}

void KxFrame::RightToLeftChanged() { LayOut(); }

// --- the surface's events; the title's are nobody's ---

bool KxFrame::WindowMessage(UINT message, WPARAM, LPARAM lParam, LRESULT*) {
    if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) lastPress_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return false;
}

bool KxFrame::PressedOnTitle() const { return title_.Contains(lastPress_); }

void KxFrame::Click() {
    if (!PressedOnTitle()) RaiseEvent(DISPID_CLICK);
}
void KxFrame::DblClick() {
    if (!PressedOnTitle()) RaiseEvent(DISPID_DBLCLICK);
}
void KxFrame::KeyDown(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYDOWN, keyCode, shift); }
void KxFrame::KeyPress(short keyAscii) { RaiseKeyPress(keyAscii); }
void KxFrame::KeyUp(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYUP, keyCode, shift); }

}  // namespace kx
