#pragma once
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "CalculatorEngine.h"
#include "DoubleText.h"

// A number service of a locale whose decimal separator is the one given, without the platform: strict
// reading, the runtime's 15-digit general form and the few patterns the calculator formats with.
namespace kxtest {

class FakeNumbers final : public kx::NumberService {
public:
    explicit FakeNumbers(wchar_t separator) : separator_(separator) {}

    std::optional<double> Read(const std::wstring& text) const override {
        std::string plain;
        for (wchar_t c : text) {
            if (c == separator_) plain += '.';
            else if (c == L'.' || c > 0x7F) return std::nullopt;
            else plain += static_cast<char>(c);
        }
        double value = 0;
        const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
        if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) return std::nullopt;
        if (plain.find_first_of("in") != std::string::npos) return std::nullopt;  // "inf", "nan"
        return value;
    }
    std::wstring General(double value) const override { return Localised(kx::DoubleText(value).value_or(L"")); }
    std::wstring Format(double value, const std::wstring& pattern) const override {
        char text[400];
        if (pattern == L"0." || pattern == L"-0.") {
            std::snprintf(text, sizeof(text), "%.0f", value);
            std::string whole = text;
            if (pattern == L"-0." && whole[0] != '-') whole = "-" + whole;
            return Wide(whole) + separator_;
        }
        if (pattern == L"0.0") {
            std::snprintf(text, sizeof(text), "%.1f", value);
            return Localised(Wide(text));
        }
        std::wstring fixed = kx::DoubleText(value).value_or(L"0");  // 15 digits, as the platform's
        if (fixed.find(L'.') == std::wstring::npos) fixed += L".0";
        return Localised(fixed);
    }

private:
    static std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
    std::wstring Localised(std::wstring text) const {
        for (wchar_t& c : text)
            if (c == L'.') c = separator_;
        return text;
    }
    wchar_t separator_;
};

}  // namespace kxtest
