#pragma once
#include <optional>
#include <string>

// The form runtime's standard text of a Double, without the platform.
namespace kx {

// At most 15 significant digits, "." as the decimal point, no thousands separator, no trailing zeros
// after the point, "-" for negatives and no "+". Decimal exponents below -4 or from 15 up are written in
// exponent notation ("1E-05", "1.5E+15"). Nothing for infinities and NaN.
std::optional<std::wstring> DoubleText(double value);

}  // namespace kx
