#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "AmbientProperties.h"
#include "PersistenceTestSupport.h"
#include "PropertyBag.h"
#include "ProgressBarFixture.h"

namespace {

using Bag = kxtest::SavedBag;

IPersistPropertyBag* Persist(kx::KxProgressBar* bar) {
    IPersistPropertyBag* p = nullptr;
    bar->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&p));
    p->Release();  // the bar keeps it alive
    return p;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A new bar saves its font (always), the brush style it has (0, not the bag's 4) and its colour as RGB.
TEST(ProgressBarPersistenceTest, ANewBarSavesFontBrushStyleAndItsPlainColour) {
    kxtest::LooseProgressBar p;
    Bag saved;
    ASSERT_EQ(Persist(p.bar)->Save(saved.bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(saved.Keys(), (std::vector<std::wstring>{L"Font", L"kxBrushStyle", L"Color"}));
    EXPECT_EQ(saved.bag->Find(L"kxBrushStyle")->lVal, kxHorizontal);
    EXPECT_EQ(saved.bag->Find(L"Color")->lVal, static_cast<LONG>(GetSysColor(COLOR_HIGHLIGHT)));
}

TEST(ProgressBarPersistenceTest, AnEmptyBagGivesTheBagDefaults) {
    kxtest::LooseProgressBar p(200, 24, false);
    Bag empty;
    ASSERT_EQ(Persist(p.bar)->Load(empty.bag, nullptr), S_OK);
    EXPECT_EQ(p.bar->BrushStyle(), kxCross);
    OLE_COLOR colour = 0;
    p.bar->get_Color(&colour);
    EXPECT_EQ(colour, 0x8000000Du) << "read without translation";
    double max = 0;
    p.bar->get_Max(&max);
    EXPECT_EQ(max, 100);
    Bag saved;
    Persist(p.bar)->Save(saved.bag, TRUE, TRUE);
    EXPECT_EQ(saved.Keys(), std::vector<std::wstring>{L"Font"});
}

void Customise(kx::KxProgressBar* bar) {
    bar->put_Max(250.5);
    bar->put_Min(-4.25);
    bar->put_Value(99.75);
    bar->put_Scrolling(kxScrollingMetallic);
    bar->put_Orientation(kxOrientationVertical);
    bar->put_ShowText(VARIANT_TRUE);
    BSTR text = SysAllocString(L"\u062f\u0631 \u062d\u0627\u0644 \u06a9\u0627\u0631");
    bar->put_Text(text);
    SysFreeString(text);
    bar->put_ForeColor(0x000000FF);
    bar->put_kxBrushStyle(kxDiagCross);
    bar->put_Color(0x00336699);
    IFontDisp* font = kx::CreateDefaultFont();
    IFont* f = nullptr;
    font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&f));
    f->put_Bold(TRUE);
    f->Release();
    bar->putref_Font(font);
    font->Release();
    bar->DrawProgressBar();  // drawing realises the font, which names it after the face the system chose
}

// Every saved property comes back with its value and its type: doubles stay doubles.
TEST(ProgressBarPersistenceTest, SaveLoadSaveKeepsValuesTypesAndOrder) {
    kxtest::LooseProgressBar first;
    Customise(first.bar);
    Bag one;
    ASSERT_EQ(Persist(first.bar)->Save(one.bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(one.Keys(), (std::vector<std::wstring>{L"Font", L"kxBrushStyle", L"Color", L"Max", L"Min",
                                                     L"Orientation", L"Scrolling", L"ShowText", L"Value", L"Text",
                                                     L"ForeColor"}));
    const struct {
        const wchar_t* key;
        VARTYPE type;
    } types[] = {{L"Font", VT_DISPATCH}, {L"kxBrushStyle", VT_I4}, {L"Color", VT_I4},   {L"Max", VT_R8},
                 {L"Min", VT_R8},        {L"Orientation", VT_I4},  {L"Scrolling", VT_I4}, {L"ShowText", VT_BOOL},
                 {L"Value", VT_R8},      {L"Text", VT_BSTR},       {L"ForeColor", VT_I4}};
    for (const auto& t : types) EXPECT_EQ(one.bag->Find(t.key)->vt, t.type) << Narrow(t.key);

    kxtest::LooseProgressBar second(200, 24, false);
    ASSERT_EQ(Persist(second.bar)->Load(one.bag, nullptr), S_OK);
    Bag two;
    ASSERT_EQ(Persist(second.bar)->Save(two.bag, TRUE, TRUE), S_OK);
    kxtest::ExpectSameProperties(one.bag, two.bag);
    EXPECT_NE(one.bag->Find(L"Font")->pdispVal, two.bag->Find(L"Font")->pdispVal)
        << "the loaded bar has a font of its own";
    double value = 0;
    second.bar->get_Value(&value);
    EXPECT_EQ(value, 99.75);
}

// Loading takes values as saved: no clamp. Numbers that are not finite take the bag default.
TEST(ProgressBarPersistenceTest, LoadedValuesAreNotClampedButMustBeFinite) {
    Bag bag;
    kx::PropertyWriter writer(bag.bag);
    writer.Double(L"Value", 500, 0);
    writer.Double(L"Min", std::numeric_limits<double>::quiet_NaN(), 0);
    writer.Double(L"Max", std::numeric_limits<double>::infinity(), 100);
    kxtest::LooseProgressBar p(200, 24, false);
    ASSERT_EQ(Persist(p.bar)->Load(bag.bag, nullptr), S_OK);
    double value = 0, min = 1, max = 0;
    p.bar->get_Value(&value);
    p.bar->get_Min(&min);
    p.bar->get_Max(&max);
    EXPECT_EQ(value, 500);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 100);
    EXPECT_FLOAT_EQ(p.bar->Percent(), 100);
}

// Saved windows may hold the keys in lower case and the numbers in narrower types: they load, and
// save back as the bar's own types.
TEST(ProgressBarPersistenceTest, KeysMatchWithoutCaseAndNumbersSaveBackAsDoubles) {
    Bag bag;
    VARIANT max, value, show;
    max.vt = VT_I4;
    max.lVal = 40320;
    value.vt = VT_I2;
    value.iVal = 10080;
    show.vt = VT_I4;
    show.lVal = -1;
    bag.bag->Write(L"max", &max);
    bag.bag->Write(L"VALUE", &value);
    bag.bag->Write(L"showtext", &show);
    kxtest::LooseProgressBar p(200, 24, false);
    ASSERT_EQ(Persist(p.bar)->Load(bag.bag, nullptr), S_OK);
    EXPECT_FLOAT_EQ(p.bar->Percent(), 25);
    Bag saved;
    ASSERT_EQ(Persist(p.bar)->Save(saved.bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(saved.bag->Find(L"Max")->vt, VT_R8);
    EXPECT_EQ(saved.bag->Find(L"Max")->dblVal, 40320);
    EXPECT_EQ(saved.bag->Find(L"Value")->vt, VT_R8);
    EXPECT_EQ(saved.bag->Find(L"Value")->dblVal, 10080);
    EXPECT_EQ(saved.bag->Find(L"ShowText")->vt, VT_BOOL);
    EXPECT_EQ(saved.bag->Find(L"ShowText")->boolVal, VARIANT_TRUE);
}

TEST(ProgressBarPersistenceTest, TheStreamFormSavesLoadsAndSavesTheSameBytes) {
    kxtest::LooseProgressBar first;
    Customise(first.bar);
    const std::vector<BYTE> saved = kxtest::StreamBytes(first.Ole());
    ASSERT_FALSE(saved.empty());
    kxtest::LooseProgressBar second(200, 24, false);
    ASSERT_EQ(kxtest::LoadStreamBytes(second.Ole(), saved), S_OK);
    EXPECT_EQ(kxtest::StreamBytes(second.Ole()), saved);
}

}  // namespace
