// The calculator's cases over the platform's number service of the test's locale.
#include <gtest/gtest.h>

#include "CalculatorCases.h"
#include "PlatformNumbers.h"

namespace {

TEST(CalculatorPlatform, CasesInTheUserLocale) { kxtest::RunCalculatorCases(kx::PlatformNumbers::Instance()); }

TEST(CalculatorPlatform, SeparatorIsTheLocalesAndFormatsRound) {
    const kx::PlatformNumbers& numbers = kx::PlatformNumbers::Instance();
    kx::CalculatorEngine calc(numbers);
    const wchar_t separator = calc.DecimalSeparator();
    EXPECT_EQ(std::wstring(L"0") + separator, numbers.Format(0, L"0."));
    EXPECT_EQ(std::wstring(1, separator), numbers.Format(0, L"."));
    EXPECT_EQ(kxtest::InSeparator(L"12.5", separator), numbers.Format(12.5, L"0.0####################"));
    EXPECT_FALSE(numbers.Read(L"-").has_value());
    EXPECT_FALSE(numbers.Read(L"").has_value());
    EXPECT_FALSE(numbers.Read(L"1e400").has_value());
}

}  // namespace
