#include <gtest/gtest.h>

#include "ComboFixture.h"

namespace {

using kxtest::HostedCombo;
using kxtest::LetValue;
using kxtest::Long;
using kxtest::Text;

// Each criterion class found and not, a quote, empty text, a Null shown value: the label, the criterion
// sent and where the cursor stays.
TEST(ComboLookupTest, LooksTheKeyUpInTheSource) {
    struct Case {
        const wchar_t* keyField;
        const wchar_t* showField;
        const wchar_t* key;
        const wchar_t* shown;
        const wchar_t* criterion;  // null: none sent
        long position;             // 4 = EOF
    };
    const Case cases[] = {
        {L"Id", L"Name", L"12", L"O'Brien", L"Id = 12", 1},
        {L"Id", L"Name", L"13", L"", L"Id = 13", 4},
        {L"Id", L"Name", L"12x", L"", nullptr, -1},
        {L"Name", L"Id", L"O'Brien", L"12", L"Name = 'O''Brien'", 1},
        {L"Name", L"Id", L"", L"", L"Name = ''", 4},
        {L"Id", L"Name", L"30", L"", L"Id = 30", 2},  // a Null name
        {L"Born", L"Name", L"2024-03-02", L"Second twelve", L"Born = #03-02-2024#", 3},
        {L"Born", L"Name", L"never", L"", nullptr, -1},
        {L"Active", L"Id", L"True", L"12", L"Active = True", 1},
        {L"Score", L"Id", L"-4", L"30", L"Score = -4", 2},
    };
    for (const Case& c : cases) {
        kx::TableRecordSet* table = kxtest::PeopleTable();
        HostedCombo hosted;
        hosted.Bind(table, c.keyField, c.showField);
        const size_t before = table->Criteria().size();
        EXPECT_EQ(LetValue(hosted.combo(), Text(c.key)), S_OK) << c.key;
        EXPECT_EQ(hosted.Text(), c.shown) << c.keyField << L" " << c.key;
        EXPECT_TRUE(IsWindowVisible(hosted.combo()->LabelWindow())) << c.key;
        EXPECT_FALSE(IsWindowVisible(hosted.combo()->TextBoxWindow())) << c.key;
        if (c.criterion) {
            ASSERT_GT(table->Criteria().size(), before) << c.key;
            EXPECT_EQ(table->Criteria().back(), c.criterion);
            EXPECT_EQ(table->Position(), c.position) << c.key;
        } else {
            EXPECT_EQ(table->Criteria().size(), before) << c.key;
        }
        table->Release();
    }
}

TEST(ComboLookupTest, TextFollowsTheDisplayMode) {
    kx::TableRecordSet* table = kxtest::PeopleTable();
    HostedCombo hosted;
    hosted.Bind(table, L"Id", L"Name");
    LetValue(hosted.combo(), Long(7));
    EXPECT_EQ(hosted.Text(), L"Ava");
    hosted.combo()->put_TextStyle(static_cast<kxGCoTextStyle>(0));
    EXPECT_EQ(hosted.Text(), L"7");
    EXPECT_FALSE(IsWindowVisible(hosted.combo()->LabelWindow()));
    EXPECT_TRUE(IsWindowVisible(hosted.combo()->TextBoxWindow()));
    const size_t sent = table->Criteria().size();
    LetValue(hosted.combo(), Long(12));
    EXPECT_EQ(table->Criteria().size(), sent);  // no lookup without a label to show
    hosted.combo()->put_TextStyle(static_cast<kxGCoTextStyle>(2));
    EXPECT_EQ(hosted.Text(), L"O'Brien");
    table->Release();
}

// After Value = 5 the box shows "5" and Value holds that text.
TEST(ComboLookupTest, ValueBecomesTheBoxText) {
    HostedCombo hosted;
    LetValue(hosted.combo(), Long(5));
    EXPECT_EQ(hosted.BoxText(), L"5");
    VARIANT value;
    VariantInit(&value);
    hosted.combo()->get_Value(&value);
    EXPECT_EQ(value.vt, VT_BSTR);
    VariantClear(&value);
    EXPECT_EQ(hosted.Text(), L"");  // no source: an empty label
    EXPECT_TRUE(IsWindowVisible(hosted.combo()->LabelWindow()));
}

// The host's own Refresh and Value hear the source's refusal; the box's change does not.
TEST(ComboLookupTest, SourceErrorsReachOnlyTheHostsOwnCalls) {
    kx::TableRecordSet* table = kxtest::PeopleTable();
    HostedCombo hosted;
    hosted.Bind(table, L"Missing", L"Name");
    EXPECT_EQ(LetValue(hosted.combo(), Long(12)), kx::ErrorHResult(3265));
    EXPECT_EQ(hosted.combo()->Refresh(), kx::ErrorHResult(3265));
    SetWindowTextW(hosted.combo()->TextBoxWindow(), L"13");
    EXPECT_EQ(hosted.Text(), L"");
    table->FailMember(L"Find");
    kxtest::LetComboText(hosted.combo(), &kx::KxGetCombo::put_KeyField, L"Id");
    EXPECT_EQ(hosted.combo()->Refresh(), kx::ErrorHResult(kx::kErrInvalidCall));
    table->Release();
}

TEST(ComboLookupTest, BadInputIsRefused) {
    HostedCombo hosted;
    kx::KxGetCombo* combo = hosted.combo();
    kxColumeInfo info = {};
    EXPECT_EQ(combo->get_List(101, &info), kx::ErrorHResult(kx::kErrSubscript));
    EXPECT_EQ(combo->get_List(-1, &info), kx::ErrorHResult(kx::kErrSubscript));
    EXPECT_EQ(combo->put_List(200, &info), kx::ErrorHResult(kx::kErrSubscript));
    BSTR empty = SysAllocString(L"");
    EXPECT_EQ(combo->AddItem(empty, empty, 1000), kx::ErrorHResult(1));
    SysFreeString(empty);
    EXPECT_EQ(combo->GridRefresh(), kx::ErrorHResult(1));
    VARIANT object;
    object.vt = VT_DISPATCH;
    object.pdispVal = kxtest::PeopleTable();
    EXPECT_EQ(combo->put_Value(object), kx::ErrorHResult(kx::kErrTypeMismatch));
    VariantClear(&object);
    EXPECT_EQ(combo->put_TextStyle(static_cast<kxGCoTextStyle>(3)), kx::ErrorHResult(kx::kErrInvalidPropertyValue));
    // A bitmap cannot be a mouse pointer: 380, the old picture kept.
    PICTDESC desc = {sizeof(desc), PICTYPE_BITMAP};
    desc.bmp.hbitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    IPictureDisp* bitmap = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&bitmap));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(combo->putref_MouseIcon(bitmap), kx::ErrorHResult(kx::kErrInvalidPropertyValue));
    IPictureDisp* kept = reinterpret_cast<IPictureDisp*>(1);
    combo->get_MouseIcon(&kept);
    EXPECT_EQ(kept, nullptr);
    bitmap->Release();
}

TEST(ComboLookupTest, AddItemFillsTheFirstFreeSlotAndClearsOneTimeLoaded) {
    HostedCombo hosted;
    kx::KxGetCombo* combo = hosted.combo();
    combo->put_OneTimeLoaded(VARIANT_TRUE);
    BSTR name = SysAllocString(L"Id");
    BSTR none = SysAllocString(L"");
    EXPECT_EQ(combo->AddItem(name, none, 1000), S_OK);
    kxColumeInfo info = {};
    combo->get_List(0, &info);
    EXPECT_EQ(kxtest::TakeBstr(info.Caption), L"Id");
    EXPECT_EQ(kxtest::TakeBstr(info.Width), L"1000");
    SysFreeString(info.Name);
    short count = 0;
    combo->ListCount(&count);
    EXPECT_EQ(count, 1);
    VARIANT_BOOL loaded = VARIANT_TRUE;
    combo->get_OneTimeLoaded(&loaded);
    EXPECT_EQ(loaded, VARIANT_FALSE);
    for (int i = 1; i < 101; ++i) combo->AddItem(name, none, 5);
    combo->ListCount(&count);
    EXPECT_EQ(count, 101);
    EXPECT_EQ(combo->AddItem(name, none, 5), S_OK);  // full: nothing happens
    SysFreeString(name);
    SysFreeString(none);
}

}  // namespace
