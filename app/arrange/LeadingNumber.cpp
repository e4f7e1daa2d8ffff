#include "LeadingNumber.h"

#include <cstdlib>
#include <string>

namespace zarvanta {
namespace {

bool IsSkipped(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The text without its blanks, up to where the number ends, copied as ASCII.
class NumberReader {
public:
    explicit NumberReader(std::wstring_view text) : text_(text) {}

    std::string Read() {
        if (Peek() == L'+' || Peek() == L'-') Take();
        std::size_t digits = TakeDigits();
        if (Peek() == L'.') {
            Take();
            digits += TakeDigits();
        }
        if (digits == 0) return "0";
        TakeExponent();
        return ascii_;
    }

private:
    wchar_t Peek() {
        while (at_ < text_.size() && IsSkipped(text_[at_])) ++at_;
        return at_ < text_.size() ? text_[at_] : L'\0';
    }
    void Take() { ascii_.push_back(static_cast<char>(text_[at_++])); }
    std::size_t TakeDigits() {
        std::size_t count = 0;
        for (; IsDigit(Peek()); ++count) Take();
        return count;
    }
    // Taken only when digits follow the letter and its sign.
    void TakeExponent() {
        const wchar_t letter = Peek();
        if (letter != L'e' && letter != L'E' && letter != L'd' && letter != L'D') return;
        const std::size_t mark = at_;
        const std::size_t kept = ascii_.size();
        ++at_;
        ascii_.push_back('e');
        if (Peek() == L'+' || Peek() == L'-') Take();
        if (TakeDigits() > 0) return;
        at_ = mark;
        ascii_.resize(kept);
    }

    std::wstring_view text_;
    std::size_t at_ = 0;
    std::string ascii_;
};

}  // namespace

double LeadingNumber(std::wstring_view text) {
    // Only digits, a sign, a point and an exponent are copied, which the C locale reads.
    return std::strtod(NumberReader(text).Read().c_str(), nullptr);
}

}  // namespace zarvanta
