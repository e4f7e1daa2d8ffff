// The numeric input and the calculator in the user's locale: the tests run under the Persian locale (a
// point) and once more under German (a comma) as their own test.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "CalculatorFixture.h"
#include "CalculatorLayout.h"
#include "NumberFixture.h"

namespace {

wchar_t DecimalSeparator() {
    wchar_t separator[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return separator[0];
}

std::wstring Localised(const wchar_t* text) {
    const bool comma = DecimalSeparator() == L',';
    std::wstring result = text;
    for (wchar_t& c : result) {
        if (c == L'.') c = comma ? L',' : L'.';
        else if (c == L',') c = comma ? L'.' : L',';
    }
    return result;
}

TEST(NumberLocale, FormattedAndPlainTextsAndTheValueKept) {
    printf("decimal separator of the locale: %lc\n", static_cast<wint_t>(DecimalSeparator()));
    kxtest::HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    n->put_Value(1234.5678);
    EXPECT_EQ(Localised(L"1,234.568"), kxtest::BoxText(n));
    ASSERT_TRUE(h.FocusBox());
    EXPECT_EQ(Localised(L"1234.5678"), kxtest::BoxText(n));
    ASSERT_TRUE(h.FocusBox(1));
    const double v = 1234.5678, back = kxtest::ValueOf(n);
    EXPECT_EQ(0, std::memcmp(&v, &back, sizeof v));

    ASSERT_TRUE(h.FocusBox());
    kxtest::TypeText(Localised(L"12.25"));
    EXPECT_TRUE(h.PumpUntil([&] { return kxtest::ValueOf(n) == 12.25; })) << kxtest::ValueOf(n);
}

TEST(NumberLocale, CalculatorResultsInTheLocale) {
    kxtest::HostedCalculator h;
    h.calc()->put_Value(12.55);
    EXPECT_EQ(Localised(L"12.55"), h.Shown());
    h.calc()->Press(27);  // cmdBack: reads with the locale's separator
    EXPECT_EQ(Localised(L"12.5"), h.Shown());
    double value = 0;
    h.calc()->get_Value(&value);
    EXPECT_EQ(12.5, value);
    h.calc()->ResetValue();
    EXPECT_EQ(Localised(L"0."), h.Shown());
}

}  // namespace
