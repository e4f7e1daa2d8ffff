#pragma once
#include <optional>
#include <string>
#include <variant>

// The pocket calculator behind kxCalculator, without the platform: the readout's text is the current
// entry and every operation reads its operand from it. Numbers are read and written by an injected
// number service, so the locale's decimal separator is the service's.
namespace kx {

class NumberService {
public:
    // The locale-aware reading of a number; nothing for text that is not one (empty, "-", too large).
    virtual std::optional<double> Read(const std::wstring& text) const = 0;
    // The general form: locale separator, no grouping, at most 15 significant digits.
    virtual std::wstring General(double value) const = 0;
    // The value in a pattern of the format mini-language ("0.", "0.0####################").
    virtual std::wstring Format(double value, const std::wstring& pattern) const = 0;

protected:
    ~NumberService() = default;
};

// What a press asks of the control, in this order: the division-by-zero message, the GetValue event,
// the focus to the readout.
struct CalculatorOutcome {
    bool divisionByZero = false;
    bool getValue = false;
    bool focusReadout = false;
};

class CalculatorEngine {
public:
    explicit CalculatorEngine(const NumberService& numbers);

    const std::wstring& Readout() const { return readout_; }
    wchar_t DecimalSeparator() const { return separator_; }

    // The buttons. Digit takes "0" .. "9" or "00"; the operator, fraction and memory buttons their tags.
    CalculatorOutcome Digit(const std::wstring& caption);
    CalculatorOutcome Decimal();
    CalculatorOutcome Operator(const std::wstring& tag);  // "+", "-", "*", "/", "-/+", "Power", "Square"
    CalculatorOutcome Percent();
    CalculatorOutcome Fraction(const std::wstring& tag);  // "1/4", "1/2", "3/4"
    CalculatorOutcome Memory(const std::wstring& tag);    // "CM", "RM", "M-", "M+"
    CalculatorOutcome Back();
    CalculatorOutcome Clear();
    // A character typed into the readout: its button's press, or nothing.
    CalculatorOutcome Key(wchar_t character);

    void ResetValue();
    // Value's get: a pending operation is evaluated as by "+ =" (without raising GetValue); the readout's
    // number, or nothing when it is not one. The evaluation's outcome goes to *outcome.
    std::optional<double> Evaluate(CalculatorOutcome* outcome);
    // Value's let: a fresh calculation from the number, to be continued by typing.
    void Load(double value);

    // For tests: the state's names as the calculator keeps them.
    const std::wstring& EntryState() const { return entryState_; }
    short OperandCount() const { return operandCount_; }
    double MemoryValue() const { return memory_; }

private:
    using Operand = std::variant<double, std::wstring>;  // a result, or readout text taken at an operator

    std::optional<double> ReadOperand(const Operand& operand) const;
    std::wstring OperandText(const Operand& operand) const;
    bool WouldEvaluate() const;
    bool OperandsReadable() const;
    void EvaluatePending(CalculatorOutcome& outcome);
    bool HasSeparator(const std::wstring& text) const;
    std::wstring ZeroIn(const wchar_t* pattern) const;
    std::optional<double> ReadBackRemainder(const std::wstring& text) const;

    const NumberService& numbers_;
    wchar_t separator_;
    std::wstring readout_ = L"123,456,789,123.1234";  // until the first reset
    std::wstring entryState_;
    short operandCount_ = 0;
    bool pointEntered_ = false;
    std::wstring pendingOperator_;
    Operand firstOperand_ = 0.0;
    Operand secondOperand_ = 0.0;
    std::wstring readoutAtOperator_;
    double memory_ = 0;
};

}  // namespace kx
