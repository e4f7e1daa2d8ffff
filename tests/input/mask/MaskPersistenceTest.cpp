#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MaskFixture.h"
#include "PersistenceTestSupport.h"
#include "GdiTestSupport.h"
#include "PropertyBag.h"

namespace {

using Bag = kxtest::SavedBag;
using kxtest::ShownText;
using kxtest::ValueOf;

const std::vector<std::wstring> kAllKeys = {
    L"InputMask", L"Value",       L"InputMode",   L"FormatChar", L"FormatNum",    L"FormatCharShow",
    L"FormatNumShow", L"Alignment", L"Appearance", L"BackColor",  L"BorderStyle",  L"Enabled",
    L"Font",      L"ForeColor",   L"Locked",      L"MouseIcon",  L"MousePointer", L"RightToLeft",
    L"SelStart",  L"UseUpDownKey", L"EnterNextTab"};

// A control outside any container, newly placed or loaded from a bag.
class LooseMask {
public:
    explicit LooseMask(IPropertyBag* bag = nullptr) {
        IPersistPropertyBag* persist = Persist();
        if (bag) loaded = persist->Load(bag, nullptr);
        else persist->InitNew();
    }
    ~LooseMask() { mask->Release(); }
    LooseMask(const LooseMask&) = delete;
    LooseMask& operator=(const LooseMask&) = delete;

    IPersistPropertyBag* Persist() const {
        IPersistPropertyBag* p = nullptr;
        mask->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&p));
        p->Release();  // the control keeps it alive
        return p;
    }
    std::vector<std::wstring> SavedKeys(Bag& saved) const {
        Persist()->Save(saved.bag, TRUE, TRUE);
        return saved.Keys();
    }

    kx::KxGetMask* mask = new kx::KxGetMask();
    HRESULT loaded = S_OK;
};

void Let(kx::KxGetMask* m, HRESULT (STDMETHODCALLTYPE kx::KxGetMask::*let)(BSTR), const wchar_t* text) {
    kxtest::SetText(m, let, text);
}

TEST(MaskPersistenceTest, ANewControlSavesNothing) {
    LooseMask m;
    Bag saved;
    EXPECT_TRUE(m.SavedKeys(saved).empty());
    EXPECT_EQ(L"_", ShownText(m.mask));
}

// Every property away from its default: the 21 keys in their order, and a second control loaded from
// them saves the same.
TEST(MaskPersistenceTest, TheTwentyOneKeysRoundTrip) {
    LooseMask m;
    kx::KxGetMask* c = m.mask;
    Let(c, &kx::KxGetMask::put_FormatChar, L"#");
    Let(c, &kx::KxGetMask::put_FormatNum, L"9");
    Let(c, &kx::KxGetMask::put_FormatCharShow, L"*");
    Let(c, &kx::KxGetMask::put_FormatNumShow, L".");
    Let(c, &kx::KxGetMask::put_InputMask, L"99-##");
    Let(c, &kx::KxGetMask::put_Value, L"12ab");
    c->put_InputMode(static_cast<kxGmInputMode>(1));
    c->put_Alignment(2);
    c->put_Appearance(static_cast<kxGmAppearance>(0));
    c->put_BackColor(0x00102030);
    c->put_BorderStyle(static_cast<kxGmBorderStyle>(0));
    c->put_Enabled(VARIANT_FALSE);
    IFontDisp* font = kxtest::MakeFont(L"Tahoma", 11.25, true);
    c->putref_Font(font);
    font->Release();
    c->put_ForeColor(0x000000FF);
    c->put_Locked(VARIANT_TRUE);
    IPictureDisp* icon = kxtest::SolidPicture(RGB(200, 100, 0));
    c->putref_MouseIcon(icon);
    icon->Release();
    c->put_MousePointer(11);
    c->put_RightToLeft(VARIANT_TRUE);
    c->put_SelStart(2);
    c->put_UseUpDownKey(VARIANT_TRUE);
    c->put_EnterNextTab(VARIANT_FALSE);
    Bag saved;
    EXPECT_EQ(kAllKeys, m.SavedKeys(saved));

    LooseMask loaded(saved.bag);
    ASSERT_EQ(S_OK, loaded.loaded);
    EXPECT_EQ(L"12-ab", ShownText(loaded.mask));
    Bag again;
    EXPECT_EQ(kAllKeys, loaded.SavedKeys(again));
    kxtest::ExpectSameProperties(saved.bag, again.bag);
}

TEST(MaskPersistenceTest, StoredValuesAreRead) {
    const struct {
        const wchar_t* key;
        const wchar_t* stored;
        HRESULT (STDMETHODCALLTYPE kx::KxGetMask::*get)(BSTR*);
        const wchar_t* expected;
    } cases[] = {
        {L"FormatNum", L"", &kx::KxGetMask::get_FormatNum, L"0"},
        {L"FormatChar", L"xy", &kx::KxGetMask::get_FormatChar, L"x"},
        {L"FormatNumShow", L"", &kx::KxGetMask::get_FormatNumShow, L"_"},
        {L"FormatCharShow", L"-+", &kx::KxGetMask::get_FormatCharShow, L"-"},
        {L"InputMask", L"", &kx::KxGetMask::get_InputMask, L"0"},
        {L"InputMask", L"00_", &kx::KxGetMask::get_InputMask, L"00_"},  // as stored
    };
    for (const auto& c : cases) {
        Bag bag;
        kx::PropertyWriter(bag.bag).Text(c.key, c.stored);
        LooseMask m(bag.bag);
        EXPECT_EQ(c.expected, kxtest::GetText(m.mask, c.get)) << c.key << " [" << testing::PrintToString(c.stored) << "]";
    }
}

TEST(MaskPersistenceTest, AlignmentFollowsTheDirectionReadBeforeIt) {
    Bag bag;
    kx::PropertyWriter(bag.bag).Boolean(L"RightToLeft", true, false);
    LooseMask m(bag.bag);
    long alignment = 0;
    m.mask->get_Alignment(&alignment);
    EXPECT_EQ(1, alignment);
    Bag saved;
    EXPECT_EQ(std::vector<std::wstring>{L"RightToLeft"}, m.SavedKeys(saved));
}

// Esc returns a loaded control to the value it was loaded with.
TEST(MaskPersistenceTest, EscAfterLoadingRestoresTheStoredValue) {
    Bag bag;
    kx::PropertyWriter writer(bag.bag);
    writer.Text(L"InputMask", L"0000");
    writer.Text(L"Value", L"12");
    LooseMask m(bag.bag);
    EXPECT_EQ(L"12__", ShownText(m.mask));
    const HWND box = m.mask->TextBoxWindow();
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, WM_CHAR, '9', 0);
    EXPECT_EQ(L"92", ValueOf(m.mask));
    SendMessageW(box, WM_CHAR, VK_ESCAPE, 0);
    EXPECT_EQ(L"12", ValueOf(m.mask));
}

}  // namespace
