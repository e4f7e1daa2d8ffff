// kxScrollBar's input: arrows, track, thumb drag, keys, the repeat of held presses and the hover look.
#include "KxScrollBar.h"

#include "ErrorInfo.h"
#include "KeepAlive.h"
#include "Rounding.h"

namespace kx {
namespace {

constexpr short kLeftButton = 1;
constexpr short kKeyPageUp = 33;
constexpr short kKeyPageDown = 34;
constexpr short kKeyUp = 38;
constexpr short kKeyDown = 40;
constexpr double kRepeatDelay = 0.5;    // seconds held before a press repeats
constexpr double kArrowPace = 0.01;     // one step of the classic clock between arrow steps
constexpr double kTrackPace = 0.1;

}  // namespace

void KxScrollBar::RaiseChange() { RaiseEvent(1); }

// Clamp, move the thumb, raise Change: no report to the host, no repaint.
void KxScrollBar::Settle() {
    range_.value = ClampValue(range_.value, range_.min, range_.max);
    PlaceThumb();
    RaiseChange();
}

// A loop repeats only while the bar can still take input.
bool KxScrollBar::MayRepeat() const {
    return repeatStart_ && Hwnd() && SurfaceEnabled() && IsWindowVisible(Hwnd());
}

// --- the boxes ---

void KxScrollBar::BoxGotFocus(int index) {
    if (index != kThumb && boxes_[kThumb]->Visible()) boxes_[kThumb]->Focus();
}

// Arrows step, page keys page; every key raises Change, also one that moves nothing.
void KxScrollBar::BoxKeyDown(int, short keyCode, short) {
    KeepAlive keep(static_cast<_kxScrollBar*>(this));
    switch (keyCode) {
        case kKeyDown: range_.value = SaturatingAdd(range_.value, range_.smallChange); break;
        case kKeyUp: range_.value = SaturatingAdd(range_.value, -static_cast<int64_t>(range_.smallChange)); break;
        case kKeyPageDown: range_.value = SaturatingAdd(range_.value, range_.largeChange); break;
        case kKeyPageUp: range_.value = SaturatingAdd(range_.value, -static_cast<int64_t>(range_.largeChange)); break;
        default: break;
    }
    Settle();
}

// The box shows pressed; a left press on an arrow steps at once. True when the step reached Min or Max.
bool KxScrollBar::PressBox(int index, short button, float x, float y) {
    const long pressed = 2 * index + 2;
    if (hitState_ != pressed) {
        hitState_ = pressed;
        RefreshQuietly();
    }
    if (button != kLeftButton) return false;
    grabY_ = static_cast<long>(RoundHalfEven(y));
    grabX_ = static_cast<long>(RoundHalfEven(x));
    if (index == kFirstArrow) range_.value = SaturatingAdd(range_.value, -static_cast<int64_t>(range_.smallChange));
    if (index == kSecondArrow) range_.value = SaturatingAdd(range_.value, range_.smallChange);
    Settle();
    return range_.value == range_.min || range_.value == range_.max;
}

void KxScrollBar::BoxMouseDown(int index, short button, short, float x, float y) {
    KeepAlive keep(static_cast<_kxScrollBar*>(this));
    if (PressBox(index, button, x, y)) {
        StopRepeat();
        return;
    }
    if (index == kThumb || repeatStart_) return;  // the thumb never repeats; one loop at a time
    RepeatArrow(index, button, x, y);
}

// After half a second held, one step a pass, a step of the clock apart, until the release, an end of the
// range, or the bar can no longer take input.
void KxScrollBar::RepeatArrow(int index, short button, float x, float y) {
    ScrollPacing& pacing = *pacing_;
    repeatStart_ = pacing.Now();
    while (button == kLeftButton && MayRepeat()) {
        pacing.HandleMessages();
        if (!MayRepeat()) break;
        if (pacing.Now() - *repeatStart_ > kRepeatDelay && PressBox(index, button, x, y)) break;
        button = pacing.LeftButtonHeld() ? kLeftButton : 0;
        if (button == kLeftButton) pacing.Wait(kArrowPace);
    }
    StopRepeat();
}

void KxScrollBar::BoxMouseUp(int, short, short, float, float) {
    KeepAlive keep(static_cast<_kxScrollBar*>(this));
    RaiseChange();
    StopRepeat();
    hitState_ = 0;
    timer_.SetEnabled(false);
    RefreshQuietly();
}

void KxScrollBar::BoxCaptureLost(int) { StopRepeat(); }

// A box under the mouse turns hot, watched by the hover timer until the mouse leaves it.
void KxScrollBar::Hover(int index, long hotState) {
    LONG handle = LongFromHandle(boxes_[index]->Hwnd());
    LONG left = 0, top = 0, right = 0, bottom = 0;
    if (window_) window_->GetWindowPosition(&handle, &left, &top, &right, &bottom);
    hotLeft_ = left, hotTop_ = top, hotRight_ = right, hotBottom_ = bottom;
    if (hitState_ == hotState || hitState_ == hotState + 1) return;
    hitState_ = hotState;
    RefreshQuietly();
    timer_.SetEnabled(true);
}

void KxScrollBar::BoxMouseMove(int index, short button, short, float x, float y) {
    KeepAlive keep(static_cast<_kxScrollBar*>(this));
    const long hotState = 2 * index + 1;
    if (index != kThumb && (hitState_ == hotState || hitState_ == hotState + 1)) return;
    Hover(index, hotState);
    if (index == kThumb && button == kLeftButton) DragThumb(x, y);
}

// Every movement with the left button down raises Change and Scroll, also one that moves nothing.
void KxScrollBar::DragThumb(float x, float y) {
    const PictureBox& thumb = *boxes_[kThumb];
    const PictureBox& first = *boxes_[kFirstArrow];
    const float pos = Vertical() ? static_cast<float>(thumb.Top()) + y - static_cast<float>(first.Height()) - grabY_
                                 : static_cast<float>(thumb.Left()) + x - static_cast<float>(first.Width()) - grabX_;
    if (const std::optional<int32_t> value = DragValue(pos, TrackLength(), sizes_, range_)) range_.value = *value;
    Settle();
    RaiseEvent(2);
}

void KxScrollBar::HoverTick() {
    LONG x = 0, y = 0;
    if (window_) window_->GetMousePos(&x, &y);
    if (hotLeft_ <= x && x <= hotRight_ && hotTop_ <= y && y <= hotBottom_) return;
    timer_.SetEnabled(false);
    hitState_ = 0;
    RefreshQuietly();
}

// --- the track ---

// One page toward the pointer, through the keys' path; none when the pointer is level with the thumb.
void KxScrollBar::PageTowardPointer(float x, float y) {
    const PictureBox& thumb = *boxes_[kThumb];
    const float at = Vertical() ? y : x;
    const float start = static_cast<float>(Vertical() ? thumb.Top() : thumb.Left());
    const float end = start + static_cast<float>(Vertical() ? thumb.Height() : thumb.Width());
    if (at < start)
        BoxKeyDown(kThumb, kKeyPageUp, 0);
    else if (end < at)
        BoxKeyDown(kThumb, kKeyPageDown, 0);
}

void KxScrollBar::MouseDown(short button, short shift, float x, float y) {
    PageTowardPointer(x, y);
    RaiseMouseEvent(DISPID_MOUSEDOWN, button, shift, x, y);
    if (!repeatStart_) RepeatTrackPress(button, x, y);
}

// After half a second held, one page toward the pointer every tenth of a second until the release.
void KxScrollBar::RepeatTrackPress(short button, float x, float y) {
    ScrollPacing& pacing = *pacing_;
    repeatStart_ = pacing.Now();
    while (button == kLeftButton && MayRepeat()) {
        pacing.HandleMessages();
        if (!MayRepeat()) break;
        if (pacing.Now() - *repeatStart_ > kRepeatDelay) PageTowardPointer(x, y);
        button = pacing.LeftButtonHeld() ? kLeftButton : 0;
        if (button == kLeftButton) pacing.Wait(kTrackPace);
    }
    StopRepeat();
}

void KxScrollBar::MouseUp(short button, short shift, float x, float y) {
    StopRepeat();
    RaiseMouseEvent(DISPID_MOUSEUP, button, shift, x, y);
}

void KxScrollBar::MouseMove(short button, short shift, float x, float y) {
    RaiseMouseEvent(DISPID_MOUSEMOVE, button, shift, x, y);
}

void KxScrollBar::KeyDown(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYDOWN, keyCode, shift); }

void KxScrollBar::KeyPress(short keyAscii) {
    VARIANT arg;
    arg.vt = VT_BYREF | VT_I2;
    arg.piVal = &keyAscii;
    RaiseEvent(DISPID_KEYPRESS, &arg, 1);
}

void KxScrollBar::KeyUp(short keyCode, short shift) { RaiseKeyEvent(DISPID_KEYUP, keyCode, shift); }

// The mouse taken from the track, or the mode cancelled, ends a repeat as a release would.
bool KxScrollBar::WindowMessage(UINT message, WPARAM, LPARAM, LRESULT*) {
    if (message == WM_CAPTURECHANGED || message == WM_CANCELMODE) StopRepeat();
    return false;
}

}  // namespace kx
