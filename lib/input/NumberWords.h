#pragma once
#include <optional>
#include <string>

// Numbers written out in Persian or English words, without the platform.
namespace kx {

// Nothing when the number's text is out of reach of the word tables: exponent notation (magnitudes from
// 10^15 up and very small ones), no finite value, or for Persian more than 14 digits after the point.
std::optional<std::wstring> PersianNumberWords(double number, bool ordinal);
std::optional<std::wstring> EnglishNumberWords(double number);

}  // namespace kx
