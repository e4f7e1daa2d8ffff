#pragma once
#include <windows.h>

#include <array>

#include "FormControls.h"

// Where the main window's controls and click zones lie, in pixels from its top-left corner. The skin is
// drawn to the same places.
namespace zarvanta::layout {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr COLORREF kCutOutColor = RGB(255, 0, 255);  // magenta: cut out of the window


constexpr RECT kVersionLabel = Bounds(400, 5, 153, 22);
constexpr RECT kTextBox = Bounds(435, 73, 353, 252);
constexpr RECT kList = Bounds(114, 73, 316, 252);

constexpr RECT kQuranButton = Bounds(16, 336, 129, 41);
constexpr RECT kDefaultButton = Bounds(16, 456, 129, 41);
constexpr RECT kComplexButton = Bounds(264, 344, 129, 41);
constexpr RECT kAbjadWordButton = Bounds(264, 392, 129, 41);

constexpr int kCalculatorZones = 6;
constexpr RECT CalculatorZone(int i) { return Bounds(8, 72 + 40 * i, 105, 41); }

constexpr int kOptionZones = 10;
constexpr std::array<int, kOptionZones> kOptionTops = {347, 368, 392, 416, 440, 464, 488, 512, 533, 555};
constexpr RECT OptionZone(int i) { return Bounds(496, kOptionTops[i], 277, 21); }
constexpr int kCheckMarkSize = 21;
constexpr POINT OptionMark(int i) { return {749, 346 + 23 * i}; }

constexpr RECT kCloseZone = Bounds(752, 0, 41, 41);
constexpr RECT kMinimiseZone = Bounds(712, 0, 41, 41);
constexpr RECT kMailLinkZone = Bounds(152, 512, 233, 41);
constexpr RECT kWebLinkZone = Bounds(152, 552, 233, 25);

}  // namespace zarvanta::layout
