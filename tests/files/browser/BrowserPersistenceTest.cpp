// The file browser's saved settings: keys, defaults, order and types, the captions a new control takes from
// its form's reading order, and both persisted forms (a property bag, and a stream in Wine's AtlAxWin).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BrowserFixture.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "PropertyBag.h"

namespace {

using Bag = kxtest::SavedBag;
using kxtest::BrowserText;
using kxtest::LooseBrowser;
using kxtest::SetBrowserText;
using Browser = kx::ActFileDialog;

const std::vector<std::wstring> kAllKeys = {
    L"Path",        L"FileName",    L"Filter",    L"FilterIndex",  L"SearchText", L"FilterText", L"FileNameText",
    L"ShowLeftMenu", L"ShowHidden", L"ShowSystem", L"BackColor",   L"RightToLeft", L"BorderStyle", L"Appearance",
    L"ForeColor",   L"ScaleWidth",  L"ScaleMode", L"ScaleHeight",  L"Font",       L"Enabled"};

const wchar_t* const kPersianSearch = L"\u062C\u0633\u062A\u062C\u0648:";
const wchar_t* const kPersianFilter = L"\u0641\u064A\u0644\u062A\u0631:";
const wchar_t* const kPersianFileName = L"\u0646\u0627\u0645 \u0641\u0627\u064A\u0644:";

TEST(BrowserPersistenceTest, ANewControlSavesNothingAndShowsTheEnglishCaptions) {
    LooseBrowser b;
    Bag saved;
    EXPECT_TRUE(b.SavedKeys(saved).empty());
    EXPECT_EQ(L"Search For:", BrowserText(b.browser, &Browser::get_SearchText));
    EXPECT_EQ(L"Filter On:", BrowserText(b.browser, &Browser::get_FilterText));
    EXPECT_EQ(L"File Name:", BrowserText(b.browser, &Browser::get_FileNameText));
}

// Every setting away from its default: the twenty keys in their order, each type kept, and a control
// loaded from them saves the same.
TEST(BrowserPersistenceTest, TheTwentyKeysRoundTripInTheirOrder) {
    kxtest::ScratchFolder folder;
    LooseBrowser b;
    Browser* c = b.browser;
    c->put_ScaleMode(3);
    SetBrowserText(c, &Browser::put_Path, folder.path());
    SetBrowserText(c, &Browser::put_FileName, L"a.txt");
    SetBrowserText(c, &Browser::put_Filter, L"  Text|*.txt|All|*.*  ");
    c->put_FilterIndex(1);
    SetBrowserText(c, &Browser::put_SearchText, L"Look in:");
    SetBrowserText(c, &Browser::put_FilterText, L"Type:");
    SetBrowserText(c, &Browser::put_FileNameText, L"Name:");
    c->put_ShowLeftMenu(VARIANT_FALSE);
    c->put_ShowHidden(VARIANT_TRUE);
    c->put_ShowSystem(VARIANT_TRUE);
    c->put_BackColor(0x00203040);
    c->put_RightToLeft(VARIANT_TRUE);
    c->put_BorderStyle(1);
    c->put_Appearance(actFlat);
    c->put_ForeColor(0x000000FF);
    c->put_ScaleWidth(300.5f);
    c->put_ScaleHeight(200.25f);
    IFontDisp* font = kxtest::MakeFont(L"Tahoma", 11.25, true);
    c->putref_Font(font);
    font->Release();
    c->put_Enabled(VARIANT_FALSE);
    EXPECT_EQ(L"Text|*.txt|All|*.*", BrowserText(c, &Browser::get_Filter));  // trimmed

    Bag saved;
    EXPECT_EQ(kAllKeys, b.SavedKeys(saved));
    const struct {
        const wchar_t* key;
        VARTYPE type;
    } types[] = {{L"Path", VT_BSTR},       {L"FilterIndex", VT_I4}, {L"ShowHidden", VT_BOOL},
                 {L"BackColor", VT_I4},    {L"ScaleWidth", VT_R4},  {L"ScaleMode", VT_I4},
                 {L"Font", VT_DISPATCH},   {L"Enabled", VT_BOOL}};
    for (const auto& t : types) {
        const VARIANT* value = saved.bag->Find(t.key);
        ASSERT_NE(nullptr, value);
        EXPECT_EQ(t.type, value->vt) << std::string(t.key, t.key + wcslen(t.key));
    }

    LooseBrowser loaded(saved.bag);
    ASSERT_EQ(S_OK, loaded.loaded);
    Bag again;
    EXPECT_EQ(kAllKeys, loaded.SavedKeys(again));
    kxtest::ExpectSameProperties(saved.bag, again.bag);
    EXPECT_EQ(L"Look in:", BrowserText(loaded.browser, &Browser::get_SearchText));
    wchar_t caption[64] = {};
    GetWindowTextW(loaded.browser->Form().lblSearch, caption, 64);
    EXPECT_STREQ(L"Look in:", caption);  // loading applies the captions
}

TEST(BrowserPersistenceTest, ANewControlTakesItsCaptionsFromTheFormsReadingOrder) {
    const struct {
        bool rightToLeft;
        std::vector<std::wstring> keys;
        const wchar_t* search;
        const wchar_t* filter;
        const wchar_t* fileName;
    } cases[] = {
        {false, {L"Filter"}, L"Search For:", L"Filter On:", L"File Name:"},
        {true, {L"Filter", L"SearchText", L"FilterText", L"FileNameText", L"RightToLeft"}, kPersianSearch,
         kPersianFilter, kPersianFileName},
    };
    for (const auto& c : cases) {
        // Placed in the designer: shown, so its empty filter became "*.*|*.*", and not listed.
        kxtest::HostedBrowser hosted(c.rightToLeft, false);
        Browser* b = hosted.browser;
        EXPECT_EQ(c.search, BrowserText(b, &Browser::get_SearchText));
        EXPECT_EQ(c.filter, BrowserText(b, &Browser::get_FilterText));
        EXPECT_EQ(c.fileName, BrowserText(b, &Browser::get_FileNameText));
        Bag saved;
        hosted.Site()->Save(saved.bag);
        EXPECT_EQ(c.keys, saved.Keys()) << "right to left " << c.rightToLeft;
        EXPECT_EQ(L"*.*|*.*", BrowserText(b, &Browser::get_Filter));
    }
}

TEST(BrowserPersistenceTest, ABagWithoutCaptionsGivesEnglishWhateverTheReadingOrder) {
    Bag bag;
    kx::PropertyWriter(bag.bag).Boolean(L"ShowHidden", true, false);
    kxtest::HostedBrowser hosted(true, true, bag.bag);
    EXPECT_EQ(L"Search For:", BrowserText(hosted.browser, &Browser::get_SearchText));
    EXPECT_EQ(L"File Name:", BrowserText(hosted.browser, &Browser::get_FileNameText));
    VARIANT_BOOL hidden = VARIANT_FALSE;
    hosted.browser->get_ShowHidden(&hidden);
    EXPECT_EQ(VARIANT_TRUE, hidden);
}

TEST(BrowserPersistenceTest, BadValuesAreRefusedWithTheRuntimesErrors) {
    LooseBrowser b;
    EXPECT_EQ(kx::ErrorHResult(kx::kErrInvalidPropertyValue), b.browser->put_BackColor(0x7F000000));
    EXPECT_EQ(kx::ErrorHResult(kx::kErrInvalidPropertyValue), b.browser->put_ForeColor(0x80000099));
    EXPECT_EQ(kx::ErrorHResult(kx::kErrInvalidPropertyValue), b.browser->putref_Font(nullptr));
    OLE_COLOR back = 0;
    b.browser->get_BackColor(&back);
    EXPECT_EQ(0x8000000Fu, back);
    // A 16-bit member given a larger number through late binding overflows.
    VARIANT big = kxtest::Long(70000);
    EXPECT_EQ(DISP_E_OVERFLOW, kxtest::PutProperty(b.browser, L"FilterIndex", big));
}

TEST(BrowserPersistenceTest, ReadingPathAddsTheBackslashAndHalvesRunsOfFour) {
    const struct {
        const wchar_t* set;
        const wchar_t* read;
    } cases[] = {
        {L"C:\\WINDOWS", L"C:\\WINDOWS\\"},
        {L"\\\\\\\\server\\share", L"\\\\server\\share\\"},
        {L"", L"\\"},
    };
    for (const auto& c : cases) {
        LooseBrowser b;
        kxtest::GoTo(b.browser, c.set);
        EXPECT_EQ(c.read, kxtest::PathOf(b.browser));
    }
}

TEST(BrowserPersistenceTest, WineAtlAxWinHostsTheBrowserAndItsStream) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    kxtest::HostWindow window(480, 340, 40, 40);
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 0, 0, 438, 312, window.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(place, nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(S_OK, create(L"Korvix32.actFileDialog", place, nullptr, &container, &control, IID_NULL, nullptr));
    IDispatch* browser = nullptr;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&browser)));
    VARIANT text = kxtest::Text(L"Where:");
    EXPECT_EQ(S_OK, kxtest::PutProperty(browser, L"SearchText", text));
    VariantClear(&text);
    const std::vector<BYTE> bytes = kxtest::StreamBytes(control);

    Browser* second = new Browser();
    EXPECT_EQ(S_OK, kxtest::LoadStreamBytes(static_cast<IOleObject*>(second), bytes));
    EXPECT_EQ(L"Where:", BrowserText(second, &Browser::get_SearchText));
    EXPECT_EQ(L"Filter On:", BrowserText(second, &Browser::get_FilterText));
    second->Release();
    browser->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
    kxtest::PumpMessages(20);
}

TEST(BrowserPersistenceTest, TheControlsCollectionNamesEveryConstituent) {
    LooseBrowser b;
    IDispatch* controls = nullptr;
    ASSERT_EQ(S_OK, b.browser->get_Controls(&controls));
    VARIANT count = kxtest::GetProperty(controls, L"Count");
    EXPECT_EQ(32, count.lVal);
    _actControls* collection = nullptr;
    ASSERT_EQ(S_OK, controls->QueryInterface(IID__actControls, reinterpret_cast<void**>(&collection)));

    // By name, without regard to case; by position from 0; the list view's own window and visibility.
    _actControl* list = nullptr;
    VARIANT name = kxtest::Text(L"LSTVIEW");
    ASSERT_EQ(S_OK, collection->get_Item(name, &list));
    VariantClear(&name);
    LONG window = 0;
    list->get_Hwnd(&window);
    EXPECT_EQ(b.List(), kx::HandleFromLong<HWND>(window));
    VARIANT_BOOL visible = VARIANT_FALSE;
    list->get_Visible(&visible);
    EXPECT_EQ(VARIANT_TRUE, visible);
    ShowWindow(b.List(), SW_HIDE);
    list->get_Visible(&visible);
    EXPECT_EQ(VARIANT_FALSE, visible);
    list->Release();

    _actControl* third = nullptr;
    ASSERT_EQ(S_OK, collection->get_Item(kxtest::Long(2), &third));
    BSTR thirdName = nullptr;
    third->get_Name(&thirdName);
    EXPECT_EQ(L"picToolBar", kxtest::TakeBstr(thirdName));
    short index = 0;
    third->get_Index(&index);
    EXPECT_EQ(2, index);
    third->Release();

    _actControl* none = nullptr;
    EXPECT_EQ(kx::ErrorHResult(kx::kErrSubscript), collection->get_Item(kxtest::Long(32), &none));
    VARIANT missing = kxtest::Text(L"cmdDown");
    EXPECT_EQ(kx::ErrorHResult(kx::kErrSubscript), collection->get_Item(missing, &none));
    VariantClear(&missing);

    // For Each sees every element, menus included, in order.
    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, collection->get__NewEnum(&unknown));
    IEnumVARIANT* each = nullptr;
    ASSERT_EQ(S_OK, unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&each)));
    unknown->Release();
    std::vector<std::wstring> names;
    VARIANT item;
    while (each->Next(1, &item, nullptr) == S_OK) {
        VARIANT got = kxtest::GetProperty(item.pdispVal, L"Name");
        names.push_back(got.bstrVal);
        VariantClear(&got);
        VariantClear(&item);
    }
    each->Release();
    ASSERT_EQ(32u, names.size());
    EXPECT_EQ(L"mnuPopup", names[23]);
    EXPECT_EQ(L"mnuWinExplorer", names[31]);
    collection->Release();
    controls->Release();
}

}  // namespace
