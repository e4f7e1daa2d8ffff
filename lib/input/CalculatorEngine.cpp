#include "CalculatorEngine.h"

#include <climits>
#include <cmath>

#include "LeadingNumber.h"

namespace kx {
namespace {

// The entry states; "Ops" (after a percentage or fraction) and "OPS" differ by case on purpose.
const std::wstring kNone = L"NONE";
const std::wstring kNums = L"NUMS";
const std::wstring kOps = L"OPS";
const std::wstring kOps1 = L"OPS1";
const std::wstring kNeg = L"NEG";
const std::wstring kFractionOps = L"Ops";
const wchar_t* const kWhole = L"0.";
const wchar_t* const kFraction = L"0.0####################";

bool IsArithmetic(const std::wstring& op) {
    return op == L"+" || op == L"-" || op == L"*" || op == L"/" || op == L"Power" || op == L"Square" || op == L"%";
}

}  // namespace

CalculatorEngine::CalculatorEngine(const NumberService& numbers) : numbers_(numbers) {
    const std::wstring zero = numbers_.Format(0, L"0.0");
    separator_ = zero.size() > 1 ? zero[1] : L'.';
}

bool CalculatorEngine::HasSeparator(const std::wstring& text) const {
    return text.find(separator_) != std::wstring::npos;
}

std::wstring CalculatorEngine::ZeroIn(const wchar_t* pattern) const { return numbers_.Format(0, pattern); }

// --- entry ---

CalculatorOutcome CalculatorEngine::Digit(const std::wstring& caption) {
    if (entryState_ != kNums) {
        readout_ = std::wstring(1, separator_);
        pointEntered_ = false;
    }
    if (pointEntered_) {
        readout_ += caption;
    } else {
        if (!HasSeparator(readout_)) readout_ += separator_;
        const std::wstring integer = readout_.substr(0, readout_.find(separator_));
        const std::optional<double> value = numbers_.Read(integer);
        const bool zero = integer.empty() || (value && *value == 0);
        readout_ = (zero ? caption : integer + caption) + separator_;
    }
    if (entryState_ == kNeg) readout_ = L"-" + readout_;
    entryState_ = kNums;
    return {false, false, true};
}

CalculatorOutcome CalculatorEngine::Decimal() {
    if (entryState_ == kNeg) readout_ = ZeroIn(L"-0.");
    else if (entryState_ != kNums) readout_ = ZeroIn(kWhole);
    pointEntered_ = true;
    entryState_ = kNums;
    return {};
}

// --- operators ---

// Whether this press evaluates the pending operation (its second operand is the readout).
bool CalculatorEngine::WouldEvaluate() const {
    const int count = operandCount_ + (entryState_ == kNums ? 1 : 0);
    return count == 2 && IsArithmetic(pendingOperator_);
}

bool CalculatorEngine::OperandsReadable() const {
    return ReadOperand(firstOperand_).has_value() && numbers_.Read(readout_).has_value();
}

std::optional<double> CalculatorEngine::ReadOperand(const Operand& operand) const {
    if (const double* number = std::get_if<double>(&operand)) return *number;
    return numbers_.Read(std::get<std::wstring>(operand));
}

std::wstring CalculatorEngine::OperandText(const Operand& operand) const {
    if (const double* number = std::get_if<double>(&operand)) return numbers_.General(*number);
    return std::get<std::wstring>(operand);
}

// A division by zero, a zeroth root and a result that is no finite number leave the first operand.
void CalculatorEngine::EvaluatePending(CalculatorOutcome& outcome) {
    if (!IsArithmetic(pendingOperator_)) return;
    const double a = ReadOperand(firstOperand_).value_or(0);
    const double b = ReadOperand(secondOperand_).value_or(0);  // both read: the press checked them
    std::optional<double> result;
    if (pendingOperator_ == L"+") result = a + b;
    else if (pendingOperator_ == L"-") result = a - b;
    else if (pendingOperator_ == L"*" || pendingOperator_ == L"%") result = a * b;
    else if (pendingOperator_ == L"/" && b == 0) outcome.divisionByZero = true;
    else if (pendingOperator_ == L"/") result = a / b;
    else if (pendingOperator_ == L"Power") result = std::pow(a, b);
    else if (pendingOperator_ == L"Square" && b != 0) result = std::pow(a, 1 / b);
    if (result && std::isfinite(*result)) firstOperand_ = *result;
}

// An operand that is not a number makes the press do nothing.
CalculatorOutcome CalculatorEngine::Operator(const std::wstring& tag) {
    CalculatorOutcome outcome;
    if (tag == L"-/+") {
        if (const std::optional<double> value = numbers_.Read(readout_)) readout_ = numbers_.General(*value * -1);
        return outcome;
    }
    if (WouldEvaluate() && !OperandsReadable()) return outcome;
    readoutAtOperator_ = readout_;
    if (entryState_ == kNums && operandCount_ < SHRT_MAX) ++operandCount_;
    switch (operandCount_) {
        case 0:  // a negative first number is being started
            if (tag == L"-" && entryState_ != kNeg) {
                readout_ = L"-" + readout_;
                entryState_ = kNeg;
            }
            break;
        case 1:  // a negative second number is being started; the pending operator stays
            firstOperand_ = readout_;
            if (tag == L"-" && entryState_ != kNums) {
                readout_ = L"-";
                entryState_ = kNeg;
            }
            break;
        case 2:
            secondOperand_ = readoutAtOperator_;
            EvaluatePending(outcome);
            readout_ = OperandText(firstOperand_);
            operandCount_ = 1;
            break;
        default:
            break;
    }
    // The state left by the evaluation, before the new operator is recorded.
    if (tag == L"+" && entryState_ == kOps) outcome.getValue = true;
    if (entryState_ == kOps1) entryState_ = kOps;
    if (entryState_ != kNeg) {
        entryState_ = kOps;
        pendingOperator_ = tag;
    }
    outcome.focusReadout = true;
    return outcome;
}

CalculatorOutcome CalculatorEngine::Percent() {
    const std::optional<double> value = numbers_.Read(readout_);
    if (!value) return {};
    readout_ = numbers_.General(*value / 100);
    entryState_ = kFractionOps;
    pendingOperator_ = L"%";
    pointEntered_ = true;
    if (operandCount_ < SHRT_MAX) ++operandCount_;
    return {};
}

CalculatorOutcome CalculatorEngine::Fraction(const std::wstring& tag) {
    const double factor = tag == L"1/4" ? 0.25 : tag == L"1/2" ? 0.5 : tag == L"3/4" ? 0.75 : 0;
    const std::optional<double> value = numbers_.Read(readout_);
    if (factor == 0 || !value) return {};
    readout_ = numbers_.General(*value * factor);
    entryState_ = kFractionOps;
    if (operandCount_ < SHRT_MAX) ++operandCount_;
    pointEntered_ = true;
    return {false, false, true};
}

// A memory that would overflow keeps its value.
CalculatorOutcome CalculatorEngine::Memory(const std::wstring& tag) {
    if (tag == L"CM") {
        memory_ = 0;
    } else if (tag == L"RM") {
        readout_ = numbers_.General(memory_);
    } else if (tag == L"M-" || tag == L"M+") {
        const std::optional<double> value = numbers_.Read(readout_);
        if (!value) return {};
        const double sum = tag == L"M+" ? *value + memory_ : memory_ - *value;
        if (std::isfinite(sum)) memory_ = sum;
    }
    return {false, false, true};
}

// The remainder read up to where it stops being a number, with the locale's separator as the point.
std::optional<double> CalculatorEngine::ReadBackRemainder(const std::wstring& text) const {
    std::wstring dotted = text;
    for (wchar_t& c : dotted) {
        if (c == separator_) c = L'.';
        else if (c == L'.') c = L'x';  // not this locale's point: the number ends there
    }
    const LeadingNumber number = ReadLeadingNumber(dotted);
    if (number.overflow || !std::isfinite(number.value)) return std::nullopt;
    return number.value;
}

CalculatorOutcome CalculatorEngine::Back() {
    std::wstring text = readout_;
    if (text != L"0." && text != std::wstring(1, separator_) && !text.empty())
        text.erase(text.size() - (text.back() == separator_ && text.size() >= 2 ? 2 : 1));
    const std::optional<double> value = ReadBackRemainder(text);
    if (!value) return {};
    if (HasSeparator(numbers_.General(*value))) {
        readout_ = numbers_.Format(*value, kFraction);
    } else {
        readout_ = numbers_.Format(*value, kWhole);
        pointEntered_ = false;
    }
    entryState_ = kNums;
    return {false, false, true};
}

CalculatorOutcome CalculatorEngine::Clear() {
    readout_ = ZeroIn(kWhole);
    firstOperand_ = 0.0;
    secondOperand_ = 0.0;
    ResetValue();
    return {false, false, true};
}

CalculatorOutcome CalculatorEngine::Key(wchar_t character) {
    if (character >= L'0' && character <= L'9') return Digit(std::wstring(1, character));
    switch (character) {
        case L'.': return Decimal();
        case L'+': case L'=': case L'\r': return Operator(L"+");
        case L'-': return Operator(L"-");
        case L'*': return Operator(L"*");
        case L'/': return Operator(L"/");
        case L'_': return Operator(L"-/+");
        case 27: return Clear();
        case 8: return Back();
        default: return {};
    }
}

// --- the value ---

void CalculatorEngine::ResetValue() {
    memory_ = 0;
    pointEntered_ = false;
    operandCount_ = 0;
    entryState_ = kNone;
    pendingOperator_ = L" ";
    readout_ = ZeroIn(kWhole);
}

std::optional<double> CalculatorEngine::Evaluate(CalculatorOutcome* outcome) {
    if (entryState_ == kOps) entryState_ = kOps1;  // keeps this evaluation from raising GetValue
    const CalculatorOutcome result = Operator(L"+");
    if (outcome) *outcome = result;
    return numbers_.Read(readout_);
}

void CalculatorEngine::Load(double value) {
    memory_ = 0;
    pointEntered_ = HasSeparator(numbers_.General(value));
    operandCount_ = 0;
    firstOperand_ = 0.0;
    secondOperand_ = 0.0;
    readout_ = numbers_.Format(value, pointEntered_ ? kFraction : kWhole);
    entryState_ = kNums;
    pendingOperator_ = L" ";
}

}  // namespace kx
