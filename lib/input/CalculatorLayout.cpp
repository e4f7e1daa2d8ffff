#include "CalculatorLayout.h"

namespace kx {

using K = CalculatorButtonKind;

const CalculatorButtonSpec kCalculatorButtons[kCalculatorButtonCount] = {
    {L"Number(7)", K::Number, L"7", L"7", 0, 480, 375, nullptr},
    {L"Number(8)", K::Number, L"8", L"8", 360, 480, 375, nullptr},
    {L"Number(9)", K::Number, L"9", L"9", 720, 480, 375, nullptr},
    {L"Operator(4)", K::Operator, L"\u00B1", L"-/+", 1200, 480, 375, nullptr},
    {L"Operator(5)", K::Operator, L"Po", L"Power", 1680, 480, 375, L"Power n1 with n2"},
    {L"Operator(6)", K::Operator, L"Sq", L"Square", 2160, 480, 375, L"Square n1 with n2"},
    {L"Number(4)", K::Number, L"4", L"4", 0, 840, 375, nullptr},
    {L"Number(5)", K::Number, L"5", L"5", 360, 840, 375, nullptr},
    {L"Number(6)", K::Number, L"6", L"6", 720, 840, 375, nullptr},
    {L"Operator(1)", K::Operator, L"-", L"-", 1200, 840, 375, nullptr},
    {L"Percent", K::Percent, L"%", L"%", 1680, 840, 375, nullptr},
    {L"cmdDivn(0)", K::Fraction, L"\u00BC", L"1/4", 2160, 840, 375, L"Show Value * 0.25"},
    {L"Number(1)", K::Number, L"1", L"1", 0, 1200, 375, nullptr},
    {L"Number(2)", K::Number, L"2", L"2", 360, 1200, 375, nullptr},
    {L"Number(3)", K::Number, L"3", L"3", 720, 1200, 375, nullptr},
    {L"Operator(0)", K::Operator, L"+ =", L"+", 1200, 1200, 735, nullptr},
    {L"Operator(3)", K::Operator, L"\u00F7", L"/", 1680, 1200, 375, nullptr},
    {L"cmdDivn(1)", K::Fraction, L"\u00BD", L"1/2", 2160, 1200, 375, L"Show Value * 0.5"},
    {L"Number(0)", K::Number, L"0", L"0", 0, 1560, 375, nullptr},
    {L"Number(10)", K::Number, L"00", L"00", 360, 1560, 375, nullptr},
    {L"Decimal", K::Decimal, L".", L".", 720, 1560, 375, nullptr},
    {L"Operator(2)", K::Operator, L"x", L"*", 1680, 1560, 375, nullptr},
    {L"cmdDivn(2)", K::Fraction, L"\u00BE", L"3/4", 2160, 1560, 375, L"Show Value * 0.75"},
    {L"cmdMem(0)", K::Memory, L"CM", L"CM", 0, 2040, 375, nullptr},
    {L"cmdMem(2)", K::Memory, L"RM", L"RM", 360, 2040, 375, nullptr},
    {L"cmdMem(3)", K::Memory, L"M-", L"M-", 720, 2040, 375, nullptr},
    {L"cmdMem(4)", K::Memory, L"M+", L"M+", 1080, 2040, 375, nullptr},
    {L"cmdBack", K::Back, L"\u00E8", L"Back", 1680, 2040, 375, L"Back Digit"},
    {L"Cancel", K::Clear, L"C", L"Clear", 2160, 2040, 375, L"Reset Calaculator"},
};

}  // namespace kx
