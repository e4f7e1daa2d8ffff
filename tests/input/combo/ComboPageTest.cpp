#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ComboFixture.h"
#include "ComboListPage.h"
#include "DialogDriver.h"
#include "FieldsPage.h"

namespace {

using kx::ComboListPage;
using kx::FieldsPage;
using kxtest::HostedCombo;

// The dialog's side of a page, as the tests play it: counts the page's dirty notices.
class TestPageSite : public IPropertyPageSite {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IPropertyPageSite) return E_NOINTERFACE;
        *out = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP OnStatusChange(DWORD flags) override {
        if (flags & PROPPAGESTATUS_DIRTY) ++dirtyNotices;
        return S_OK;
    }
    STDMETHODIMP GetLocaleID(LCID* locale) override {
        *locale = LOCALE_USER_DEFAULT;
        return S_OK;
    }
    STDMETHODIMP GetPageContainer(IUnknown**) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
    int dirtyNotices = 0;
};

// The host's extender of a hosted control: its Name, and the control's own members passed through.
IDispatch* ExtenderOf(kx::KxGetCombo* combo) {
    IOleClientSite* site = nullptr;
    static_cast<IOleObject*>(combo)->GetClientSite(&site);
    IOleControlSite* controlSite = nullptr;
    site->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&controlSite));
    IDispatch* extender = nullptr;
    controlSite->GetExtendedControl(&extender);
    controlSite->Release();
    site->Release();
    return extender;
}

void SetNames(kx::KxGetCombo* combo, const std::vector<const wchar_t*>& names) {
    for (size_t i = 0; i < names.size(); ++i) {
        kxColumeInfo info = {SysAllocString(names[i]), SysAllocString(names[i]), SysAllocString(L"1000")};
        combo->put_List(static_cast<short>(i), &info);
        SysFreeString(info.Name);
        SysFreeString(info.Caption);
        SysFreeString(info.Width);
    }
}

std::vector<std::wstring> ComboNames(kx::KxGetCombo* combo, int count) {
    std::vector<std::wstring> names;
    for (short i = 0; i < count; ++i) {
        kxColumeInfo info = {};
        combo->get_List(i, &info);
        names.push_back(kxtest::TakeBstr(info.Name));
        SysFreeString(info.Caption);
        SysFreeString(info.Width);
    }
    return names;
}

// A page on a window of its own, over the given objects.
template <class Page>
class OpenPage {
public:
    explicit OpenPage(std::vector<IUnknown*> objects) : window_(420, 320, 60, 200) {
        page = new Page();
        page->SetPageSite(&site);
        RECT place = {0, 0, 400, 300};
        page->Activate(window_.hwnd(), &place, TRUE);
        page->SetObjects(static_cast<ULONG>(objects.size()), objects.data());
        page->Show(SW_SHOW);
    }
    ~OpenPage() {
        page->Deactivate();
        page->SetPageSite(nullptr);
        page->Release();
    }
    OpenPage(const OpenPage&) = delete;
    OpenPage& operator=(const OpenPage&) = delete;

    void Press(int id) { Command(id, BN_CLICKED); }
    void Choose(int position) {
        SendMessageW(page->Item(ComboListPage::kList1), LB_SETCURSEL, static_cast<WPARAM>(position), 0);
        Command(ComboListPage::kList1, LBN_SELCHANGE);
    }
    void Type(int id, const std::wstring& text) { SetWindowTextW(page->Item(id), text.c_str()); }
    std::vector<std::wstring> Items() const {
        std::vector<std::wstring> items;
        const HWND list = page->Item(ComboListPage::kList1);
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[64] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    int Selected() const {
        return static_cast<int>(SendMessageW(page->Item(ComboListPage::kList1), LB_GETCURSEL, 0, 0));
    }
    std::wstring Text(int id) const { return kxtest::WindowText(page->Item(id)); }

    Page* page;
    TestPageSite site;

private:
    void Command(int id, int code) {
        SendMessageW(page->Hwnd(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(page->Item(id)));
    }
    kxtest::HostWindow window_;
};

using ListPage = OpenPage<ComboListPage>;
using Names = std::vector<std::wstring>;

TEST(ComboPageTest, EditingTheColumnList) {
    struct Case {
        const char* label;
        std::vector<const wchar_t*> start;
        void (*actions)(ListPage&);
        Names items;    // the list box afterwards
        Names applied;  // the combo's first names after Apply
        bool dirty;
    };
    const Case cases[] = {
        {"add on empty", {}, [](ListPage& p) {
             p.Press(ComboListPage::kAdd);
             EXPECT_EQ(p.Selected(), 0);
             EXPECT_EQ(p.Text(ComboListPage::kName), L"New Field");
             EXPECT_EQ(p.Text(ComboListPage::kWidth), L"1000");
         }, {L"New Field"}, {L"New Field", L""}, true},
        {"rename per keystroke", {L"A", L"B"}, [](ListPage& p) {
             p.Choose(1);
             p.Type(ComboListPage::kName, L"X");
             EXPECT_EQ(p.Items()[1], L"X");
             p.Type(ComboListPage::kName, L"XY");
         }, {L"A", L"XY"}, {L"A", L"XY"}, true},
        {"remove the middle", {L"A", L"B", L"C"}, [](ListPage& p) {
             p.Choose(1);
             p.Press(ComboListPage::kRemove);
             EXPECT_EQ(p.Selected(), -1);
         }, {L"A", L"C"}, {L"A", L"C", L""}, true},
        {"move then type", {L"A", L"B"}, [](ListPage& p) {
             p.Choose(0);
             p.Press(ComboListPage::kMoveDown);
             EXPECT_EQ(p.Selected(), 0);
             EXPECT_EQ(p.Text(ComboListPage::kName), L"B");  // the boxes show the selected entry
             p.Type(ComboListPage::kName, L"Z");
         }, {L"Z", L"A"}, {L"Z", L"A"}, true},
        // Choosing an entry fills the boxes, whose change marks the page changed.
        {"move up on the first", {L"A", L"B"}, [](ListPage& p) {
             p.Choose(0);
             p.Press(ComboListPage::kMoveUp);
         }, {L"A", L"B"}, {L"A", L"B"}, true},
        {"nothing selected", {L"A", L"B"}, [](ListPage& p) {
             p.Press(ComboListPage::kRemove);
             p.Press(ComboListPage::kMoveDown);
             p.Type(ComboListPage::kName, L"Q");
             p.Type(ComboListPage::kCaption, L"Q");
             p.Type(ComboListPage::kWidth, L"7");
         }, {L"A", L"B"}, {L"A", L"B"}, false},
        {"apply drops a cleared name", {L"A", L"B", L"C"}, [](ListPage& p) {
             p.Choose(1);
             p.Type(ComboListPage::kName, L"");
         }, {L"A", L"", L"C"}, {L"A", L"C", L""}, true},
    };
    for (const Case& c : cases) {
        HostedCombo hosted;
        SetNames(hosted.combo(), c.start);
        ListPage p({static_cast<IDispatch*>(hosted.combo())});
        c.actions(p);
        EXPECT_EQ(p.Items(), c.items) << c.label;
        EXPECT_EQ(p.page->IsPageDirty() == S_OK, c.dirty) << c.label;
        EXPECT_EQ(p.site.dirtyNotices > 0, c.dirty) << c.label;
        EXPECT_EQ(p.page->Apply(), S_OK);
        EXPECT_EQ(ComboNames(hosted.combo(), static_cast<int>(c.applied.size())),
                  c.dirty ? c.applied : Names(c.start.begin(), c.start.end()))
            << c.label;
    }
}

TEST(ComboPageTest, AFullListTakesNoMoreEntries) {
    HostedCombo hosted;
    std::vector<std::wstring> names;
    for (int i = 0; i < 101; ++i) names.push_back(L"F" + std::to_wstring(i));
    std::vector<const wchar_t*> pointers;
    for (const auto& n : names) pointers.push_back(n.c_str());
    SetNames(hosted.combo(), pointers);
    ListPage p({static_cast<IDispatch*>(hosted.combo())});
    p.Press(ComboListPage::kAdd);
    EXPECT_EQ(p.Items().size(), 101u);
    EXPECT_NE(p.page->IsPageDirty(), S_OK);
}

// Two combos selected: the message names the first (through its host's Name); only it is edited.
TEST(ComboPageTest, TwoCombosShowTheMessageAndEditTheFirst) {
    HostedCombo first, second(40, 160);
    SetNames(first.combo(), {L"A"});
    SetNames(second.combo(), {L"B"});
    IDispatch* one = ExtenderOf(first.combo());
    IDispatch* two = ExtenderOf(second.combo());
    std::wstring message;
    {
        kxtest::DialogDriver driver([&](HWND box) {
            wchar_t text[256] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 256);
            message = text;
            kxtest::PressButton(box, IDOK);
        });
        ListPage p({one, two});
        EXPECT_EQ(p.Items(), Names{L"A"});
        p.Choose(0);
        p.Type(ComboListPage::kName, L"AA");
        p.page->Apply();
    }
    EXPECT_NE(message.find(L"You can Applay only one control."), std::wstring::npos) << message;
    EXPECT_NE(message.find(L"This control name is:cboTest"), std::wstring::npos) << message;
    EXPECT_EQ(ComboNames(first.combo(), 1), Names{L"AA"});
    EXPECT_EQ(ComboNames(second.combo(), 1), Names{L"B"});
    one->Release();
    two->Release();
}

TEST(ComboPageTest, NoComboNoContents) {
    ListPage none({});
    none.Press(ComboListPage::kAdd);
    EXPECT_TRUE(none.Items().empty());
    EXPECT_EQ(none.page->Apply(), S_OK);
    kx::TableRecordSet* notACombo = kxtest::PeopleTable();
    ListPage other({static_cast<IDispatch*>(notACombo)});
    other.Press(ComboListPage::kAdd);
    EXPECT_TRUE(other.Items().empty());
    notACombo->Release();
}

TEST(ComboPageTest, FieldsListsTheNamedEntriesAndTakesAnyText) {
    HostedCombo hosted;
    SetNames(hosted.combo(), {L"Id", L"Name"});
    kxColumeInfo captionOnly = {SysAllocString(L""), SysAllocString(L"Only caption"), SysAllocString(L"1")};
    hosted.combo()->put_List(2, &captionOnly);
    SysFreeString(captionOnly.Caption);
    SysFreeString(captionOnly.Width);
    kxtest::LetComboText(hosted.combo(), &kx::KxGetCombo::put_KeyField, L"Id");
    OpenPage<FieldsPage> p({static_cast<IDispatch*>(hosted.combo())});
    for (int id : {FieldsPage::kKeyField, FieldsPage::kShowField})
        EXPECT_EQ(SendMessageW(p.page->Item(id), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(p.Text(FieldsPage::kKeyField), L"Id");
    EXPECT_NE(p.page->IsPageDirty(), S_OK);
    SetWindowTextW(p.page->Item(FieldsPage::kShowField), L"Elsewhere");
    SendMessageW(p.page->Hwnd(), WM_COMMAND, MAKEWPARAM(FieldsPage::kShowField, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(p.page->Item(FieldsPage::kShowField)));
    EXPECT_EQ(p.page->IsPageDirty(), S_OK);
    EXPECT_EQ(p.site.dirtyNotices, 1);
    p.page->Apply();
    EXPECT_EQ(kxtest::ComboText(hosted.combo(), &kx::KxGetCombo::get_ShowField), L"Elsewhere");
    EXPECT_EQ(kxtest::ComboText(hosted.combo(), &kx::KxGetCombo::get_KeyField), L"Id");
}

// The control names its two pages; the class factory makes both.
TEST(ComboPageTest, TheComboListsItsPages) {
    HostedCombo hosted;
    ISpecifyPropertyPages* specify = nullptr;
    hosted.combo()->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&specify));
    ASSERT_NE(specify, nullptr);
    CAUUID pages = {};
    specify->GetPages(&pages);
    ASSERT_EQ(pages.cElems, 2u);
    EXPECT_TRUE(IsEqualCLSID(pages.pElems[0], kx::CLSID_prpGetComoboList));
    EXPECT_TRUE(IsEqualCLSID(pages.pElems[1], kx::CLSID_prpFields));
    for (ULONG i = 0; i < pages.cElems; ++i) {
        IPropertyPage* page = nullptr;
        EXPECT_EQ(CoCreateInstance(pages.pElems[i], nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                   reinterpret_cast<void**>(&page)),
                  S_OK);
        PROPPAGEINFO info = {sizeof(info)};
        if (page && SUCCEEDED(page->GetPageInfo(&info))) {
            EXPECT_STREQ(info.pszTitle, i == 0 ? L"Combo List Items" : L"Fields");
            CoTaskMemFree(info.pszTitle);
        }
        if (page) page->Release();
    }
    CoTaskMemFree(pages.pElems);
    specify->Release();
}

}  // namespace
