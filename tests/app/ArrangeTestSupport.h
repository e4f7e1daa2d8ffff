#pragma once
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "arrange/ArrangementProgress.h"

// Files, a platform reference for code page 1256, a recording progress sink and a clock the test moves.
namespace arrangetest {

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The platform's own conversion, which the files must match.
inline std::string PlatformCodePage1256(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(1256, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(1256, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// Moves on by a fixed step each time it is read.
class StepClock {
public:
    explicit StepClock(std::chrono::milliseconds step) : step_(step) {}
    zarvanta::ProgressClock AsClock() {
        return [this] { return now_ += step_; };
    }
    std::chrono::steady_clock::time_point Now() const { return now_; }

private:
    std::chrono::milliseconds step_;
    std::chrono::steady_clock::time_point now_{};
};

// Keeps every state shown and the clock's time of each; cancels when the predicate says so.
class RecordingSink : public zarvanta::ProgressSink {
public:
    struct Shown {
        zarvanta::ProgressState state;
        std::chrono::steady_clock::time_point at;
    };

    explicit RecordingSink(std::function<std::chrono::steady_clock::time_point()> clock = nullptr)
        : clock_(std::move(clock)) {}

    void Show(const zarvanta::ProgressState& state) override {
        shown.push_back({state, clock_ ? clock_() : std::chrono::steady_clock::now()});
        if (cancelWhen && cancelWhen(state)) cancelled = true;
    }
    bool CancelRequested() override { return cancelled; }

    std::function<bool(const zarvanta::ProgressState&)> cancelWhen;
    bool cancelled = false;
    std::vector<Shown> shown;

private:
    std::function<std::chrono::steady_clock::time_point()> clock_;
};

}  // namespace arrangetest
