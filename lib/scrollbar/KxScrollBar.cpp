#include "KxScrollBar.h"

#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "KxGraph.h"
#include "KxWindow.h"

namespace kx {
namespace {

constexpr wchar_t kSource[] = L"Korvix32.kxScrollBar";
constexpr long kButtonFace = static_cast<long>(0x8000000F);
constexpr long kButtonText = static_cast<long>(0x80000012);
constexpr long kActiveTitle = static_cast<long>(0x80000002);
constexpr long kLightBlue = 0xFAC8AA;  // RGB(170, 200, 250)
constexpr long kLightGold = 0x78E1FF;  // RGB(255, 225, 120)
constexpr int kNewWidthTwips = 480;    // a vertical bar of 32 x 240 pixels
constexpr int kNewHeightTwips = 3600;
constexpr UINT kHoverInterval = 100;

const ScrollRange kNewRange;

struct StyleColors {
    long back;
    long fore;
};

// The colours a Style assignment gives the surface.
StyleColors ColorsOfStyle(long style) {
    switch (style) {
        case kxSBWindowsXP: return {kLightBlue, kButtonText};
        case kxSBPlastik: return {kButtonFace, kActiveTitle};
        case kxSBOffice2003: return {kLightBlue, kLightGold};
        default: return {kButtonFace, kButtonText};
    }
}

COLORREF Plain(long colour) { return static_cast<COLORREF>(TranslateOleColor(colour)) & 0x00FFFFFF; }

// A loaded range that Refresh cannot repair in 32 bits becomes the new control's.
ScrollRange LoadedRange(ScrollRange range) {
    const int32_t largeChange = range.largeChange;  // a saved 0 stays 0 until the next Refresh
    if (!RepairRange(range)) {
        range.min = kNewRange.min;
        range.max = kNewRange.max;
        RepairRange(range);
    }
    range.largeChange = largeChange;
    return range;
}

}  // namespace

KxScrollBar::KxScrollBar()
    : WindowMembers(CLSID_kxScrollBar, DIID___kxScrollBar, kNewWidthTwips, kNewHeightTwips),
      graph_(new KxGraph()),
      window_(new KxWindow()),
      colors_(graph_),
      backColor_(kButtonFace),
      foreColor_(kButtonText),
      timer_(static_cast<_kxScrollBar*>(this), [this] { HoverTick(); }),
      pacing_(&SystemPacing()) {
    for (int part = 0; part < 3; ++part) {
        boxes_[part] = std::make_unique<PictureBox>(Hwnd(), part, static_cast<PictureBoxInput&>(*this));
        boxList_[part] = boxes_[part].get();
    }
    timer_.SetInterval(kHoverInterval);
    timer_.SetEnabled(false);
    SetColors(backColor_, foreColor_);
}

KxScrollBar::~KxScrollBar() {
    for (auto& box : boxes_) box.reset();
}

// --- life cycle ---

void KxScrollBar::InitProperties() {
    range_ = kNewRange;
    style_ = kxSBNormal;
    direction_ = kxSBVertical;
    hitState_ = 0;
}

void KxScrollBar::ReadProperties(const PropertyReader& bag) {
    hitState_ = 0;
    long style = bag.Long(L"Style", kxSBNormal);
    if (!ScrollLookOf(style)) style = kxSBNormal;
    style_ = style;
    PropertyChanged(L"Style");
    const StyleColors reset = ColorsOfStyle(style);
    SetColors(reset.back, reset.fore);
    RefreshQuietly();
    SetColors(bag.Long(L"BackColor", kButtonFace), bag.Long(L"ForeColor", kButtonText));
    SetEnabled(bag.Boolean(L"Enabled", true));
    ScrollRange loaded;
    loaded.largeChange = bag.Long(L"LargeChange", kNewRange.largeChange);
    loaded.max = bag.Long(L"Max", kNewRange.max);
    loaded.min = bag.Long(L"Min", kNewRange.min);
    loaded.smallChange = bag.Long(L"SmallChange", kNewRange.smallChange);
    loaded.value = bag.Long(L"Value", kNewRange.value);
    direction_ = bag.Long(L"Direction", kxSBVertical);
    range_ = LoadedRange(loaded);
}

void KxScrollBar::WriteProperties(const PropertyWriter& bag) {
    bag.Long(L"BackColor", backColor_, kButtonFace);
    bag.Long(L"ForeColor", foreColor_, kButtonText);
    bag.Boolean(L"Enabled", SurfaceEnabled(), true);
    bag.Long(L"LargeChange", range_.largeChange, kNewRange.largeChange);
    bag.Long(L"Max", range_.max, kNewRange.max);
    bag.Long(L"Min", range_.min, kNewRange.min);
    bag.Long(L"SmallChange", range_.smallChange, kNewRange.smallChange);
    bag.Long(L"Value", range_.value, kNewRange.value);
    bag.Long(L"Style", style_, kxSBNormal);
    bag.Long(L"Direction", direction_, kxSBVertical);
}

void KxScrollBar::Resize() { RefreshQuietly(); }

void KxScrollBar::Show() {
    hitState_ = 0;
    RefreshQuietly();
}

void KxScrollBar::Terminate() {
    StopRepeat();
    timer_.SetEnabled(false);
    colors_ = ScrollColors(nullptr);
    if (graph_) graph_->Release();
    graph_ = nullptr;
    if (window_) window_->Release();
    window_ = nullptr;
}

// --- members ---

template <class Change>
HRESULT KxScrollBar::LetAndRepaint(const wchar_t* name, Change change) {
    return Guard(kSource, [&] {
        const State before = Snapshot();
        change();
        Geometry geometry;
        try {
            geometry = ComputeGeometry();
        } catch (const Error&) {
            Restore(before);
            throw;
        }
        PropertyChanged(name);
        Repaint(geometry);
    });
}

void KxScrollBar::Restore(const State& state) {
    range_ = state.range;
    style_ = state.style;
    direction_ = state.direction;
    SetColors(state.back, state.fore);
}

STDMETHODIMP KxScrollBar::get_BackColor(OLE_COLOR* BackColor) {
    if (!BackColor) return E_POINTER;
    *BackColor = static_cast<OLE_COLOR>(backColor_);
    return S_OK;
}

STDMETHODIMP KxScrollBar::put_BackColor(OLE_COLOR BackColor) {
    return LetAndRepaint(L"BackColor", [&] { SetColors(static_cast<long>(BackColor), foreColor_); });
}

STDMETHODIMP KxScrollBar::get_ForeColor(OLE_COLOR* ForeColor) {
    if (!ForeColor) return E_POINTER;
    *ForeColor = static_cast<OLE_COLOR>(foreColor_);
    return S_OK;
}

STDMETHODIMP KxScrollBar::put_ForeColor(OLE_COLOR ForeColor) {
    return LetAndRepaint(L"ForeColor", [&] { SetColors(backColor_, static_cast<long>(ForeColor)); });
}

STDMETHODIMP KxScrollBar::get_Enabled(VARIANT_BOOL* Enabled) {
    if (!Enabled) return E_POINTER;
    *Enabled = SurfaceEnabled() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

STDMETHODIMP KxScrollBar::put_Enabled(VARIANT_BOOL Enabled) {
    return LetAndRepaint(L"Enabled", [&] { SetEnabled(Enabled != VARIANT_FALSE); });
}

STDMETHODIMP KxScrollBar::Refresh() {
    return Guard(kSource, [&] { RefreshStrict(); });
}

STDMETHODIMP KxScrollBar::get_LargeChange(LONG* LargeChange) {
    if (!LargeChange) return E_POINTER;
    *LargeChange = range_.largeChange;
    return S_OK;
}

STDMETHODIMP KxScrollBar::put_LargeChange(LONG LargeChange) {
    return LetAndRepaint(L"LargeChange", [&] { range_.largeChange = LargeChange; });
}

STDMETHODIMP KxScrollBar::get_Max(LONG* Max) {
    if (!Max) return E_POINTER;
    *Max = range_.max;
    return S_OK;
}

// A Max at or below Min is repaired by Refresh to Min + 1, Value with it.
STDMETHODIMP KxScrollBar::put_Max(LONG Max) {
    return LetAndRepaint(L"Max", [&] {
        range_.max = Max;
        if (range_.value > Max) range_.value = Max;
    });
}

STDMETHODIMP KxScrollBar::get_Min(LONG* Min) {
    if (!Min) return E_POINTER;
    *Min = range_.min;
    return S_OK;
}

STDMETHODIMP KxScrollBar::put_Min(LONG Min) {
    return LetAndRepaint(L"Min", [&] {
        range_.min = Min;
        if (range_.value < Min) range_.value = Min;
    });
}

STDMETHODIMP KxScrollBar::get_SmallChange(LONG* SmallChange) {
    if (!SmallChange) return E_POINTER;
    *SmallChange = range_.smallChange;
    return S_OK;
}

STDMETHODIMP KxScrollBar::put_SmallChange(LONG SmallChange) {
    return LetAndRepaint(L"SmallChange", [&] { range_.smallChange = SmallChange; });
}

STDMETHODIMP KxScrollBar::get_Value(LONG* Value) {
    if (!Value) return E_POINTER;
    *Value = range_.value;
    return S_OK;
}

// Change follows every assignment, also one that changes nothing.
STDMETHODIMP KxScrollBar::put_Value(LONG Value) {
    const HRESULT hr =
        LetAndRepaint(L"Value", [&] { range_.value = ClampValue(Value, range_.min, range_.max); });
    if (SUCCEEDED(hr)) RaiseChange();
    return hr;
}

STDMETHODIMP KxScrollBar::get_Style(kxScrollStyle* Style) {
    if (!Style) return E_POINTER;
    *Style = static_cast<kxScrollStyle>(style_);
    return S_OK;
}

// Every assignment gives the surface the style's colours, over the host's own.
STDMETHODIMP KxScrollBar::put_Style(kxScrollStyle Style) {
    return LetAndRepaint(L"Style", [&] {
        if (!ScrollLookOf(Style)) throw Error(kErrInvalidPropertyValue);
        style_ = Style;
        const StyleColors colors = ColorsOfStyle(Style);
        SetColors(colors.back, colors.fore);
    });
}

STDMETHODIMP KxScrollBar::get_Direction(kxScrollDirection* Direction) {
    if (!Direction) return E_POINTER;
    *Direction = static_cast<kxScrollDirection>(direction_);
    return S_OK;
}

STDMETHODIMP KxScrollBar::put_Direction(kxScrollDirection Direction) {
    return LetAndRepaint(L"Direction", [&] { direction_ = Direction; });
}

// --- the surface ---

void KxScrollBar::SetColors(long back, long fore) {
    backColor_ = back;
    foreColor_ = fore;
    Surface().SetBackColor(Plain(back));
    Surface().SetForeColor(Plain(fore));
}

// The boxes go with the surface: a disabled bar takes no input on them either.
void KxScrollBar::SetEnabled(bool enabled) {
    SetSurfaceEnabled(enabled);
    for (auto& box : boxes_) box->Enable(enabled);
}

double KxScrollBar::TrackLength() const { return Vertical() ? ScaleHeight() : ScaleWidth(); }

// --- geometry and paint dispatch ---

KxScrollBar::Geometry KxScrollBar::ComputeGeometry() const {
    Geometry geometry{range_, sizes_};
    if (!RepairRange(geometry.range)) throw Error(kErrOverflow);
    if (const ScrollLook* look = ScrollLookOf(style_)) {
        const std::optional<ScrollSizes> sizes = ScrollSizesFor(TrackLength(), geometry.range, look->minimumThumb);
        if (!sizes) throw Error(kErrOverflow);
        geometry.sizes = *sizes;
    }
    return geometry;
}

void KxScrollBar::RefreshStrict() { Repaint(ComputeGeometry()); }

void KxScrollBar::RefreshQuietly() {
    Geometry geometry{range_, sizes_};
    try {
        geometry = ComputeGeometry();
    } catch (const Error&) {
        RepairRange(geometry.range);
    }
    Repaint(geometry);
}

void KxScrollBar::Repaint(const Geometry& geometry) {
    range_ = geometry.range;
    sizes_ = geometry.sizes;
    if (!SurfaceEnabled()) hitState_ = 0;
    switch (hitState_) {
        case 0: PaintScrollBar(); break;
        case 1: case 2: PaintScrollPart(kFirstArrow); break;
        case 3: case 4: PaintScrollPart(kSecondArrow); break;
        case 5: case 6: PaintScrollPart(kThumb); break;
        default: break;
    }
}

ScrollPaint KxScrollBar::PaintArguments() const {
    return {const_cast<KxScrollBar*>(this)->Surface(), Hwnd(), boxList_, backColor_, foreColor_, SurfaceEnabled(),
            Vertical(), hitState_, sizes_, colors_};
}

void KxScrollBar::PaintScrollBar() {
    const ScrollLook* look = ScrollLookOf(style_);
    const ScrollFullPainter painter = !look ? nullptr : Vertical() ? look->fullVertical : look->fullHorizontal;
    if (!painter) return;
    LayOutBoxes(*look);
    PlaceThumb();
    try {
        painter(PaintArguments());
    } catch (...) {  // a painter reports nothing
    }
    ShowSurface();
    for (auto& box : boxes_) box->ShowSurface();
}

void KxScrollBar::PaintScrollPart(int part) {
    const ScrollLook* look = ScrollLookOf(style_);
    const ScrollPartPainter painter = !look ? nullptr : Vertical() ? look->partVertical : look->partHorizontal;
    if (!painter) return;
    try {
        painter(PaintArguments(), part);
    } catch (...) {
    }
    boxes_[part]->ShowSurface();
}

// A size a box refuses (negative) leaves that one step undone.
void KxScrollBar::LayOutBoxes(const ScrollLook& look) {
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    const int across = 2 * look.thumbInset + look.thumbTrim;
    PictureBox& thumb = *boxes_[kThumb];
    if (Vertical()) {
        boxes_[kFirstArrow]->Move(0, 0, w, sizes_.arrow1);
        boxes_[kSecondArrow]->Move(0, h - sizes_.arrow2, w, sizes_.arrow2);
        thumb.SetLeft(look.thumbInset);
        thumb.SetWidth(w - across);
        thumb.SetHeight(sizes_.thumb);
    } else {
        boxes_[kFirstArrow]->Move(0, 0, sizes_.arrow1, h);
        boxes_[kSecondArrow]->Move(w - sizes_.arrow2, 0, sizes_.arrow2, h);
        thumb.SetTop(look.thumbInset);
        thumb.SetWidth(sizes_.thumb);
        thumb.SetHeight(h - across);
    }
}

void KxScrollBar::PlaceThumb() {
    auto length = [this](const PictureBox& box) { return Vertical() ? box.Height() : box.Width(); };
    const PictureBox& first = *boxes_[kFirstArrow];
    const double room = TrackLength() - length(first) - length(*boxes_[kSecondArrow]) - length(*boxes_[kThumb]);
    const std::optional<int32_t> pos = ThumbOffset(TrackLength(), sizes_, range_, room);
    if (!pos) return;  // a repaired range cannot overflow here
    if (Vertical())
        boxes_[kThumb]->SetTop(first.Height() + *pos);
    else
        boxes_[kThumb]->SetLeft(first.Width() + *pos);
}

}  // namespace kx
