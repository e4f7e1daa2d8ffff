#pragma once
#include <memory>
#include <optional>

#include "Control.h"
#include "Korvix32_h.h"
#include "PictureBox.h"
#include "ScrollColors.h"
#include "ScrollGeometry.h"
#include "ScrollLook.h"
#include "ScrollPacing.h"
#include "WindowMembers.h"
#include "WindowTimer.h"

namespace kx {

// kxScrollBar: Value within Min .. Max, moved by two arrow boxes (SmallChange), by presses on the track
// (LargeChange), by dragging the thumb box and by the keys, drawn in one of ten looks either way round.
// The control's surface is the track; the boxes picB(0..2) lie on it. Every change ends in Refresh, which
// sizes the boxes and repaints the whole bar, or only the box that is hot or pressed. The input handlers are
// in KxScrollBarInput.cpp.
class KxScrollBar : public WindowMembers<Control<_kxScrollBar>>, private PictureBoxInput {
public:
    KxScrollBar();
    ~KxScrollBar() override;

    STDMETHODIMP get_BackColor(OLE_COLOR* BackColor) override;
    STDMETHODIMP put_BackColor(OLE_COLOR BackColor) override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* ForeColor) override;
    STDMETHODIMP put_ForeColor(OLE_COLOR ForeColor) override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* Enabled) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL Enabled) override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP get_LargeChange(LONG* LargeChange) override;
    STDMETHODIMP put_LargeChange(LONG LargeChange) override;
    STDMETHODIMP get_Max(LONG* Max) override;
    STDMETHODIMP put_Max(LONG Max) override;
    STDMETHODIMP get_Min(LONG* Min) override;
    STDMETHODIMP put_Min(LONG Min) override;
    STDMETHODIMP get_SmallChange(LONG* SmallChange) override;
    STDMETHODIMP put_SmallChange(LONG SmallChange) override;
    STDMETHODIMP get_Value(LONG* Value) override;
    STDMETHODIMP put_Value(LONG Value) override;
    STDMETHODIMP get_Style(kxScrollStyle* Style) override;
    STDMETHODIMP put_Style(kxScrollStyle Style) override;
    STDMETHODIMP get_Direction(kxScrollDirection* Direction) override;
    STDMETHODIMP put_Direction(kxScrollDirection Direction) override;

    // For tests: the boxes, the hit state and sizes, the hover timer, and the pacing of the repeat loops.
    PictureBox& Box(int part) { return *boxes_[part]; }
    const DrawingSurface& TrackSurface() { return Surface(); }
    long HitState() const { return hitState_; }
    const ScrollSizes& Sizes() const { return sizes_; }
    bool HoverTimerRunning() const { return timer_.Running(); }
    void HoverTimerTick() { timer_.Tick(); }
    void UsePacing(ScrollPacing& pacing) { pacing_ = &pacing; }
    bool Repeating() const { return repeatStart_.has_value(); }

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Show() override;
    void Terminate() override;
    void MouseDown(short button, short shift, float x, float y) override;
    void MouseMove(short button, short shift, float x, float y) override;
    void MouseUp(short button, short shift, float x, float y) override;
    void KeyDown(short keyCode, short shift) override;
    void KeyPress(short keyAscii) override;
    void KeyUp(short keyCode, short shift) override;
    bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // What a setter may change, kept to restore when its Refresh cannot compute.
    struct State {
        ScrollRange range;
        long style;
        long direction;
        long back;
        long fore;
    };
    struct Geometry {
        ScrollRange range;
        ScrollSizes sizes;
    };

    // Setters: the change, then the geometry; when that overflows (error 6) nothing stays changed. Then the
    // change is reported by name and the bar repainted.
    template <class Change>
    HRESULT LetAndRepaint(const wchar_t* name, Change change);
    State Snapshot() const { return {range_, style_, direction_, backColor_, foreColor_}; }
    void Restore(const State& state);
    // The repaired range and the sizes; throws Error(6) where a value leaves 32 bits.
    Geometry ComputeGeometry() const;
    // Refresh for a host's call: fails with error 6 and changes nothing when the geometry overflows.
    void RefreshStrict();
    // Refresh inside the control's own handlers: an overflowing geometry keeps the sizes it had.
    void RefreshQuietly();
    void Repaint(const Geometry& geometry);
    void PaintScrollBar();
    void PaintScrollPart(int part);
    void LayOutBoxes(const ScrollLook& look);
    void PlaceThumb();
    ScrollPaint PaintArguments() const;
    double TrackLength() const;
    bool Vertical() const { return direction_ == kxSBVertical; }
    void SetColors(long back, long fore);
    void SetEnabled(bool enabled);

    // Input (KxScrollBarInput.cpp).
    void BoxMouseDown(int index, short button, short shift, float x, float y) override;
    void BoxMouseMove(int index, short button, short shift, float x, float y) override;
    void BoxMouseUp(int index, short button, short shift, float x, float y) override;
    void BoxKeyDown(int index, short keyCode, short shift) override;
    void BoxGotFocus(int index) override;
    void BoxCaptureLost(int index) override;
    bool PressBox(int index, short button, float x, float y);
    void RepeatArrow(int index, short button, float x, float y);
    void PageTowardPointer(float x, float y);
    void RepeatTrackPress(short button, float x, float y);
    bool MayRepeat() const;
    void DragThumb(float x, float y);
    void Settle();
    void RaiseChange();
    void Hover(int index, long hotState);
    void HoverTick();
    void StopRepeat() { repeatStart_.reset(); }

    long hotLeft_ = 0, hotTop_ = 0, hotRight_ = 0, hotBottom_ = 0;  // screen rectangle of the hot box
    std::optional<double> repeatStart_;                               // empty while no press repeats
    long grabY_ = 0, grabX_ = 0;
    ScrollSizes sizes_;
    _kxGraph* graph_ = nullptr;
    _kxWindow* window_ = nullptr;
    ScrollColors colors_;
    long hitState_ = 0;
    long direction_ = kxSBVertical;
    ScrollRange range_;
    long style_ = kxSBNormal;
    long backColor_;
    long foreColor_;

    std::unique_ptr<PictureBox> boxes_[3];
    PictureBox* boxList_[3] = {};
    WindowTimer timer_;
    ScrollPacing* pacing_;
};

}  // namespace kx
