#pragma once
#include <optional>
#include <string_view>

// How an option's value in the settings file reads as a Boolean.
namespace zarvanta {

// "True" and "False" (any letter case, blanks around allowed), or any number: non-zero is on. Nothing for
// any other text, the empty text included; the caller then keeps the option's default.
std::optional<bool> ReadOptionText(std::wstring_view text);

// The text the program writes for an option.
std::wstring_view OptionText(bool on);

}  // namespace zarvanta
