#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "CalculatorEngine.h"

// The calculator's cases as key strings, run against any number service: the buttons by their captions
// ("x" times, "/" divide, "=" the "+ =" button, "+/-", "Po", "Sq", "%", "1/4", "1/2", "3/4", "CM", "RM",
// "M-", "M+", "Back", "C"), "k:c" a typed character, "load:v" a Value let. Readouts are written with "."
// and compared in the service's separator.
namespace kxtest {

struct CalculatorRun {
    int getValueCount = 0;
    int divisionMessages = 0;
};

inline CalculatorRun PressAll(kx::CalculatorEngine& calc, const std::string& keys) {
    CalculatorRun run;
    std::istringstream words(keys);
    std::string key;
    auto note = [&](const kx::CalculatorOutcome& outcome) {
        run.divisionMessages += outcome.divisionByZero;
        run.getValueCount += outcome.getValue;
    };
    while (words >> key) {
        const std::wstring wide(key.begin(), key.end());
        if (key.rfind("load:", 0) == 0) calc.Load(std::stod(key.substr(5)));
        else if (key == "k:esc") note(calc.Key(27));
        else if (key.rfind("k:", 0) == 0) note(calc.Key(static_cast<wchar_t>(key[2])));
        else if (key == "=") note(calc.Operator(L"+"));
        else if (key == "x") note(calc.Operator(L"*"));
        else if (key == "-" || key == "/") note(calc.Operator(wide));
        else if (key == "+/-") note(calc.Operator(L"-/+"));
        else if (key == "Po") note(calc.Operator(L"Power"));
        else if (key == "Sq") note(calc.Operator(L"Square"));
        else if (key == ".") note(calc.Decimal());
        else if (key == "%") note(calc.Percent());
        else if (key == "1/4" || key == "1/2" || key == "3/4") note(calc.Fraction(wide));
        else if (key == "CM" || key == "RM" || key == "M-" || key == "M+") note(calc.Memory(wide));
        else if (key == "Back") note(calc.Back());
        else if (key == "C") note(calc.Clear());
        else note(calc.Digit(wide));
    }
    return run;
}

struct CalculatorCase {
    const char* keys;
    const wchar_t* readout;  // with "." for the separator
    int getValues;
    std::optional<double> value;  // what Value's get returns afterwards; nothing: error 13
    int messages = 0;
};

inline const CalculatorCase kCalculatorCases[] = {
    {"1 2 = 3 =", L"15", 0, 15},
    {"1 2 = 3 = =", L"15", 1, 15},
    {"= =", L"0.", 1, 0},
    {"5 - - 3 =", L"8", 0, 8},
    {"- 5", L"-5.", 0, -5},
    {"5 = .", L"0.", 0, 5},
    {"5 = . 7", L"0.7", 0, 5.7},
    {"8 / 0 =", L"8.", 0, 8, 1},
    {"2 7 Sq 3 =", L"3", 0, 3},
    {"2 Po 1 0 =", L"1024", 0, 1024},
    {"5 x 2 0 % =", L"1", 0, 1},
    {"5 x 2 0 % = =", L"1", 1, 1},  // the first "+ =" after a percentage raises nothing
    {"1 2 Back", L"1.", 0, 1},
    {"Back", L"0.", 0, 0},
    {"5 Back", L"0.", 0, 0},
    {"load:12.5 Back", L"12.", 0, 12},
    {"load:12.55 Back", L"12.5", 0, 12.5},
    {"load:12.5 5", L"12.55", 0, 12.55},
    {"load:7 3", L"73.", 0, 73},
    {"4 M+ C RM", L"0", 0, 0},
    {"4 M+ 1 M+ RM", L"45", 0, 45},  // memory keys leave the entry going
    {"4 M+ = 6 M+ RM", L"10", 0, 14},  // Value's get adds the pending 4
    {"4 M+ = 1 M- RM", L"3", 0, 7},
    {"4 M+ CM RM", L"0", 0, 0},
    {"k:8 k:/ k:2 k:=", L"4", 0, 4},
    {"k:. k:5", L"0.5", 0, 0.5},
    {"k:9 k:_", L"-9", 0, -9},
    {"9 +/-", L"-9", 0, -9},
    {"1 0 0 1/4", L"25", 0, 25},
    {"1 0 1/2 3/4", L"3.75", 0, 0},  // no operator pending: the first operand, 0, comes back
    {"0 0 7 00", L"700.", 0, 700},
    {"1 . 5 x 2 =", L"3", 0, 3},
    {"1 2 k:esc", L"0.", 0, 0},
    {"load:1E+20", L"100000000000000000000.", 0, 1e20},
    // An operand that is not a number: the press does nothing; Value's get fails.
    {"5 = - +/-", L"-", 0, std::nullopt},
    {"5 = -", L"-", 0, std::nullopt},
    // A zeroth root and an overflow keep the first operand, without a message.
    {"1 Sq 0 =", L"1.", 0, 1},
    {"1 0 Po 4 0 0 =", L"10.", 0, 10},
    {"1 0 Po 4 0 0 = =", L"10.", 1, 10},
};

inline std::wstring InSeparator(const wchar_t* text, wchar_t separator) {
    std::wstring result = text;
    for (wchar_t& c : result)
        if (c == L'.') c = separator;
    return result;
}

inline void RunCalculatorCases(const kx::NumberService& numbers) {
    for (const CalculatorCase& c : kCalculatorCases) {
        kx::CalculatorEngine calc(numbers);
        calc.ResetValue();
        const CalculatorRun run = PressAll(calc, c.keys);
        const wchar_t separator = calc.DecimalSeparator();
        EXPECT_EQ(InSeparator(c.readout, separator), calc.Readout()) << c.keys;
        EXPECT_EQ(c.getValues, run.getValueCount) << c.keys;
        EXPECT_EQ(c.messages, run.divisionMessages) << c.keys;
        kx::CalculatorOutcome outcome;
        const std::optional<double> value = calc.Evaluate(&outcome);
        EXPECT_FALSE(outcome.getValue) << c.keys << ": Value's get raises no GetValue";
        ASSERT_EQ(c.value.has_value(), value.has_value()) << c.keys;
        if (value) {
            EXPECT_DOUBLE_EQ(*c.value, *value) << c.keys;
        }
    }
}

}  // namespace kxtest
