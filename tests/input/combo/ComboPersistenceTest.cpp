#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComboFixture.h"
#include "PersistenceTestSupport.h"

namespace {

using Bag = kxtest::SavedBag;

IPersistPropertyBag* PersistOf(kx::KxGetCombo* combo) {
    IPersistPropertyBag* persist = nullptr;
    combo->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    persist->Release();  // the control keeps it alive
    return persist;
}

void SetSlot(kx::KxGetCombo* combo, short index, const wchar_t* name, const wchar_t* width) {
    kxColumeInfo info = {SysAllocString(name), SysAllocString(name), SysAllocString(width)};
    combo->put_List(index, &info);
    SysFreeString(info.Name);
    SysFreeString(info.Caption);
    SysFreeString(info.Width);
}

std::wstring Saved(const Bag& saved, const wchar_t* key) {
    const VARIANT* value = saved.bag->Find(key);
    if (!value) return L"(none)";
    VARIANT text;
    VariantInit(&text);
    VariantChangeType(&text, const_cast<VARIANT*>(value), 0, VT_BSTR);
    return kxtest::TakeBstr(text.bstrVal);
}

// Slots 0 and 2 are saved as 0 and 1; a free slot writes only its width "0"; defaults are left out.
TEST(ComboPersistenceTest, TheColumnListIsSavedCompact) {
    auto* combo = new kx::KxGetCombo();
    PersistOf(combo)->InitNew();
    SetSlot(combo, 0, L"Id", L"1500");
    SetSlot(combo, 2, L"Name", L"1000");
    Bag saved;
    PersistOf(combo)->Save(saved.bag, TRUE, TRUE);
    EXPECT_EQ(Saved(saved, L"ListName0"), L"Id");
    EXPECT_EQ(Saved(saved, L"ListWidth0"), L"1500");
    EXPECT_EQ(Saved(saved, L"ListName1"), L"Name");
    EXPECT_EQ(Saved(saved, L"ListWidth1"), L"(none)");  // 1000, the default
    EXPECT_EQ(Saved(saved, L"ListName2"), L"(none)");
    EXPECT_EQ(Saved(saved, L"ListWidth100"), L"0");
    for (const wchar_t* key : {L"Value", L"Enabled", L"Locked", L"Style", L"TextStyle", L"EnterNextTab", L"KeyField",
                               L"BorderStyle", L"BackColor", L"ForeColor", L"WordWrap", L"FontBold"})
        EXPECT_EQ(Saved(saved, key), L"(none)") << key;
    // The font shortcuts are written against defaults of their own.
    EXPECT_NE(Saved(saved, L"FontName"), L"(none)");

    auto* loaded = new kx::KxGetCombo();
    EXPECT_EQ(PersistOf(loaded)->Load(saved.bag, nullptr), S_OK);
    short count = 0;
    loaded->ListCount(&count);
    EXPECT_EQ(count, 2);
    kxColumeInfo info = {};
    loaded->get_List(1, &info);
    EXPECT_EQ(kxtest::TakeBstr(info.Name), L"Name");
    EXPECT_EQ(kxtest::TakeBstr(info.Width), L"1000");
    SysFreeString(info.Caption);
    loaded->get_List(5, &info);
    EXPECT_EQ(kxtest::TakeBstr(info.Width), L"0");
    SysFreeString(info.Name);
    SysFreeString(info.Caption);
    loaded->Release();
    combo->Release();
}

TEST(ComboPersistenceTest, SettingsRoundTrip) {
    auto* combo = new kx::KxGetCombo();
    PersistOf(combo)->InitNew();
    kxtest::LetComboText(combo, &kx::KxGetCombo::put_KeyField, L"Id");
    kxtest::LetComboText(combo, &kx::KxGetCombo::put_ShowField, L"Name");
    combo->put_TextStyle(static_cast<kxGCoTextStyle>(2));
    combo->put_Style(static_cast<kxGCComboStyle>(1));
    combo->put_EnterNextTab(VARIANT_FALSE);
    combo->put_Locked(VARIANT_TRUE);
    combo->put_WordWrap(VARIANT_TRUE);
    combo->put_Alignment(0);
    kxtest::LetValue(combo, kxtest::Text(L"12"));
    Bag saved;
    PersistOf(combo)->Save(saved.bag, TRUE, TRUE);
    auto* loaded = new kx::KxGetCombo();
    PersistOf(loaded)->Load(saved.bag, nullptr);
    EXPECT_EQ(kxtest::ComboText(loaded, &kx::KxGetCombo::get_KeyField), L"Id");
    EXPECT_EQ(kxtest::ComboText(loaded, &kx::KxGetCombo::get_ShowField), L"Name");
    kxGCoTextStyle textStyle = {};
    loaded->get_TextStyle(&textStyle);
    EXPECT_EQ(textStyle, 2);
    kxGCComboStyle style = {};
    loaded->get_Style(&style);
    EXPECT_EQ(style, 1);
    VARIANT_BOOL flag = VARIANT_TRUE;
    loaded->get_EnterNextTab(&flag);
    EXPECT_EQ(flag, VARIANT_FALSE);
    loaded->get_Locked(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);
    LONG alignment = -1;
    loaded->get_Alignment(&alignment);
    EXPECT_EQ(alignment, 0);
    VARIANT value;
    VariantInit(&value);
    loaded->get_Value(&value);
    EXPECT_EQ(value.vt, VT_BSTR);
    EXPECT_STREQ(value.bstrVal, L"12");
    VariantClear(&value);
    loaded->Release();
    combo->Release();
}

// A stored mouse icon that cannot be a pointer is passed over.
TEST(ComboPersistenceTest, ARefusedMouseIconIsSkipped) {
    Bag bag;
    PICTDESC desc = {sizeof(desc), PICTYPE_BITMAP};
    desc.bmp.hbitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    IPictureDisp* bitmap = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&bitmap));
    VARIANT picture;
    picture.vt = VT_DISPATCH;
    picture.pdispVal = bitmap;
    bag.bag->Write(L"MouseIcon", &picture);
    auto* combo = new kx::KxGetCombo();
    EXPECT_EQ(PersistOf(combo)->Load(bag.bag, nullptr), S_OK);
    IPictureDisp* icon = reinterpret_cast<IPictureDisp*>(1);
    combo->get_MouseIcon(&icon);
    EXPECT_EQ(icon, nullptr);
    combo->Release();
    bitmap->Release();
}

}  // namespace
