// The alert window's placement near the taskbar and its show and hide animation, one timMove tick at a time.
#include <algorithm>

#include "AlertWindow.h"
#include "ControlHost.h"
#include "Rounding.h"

namespace kx {
namespace {

constexpr long kNoneStyle = 99;

long Round32(double value) { return static_cast<long>(RoundHalfEven(value)); }

// A timer interval from seconds: none for a negative or unknown time, at most the platform's longest.
std::optional<UINT> CloseInterval(float seconds) {
    if (!(seconds > 0)) return std::nullopt;
    const double milliseconds = RoundHalfEven(static_cast<double>(seconds) * 1000.0);
    return static_cast<UINT>(std::clamp<double>(milliseconds, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM));
}

}  // namespace

int AlertWindow::ToPixelsX(double twips) const { return static_cast<int>(RoundHalfEven(twips / screen_.twipsPerPixelX)); }
int AlertWindow::ToPixelsY(double twips) const { return static_cast<int>(RoundHalfEven(twips / screen_.twipsPerPixelY)); }

TwipsPoint AlertWindow::PlaceTwips() const {
    RECT r = {};
    GetWindowRect(window_, &r);
    return {Round32(r.left * screen_.twipsPerPixelX), Round32(r.top * screen_.twipsPerPixelY)};
}

std::int32_t AlertWindow::WidthTwips() const {
    RECT r = {};
    GetWindowRect(window_, &r);
    return Round32((r.right - r.left) * screen_.twipsPerPixelX);
}

std::int32_t AlertWindow::HeightTwips() const {
    RECT r = {};
    GetWindowRect(window_, &r);
    return Round32((r.bottom - r.top) * screen_.twipsPerPixelY);
}

void AlertWindow::SetPlaceTwips(TwipsPoint place) {
    SetWindowPos(window_, nullptr, ToPixelsX(place.x), ToPixelsY(place.y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Target inside the free part of the screen, effects, starting place and the change per tick; the window
// keeps its full size and is not shown yet.
void AlertWindow::PlaceAndPrepareAnimation() {
    screen_ = ReadAlertScreen();
    const TwipsRect area = AlertWorkArea(screen_.taskbar, screen_.width, screen_.height, screen_.workArea);
    const std::int32_t w = WidthTwips(), h = HeightTwips();
    target_ = AlertTarget(showPosition_, area, w, h, target_);
    effects_ = AlertEffectsOf(showStyle_);
    SetPlaceTwips(target_);
    SetPlaceTwips(AlertStart(showStyle_, target_, area, w, h));
    steps_ = AlertStepsOf(stepCount_, target_, PlaceTwips(), w, h);
}

// timMove: one frame of the show (ShowState 1) or of the hide (-1), or the end of either.
void AlertWindow::OnMoveTimer() {
    if (!window_) return;
    if (showStyle_ == kNoneStyle) {  // no animation at all
        tickCount_ = stepCount_;
        KillTimer(window_, kMoveTimer);
        if (showState_ != 1) {
            FinalUnload();
            return;
        }
        if (!IsVisible()) MakeVisible();
        FocusFirstButton();
        return;
    }
    ++tickCount_;
    if (tickCount_ < stepCount_) {
        PlayFrame();
        return;
    }
    tickCount_ = 0;
    KillTimer(window_, kMoveTimer);
    if (showState_ != 1) {
        FinalUnload();
        return;
    }
    FinishShow();
}

void AlertWindow::PlayFrame() {
    const TwipsPoint place = PlaceTwips();
    MoveWindowTo(Round32(place.x + steps_.x * showState_), Round32(place.y + steps_.y * showState_));
    if (showState_ == 1) {
        SetAlpha(Round32(steps_.alpha * tickCount_), true);
        SizeWindowTo(Round32(steps_.width * tickCount_), Round32(steps_.height * tickCount_));
    } else {
        SetAlpha(Round32(255 - steps_.alpha * tickCount_), true);
        SizeWindowTo(Round32(WidthTwips() - steps_.width), Round32(HeightTwips() - steps_.height));
    }
    if (!IsVisible()) MakeVisible();
    FocusFirstButton();
}

// Everything at its final value; the focus ends on the first visible button, whatever DefaultButton says.
void AlertWindow::FinishShow() {
    MoveWindowTo(target_.x, target_.y);
    SetAlpha(maxTransparent_, true);
    SizeWindowTo(Round32(stepCount_ * steps_.width), Round32(stepCount_ * steps_.height));
    ApplyWindowShape();
    // A DefaultButton outside 1..3 names no button: nothing is focused for it and the show finishes.
    if (defaultButton_ >= 1 && defaultButton_ <= 3 && buttons_[defaultButton_ - 1] &&
        buttons_[defaultButton_ - 1]->Visible())
        buttons_[defaultButton_ - 1]->SetFocus();
    if (const std::optional<UINT> interval = CloseInterval(timeToClose_))
        SetTimer(window_, kCloseTimer, *interval, nullptr);
    if (!IsVisible()) MakeVisible();
    FocusFirstButton();
}

// Opacity, for fading styles only when asked so; never above MaxTransparent. The platform's failures are
// ignored.
void AlertWindow::SetAlpha(long alpha, bool onlyIfFading) {
    if (onlyIfFading && !effects_.fade) return;
    if (alpha > maxTransparent_) alpha = maxTransparent_;
    if (alpha < 0 || alpha > maxTransparent_) return;
    SetWindowLongW(window_, GWL_EXSTYLE, GetWindowLongW(window_, GWL_EXSTYLE) | WS_EX_LAYERED);
    if (alpha <= 255) SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void AlertWindow::MoveWindowTo(long left, long top) {
    if (effects_.move) SetPlaceTwips({left, top});
}

// Height first, then width; each change runs the layout, which keeps the window at least 2000 x 1000 twips.
void AlertWindow::SizeWindowTo(long width, long height) {
    if (!effects_.zoom) return;
    width = std::max(width, 0L);
    height = std::max(height, 0L);
    RECT r = {};
    GetWindowRect(window_, &r);
    SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, ToPixelsY(height), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(window_, &r);
    SetWindowPos(window_, nullptr, 0, 0, ToPixelsX(width), r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ShowWindow alone: it activates the window and keeps its place, size and top-most setting.
void AlertWindow::MakeVisible() { ShowWindow(window_, SW_SHOW); }

}  // namespace kx
