#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ControlTestSupport.h"
#include "KxButton.h"
#include "PersistenceTestSupport.h"
#include "PropertyBag.h"

namespace {

// A button outside any container: ambient properties give their defaults.
struct LooseButton {
    kx::KxButton* button = new kx::KxButton();
    ~LooseButton() { button->Release(); }
    IPersistPropertyBag* Persist() {
        IPersistPropertyBag* p = nullptr;
        button->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&p));
        p->Release();  // the button keeps it alive
        return p;
    }
};

using Bag = kxtest::SavedBag;

TEST(ButtonPersistenceTest, ANewButtonSavesItsPlainColoursAndTheTitleOnly) {
    LooseButton b;
    ASSERT_EQ(b.Persist()->InitNew(), S_OK);
    OLE_COLOR colour = 1;
    b.button->get_FontColor(&colour);
    EXPECT_EQ(colour, GetSysColor(COLOR_BTNTEXT));
    b.button->get_BackColor(&colour);
    EXPECT_EQ(colour, 0x8000000Fu);

    Bag saved;
    ASSERT_EQ(b.Persist()->Save(saved.bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(saved.KeySet(), (std::set<std::wstring>{L"FontColor", L"FontHighlightColor", L"HighlightColor",
                                                     L"ToolTipTitle"}));
    EXPECT_EQ(saved.bag->Find(L"FontColor")->vt, VT_I4);
}

TEST(ButtonPersistenceTest, AButtonReadFromAnEmptyBagKeepsTheSystemColours) {
    LooseButton b;
    Bag empty;
    ASSERT_EQ(b.Persist()->Load(empty.bag, nullptr), S_OK);
    OLE_COLOR colour = 0;
    b.button->get_FontColor(&colour);
    EXPECT_EQ(colour, 0x80000012u);
    b.button->get_HighlightColor(&colour);
    EXPECT_EQ(colour, 0x8000000Du);
    kxBtnStyle style = kxBtnNormal;
    b.button->get_Style(&style);
    EXPECT_EQ(style, kxBtnWindowsXP);
    Bag saved;
    b.Persist()->Save(saved.bag, TRUE, TRUE);
    EXPECT_EQ(saved.KeySet(), std::set<std::wstring>{L"ToolTipTitle"});
}

TEST(ButtonPersistenceTest, LowerCaseKeysOfSavedWindowsLoad) {
    Bag bag;
    kx::PropertyWriter writer(bag.bag);
    writer.Long(L"style", 10);
    writer.Text(L"caption", L"&Run");
    writer.Long(L"fontcolor", 0x000000FF);
    writer.Text(L"tooltiptitle", L"Tip");
    writer.Boolean(L"enabled", false, true);
    writer.Long(L"ttbackcolor", 0x00112233);

    LooseButton b;
    ASSERT_EQ(b.Persist()->Load(bag.bag, nullptr), S_OK);
    kxBtnStyle style = kxBtnNormal;
    b.button->get_Style(&style);
    EXPECT_EQ(style, kxBtnMacOSX);
    BSTR text = nullptr;
    b.button->get_Caption(&text);
    EXPECT_STREQ(text, L"&Run");
    SysFreeString(text);
    text = nullptr;
    b.button->get_ToolTipTitle(&text);
    EXPECT_STREQ(text, L"Tip");
    SysFreeString(text);
    OLE_COLOR colour = 0;
    b.button->get_FontColor(&colour);
    EXPECT_EQ(colour, 0x000000FFu);
    b.button->get_ToolTipBackColor(&colour);
    EXPECT_EQ(colour, 0x00112233u);
    VARIANT_BOOL enabled = VARIANT_TRUE;
    b.button->get_Enabled(&enabled);
    EXPECT_EQ(enabled, VARIANT_FALSE);
    EXPECT_EQ(b.button->ButtonState(), kx::KxButton::kDisabled);
}

void CustomiseButton(kx::KxButton* button) {
    button->put_Style(kxBtnVista);
    BSTR caption = SysAllocString(L"&Save && Exit");
    button->put_Caption(caption);
    SysFreeString(caption);
    VARIANT_BOOL yes = VARIANT_TRUE;
    button->put_Value(&yes);
    button->put_UseCustomColors(&yes);
    kxBtnButtonType checkBox = kxBtnCheckBox;
    button->put_ButtonType(&checkBox);
    OLE_COLOR system = 0x80000005;
    button->put_BackColor(&system);
    button->put_FontBold(VARIANT_TRUE);
    button->put_MousePointer(11);
    button->put_RightToLeft(VARIANT_TRUE);
    BSTR body = SysAllocString(L"\u0631\u0627\u0647\u0646\u0645\u0627");
    button->put_ToolTipBody(&body);
    SysFreeString(body);
}

TEST(ButtonPersistenceTest, SaveLoadSaveGivesTheSameProperties) {
    LooseButton first;
    first.Persist()->InitNew();
    CustomiseButton(first.button);
    Bag one;
    ASSERT_EQ(first.Persist()->Save(one.bag, TRUE, TRUE), S_OK);
    EXPECT_TRUE(one.KeySet().count(L"Font"));
    EXPECT_TRUE(one.KeySet().count(L"RightToLeft"));
    EXPECT_TRUE(one.KeySet().count(L"BackColor"));

    LooseButton second;
    ASSERT_EQ(second.Persist()->Load(one.bag, nullptr), S_OK);
    Bag two;
    ASSERT_EQ(second.Persist()->Save(two.bag, TRUE, TRUE), S_OK);
    kxtest::ExpectSameProperties(one.bag, two.bag);
}

TEST(ButtonPersistenceTest, TheStreamFormSavesLoadsAndSavesTheSameBytes) {
    LooseButton first;
    IPersistStreamInit* persist = nullptr;
    first.button->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
    ASSERT_EQ(persist->InitNew(), S_OK);
    persist->Release();
    CustomiseButton(first.button);
    const std::vector<BYTE> saved = kxtest::StreamBytes(static_cast<IOleObject*>(first.button));
    ASSERT_FALSE(saved.empty());

    LooseButton second;
    ASSERT_EQ(kxtest::LoadStreamBytes(static_cast<IOleObject*>(second.button), saved), S_OK);
    EXPECT_EQ(kxtest::StreamBytes(static_cast<IOleObject*>(second.button)), saved);
}

// The access key: the character after the last single "&"; "&&" makes none and keeps the old one.
TEST(ButtonPersistenceTest, AccessKeysFollowTheCaption) {
    struct Case {
        const wchar_t* caption;
        WORD key;  // 0: no access key
    };
    const Case cases[] = {
        {L"&Save", 'S'}, {L"Save && Exit", 'S'}, {L"A&b&c", 'C'}, {L"Exit&", 0}, {L"Plain", 0}, {L"&&&x", 'X'},
    };
    LooseButton b;
    b.Persist()->InitNew();
    IOleControl* control = nullptr;
    b.button->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control));
    for (const Case& c : cases) {
        BSTR caption = SysAllocString(c.caption);
        b.button->put_Caption(caption);
        SysFreeString(caption);
        CONTROLINFO info = {sizeof(info)};
        control->GetControlInfo(&info);
        WORD key = 0;
        if (info.cAccel) {
            ACCEL accel = {};
            CopyAcceleratorTableW(info.hAccel, &accel, 1);
            key = accel.key;
            EXPECT_TRUE(accel.fVirt & FALT);
        }
        EXPECT_EQ(key, c.key) << std::string(c.caption, c.caption + wcslen(c.caption));
    }
    control->Release();
}

TEST(ButtonPersistenceTest, SizesBelowThreeHundredTwipsAreRaised) {
    struct Case {
        LONG twips;
        LONG expected;
    };
    const Case cases[] = {{200, 300}, {300, 300}, {1365, 1365}};
    LooseButton b;
    b.Persist()->InitNew();
    IOleObject* ole = static_cast<IOleObject*>(b.button);
    for (const Case& c : cases) {
        SIZEL himetric = {MulDiv(c.twips, 2540, 1440), MulDiv(c.twips, 2540, 1440)};
        ole->SetExtent(DVASPECT_CONTENT, &himetric);
        RECT client = {};
        GetClientRect(kxtest::WindowOf(ole), &client);
        EXPECT_EQ(client.right * 15, c.expected) << c.twips;
        EXPECT_EQ(client.bottom * 15, c.expected) << c.twips;
    }
}

}  // namespace

namespace {

IPictureDisp* SmallBitmapPicture() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 16, 16};
    HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
    FillRect(dc, &all, red);
    DeleteObject(red);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_BITMAP};
    desc.bmp.hbitmap = bitmap;
    IPictureDisp* picture = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture));
    return picture;
}

OLE_HANDLE HandleOf(IPictureDisp* picture) {
    IPicture* p = nullptr;
    OLE_HANDLE handle = 0;
    if (picture && SUCCEEDED(picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&p)))) {
        p->get_Handle(&handle);
        p->Release();
    }
    return handle;
}

TEST(ButtonPersistenceTest, AnIconIsSavedAndLoadedThroughTheStreamForm) {
    LooseButton first;
    first.Persist()->InitNew();
    IPictureDisp* icon = SmallBitmapPicture();
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(first.button->putref_Icon(icon), S_OK);
    icon->Release();
    VARIANT_BOOL no = VARIANT_FALSE;
    first.button->put_Enabled(&no);  // draws the grey form
    EXPECT_EQ(first.button->Refresh(), S_OK);
    const std::vector<BYTE> saved = kxtest::StreamBytes(static_cast<IOleObject*>(first.button));

    LooseButton second;
    ASSERT_EQ(kxtest::LoadStreamBytes(static_cast<IOleObject*>(second.button), saved), S_OK);
    IPictureDisp* loaded = nullptr;
    second.button->get_Icon(&loaded);
    ASSERT_NE(loaded, nullptr);
    EXPECT_NE(HandleOf(loaded), 0u);
    loaded->Release();
}

// An empty picture (a new button's icon) stores as none.
TEST(ButtonPersistenceTest, AnEmptyIconIsNotWritten) {
    LooseButton b;
    b.Persist()->InitNew();
    IPictureDisp* icon = nullptr;
    b.button->get_Icon(&icon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(HandleOf(icon), 0u);
    icon->Release();
    Bag saved;
    b.Persist()->Save(saved.bag, TRUE, TRUE);
    EXPECT_EQ(saved.bag->Find(L"Icon"), nullptr);
}

}  // namespace
