#include <gtest/gtest.h>

#include <string>

#include "ArrangeTestSupport.h"
#include "arrange/CodePage1256.h"

// The encoder gives, for every UTF-16 code unit, the byte the platform's conversion gives.
TEST(ArrangeCodePage, EveryCodeUnitEncodesAsThePlatformEncodesIt) {
    int differences = 0;
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        const std::wstring text(1, static_cast<wchar_t>(unit));
        const std::string expected = arrangetest::PlatformCodePage1256(text);
        const std::string got(1, zarvanta::EncodeCodePage1256(static_cast<wchar_t>(unit)));
        if (got != expected && ++differences <= 10)
            ADD_FAILURE() << std::hex << "U+" << unit << ": " << testing::PrintToString(got) << " instead of "
                          << testing::PrintToString(expected);
    }
    EXPECT_EQ(differences, 0);
}

TEST(ArrangeCodePage, TextsEncodeOneByteForEachCodeUnit) {
    for (const std::wstring& text : {std::wstring(L"کتاب یک"), std::wstring(L"ﺏﺎ ١٢ Ａé€"),
                                    std::wstring(L"a\U0001F600b"), std::wstring()}) {
        EXPECT_EQ(zarvanta::EncodeCodePage1256(text), arrangetest::PlatformCodePage1256(text))
            << testing::PrintToString(text);
    }
}
