// kxGetNumber's display: the four text styles with and without the focus, the value kept through its own
// display, typed text taken in, Change, Text, and bad values.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "ErrorInfo.h"
#include "NumberFixture.h"

namespace {

using kxtest::BoxText;
using kxtest::HostedNumbers;
using kxtest::kNumberChange;
using kxtest::ValueOf;

std::wstring BoxWindowText(HWND box) {
    wchar_t text[256] = {};
    GetWindowTextW(box, text, 256);
    return text;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(NumberDisplay, ANewControlShowsZeroFormatted) {
    HostedNumbers h;
    EXPECT_EQ(L"0.0", BoxText(h.number()));
    EXPECT_EQ(0, ValueOf(h.number()));
    EXPECT_TRUE(IsWindowVisible(h.Box()));
    EXPECT_FALSE(IsWindowVisible(h.number()->LabelWindow()));
}

TEST(NumberDisplay, WordsWithoutTheFocusAndThePlainNumberWithIt) {
    HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    n->put_TextStyle(static_cast<kxGCTextStyle>(2));
    n->put_Value(1234);
    EXPECT_EQ(L"\u064a\u06a9 \u0647\u0632\u0627\u0631 \u0648 \u062f\u0648\u064a\u0633\u062a \u0648 \u0633\u064a "
              L"\u0648 \u0686\u0647\u0627\u0631",
              BoxText(n));
    EXPECT_TRUE(IsWindowVisible(n->LabelWindow()));
    EXPECT_FALSE(IsWindowVisible(h.Box()));

    ASSERT_TRUE(h.FocusBox());
    EXPECT_EQ(L"1234", BoxWindowText(h.Box()));
    DWORD start = 1, end = 0;
    SendMessageW(h.Box(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(4u, end) << "all of it selected";
    EXPECT_FALSE(IsWindowVisible(n->LabelWindow()));

    ASSERT_TRUE(h.FocusBox(1));
    EXPECT_TRUE(IsWindowVisible(n->LabelWindow()));
    EXPECT_EQ(1234, ValueOf(n));

    const struct {
        long style;
        const wchar_t* zero;
    } zeros[] = {{2, L"\u0635\u0641\u0631"}, {3, L"zero"}};
    for (const auto& c : zeros) {
        n->put_TextStyle(static_cast<kxGCTextStyle>(c.style));
        n->put_Value(5);
        n->put_Value(0);
        EXPECT_EQ(c.zero, BoxText(n)) << c.style;
    }
}

// The control's own writes leave Value: shown rounded (style 1) or cut to 15 digits (style 0), the value
// comes back bit for bit after the focus went in and out.
TEST(NumberDisplay, ValueSurvivesItsOwnDisplayBitForBit) {
    HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    const double values[] = {0.1 + 0.2, 1234.5678, 1.0 / 3, 1e-20, -0.5, 1.2345678901234568E+17};
    for (long style : {0L, 1L, 2L, 3L}) {
        n->put_TextStyle(static_cast<kxGCTextStyle>(style));
        for (double v : values) {
            n->put_Value(v);
            ASSERT_TRUE(h.FocusBox(0));
            ASSERT_TRUE(h.FocusBox(1));
            EXPECT_TRUE(SameBits(v, ValueOf(n))) << style << " " << v << " came back as " << ValueOf(n);
        }
    }
    n->put_TextStyle(static_cast<kxGCTextStyle>(1));
    n->put_Value(1234.5678);
    EXPECT_EQ(L"1,234.568", BoxText(n));
    EXPECT_EQ(1234.5678, ValueOf(n));
}

TEST(NumberDisplay, WordsOutOfReachShowThePlainText) {
    HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    n->put_TextStyle(static_cast<kxGCTextStyle>(2));
    EXPECT_EQ(S_OK, n->put_Value(1.0 / 3));
    EXPECT_EQ(L"0.333333333333333", BoxText(n));
    EXPECT_EQ(S_OK, n->put_Value(1e20));
    EXPECT_EQ(L"1E+20", BoxText(n));
    EXPECT_EQ(S_OK, n->Refresh());
}

TEST(NumberDisplay, TypedTextIsTakenInWhenANumber) {
    HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    n->put_Value(7);
    ASSERT_TRUE(h.FocusBox());
    h.events.clear();
    kxtest::TypeText(L"abc");
    ASSERT_TRUE(h.PumpUntil([&] { return BoxWindowText(h.Box()) == L"abc"; }));
    EXPECT_EQ(7, ValueOf(n));
    EXPECT_EQ(3, h.Count(kNumberChange)) << "one Change a keystroke";
    ASSERT_TRUE(h.FocusBox(1));
    EXPECT_EQ(L"7.0", BoxText(n));

    ASSERT_TRUE(h.FocusBox());
    kxtest::TypeText(L"-12.5");
    ASSERT_TRUE(h.PumpUntil([&] { return BoxWindowText(h.Box()) == L"-12.5"; }));
    EXPECT_EQ(-12.5, ValueOf(n));
    SetWindowTextW(h.Box(), L"");
    EXPECT_EQ(0, ValueOf(n)) << "emptied";
    SetWindowTextW(h.Box(), L"1e400");
    EXPECT_EQ(0, ValueOf(n)) << "too large: kept";
    SetWindowTextW(h.Box(), L"txtValue");
    EXPECT_EQ(0, ValueOf(n));
    SetWindowTextW(h.Box(), std::wstring(10000, L'9').c_str());
    EXPECT_EQ(0, ValueOf(n)) << "ten thousand digits: no number";
}

TEST(NumberDisplay, HostSetValueRaisesChangeOnlyWhereTheTextBoxShowsIt) {
    const struct {
        long style;
        int changes;
    } cases[] = {{0, 1}, {1, 1}, {2, 0}, {3, 0}};
    for (const auto& c : cases) {
        HostedNumbers h;
        kx::KxGetNumber* n = h.number();
        n->put_TextStyle(static_cast<kxGCTextStyle>(c.style));
        h.events.clear();
        n->put_Value(42);
        EXPECT_EQ(c.changes, h.Count(kNumberChange)) << c.style;
        EXPECT_EQ(42, ValueOf(n));
    }
}

TEST(NumberDisplay, BadValuesFailAndKeepTheState) {
    HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    n->put_Value(3);
    EXPECT_EQ(kx::ErrorHResult(380), n->put_Value(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(kx::ErrorHResult(380), n->put_Value(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ(3, ValueOf(n));
    EXPECT_EQ(kx::ErrorHResult(380), n->put_TextStyle(static_cast<kxGCTextStyle>(4)));
    EXPECT_EQ(kx::ErrorHResult(380), n->put_Style(static_cast<kxGCComboStyle>(2)));
    EXPECT_EQ(kx::ErrorHResult(380), n->put_BorderStyle(static_cast<kxGmBorderStyle>(-1)));
    EXPECT_EQ(kx::ErrorHResult(380), n->put_Alignment(3));
    kxGCTextStyle style{};
    n->get_TextStyle(&style);
    EXPECT_EQ(1, style);
    n->put_ShowFormat(SysAllocString(L"\""));  // an unclosed quote
    EXPECT_EQ(S_OK, n->Refresh());

    // A bitmap is no pointer: 380, the old icon stays.
    PICTDESC desc = {sizeof(desc), PICTYPE_BITMAP};
    desc.bmp.hbitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    IPictureDisp* bitmap = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&bitmap));
    ASSERT_NE(nullptr, bitmap);
    EXPECT_EQ(kx::ErrorHResult(380), n->putref_MouseIcon(bitmap));
    IPictureDisp* icon = reinterpret_cast<IPictureDisp*>(1);
    n->get_MouseIcon(&icon);
    EXPECT_EQ(nullptr, icon);
    bitmap->Release();
}

TEST(NumberDisplay, StyleOneInTheLayoutFillsTheControl) {
    HostedNumbers h;
    kx::KxGetNumber* n = h.number();
    RECT client = {}, box = {};
    GetClientRect(h.ControlWindow(), &client);
    GetWindowRect(h.Box(), &box);
    MapWindowPoints(nullptr, h.ControlWindow(), reinterpret_cast<POINT*>(&box), 2);
    const long w = GetSystemMetrics(SM_CYVTHUMB);
    EXPECT_EQ(w + 3, box.left);
    EXPECT_EQ(client.right - w - 3, box.right - box.left);
    EXPECT_EQ(1, n->ButtonRect().left);
    n->put_Style(static_cast<kxGCComboStyle>(1));
    GetWindowRect(h.Box(), &box);
    MapWindowPoints(nullptr, h.ControlWindow(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(client.right, box.right);
    n->put_Style(static_cast<kxGCComboStyle>(0));
    n->put_RightToLeft(VARIANT_TRUE);
    EXPECT_EQ(client.right - w, n->ButtonRect().left);
    EXPECT_EQ(client.right - 1, n->ButtonRect().right);
}

}  // namespace
