// The calculator's state machine under random presses, typed characters and loaded values.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "CalculatorEngine.h"
#include "FakeNumbers.h"

namespace {

constexpr int kMostActions = 64;
const wchar_t* const kButtons[] = {L"+",   L"-",   L"*",  L"/",  L"-/+", L"Power", L"Square", L"1/4",
                                   L"1/2", L"3/4", L"CM", L"RM", L"M-",  L"M+"};

void Act(kx::CalculatorEngine& calc, FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange<int>(0, 8)) {
        case 0: calc.Digit(std::wstring(1, static_cast<wchar_t>(L'0' + data.ConsumeIntegralInRange<int>(0, 9)))); break;
        case 1: calc.Key(static_cast<wchar_t>(data.ConsumeIntegral<uint8_t>())); break;
        case 2: {
            const std::wstring tag = kButtons[data.ConsumeIntegralInRange<size_t>(0, 13)];
            if (tag.size() == 3 && tag[1] == L'/') calc.Fraction(tag);
            else if (tag[0] == L'C' || tag[0] == L'R' || tag[0] == L'M') calc.Memory(tag);
            else calc.Operator(tag);
            break;
        }
        case 3: calc.Percent(); break;
        case 4: calc.Back(); break;
        case 5: calc.Decimal(); break;
        case 6: calc.Load(data.ConsumeFloatingPoint<double>()); break;
        case 7: calc.Evaluate(nullptr); break;
        default: calc.Clear(); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const kxtest::FakeNumbers numbers(data.ConsumeBool() ? L',' : L'.');
    kx::CalculatorEngine calc(numbers);
    calc.ResetValue();
    for (int i = 0; i < kMostActions && data.remaining_bytes() > 0; ++i) Act(calc, data);
    return 0;
}
