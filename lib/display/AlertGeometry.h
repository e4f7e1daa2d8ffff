#pragma once
#include <cstdint>
#include <optional>

// Where the alert window goes and how it gets there: the free part of the screen beside the taskbar, the
// target of each show position, the effects of each show style, the starting place and the change per
// tick. Screen places are in twips. Pure arithmetic, no platform calls.
namespace kx {

constexpr int kAlertTickMilliseconds = 25;

struct TwipsRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct TwipsPoint {
    std::int32_t x = 0, y = 0;
};

struct AlertEffects {
    bool fade = false;
    bool move = false;
    bool zoom = false;
};

// Per-tick changes: opacity, place and size (twips).
struct AlertSteps {
    float alpha = 0, x = 0, y = 0, width = 0, height = 0;
};

// Ticks of a show lasting the given seconds, at least 1; empty when the count leaves 16 bits (or for NaN).
std::optional<std::int16_t> AlertStepCount(double seconds);

// The screen less the taskbar. A taskbar that fits none of the four edges, or none at all, leaves the system's
// own work area.
TwipsRect AlertWorkArea(const std::optional<TwipsRect>& taskbar, std::int32_t screenWidth, std::int32_t screenHeight,
                        const TwipsRect& systemWorkArea);

// The target of a window w x h at a show position inside the area; an unknown position keeps the previous
// target (then offset by the area's corner, as every target is).
TwipsPoint AlertTarget(int position, const TwipsRect& area, std::int32_t w, std::int32_t h, TwipsPoint previous);

AlertEffects AlertEffectsOf(int showStyle);

// Where a show starts: beside the edge the window moves in from, or at the target.
TwipsPoint AlertStart(int showStyle, TwipsPoint target, const TwipsRect& area, std::int32_t w, std::int32_t h);

AlertSteps AlertStepsOf(std::int16_t stepCount, TwipsPoint target, TwipsPoint start, std::int32_t w,
                        std::int32_t h);

}  // namespace kx
