#include "KxProgressBar.h"

#include <cmath>
#include <utility>

#include "AboutBox.h"
#include "AmbientProperties.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "ProgressCanvas.h"
#include "ProgressLayout.h"
#include "ProgressLooks.h"
#include "ProgressStatusBar.h"
#include "ProgressText.h"
#include "Text.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxProgressBar";
constexpr int kNewWidthTwips = 2400;
constexpr int kNewHeightTwips = 300;
constexpr COLORREF kSurfaceColour = RGB(255, 255, 255);
constexpr long kHighlight = static_cast<long>(0x8000000D);
constexpr long kSavedBrushStyle = kxCross;  // the bag's default differs from a new bar's kxHorizontal
constexpr wchar_t kSearchingText[] = L"Searching..";

VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// By-reference numbers: an early-bound caller may leave one out with a null pointer.
long ValueOrZero(const LONG* value) { return value ? *value : 0; }

// NaN or an infinity would poison every later paint: refused before anything is stored.
double RequireFinite(double value) {
    if (!std::isfinite(value)) throw Error(kErrInvalidPropertyValue);
    return value;
}

double FiniteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

template <class T>
void Hand(T* object, T** out) {
    if (!out) return;
    *out = object;
    if (object) object->AddRef();
}

}  // namespace

// The classic Initialize: every field set directly, nothing reported, one paint.
KxProgressBar::KxProgressBar()
    : WindowMembers<Control<_kxProgressBar>>(CLSID_kxProgressBar, DIID___kxProgressBar, kNewWidthTwips,
                                             kNewHeightTwips) {
    font_ = CreateDefaultFont();
    Surface().SetBackColor(kSurfaceColour);
    UseBufferForDrawing();
    hwnd_ = Hwnd();
    max_ = 100;
    min_ = 0;
    value_ = 0;
    percent_ = 0;
    orientation_ = kxOrientationHorizontal;
    scrolling_ = kxScrollingStandard;
    color_ = TranslateProgressColor(kHighlight);
    text_.clear();
    DrawProgressBar();
}

KxProgressBar::~KxProgressBar() {
    if (font_) font_->Release();
    if (image_) image_->Release();
}

// --- life cycle ---

void KxProgressBar::InitProperties() { foreColor_ = 0; }

// Values go straight into their fields: no clamp, no text rule, nothing reported.
void KxProgressBar::ReadProperties(const PropertyReader& bag) {
    IFontDisp* font = ReadFontProperty(bag, L"Font");
    StoreFont(font);
    if (font) font->Release();
    brushStyle_ = bag.Long(L"kxBrushStyle", kSavedBrushStyle);
    color_ = bag.Long(L"Color", kHighlight);
    IPictureDisp* image = bag.Picture(L"Image", nullptr);
    StoreImage(image);
    if (image) image->Release();
    max_ = FiniteOr(bag.Double(L"Max", 100), 100);
    min_ = FiniteOr(bag.Double(L"Min", 0), 0);
    orientation_ = bag.Long(L"Orientation", kxOrientationHorizontal);
    scrolling_ = bag.Long(L"Scrolling", kxScrollingStandard);
    showText_ = bag.Boolean(L"ShowText", false);
    value_ = FiniteOr(bag.Double(L"Value", 0), 0);
    text_ = bag.Text(L"Text", L"");
    DrawProgressBar();
    foreColor_ = bag.Long(L"ForeColor", 0);
}

void KxProgressBar::WriteProperties(const PropertyWriter& bag) {
    bag.Font(L"Font", font_, nullptr);
    bag.Long(L"kxBrushStyle", brushStyle_, kSavedBrushStyle);
    bag.Long(L"Color", color_, kHighlight);
    bag.Picture(L"Image", image_);
    bag.Double(L"Max", max_, 100);
    bag.Double(L"Min", min_, 0);
    bag.Long(L"Orientation", orientation_, kxOrientationHorizontal);
    bag.Long(L"Scrolling", scrolling_, kxScrollingStandard);
    bag.Boolean(L"ShowText", showText_, false);
    bag.Double(L"Value", value_, 0);
    bag.Text(L"Text", text_, L"");
    bag.Long(L"ForeColor", foreColor_, 0);
}

// The container's paint follows and repaints.
void KxProgressBar::Resize() { UseBufferForDrawing(); }

void KxProgressBar::Paint() { DrawProgressBar(); }

void KxProgressBar::Terminate() { buffer_.Release(); }

// --- painting ---

// The hdc let: the buffer grows to the client area; without one the painters draw on the surface.
void KxProgressBar::UseBufferForDrawing() {
    HDC buffer = buffer_.Ensure(ScaleWidth(), ScaleHeight());
    drawingDc_ = buffer ? buffer : Hdc();
    if (buffer) bufferInUse_ = true;
}

HFONT KxProgressBar::FontHandle() const {
    IFont* font = nullptr;
    HFONT handle = nullptr;
    if (font_ && SUCCEEDED(font_->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) {
        font->get_hFont(&handle);
        font->Release();
    }
    return handle;
}

// One full paint: ground, look, text, then the buffer shown with one copy.
void KxProgressBar::Repaint() {
    float percent = 0;
    if (!ProgressPercent(value_, min_, max_, &percent)) throw Error(kErrOverflow);
    percent_ = percent;
    RECT client = {};
    GetClientRect(hwnd_, &client);
    const ProgressScene scene{ProgressCanvas(drawingDc_), client.right, client.bottom, percent_, color_,
                              scrolling_, orientation_, brushStyle_, image_};
    scene.canvas.Fill(scene.Client(), ProgressGround(scrolling_));
    PaintProgressLook(scene);
    PaintProgressText(scene, {showText_, text_, foreColor_, FontHandle()});
    if (bufferInUse_) buffer_.CopyTo(Hdc(), 0, 0, ScaleWidth(), ScaleHeight(), 0, 0);
    ShowSurface();
}

void KxProgressBar::StoreFont(IFontDisp* font) {
    if (!font) return;
    font->AddRef();
    if (font_) font_->Release();
    font_ = font;
}

void KxProgressBar::StoreImage(IPictureDisp* image) {
    if (image) image->AddRef();
    if (image_) image_->Release();
    image_ = image;
}

// --- members ---

// The common let: store, report the change to the container, paint.
template <class T>
HRESULT KxProgressBar::LetAndRepaint(T& field, T value, const wchar_t* name) {
    return Guard(kSource, [&] {
        field = std::move(value);
        PropertyChanged(name);
        Repaint();
    });
}

STDMETHODIMP KxProgressBar::DrawProgressBar() {
    return Guard(kSource, [&] { Repaint(); });
}

STDMETHODIMP KxProgressBar::DrawLine(LONG X, LONG Y, LONG Width, LONG Height, LONG cHdc, LONG Color) {
    return Guard(kSource, [&] { ProgressCanvas(HandleFromLong<HDC>(cHdc)).Line(X, Y, Width, Height, Color); });
}

// Never fails its caller: a ramp that cannot be drawn draws nothing.
STDMETHODIMP KxProgressBar::DrawGradient(LONG* lEndColor, LONG* lStartcolor, LONG* X, LONG* Y, LONG* X2, LONG* Y2,
                                         LONG* hdc, VARIANT_BOOL* bH) {
    return Guard(kSource, [&] {
        long first = ValueOrZero(lEndColor);
        long last = ValueOrZero(lStartcolor);
        const bool vertical = bH && *bH != VARIANT_FALSE;
        ProgressCanvas(HandleFromLong<HDC>(ValueOrZero(hdc)))
            .Ramp(first, last, ValueOrZero(X), ValueOrZero(Y), ValueOrZero(X2), ValueOrZero(Y2), vertical);
        if (lEndColor) *lEndColor = first;
        if (lStartcolor) *lStartcolor = last;
    });
}

STDMETHODIMP KxProgressBar::pDraw(LONG* hdc, LONG* xSrc, LONG* ySrc, LONG* WidthSrc, LONG* HeightSrc, LONG* xDst,
                                  LONG* yDst) {
    return Guard(kSource, [&] {
        buffer_.CopyTo(HandleFromLong<HDC>(ValueOrZero(hdc)), ValueOrZero(xSrc), ValueOrZero(ySrc),
                       ValueOrZero(WidthSrc), ValueOrZero(HeightSrc), ValueOrZero(xDst), ValueOrZero(yDst));
    });
}

STDMETHODIMP KxProgressBar::put_kxBrushStyle(kxBrushStyle BrushStyle) {
    return Guard(kSource, [&] {
        brushStyle_ = BrushStyle;
        PropertyChanged(L"kxBrushStyle");
    });
}

STDMETHODIMP KxProgressBar::get_Color(OLE_COLOR* Color) {
    return Guard(kSource, [&] { if (Color) *Color = static_cast<OLE_COLOR>(color_); });
}

// Stored translated and not reported, as the original does.
STDMETHODIMP KxProgressBar::put_Color(OLE_COLOR Color) {
    return Guard(kSource, [&] {
        color_ = TranslateProgressColor(static_cast<long>(Color));
        Repaint();
    });
}

STDMETHODIMP KxProgressBar::get_Font(IFontDisp** Font) {
    return Guard(kSource, [&] { Hand(font_, Font); });
}

// A font of Nothing is refused: every text paint selects the font.
STDMETHODIMP KxProgressBar::putref_Font(IFontDisp* Font) {
    return Guard(kSource, [&] {
        if (!Font) throw Error(kErrInvalidPropertyValue);
        StoreFont(Font);
    });
}

STDMETHODIMP KxProgressBar::put_Font(IFontDisp* Font) { return putref_Font(Font); }

// Hwnd is the control's window until the host names another; hdc is where the next drawing goes.
HWND KxProgressBar::MemberWindow() const { return hwnd_; }
HDC KxProgressBar::MemberDc() const { return drawingDc_; }

STDMETHODIMP KxProgressBar::put_Hwnd(LONG Hwnd) {
    return Guard(kSource, [&] { hwnd_ = HandleFromLong<HWND>(Hwnd); });
}

STDMETHODIMP KxProgressBar::put_hdc(LONG) {
    return Guard(kSource, [&] { UseBufferForDrawing(); });
}

STDMETHODIMP KxProgressBar::get_Image(IPictureDisp** Image) {
    return Guard(kSource, [&] { Hand(image_, Image); });
}

STDMETHODIMP KxProgressBar::putref_Image(IPictureDisp* Image) {
    return Guard(kSource, [&] {
        StoreImage(Image);
        PropertyChanged(L"Image");
        Repaint();
    });
}

// Min and Max do not re-clamp Value and do not repaint.
STDMETHODIMP KxProgressBar::get_Min(DOUBLE* Min) {
    return Guard(kSource, [&] { if (Min) *Min = min_; });
}

STDMETHODIMP KxProgressBar::put_Min(DOUBLE Min) {
    return Guard(kSource, [&] {
        min_ = RequireFinite(Min);
        PropertyChanged(L"Min");
    });
}

STDMETHODIMP KxProgressBar::get_Max(DOUBLE* Max) {
    return Guard(kSource, [&] { if (Max) *Max = max_; });
}

STDMETHODIMP KxProgressBar::put_Max(DOUBLE Max) {
    return Guard(kSource, [&] {
        max_ = RequireFinite(Max);
        PropertyChanged(L"Max");
    });
}

STDMETHODIMP KxProgressBar::get_Orientation(kxOrientation* Orientation) {
    return Guard(kSource, [&] { if (Orientation) *Orientation = static_cast<kxOrientation>(orientation_); });
}

STDMETHODIMP KxProgressBar::put_Orientation(kxOrientation Orientation) {
    return LetAndRepaint(orientation_, static_cast<long>(Orientation), L"Orientation");
}

STDMETHODIMP KxProgressBar::get_Scrolling(kxScrolling* Scrolling) {
    return Guard(kSource, [&] { if (Scrolling) *Scrolling = static_cast<kxScrolling>(scrolling_); });
}

STDMETHODIMP KxProgressBar::put_Scrolling(kxScrolling Scrolling) {
    return Guard(kSource, [&] {
        scrolling_ = Scrolling;
        PropertyChanged(L"Scrolling");
        if (scrolling_ == kxScrollingSearch && text_.empty()) text_ = kSearchingText;
        Repaint();
    });
}

STDMETHODIMP KxProgressBar::get_ShowText(VARIANT_BOOL* ShowText) {
    return Guard(kSource, [&] { if (ShowText) *ShowText = Bool(showText_); });
}

STDMETHODIMP KxProgressBar::put_ShowText(VARIANT_BOOL ShowText) {
    return LetAndRepaint(showText_, ShowText != VARIANT_FALSE, L"ShowText");
}

STDMETHODIMP KxProgressBar::get_Value(DOUBLE* Value) {
    return Guard(kSource, [&] { if (Value) *Value = value_; });
}

STDMETHODIMP KxProgressBar::put_Value(DOUBLE Value) {
    return Guard(kSource, [&] {
        value_ = ClampProgressValue(RequireFinite(Value), min_, max_);
        PropertyChanged(L"Value");
        Repaint();
    });
}

STDMETHODIMP KxProgressBar::ShowProgressInStatusBar(IDispatch** StatusBar, LONG* PanelNumber) {
    return Guard(kSource, [&] {
        const ControlExtent extent = {Hwnd(), static_cast<double>(WidthTwips()), static_cast<double>(HeightTwips())};
        PlaceInStatusBar(StatusBar ? *StatusBar : nullptr, ValueOrZero(PanelNumber), extent);
    });
}

STDMETHODIMP KxProgressBar::get_Text(BSTR* Text) {
    return Guard(kSource, [&] { if (Text) *Text = ToBstr(text_); });
}

STDMETHODIMP KxProgressBar::put_Text(BSTR Text) {
    return LetAndRepaint(text_, FromBstr(Text), L"Text");
}

STDMETHODIMP KxProgressBar::get_ForeColor(OLE_COLOR* ForeColor) {
    return Guard(kSource, [&] { if (ForeColor) *ForeColor = static_cast<OLE_COLOR>(foreColor_); });
}

STDMETHODIMP KxProgressBar::put_ForeColor(OLE_COLOR ForeColor) {
    return LetAndRepaint(foreColor_, static_cast<long>(ForeColor), L"ForeColor");
}

STDMETHODIMP KxProgressBar::About() {
    return Guard(kSource, [&] { ShowAboutBox(L"Progress Bar"); });
}

}  // namespace kx
