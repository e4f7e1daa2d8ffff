#include "ArrangementProgress.h"

#include <cmath>
#include <utility>

namespace zarvanta {
namespace {

// The counts are whole numbers; shown without a fraction or exponent, as the classic runtime prints them.
std::wstring WholeNumberText(double value) { return std::to_wstring(static_cast<long long>(std::floor(value))); }

}  // namespace

std::wstring CountCaption(double value, double max) { return WholeNumberText(value) + L"/" + WholeNumberText(max); }

ProgressTracker::ProgressTracker(ProgressSink& sink, ProgressClock clock, std::chrono::milliseconds interval)
    : sink_(sink), clock_(std::move(clock)), interval_(interval) {}

void ProgressTracker::ShowText(std::wstring_view caption) {
    counting_ = false;
    state_.Caption = caption;
}

void ProgressTracker::ShowCount() { counting_ = true; }

bool ProgressTracker::IntervalPassed() const { return !shownOnce_ || clock_() - lastShown_ >= interval_; }

bool ProgressTracker::Poll() {
    if (cancelled_) return false;
    if (!IntervalPassed()) return true;
    if (counting_) state_.Caption = CountCaption(state_.Value, state_.Max);
    sink_.Show(state_);
    lastShown_ = clock_();
    shownOnce_ = true;
    cancelled_ = sink_.CancelRequested();
    return !cancelled_;
}

}  // namespace zarvanta
