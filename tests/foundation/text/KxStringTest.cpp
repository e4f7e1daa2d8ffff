#include <gtest/gtest.h>

#include <string>

#include "KxString.h"
#include "LeadingNumber.h"
#include "StringModule.h"
#include "TestSupport.h"
#include "TextOperations.h"
#include "TypeLibrary.h"

namespace {

constexpr HRESULT kInvalidCall = static_cast<HRESULT>(0x800A0005);

std::wstring Take(BSTR text) { return kxtest::TakeBstr(text); }

class KxStringTest : public ::testing::Test {
protected:
    void SetUp() override { object_ = new kx::KxString(); }
    void TearDown() override { object_->Release(); }

    void SetText(const std::wstring& text) {
        BSTR value = SysAllocStringLen(text.data(), UINT(text.size()));
        ASSERT_EQ(S_OK, object_->put_Text(value));
        SysFreeString(value);
    }
    std::wstring Text() {
        BSTR value = nullptr;
        EXPECT_EQ(S_OK, object_->get_Text(&value));
        return Take(value);
    }
    HRESULT ReplaceText(const std::wstring& find, const std::wstring& with, std::wstring* result) {
        BSTR f = SysAllocString(find.c_str()), w = SysAllocString(with.c_str()), r = nullptr;
        const HRESULT hr = object_->ReplaceText(&f, &w, &r);
        SysFreeString(f);
        SysFreeString(w);
        *result = Take(r);
        return hr;
    }

    kx::KxString* object_ = nullptr;
};

TEST_F(KxStringTest, NumericConversionsUseTheirOwnTypes) {
    SetText(L"40000");
    CY currency = {};
    EXPECT_EQ(S_OK, object_->ToCurrency(&currency));
    EXPECT_EQ(400000000LL, currency.int64);
    SHORT integer = 7;
    EXPECT_EQ(static_cast<HRESULT>(0x800A0006), object_->ToInteger(&integer));
    SetText(L"not a number");
    EXPECT_EQ(S_OK, object_->ToCurrency(&currency));
    EXPECT_EQ(0, currency.int64);
    VARIANT decimal;
    EXPECT_EQ(S_OK, object_->ToDecimal(&decimal));
    EXPECT_EQ(VT_EMPTY, decimal.vt);
}

// Repeating a replacement whose text holds the searched text could never end: one pass is made.
TEST_F(KxStringTest, RepeatedReplacementsAlwaysEnd) {
    struct Case {
        long method;
        const wchar_t *text, *find, *with, *expected;
    } cases[] = {
        {1, L"banana", L"a", L"aa", L"baanaanaa"},
        {1, L"banana", L"A", L"xa", L"bxanxanxa"},  // the replacement holds the text under text comparison
        {0, L"banana", L"A", L"xa", L"banana"},
        {1, L"abc", L"", L"x", L"abc"},
        {1, L"a    b", L"  ", L" ", L"a b"},
        {1, L"aaab", L"ab", L"b", L"b"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(S_OK, object_->put_CompareMethod(c.method));
        SetText(c.text);
        std::wstring result;
        EXPECT_EQ(S_OK, ReplaceText(c.find, c.with, &result)) << c.text;
        EXPECT_EQ(c.expected, result) << c.text << " " << c.find << "->" << c.with;
        EXPECT_EQ(c.text, Text());
    }
}

// "ab" -> "bbaa" never holds "ab", yet leaves a new "ab" after every pass.
TEST(TextOperations, ReplacementsThatWouldNotEndAreRefused) {
    const kx::TextComparer& binary = kx::BinaryComparison();
    EXPECT_FALSE(kx::ReplaceUntilGone(L"aab", L"ab", L"bbaa", binary, 1 << 20).has_value());
    // "ab" -> "bba" ends, but doubles the b's for every a.
    EXPECT_FALSE(kx::ReplaceUntilGone(std::wstring(30, L'a') + L"b", L"ab", L"bba", binary, 1 << 20).has_value());
    EXPECT_EQ(4108u, kx::ReplaceUntilGone(std::wstring(12, L'a') + L"b", L"ab", L"bba", binary, 1 << 24)->size());
    EXPECT_EQ(std::wstring(4001, L'b'), kx::ReplaceUntilGone(std::wstring(4000, L'a') + L"b", L"ab", L"bb", binary,
                                                             1 << 24).value());
    // Shifting and shrinking replacements run to their end.
    EXPECT_EQ(L"bbaa", kx::ReplaceUntilGone(L"abab", L"ab", L"ba", binary, 1 << 20).value());
    EXPECT_EQ(L"b", kx::ReplaceUntilGone(std::wstring(500, L'a') + L"b", L"ab", L"b", binary, 1 << 20).value());
}

TEST_F(KxStringTest, ReplacementThatWouldNotEndFails) {
    SetText(L"aab");
    std::wstring result;
    EXPECT_EQ(kInvalidCall, ReplaceText(L"ab", L"bbaa", &result));
}

TEST(TextOperations, SearchesFollowTheRuntimesInStr) {
    const kx::TextComparer& binary = kx::BinaryComparison();
    EXPECT_EQ(2u, kx::FindPosition(L"abcabc", L"bc", 1, binary));
    EXPECT_EQ(5u, kx::FindPosition(L"abcabc", L"bc", 3, binary));
    EXPECT_EQ(0u, kx::FindPosition(L"abcabc", L"bc", 6, binary));
    EXPECT_EQ(3u, kx::FindPosition(L"abc", L"", 3, binary));
    EXPECT_EQ(0u, kx::FindPosition(L"", L"", 1, binary));
    EXPECT_EQ(2u, kx::FindOccurrence(L"aaa", L"aa", 2, binary));
    EXPECT_EQ(0u, kx::FindOccurrence(L"aaa", L"aa", 0, binary));
}

TEST(LeadingNumber, ReadsAsTheRuntimesVal) {
    struct Case {
        const wchar_t* text;
        double value;
    } cases[] = {
        {L"  -12.5e1x", -125}, {L"1d2", 100}, {L"1e", 1}, {L"1e+", 1}, {L"+.25", 0.25}, {L"-", 0},
        {L"&H8000", -32768}, {L"&H0FFFF", -1}, {L"&H18000", 98304}, {L"&O177777", -1}, {L"&O10", 8},
        {L"&H", 0}, {L"\t1\n2", 12}, {L"1.2.3", 1.2},
    };
    for (const auto& c : cases) {
        const kx::LeadingNumber number = kx::ReadLeadingNumber(c.text);
        EXPECT_FALSE(number.overflow) << c.text;
        EXPECT_DOUBLE_EQ(c.value, number.value) << c.text;
    }
    EXPECT_TRUE(kx::ReadLeadingNumber(L"&H100000000").overflow);
    EXPECT_TRUE(kx::ReadLeadingNumber(L"1e999").overflow);
}

TEST(StringModule, CodePageBytesAndRepresentability) {
    const std::wstring persian = L"\u0633\u0628\u0632";
    EXPECT_EQ(std::string("\xD8\xB3\xD8\xA8\xD8\xB2"), kx::ToCodePageBytes(persian, 65001).value());
    EXPECT_EQ(persian, kx::FromCodePageBytes("\xD8\xB3\xD8\xA8\xD8\xB2", 65001).value());
    EXPECT_EQ(L"\u0633", kx::FromCodePageBytes(std::string("\xD8\xB3\0\xD8\xA8", 5), 65001).value());
    EXPECT_EQ(std::string("\xD3\xC8\xD2"), kx::ToCodePageBytes(persian, 1256).value());
    EXPECT_FALSE(kx::ToCodePageBytes(L"abc", 101).has_value());
    EXPECT_FALSE(kx::FromCodePageBytes("abc", 206).has_value());
    EXPECT_EQ(std::string(), kx::ToCodePageBytes(L"", 1252).value());

    EXPECT_TRUE(kx::IsCodePageRepresentable(persian, 1256));
    EXPECT_FALSE(kx::IsCodePageRepresentable(persian, 1252));
    EXPECT_TRUE(kx::IsCodePageRepresentable(persian, 65001));
    EXPECT_FALSE(kx::IsCodePageRepresentable(L"a\xD800" L"b", 65001));  // a lone surrogate
    EXPECT_FALSE(kx::IsCodePageRepresentable(L"abc", 112));
    EXPECT_TRUE(kx::IsCodePageRepresentable(L"", 1252));
}

TEST_F(KxStringTest, UnsupportedCodePagesFailEncoding) {
    SetText(L"abc");
    BSTR result = nullptr;
    kxsCodePages page = kxAWIN;
    EXPECT_EQ(kInvalidCall, object_->TextEncodeCodePage(&page, &result));
    page = kxUNICODELITTLE;
    EXPECT_EQ(kInvalidCall, object_->TextDecodeCodePage(&page, &result));
    page = kxUTF8;
    EXPECT_EQ(S_OK, object_->TextEncodeCodePage(&page, &result));
    EXPECT_EQ(L"abc", Take(result));
}

TEST_F(KxStringTest, ConvertToAnsiKeepsAnOddByteCount) {
    SetText(L"abc");
    LONG conversion = 128;
    VARIANT locale;
    locale.vt = VT_ERROR;
    locale.scode = DISP_E_PARAMNOTFOUND;
    BSTR packed = nullptr;
    ASSERT_EQ(S_OK, object_->Convert(&conversion, &locale, &packed));
    EXPECT_EQ(3u, SysStringByteLen(packed));
    EXPECT_EQ(0, memcmp(packed, "abc", 3));
    SysFreeString(packed);
    conversion = 512;
    EXPECT_EQ(kInvalidCall, object_->Convert(&conversion, &locale, &packed));
}

// Text is the default member; the other members keep their slot numbers.
TEST(KxStringTypeInfo, DispatchIdentities) {
    ITypeInfo* info = kx::InterfaceTypeInfo(IID__kxString);
    ASSERT_NE(nullptr, info);
    struct Name {
        const wchar_t* name;
        DISPID id;
    } names[] = {{L"Text", 0}, {L"CompareMethod", 0x68030000}, {L"ArrayAsc", 0x60030004},
                 {L"InstrAdvanced", 0x60030013}, {L"FitToWidth", 0x60030027}};
    for (const Name& n : names) {
        LPOLESTR name = const_cast<LPOLESTR>(n.name);
        DISPID id = -1;
        ASSERT_EQ(S_OK, info->GetIDsOfNames(&name, 1, &id)) << n.name;
        EXPECT_EQ(n.id, id) << n.name;
    }
}

}  // namespace
