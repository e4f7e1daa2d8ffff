#include "AlertGeometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "Rounding.h"

namespace kx {
namespace {

constexpr int kFadeStyles[] = {0, 5, 6, 7, 8, 10, 16, 17, 18};
constexpr int kMoveStyles[] = {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 17, 18};
constexpr int kZoomStyles[] = {9, 10, 11, 12, 13, 14, 15, 16, 17, 18};

template <size_t N>
bool IsIn(int value, const int (&list)[N]) {
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

std::int32_t Round32(double value) { return static_cast<std::int32_t>(RoundHalfEven(value)); }

// The four edge tests, in order, on the taskbar's rectangle; each replaces two sides of it.
std::optional<TwipsRect> BesideTaskbar(const TwipsRect& bar, std::int32_t sw, std::int32_t sh) {
    TwipsRect area = bar;
    if (bar.top < 1 && bar.left < 1 && sw != bar.right) {  // left
        area.left = bar.right;
        area.right = sw;
    } else if (bar.top < 1 && bar.left != 0 && sw <= bar.right) {  // right
        area.right = bar.left;
        area.left = 0;
    } else if (bar.top < 1 && bar.left < 1 && sw == bar.right) {  // top
        area.top = bar.bottom;
        area.bottom = sh;
    } else if (bar.left < 1 && sh <= bar.bottom && sw == bar.right) {  // bottom
        area.bottom = bar.top;
        area.top = 0;
    } else {
        return std::nullopt;
    }
    return area;
}

}  // namespace

std::optional<std::int16_t> AlertStepCount(double seconds) {
    const double ticks = RoundHalfEven(seconds * 1000.0 / kAlertTickMilliseconds);
    if (std::isnan(ticks) || !FitsInt16(ticks)) return std::nullopt;
    return static_cast<std::int16_t>(std::max(ticks, 1.0));
}

TwipsRect AlertWorkArea(const std::optional<TwipsRect>& taskbar, std::int32_t screenWidth, std::int32_t screenHeight,
                        const TwipsRect& systemWorkArea) {
    if (!taskbar || taskbar->right <= taskbar->left || taskbar->bottom <= taskbar->top) return systemWorkArea;
    return BesideTaskbar(*taskbar, screenWidth, screenHeight).value_or(systemWorkArea);
}

TwipsPoint AlertTarget(int position, const TwipsRect& area, std::int32_t w, std::int32_t h, TwipsPoint previous) {
    const double width = static_cast<double>(area.right) - area.left;
    const double height = static_cast<double>(area.bottom) - area.top;
    const double right = width - w, centre = (width - w) / 2, bottom = height - h, middle = (height - h) / 2;
    TwipsPoint target = previous;
    if (position >= 0 && position <= 8) {
        const double xs[] = {right, centre, 0};  // position / 3: right, centre, left
        const double ys[] = {bottom, middle, 0};  // position % 3: bottom, middle, top
        target = {Round32(xs[position / 3]), Round32(ys[position % 3])};
    }
    return {target.x + area.left, target.y + area.top};
}

AlertEffects AlertEffectsOf(int showStyle) {
    return {IsIn(showStyle, kFadeStyles), IsIn(showStyle, kMoveStyles), IsIn(showStyle, kZoomStyles)};
}

TwipsPoint AlertStart(int showStyle, TwipsPoint target, const TwipsRect& area, std::int32_t w, std::int32_t h) {
    TwipsPoint start = target;
    switch (showStyle) {
        case 1: case 5: case 11: case 15: start.y = area.bottom - area.top; break;  // the area's height, not its bottom
        case 2: case 6: case 12: case 16: start.y = -h; break;
        case 3: case 7: case 13: case 17: start.x = -w; break;
        case 4: case 8: case 14: case 18: start.x = area.right - area.left; break;  // its width, not its right
        default: break;
    }
    return start;
}

AlertSteps AlertStepsOf(std::int16_t stepCount, TwipsPoint target, TwipsPoint start, std::int32_t w,
                        std::int32_t h) {
    const float n = stepCount;
    return {255.0f / n, static_cast<float>(target.x - start.x) / n, static_cast<float>(target.y - start.y) / n,
            static_cast<float>(w) / n, static_cast<float>(h) / n};
}

}  // namespace kx
