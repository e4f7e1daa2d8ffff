// The calculator's state machine over a number service of a point and of a comma locale.
#include <gtest/gtest.h>

#include "CalculatorCases.h"
#include "FakeNumbers.h"

namespace {

using kxtest::FakeNumbers;

TEST(CalculatorEngine, CasesInAPointLocale) { kxtest::RunCalculatorCases(FakeNumbers(L'.')); }
TEST(CalculatorEngine, CasesInACommaLocale) { kxtest::RunCalculatorCases(FakeNumbers(L',')); }

TEST(CalculatorEngine, NewCalculatorShowsItsDesignTextUntilReset) {
    const FakeNumbers numbers(L'.');
    kx::CalculatorEngine calc(numbers);
    EXPECT_EQ(L"123,456,789,123.1234", calc.Readout());
    EXPECT_EQ(L"", calc.EntryState());
    calc.ResetValue();
    EXPECT_EQ(L"0.", calc.Readout());
    EXPECT_EQ(L"NONE", calc.EntryState());
}

TEST(CalculatorEngine, StatesAndCountsAlongAnEntry) {
    const FakeNumbers numbers(L'.');
    kx::CalculatorEngine calc(numbers);
    calc.ResetValue();
    const struct {
        const char* key;
        const wchar_t* state;
        short count;
    } steps[] = {
        {"5", L"NUMS", 0}, {"x", L"OPS", 1}, {"-", L"NEG", 1}, {"2", L"NUMS", 1}, {"=", L"OPS", 1},
        {"%", L"Ops", 2},  {"1/2", L"Ops", 3}, {"=", L"OPS", 3}, {"C", L"NONE", 0},
    };
    for (const auto& step : steps) {
        kxtest::PressAll(calc, step.key);
        EXPECT_EQ(step.state, calc.EntryState()) << step.key;
        EXPECT_EQ(step.count, calc.OperandCount()) << step.key;
    }
}

// Three operands or more (repeated percentages) evaluate nothing until a Clear.
TEST(CalculatorEngine, ThirdOperandEvaluatesNothing) {
    const FakeNumbers numbers(L'.');
    kx::CalculatorEngine calc(numbers);
    calc.ResetValue();
    kxtest::PressAll(calc, "5 x 2 % % =");
    EXPECT_EQ(L"0.0002", calc.Readout());
    kxtest::PressAll(calc, "C 2 = 3 =");
    EXPECT_EQ(L"5", calc.Readout());
}

TEST(CalculatorEngine, LoadClearsMemoryAndStartsAFreshCalculation) {
    const FakeNumbers numbers(L'.');
    kx::CalculatorEngine calc(numbers);
    calc.ResetValue();
    kxtest::PressAll(calc, "4 M+ 2 =");
    calc.Load(-0.5);
    EXPECT_EQ(L"-0.5", calc.Readout());
    EXPECT_EQ(0, calc.MemoryValue());
    EXPECT_EQ(L"NUMS", calc.EntryState());
    kxtest::PressAll(calc, "= 1 =");
    EXPECT_EQ(L"0.5", calc.Readout());
}

TEST(CalculatorEngine, TenThousandDigitsStayTypedAndOperatorsWaitForANumber) {
    const FakeNumbers numbers(L'.');
    kx::CalculatorEngine calc(numbers);
    calc.ResetValue();
    for (int i = 0; i < 10000; ++i) calc.Digit(L"9");
    EXPECT_EQ(10001u, calc.Readout().size());
    kxtest::PressAll(calc, "= 1 =");  // the first operand does not read as a number
    EXPECT_EQ(L"1.", calc.Readout());
    EXPECT_EQ(std::optional<double>(1), calc.Evaluate(nullptr));
}

}  // namespace
