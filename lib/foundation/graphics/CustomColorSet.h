#pragma once
#include <array>
#include <cstdint>
#include <string>

// The stored text of the colour dialog's sixteen custom colours: "CustomColorSet:" and then the 64 bytes
// of the COLORREF values (red, green, blue, 0 for each) in decimal, each followed by ",".
namespace kx {

using CustomColorBytes = std::array<std::uint8_t, 64>;

// Reads what it can: a byte whose number is missing, not a plain decimal or outside 0..255 once rounded half to
// even is 0, and so is every byte after a number without its ",".
CustomColorBytes ParseCustomColorSet(const std::wstring& text);
std::wstring FormatCustomColorSet(const CustomColorBytes& bytes);

}  // namespace kx
