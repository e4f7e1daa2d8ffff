#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "AboutBoxTestSupport.h"
#include "ControlHost.h"
#include "ErrorInfo.h"
#include "ControlTestSupport.h"
#include "PropertyBag.h"
#include "ProgressBarFixture.h"

namespace {

constexpr DISPID kValueId = 0;
constexpr DISPID kMaxId = 0x68030004;
constexpr DISPID kMinId = 0x68030005;

// The member's own failure when it raised one.
HRESULT PutDouble(IDispatch* object, DISPID id, double value) {
    VARIANT arg;
    arg.vt = VT_R8;
    arg.dblVal = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&arg, &named, 1, 1};
    EXCEPINFO exception = {};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                                      &exception, nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr == DISP_E_EXCEPTION ? exception.scode : hr;
}

double GetDouble(IDispatch* object, DISPID id) {
    VARIANT result;
    VariantInit(&result);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    EXPECT_EQ(result.vt, VT_R8);
    return result.dblVal;
}

// Zarvanta's road: Max and Value set and read by dispatch identity, as doubles.
TEST(ProgressBarPropertiesTest, ValueAndMaxThroughInvokeByIdentityAsDoubles) {
    kxtest::LooseProgressBar p;
    IDispatch* bar = p.Dispatch();
    EXPECT_EQ(kxtest::DispIdOf(bar, L"Value"), kValueId);
    EXPECT_EQ(kxtest::DispIdOf(bar, L"Max"), kMaxId);
    ASSERT_EQ(PutDouble(bar, kMaxId, 40320), S_OK);
    ASSERT_EQ(PutDouble(bar, kValueId, 10080), S_OK);
    EXPECT_EQ(GetDouble(bar, kMaxId), 40320);
    EXPECT_EQ(GetDouble(bar, kValueId), 10080);
    EXPECT_FLOAT_EQ(p.bar->Percent(), 25.0f);
}

TEST(ProgressBarPropertiesTest, AValueLetIsClampedMinFirstThenMax) {
    struct Case {
        double min, max, value, expected;
    };
    const Case cases[] = {
        {0, 100, 42, 42}, {0, 100, 120, 100}, {0, 100, -5, 0}, {10, 5, 7, 5}, {10, 5, -3, 5}, {10, 5, 99, 5},
        {-50, -10, -20, -20}, {0, 0, 3, 0},
    };
    for (const Case& c : cases) {
        kxtest::LooseProgressBar p;
        PutDouble(p.Dispatch(), kMinId, c.min);
        PutDouble(p.Dispatch(), kMaxId, c.max);
        EXPECT_EQ(PutDouble(p.Dispatch(), kValueId, c.value), S_OK);
        EXPECT_EQ(GetDouble(p.Dispatch(), kValueId), c.expected) << c.min << ".." << c.max << " let " << c.value;
    }
}

TEST(ProgressBarPropertiesTest, PercentOfTheRangeAtEachPaint) {
    struct Case {
        double min, max, value;
        float percent;
    };
    const Case cases[] = {
        {0, 100, 42, 42}, {50, 150, 100, 50}, {7, 7, 7, 0}, {0, 3, 1, 100.0f / 3}, {10, 5, 5, 100},
    };
    for (const Case& c : cases) {
        kxtest::LooseProgressBar p;
        p.bar->put_Min(c.min);
        p.bar->put_Max(c.max);
        p.bar->put_Value(c.value);
        EXPECT_FLOAT_EQ(p.bar->Percent(), c.percent) << c.min << ".." << c.max << " at " << c.value;
    }
}

// Min and Max neither re-clamp Value nor repaint; the next paint shows the full bar.
TEST(ProgressBarPropertiesTest, LoweringMaxKeepsValueUntilTheNextPaint) {
    kxtest::LooseProgressBar p;
    p.bar->put_Value(80);
    ASSERT_FLOAT_EQ(p.bar->Percent(), 80);
    p.bar->put_Max(50);
    double value = 0;
    p.bar->get_Value(&value);
    EXPECT_EQ(value, 80);
    EXPECT_FLOAT_EQ(p.bar->Percent(), 80) << "no repaint yet";
    EXPECT_EQ(p.bar->DrawProgressBar(), S_OK);
    EXPECT_FLOAT_EQ(p.bar->Percent(), 100);
}

std::wstring TextOf(kx::KxProgressBar* bar) {
    BSTR text = nullptr;
    bar->get_Text(&text);
    std::wstring result = text ? text : L"";
    SysFreeString(text);
    return result;
}

TEST(ProgressBarPropertiesTest, SearchGivesAnEmptyTextItsWordOnlyThroughTheLet) {
    kxtest::LooseProgressBar empty;
    empty.bar->put_Scrolling(kxScrollingSearch);
    EXPECT_EQ(TextOf(empty.bar), L"Searching..");

    kxtest::LooseProgressBar named;
    BSTR text = SysAllocString(L"Wait");
    named.bar->put_Text(text);
    SysFreeString(text);
    named.bar->put_Scrolling(kxScrollingSearch);
    EXPECT_EQ(TextOf(named.bar), L"Wait");

    auto* bag = new kx::MemoryPropertyBag();
    kx::PropertyWriter(bag).Long(L"Scrolling", kxScrollingSearch);
    kxtest::LooseProgressBar loaded(200, 24, false);
    IPersistPropertyBag* persist = nullptr;
    loaded.bar->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    ASSERT_EQ(persist->Load(bag, nullptr), S_OK);
    persist->Release();
    bag->Release();
    EXPECT_EQ(TextOf(loaded.bar), L"");
}

TEST(ProgressBarPropertiesTest, ColorIsStoredTranslatedAndANewBarHasTheHighlight) {
    kxtest::LooseProgressBar p;
    OLE_COLOR colour = 0;
    p.bar->get_Color(&colour);
    EXPECT_EQ(colour, GetSysColor(COLOR_HIGHLIGHT));
    p.bar->put_Color(0x80000005);
    p.bar->get_Color(&colour);
    EXPECT_EQ(colour, GetSysColor(COLOR_WINDOW));
    p.bar->put_Color(0x00123456);
    p.bar->get_Color(&colour);
    EXPECT_EQ(colour, 0x00123456u);
    EXPECT_EQ(p.bar->BrushStyle(), kxHorizontal);
}

// Which lets report their change to the container, by the property's identity.
TEST(ProgressBarPropertiesTest, LetsReportTheirChangeExceptColorAndFont) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    auto* made = new kx::KxProgressBar();
    RECT bounds = {10, 10, 210, 34};
    kx::ControlSite* site = host.PlaceObject(static_cast<_kxProgressBar*>(made), L"pgbMain", bounds, nullptr, nullptr);
    made->Release();
    ASSERT_NE(site, nullptr);
    std::vector<DISPID> changes;
    site->OnPropertyChange([&](DISPID id) { changes.push_back(id); });
    IDispatch* bar = site->Dispatch();

    struct Case {
        const wchar_t* name;
        VARIANT value;
        DISPID reported;  // DISPID_UNKNOWN: not reported
    };
    VARIANT half;
    half.vt = VT_R8;
    half.dblVal = 50;
    const Case cases[] = {
        {L"Value", half, 0},
        {L"Min", half, kMinId},
        {L"Max", half, kMaxId},
        {L"Scrolling", kxtest::Long(kxScrollingPastel), 0x68030002},
        {L"Orientation", kxtest::Long(kxOrientationVertical), 0x68030003},
        {L"ShowText", kxtest::Bool(true), 0x68030001},
        {L"ForeColor", kxtest::Long(0xFF), DISPID_FORECOLOR},
        {L"kxBrushStyle", kxtest::Long(kxDiagCross), 0x6803000A},
        {L"Color", kxtest::Long(0xFF00), DISPID_UNKNOWN},
    };
    for (const Case& c : cases) {
        changes.clear();
        EXPECT_EQ(kxtest::PutProperty(bar, c.name, c.value), S_OK) << std::string(c.name, c.name + wcslen(c.name));
        if (c.reported == DISPID_UNKNOWN)
            EXPECT_TRUE(changes.empty()) << std::string(c.name, c.name + wcslen(c.name));
        else
            EXPECT_EQ(changes, std::vector<DISPID>{c.reported}) << std::string(c.name, c.name + wcslen(c.name));
    }
    changes.clear();
    IFontDisp* font = kx::CreateDefaultFont();
    VARIANT fontValue;
    fontValue.vt = VT_DISPATCH;
    fontValue.pdispVal = font;
    EXPECT_EQ(kxtest::PutProperty(bar, L"Font", fontValue), S_OK);
    EXPECT_TRUE(changes.empty());
    font->Release();
}

// Input that would poison every later paint is refused with the invalid-property error and changes
// nothing; a range too wide for doubles fails the paint with an overflow and does not hang.
TEST(ProgressBarPropertiesTest, NonFiniteNumbersAndAMissingFontAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    kxtest::LooseProgressBar p;
    p.bar->put_Value(30);
    for (double bad : {nan, inf, -inf}) {
        for (DISPID id : {kValueId, kMinId, kMaxId}) {
            const HRESULT hr = PutDouble(p.Dispatch(), id, bad);
            EXPECT_EQ(hr, kx::ErrorHResult(kx::kErrInvalidPropertyValue)) << std::hex << id;
        }
    }
    EXPECT_EQ(GetDouble(p.Dispatch(), kValueId), 30);
    EXPECT_EQ(GetDouble(p.Dispatch(), kMinId), 0);
    EXPECT_EQ(GetDouble(p.Dispatch(), kMaxId), 100);

    EXPECT_EQ(p.bar->putref_Font(nullptr), kx::ErrorHResult(kx::kErrInvalidPropertyValue));
    EXPECT_EQ(p.bar->put_Font(nullptr), kx::ErrorHResult(kx::kErrInvalidPropertyValue));
    IFontDisp* font = nullptr;
    p.bar->get_Font(&font);
    EXPECT_NE(font, nullptr);
    if (font) font->Release();

    p.bar->put_Min(-1.5e308);
    p.bar->put_Max(1.5e308);
    EXPECT_EQ(p.bar->DrawProgressBar(), kx::ErrorHResult(kx::kErrOverflow));
    EXPECT_EQ(p.bar->put_Value(0), kx::ErrorHResult(kx::kErrOverflow));
    EXPECT_EQ(GetDouble(p.Dispatch(), kValueId), 0) << "stored before the paint failed";
    p.bar->put_Min(0);
    EXPECT_EQ(p.bar->DrawProgressBar(), S_OK);
}

TEST(ProgressBarPropertiesTest, AboutShowsTheBoxWithTheProgressBarsTitle) {
    kxtest::LooseProgressBar p;
    HRESULT result = E_FAIL;
    EXPECT_EQ(L"Velmora Group Progress Bar", kxtest::AboutTitleShownBy([&] { return p.bar->About(); }, &result));
    EXPECT_EQ(S_OK, result);
    EXPECT_EQ(nullptr, kxtest::OwnAboutBox());
}

}  // namespace
