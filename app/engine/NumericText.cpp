#include "NumericText.h"

#include <cstdlib>
#include <string>

#include "Rounding.h"

namespace zarvanta {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Matches the whole text against the numeric grammar, keeping an ASCII copy of the number.
class NumberScanner {
public:
    explicit NumberScanner(std::wstring_view text) : text_(text) {}

    bool Scan() {
        SkipBlanks();
        TakeSign();
        const std::size_t whole = TakeDigits();
        std::size_t fraction = 0;
        if (Peek() == L'.') {
            Take();
            fraction = TakeDigits();
        }
        if (whole + fraction == 0) return false;
        if (Peek() == L'e' || Peek() == L'E') {
            Take();
            TakeSign();
            if (TakeDigits() == 0) return false;
        }
        SkipBlanks();
        return at_ == text_.size();
    }

    const std::string& Ascii() const { return ascii_; }

private:
    wchar_t Peek() const { return at_ < text_.size() ? text_[at_] : L'\0'; }
    void Take() { ascii_.push_back(static_cast<char>(text_[at_++])); }
    void SkipBlanks() {
        while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
    }
    void TakeSign() {
        if (Peek() == L'+' || Peek() == L'-') Take();
    }
    std::size_t TakeDigits() {
        std::size_t count = 0;
        for (; IsDigit(Peek()); ++count) Take();
        return count;
    }

    std::wstring_view text_;
    std::size_t at_ = 0;
    std::string ascii_;
};

}  // namespace

std::optional<double> ReadNumber(std::wstring_view text) {
    NumberScanner scanner(text);
    if (!scanner.Scan()) return std::nullopt;
    // The scanned copy holds only ASCII digits, signs, '.' and 'e', which the C locale reads.
    return std::strtod(scanner.Ascii().c_str(), nullptr);
}

std::optional<std::int32_t> RoundToInt32(double value) {
    const double rounded = kx::RoundHalfEven(value);
    if (!kx::FitsInt32(rounded)) return std::nullopt;  // NaN and infinities included
    return static_cast<std::int32_t>(rounded);
}

}  // namespace zarvanta
