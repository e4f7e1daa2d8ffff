#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// How a long run shows its progress and learns of a cancel: the window implements the sink; the run calls it
// at most once per interval of the clock, however many words it writes in between.
namespace zarvanta {

inline constexpr std::chrono::milliseconds kProgressInterval{30};

struct ProgressState {
    double Value = 0;      // the progress bar's Value
    double Max = 0;        // the progress bar's Max
    std::wstring Caption;  // lblProgress
};

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // Shows the state and lets the message queue run once (where a cancel can come in).
    virtual void Show(const ProgressState& state) = 0;
    // True once the run is to stop: the cancel button, Esc or the window closing.
    virtual bool CancelRequested() = 0;
};

using ProgressClock = std::function<std::chrono::steady_clock::time_point()>;
inline std::chrono::steady_clock::time_point SteadyNow() { return std::chrono::steady_clock::now(); }

// The caption while a run counts: Value, "/" and Max in decimal, e.g. 15/51.
std::wstring CountCaption(double value, double max);

// The run's side of the sink: holds the state, shows it when the interval has passed and remembers a cancel.
class ProgressTracker {
public:
    ProgressTracker(ProgressSink& sink, ProgressClock clock, std::chrono::milliseconds interval = kProgressInterval);

    void SetMax(double max) { state_.Max = max; }
    void SetValue(double value) { state_.Value = value; }
    void Add(double amount) { state_.Value += amount; }
    double Value() const { return state_.Value; }
    // The caption shows the fixed text from now on, or the count.
    void ShowText(std::wstring_view caption);
    void ShowCount();

    // Shows the state if the interval has passed since it was last shown; false once the run is to stop.
    bool Poll();
    // Counts items of work and reads the clock only every so many, so that it can be called per item; true when
    // the caller should bring the state up to date and Poll.
    bool Due(std::uint64_t items = 1) {
        itemsSinceClockRead_ += items;
        if (itemsSinceClockRead_ < kItemsPerClockRead) return false;
        itemsSinceClockRead_ = 0;
        return IntervalPassed();
    }
    bool Cancelled() const { return cancelled_; }

private:
    static constexpr std::uint64_t kItemsPerClockRead = 256;
    bool IntervalPassed() const;

    ProgressSink& sink_;
    ProgressClock clock_;
    std::chrono::milliseconds interval_;
    ProgressState state_;
    bool counting_ = false;
    bool shownOnce_ = false;
    std::chrono::steady_clock::time_point lastShown_{};
    std::uint64_t itemsSinceClockRead_ = 0;
    bool cancelled_ = false;
};

}  // namespace zarvanta
