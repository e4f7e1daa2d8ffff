#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "LabelFixture.h"
#include "PersistenceTestSupport.h"
#include "PropertyBag.h"

namespace {

using Bag = kxtest::SavedBag;
using kxtest::LooseLabel;

IPersistPropertyBag* Persist(kx::KxLabel* label) {
    IPersistPropertyBag* p = nullptr;
    label->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&p));
    p->Release();  // the label keeps it alive
    return p;
}

const std::vector<std::wstring> kAllKeys = {
    L"Degree",     L"Caption",   L"BackColor",  L"ForeColor",   L"Alignment", L"TextStyle",
    L"FirstColor", L"SecondColor", L"BackStyle", L"Font",       L"CharDegree", L"BalanceX",
    L"BalanceY",   L"BorderStyle", L"Picture",  L"PictureX",    L"PictureY",  L"UseMaskColor",
    L"MaskColor",  L"Alpha",     L"CanGetFocus", L"MouseIcon",  L"MousePointer", L"RightToLeft"};

// Every property away from its bag default; with pictures when asked.
void Customise(kx::KxLabel* label, bool pictures) {
    label->put_Degree(45);
    kxtest::SetCaption(label, L"\u0627\u0628\u062c\u062f \u0647\u0648\u0632");
    label->put_BackColor(0x00102030);
    label->put_ForeColor(0x000000FF);
    label->put_Alignment(2);
    label->put_TextStyle(kxlSunken);
    label->put_FirstColor(0x00FF0000);
    label->put_SecondColor(0x0000FF00);
    label->put_BackStyle(kxfGradiantLeftRight);
    IFontDisp* font = kxtest::MakeFont(L"Tahoma", 11.25, true);
    label->putref_Font(font);
    font->Release();
    label->put_CharDegree(0);
    label->put_BalanceX(-3);
    label->put_BalanceY(4);
    label->put_BorderStyle(kxlbRaised);
    label->put_PictureX(5);
    label->put_PictureY(6);
    label->put_UseMaskColor(VARIANT_TRUE);
    label->put_MaskColor(0x00FF00FF);
    label->put_Alpha(128);
    label->put_CanGetFocus(VARIANT_TRUE);
    label->put_MousePointer(11);
    label->put_RightToLeft(VARIANT_TRUE);
    if (!pictures) return;
    IPictureDisp* picture = kxtest::SolidPicture(RGB(200, 100, 0));
    label->putref_Picture(picture);
    label->putref_MouseIcon(picture);
    picture->Release();
}

std::vector<std::wstring> Without(std::vector<std::wstring> keys, const std::vector<std::wstring>& left) {
    for (const std::wstring& key : left) keys.erase(std::find(keys.begin(), keys.end(), key));
    return keys;
}

// A new label outside a container has no name for its caption and the ambient font: nothing to save.
TEST(LabelPersistenceTest, ANewLabelSavesNothing) {
    LooseLabel l;
    Bag saved;
    ASSERT_EQ(S_OK, Persist(l.label)->Save(saved.bag, TRUE, TRUE));
    EXPECT_TRUE(saved.Keys().empty());
}

TEST(LabelPersistenceTest, AnEmptyBagGivesTheBagDefaults) {
    LooseLabel l(120, 40, false);
    Bag empty;
    ASSERT_EQ(S_OK, Persist(l.label)->Load(empty.bag, nullptr));
    short degree = 1, charDegree = 0;
    l.label->get_Degree(&degree);
    l.label->get_CharDegree(&charDegree);
    EXPECT_EQ(0, degree);
    EXPECT_EQ(-1, charDegree);
    OLE_COLOR back = 0, fore = 0, first = 0, second = 0, mask = 0;
    l.label->get_BackColor(&back);
    l.label->get_ForeColor(&fore);
    l.label->get_FirstColor(&first);
    l.label->get_SecondColor(&second);
    l.label->get_MaskColor(&mask);
    EXPECT_EQ(0x8000000Fu, back);
    EXPECT_EQ(0x80000012u, fore);
    EXPECT_EQ(0x80000014u, first);
    EXPECT_EQ(0x80000010u, second);
    EXPECT_EQ(0x646464u, mask);
    kxlBorderStyle border = kxlbNone;
    l.label->get_BorderStyle(&border);
    EXPECT_EQ(kxlbSunken, border);
    LONG alpha = 0;
    l.label->get_Alpha(&alpha);
    EXPECT_EQ(255, alpha);
    IPictureDisp* picture = reinterpret_cast<IPictureDisp*>(1);
    l.label->get_Picture(&picture);
    EXPECT_EQ(nullptr, picture);
    BSTR caption = nullptr;
    l.label->get_Caption(&caption);
    EXPECT_STREQ(L"", caption ? caption : L"");
    SysFreeString(caption);
}

// All 24 keys in their order, and a save of what was loaded holds exactly the same.
TEST(LabelPersistenceTest, SaveLoadSaveKeepsEveryKeyInOrder) {
    LooseLabel first;
    Customise(first.label, false);
    Bag one;
    ASSERT_EQ(S_OK, Persist(first.label)->Save(one.bag, TRUE, TRUE));
    EXPECT_EQ(Without(kAllKeys, {L"Picture", L"MouseIcon"}), one.Keys());
    EXPECT_EQ(VT_I4, one.bag->Find(L"Degree")->vt);
    EXPECT_EQ(VT_BOOL, one.bag->Find(L"RightToLeft")->vt);

    LooseLabel second(120, 40, false);
    ASSERT_EQ(S_OK, Persist(second.label)->Load(one.bag, nullptr));
    Bag two;
    ASSERT_EQ(S_OK, Persist(second.label)->Save(two.bag, TRUE, TRUE));
    kxtest::ExpectSameProperties(one.bag, two.bag);
}

// The stream form carries the pictures too; what is loaded saves to the same bytes.
TEST(LabelPersistenceTest, StreamRoundTripWithPictures) {
    LooseLabel first;
    Customise(first.label, true);
    Bag keys;
    Persist(first.label)->Save(keys.bag, TRUE, TRUE);
    EXPECT_EQ(kAllKeys, keys.Keys());
    const std::vector<BYTE> one = kxtest::StreamBytes(static_cast<IOleObject*>(first.label));
    LooseLabel second(120, 40, false);
    ASSERT_EQ(S_OK, kxtest::LoadStreamBytes(static_cast<IOleObject*>(second.label), one));
    EXPECT_EQ(one, kxtest::StreamBytes(static_cast<IOleObject*>(second.label)));
    LONG pointer = 0;
    second.label->get_MousePointer(&pointer);
    EXPECT_EQ(11, pointer);
    IPictureDisp* icon = nullptr;
    second.label->get_MouseIcon(&icon);
    EXPECT_NE(nullptr, icon);
    if (icon) icon->Release();
}

// The font views change the label's Font and are reported under their own names.
TEST(LabelPersistenceTest, FontViewsReadAndWriteTheFont) {
    LooseLabel l;
    IFontDisp* font = kxtest::MakeFont(L"Tahoma", 9);
    l.label->putref_Font(font);
    l.label->put_FontBold(VARIANT_TRUE);
    l.label->put_FontItalic(VARIANT_TRUE);
    l.label->put_FontUnderline(VARIANT_TRUE);
    l.label->put_FontStrikethru(VARIANT_TRUE);
    l.label->put_FontSize(12.75f);
    BSTR face = SysAllocString(L"Courier New");
    l.label->put_FontName(face);
    SysFreeString(face);
    IFont* f = nullptr;
    font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&f));
    BOOL flag = FALSE;
    f->get_Bold(&flag);
    EXPECT_TRUE(flag);
    f->get_Strikethrough(&flag);
    EXPECT_TRUE(flag);
    CY size = {};
    f->get_Size(&size);
    EXPECT_EQ(127500, size.int64);
    FLOAT points = 0;
    l.label->get_FontSize(&points);
    EXPECT_FLOAT_EQ(12.75f, points);
    VARIANT_BOOL italic = VARIANT_FALSE;
    l.label->get_FontItalic(&italic);
    EXPECT_EQ(VARIANT_TRUE, italic);
    BSTR name = nullptr, objectName = nullptr;
    l.label->get_FontName(&name);
    f->get_Name(&objectName);
    EXPECT_STREQ(objectName, name);
    EXPECT_STRNE(L"Tahoma", name);
    SysFreeString(name);
    SysFreeString(objectName);
    f->Release();
    font->Release();
}

}  // namespace
