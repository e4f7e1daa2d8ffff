// The runtime's text of a Double that numbers in words are cut from.
#include <gtest/gtest.h>

#include <limits>

#include "DoubleText.h"

namespace {

TEST(DoubleText, FifteenSignificantDigitsFixedOrExponent) {
    const struct {
        double value;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"},
        {-0.0, L"0"},
        {0.5, L"0.5"},
        {1234.5, L"1234.5"},
        {-2.5, L"-2.5"},
        {0.1 + 0.2, L"0.3"},
        {1.0 / 3, L"0.333333333333333"},
        {2.0 / 3, L"0.666666666666667"},
        {100, L"100"},
        {1.0005, L"1.0005"},
        {0.0001, L"0.0001"},
        {0.00001, L"1E-05"},
        {0.000015, L"1.5E-05"},
        {123456789012345, L"123456789012345"},
        {999999999999999, L"999999999999999"},
        {999999999999999.9, L"1E+15"},
        {1e15, L"1E+15"},
        {1.5e300, L"1.5E+300"},
        {std::numeric_limits<double>::denorm_min(), L"4.94065645841247E-324"},
    };
    for (const auto& c : cases) {
        const auto text = kx::DoubleText(c.value);
        ASSERT_TRUE(text.has_value()) << c.value;
        EXPECT_EQ(std::wstring(c.text), *text) << c.value;
    }
    EXPECT_FALSE(kx::DoubleText(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(kx::DoubleText(std::numeric_limits<double>::quiet_NaN()).has_value());
}

}  // namespace
