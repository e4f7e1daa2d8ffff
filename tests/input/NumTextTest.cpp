// kxNumText through its interface and through the late-bound Invoke that scripts use.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "KxNumText.h"
#include "TestSupport.h"

namespace {

constexpr HRESULT kSubscriptOutOfRange = static_cast<HRESULT>(0x800A0009);

std::wstring Take(BSTR text) { return kxtest::TakeBstr(text); }

std::wstring Repeated(const std::wstring& text, int times) {
    std::wstring result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

class NumTextTest : public ::testing::Test {
protected:
    void SetUp() override { object_ = new kx::KxNumText(); }
    void TearDown() override { object_->Release(); }

    // Words of number; the argument left as it was.
    std::wstring Persian(double number, bool ordinal = false) {
        double argument = number;
        VARIANT_BOOL addOM = ordinal ? VARIANT_TRUE : VARIANT_FALSE;
        BSTR words = nullptr;
        EXPECT_EQ(S_OK, object_->TranslateFa(&argument, &addOM, &words)) << number;
        EXPECT_EQ(number, argument);
        EXPECT_EQ(ordinal ? VARIANT_TRUE : VARIANT_FALSE, addOM);
        return Take(words);
    }
    std::wstring English(double number) {
        double argument = number;
        BSTR words = nullptr;
        EXPECT_EQ(S_OK, object_->TranslateEn(&argument, &words)) << number;
        EXPECT_EQ(number, argument);
        return Take(words);
    }
    std::wstring Value() {
        BSTR value = nullptr;
        EXPECT_EQ(S_OK, object_->get_Value(&value));
        return Take(value);
    }
    double Number() {
        double number = -1;
        EXPECT_EQ(S_OK, object_->get_Number(&number));
        return number;
    }

    kx::KxNumText* object_ = nullptr;
};

struct PersianCase {
    double number;
    bool ordinal;
    const wchar_t* words;
};

TEST_F(NumTextTest, PersianWordsWithGroupsPlacesSignAndOrdinal) {
    const PersianCase cases[] = {
        {0, false, L"صفر"},
        {5, false, L"پنج"},
        {13, false, L"سيزده"},
        {40, false, L"چهل"},
        {100, false, L"صد"},
        {105, false, L"صد و پنج"},
        {110, false, L"صد و ده"},
        {305, false, L"سيصد و پنج"},
        {1000, false, L"يک هزار"},
        {2040, false, L"دو هزار و چهل"},
        {1000001, false, L"يک ميليون و يک"},
        {999999999999999, false,
         L"نهصد و نود و نه تريليارد و نهصد و نود و نه ميليارد و نهصد و نود و نه ميليون و نهصد و نود و نه هزار و "
         L"نهصد و نود و نه"},
        {-3, false, L"منفي سه"},
        {0.5, false, L"پنج دهم"},
        {-0.5, false, L"منفي پنج دهم"},
        {0.05, false, L"پنج صدم"},
        {1.25, false, L"يک و بيست و پنج صدم"},
        {1.005, false, L"يک و پنج هزارم"},
        {1.0005, false, L"يک و پنج ده هزارم"},
        {1.1005, false, L"يک و يک هزار و پنج ده هزارم"},
        {0.1234, false, L"يک هزار و دويست و سي و چهار ده هزارم"},
        // 14 digits after the point: the last place word.
        {0.12345678901234, false,
         L"دوازده تريليارد و سيصد و چهل و پنج ميليارد و ششصد و هفتاد و هشت ميليون و نهصد و يک هزار و "
         L"دويست و سي و چهار صد تريليارديم"},
        {1, true, L"يکم"},
        {3, true, L"سوم"},
        {30, true, L"سي ام"},
        {33, true, L"سي و سوم"},
        {13, true, L"سيزدهم"},
        {23, true, L"بيست و سوم"},
        {0, true, L"صفرم"},
        {0.5, true, L"پنج دهمم"},
        {-3, true, L"منفي سوم"},
    };
    for (const PersianCase& c : cases) {
        ASSERT_EQ(S_OK, object_->put_Number(0));
        EXPECT_EQ(std::wstring(c.words), Persian(c.number, c.ordinal)) << c.number << (c.ordinal ? " ordinal" : "");
        EXPECT_EQ(std::wstring(c.words), Value()) << c.number;
    }
}

TEST_F(NumTextTest, EnglishWordsWithGroupsAndDigitByDigitFraction) {
    const struct {
        double number;
        std::wstring words;
    } cases[] = {
        {0, L"zero"},
        {21, L"twenty one"},
        {40, L"forty"},
        {100, L"one hun dred"},
        {105, L"one hun dred five"},
        {305, L"three hun dered five"},
        {400, L"fore hun dered"},
        {1000, L"one thousand"},
        {1234, L"one thousand and two hun dred thirty four"},
        {1000001, L"one million and one"},
        {999999999999999,
         L"nine hun dered ninety nine trilliard and nine hun dered ninety nine milliard and nine hun dered ninety "
         L"nine million and nine hun dered ninety nine thousand and nine hun dered ninety nine"},
        {-3, L"Minus three"},
        {2.05, L"two point zero five"},
        {0.25, L" point two five"},
        {-0.25, L"Minus  point two five"},
        {1.0 / 3, L" point" + Repeated(L" three", 15)},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(S_OK, object_->put_Number(0));
        EXPECT_EQ(c.words, English(c.number)) << c.number;
        EXPECT_EQ(c.words, Value()) << c.number;
    }
}

// Zero or a missing argument translates the stored Number; setting Number translates nothing.
TEST_F(NumTextTest, ZeroOrMissingArgumentTranslatesTheStoredNumber) {
    EXPECT_EQ(L"", Value());
    EXPECT_EQ(0.0, Number());
    EXPECT_EQ(L"پنج", Persian(5));
    EXPECT_EQ(L"پنج", Persian(0));
    BSTR words = nullptr;
    ASSERT_EQ(S_OK, object_->TranslateFa(nullptr, nullptr, &words));
    EXPECT_EQ(L"پنج", Take(words));
    ASSERT_EQ(S_OK, object_->TranslateEn(nullptr, &words));
    EXPECT_EQ(L"five", Take(words));

    ASSERT_EQ(S_OK, object_->put_Number(7));
    EXPECT_EQ(7.0, Number());
    EXPECT_EQ(L"five", Value());
    EXPECT_EQ(L"seven", English(0));
    ASSERT_EQ(S_OK, object_->put_Number(0));
    EXPECT_EQ(L"صفر", Persian(0));
    EXPECT_EQ(L"zero", English(0));
}

// Switching languages back and forth keeps each language's words, Persian place words included.
TEST_F(NumTextTest, AlternatingLanguagesKeepTheirOwnWords) {
    EXPECT_EQ(L"two point zero five", English(2.05));
    EXPECT_EQ(L"يک و بيست و پنج صدم", Persian(1.25));
    EXPECT_EQ(L"Minus three", English(-3));
    EXPECT_EQ(L"منفي سه", Persian(0));
}

// Texts the word tables cannot cover fail with error 9; Number keeps the new number, Value its text.
TEST_F(NumTextTest, NumbersOutOfReachFailWithSubscriptOutOfRange) {
    const struct {
        double number;
        bool persian, english;
    } cases[] = {
        {1.0 / 3, true, false},  // fifteen digits after the point: no place word
        {0.00001, true, true},   // exponent notation
        {-2.5e-7, true, true},
        {1e15, true, true},
        {123456789012345678.0, true, true},
        {std::numeric_limits<double>::infinity(), true, true},
        {std::numeric_limits<double>::quiet_NaN(), true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(L"نه", Persian(9));
        double argument = c.number;
        BSTR words = nullptr;
        const HRESULT persian = object_->TranslateFa(&argument, nullptr, &words);
        EXPECT_EQ(c.persian ? kSubscriptOutOfRange : S_OK, persian) << c.number;
        Take(words);
        words = nullptr;
        const HRESULT english = object_->TranslateEn(&argument, &words);
        EXPECT_EQ(c.english ? kSubscriptOutOfRange : S_OK, english) << c.number;
        Take(words);
        const double stored = Number();
        EXPECT_TRUE(stored == c.number || (std::isnan(stored) && std::isnan(c.number))) << c.number;
        if (c.persian && c.english) {
            EXPECT_EQ(L"نه", Value()) << c.number;
        }
    }
}

// Late binding: scripts pass values, variables by reference, or nothing.
class NumTextLateBoundTest : public NumTextTest {
protected:
    DISPID IdOf(const wchar_t* name) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        EXPECT_EQ(S_OK, object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)) << name;
        return id;
    }
    // Arguments in the caller's order; DISPPARAMS holds them reversed.
    HRESULT Call(const wchar_t* name, std::vector<VARIANT> args, VARIANT* result, WORD flags = DISPATCH_METHOD) {
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params = {reversed.data(), flags == DISPATCH_PROPERTYPUT ? &named : nullptr,
                             static_cast<UINT>(reversed.size()), flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
        exception_ = {};
        UINT argError = 0;
        return object_->Invoke(IdOf(name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception_,
                               &argError);
    }
    std::wstring Words(const wchar_t* name, std::vector<VARIANT> args) {
        VARIANT result;
        VariantInit(&result);
        EXPECT_EQ(S_OK, Call(name, std::move(args), &result)) << name;
        EXPECT_EQ(VT_BSTR, result.vt);
        std::wstring words = result.vt == VT_BSTR ? Take(result.bstrVal) : std::wstring();
        return words;
    }
    static VARIANT Of(VARTYPE type, double value) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_R8;
        v.dblVal = value;
        VariantChangeType(&v, &v, 0, type);
        return v;
    }
    static VARIANT RefTo(VARIANT* target) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_BYREF | VT_VARIANT;
        v.pvarVal = target;
        return v;
    }

    EXCEPINFO exception_ = {};
};

TEST_F(NumTextLateBoundTest, ArgumentsAsScriptsPassThem) {
    EXPECT_EQ(L"بيست و سوم", Words(L"TranslateFa", {Of(VT_I4, 23), Of(VT_BOOL, -1)}));
    EXPECT_EQ(L"بيست و سه", Words(L"TranslateFa", {}));
    EXPECT_EQ(L"twenty three", Words(L"TranslateEn", {}));

    VARIANT variable = Of(VT_R8, 1.25), ordinal = Of(VT_BOOL, 0);
    EXPECT_EQ(L"يک و بيست و پنج صدم", Words(L"TranslateFa", {RefTo(&variable), RefTo(&ordinal)}));
    EXPECT_EQ(VT_R8, variable.vt);
    EXPECT_EQ(1.25, variable.dblVal);
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"21");
    EXPECT_EQ(L"twenty one", Words(L"TranslateEn", {RefTo(&text)}));
    VariantClear(&text);

    VARIANT value;
    VariantInit(&value);
    ASSERT_EQ(S_OK, Call(L"Number", {Of(VT_I2, 40)}, nullptr, DISPATCH_PROPERTYPUT));
    ASSERT_EQ(S_OK, Call(L"Number", {}, &value, DISPATCH_PROPERTYGET));
    EXPECT_EQ(VT_R8, value.vt);
    EXPECT_EQ(40.0, value.dblVal);
    ASSERT_EQ(S_OK, Call(L"Value", {}, &value, DISPATCH_PROPERTYGET));
    ASSERT_EQ(VT_BSTR, value.vt);
    EXPECT_EQ(L"twenty one", Take(value.bstrVal));
    EXPECT_EQ(L"چهل", Words(L"TranslateFa", {Of(VT_R8, 0)}));
}

TEST_F(NumTextLateBoundTest, FailureReachesTheCallerWithItsNumber) {
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(DISP_E_EXCEPTION, Call(L"TranslateFa", {Of(VT_R8, 1.0 / 3)}, &result));
    EXPECT_EQ(kSubscriptOutOfRange, exception_.scode);
    SysFreeString(exception_.bstrSource);
    SysFreeString(exception_.bstrDescription);
    SysFreeString(exception_.bstrHelpFile);
    VariantClear(&result);
}

}  // namespace
