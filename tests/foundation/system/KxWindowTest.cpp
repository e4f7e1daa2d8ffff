#include <gtest/gtest.h>

#include <vector>

#include "KxWindow.h"
#include "Handles.h"

namespace {

// A plain top-level window made for one test.
class TestWindow {
public:
    TestWindow(const wchar_t* caption, int x, int y, int width, int height) {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"KxTestWindow";
        RegisterClassW(&cls);
        hwnd_ = CreateWindowExW(0, L"KxTestWindow", caption, WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr,
                                nullptr, cls.hInstance, nullptr);
    }
    ~TestWindow() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    HWND hwnd() const { return hwnd_; }
    LONG handle() const { return kx::LongFromHandle(hwnd_); }

private:
    HWND hwnd_;
};

class KxWindowTest : public ::testing::Test {
protected:
    void SetUp() override { window_ = new kx::KxWindow(); }
    void TearDown() override { window_->Release(); }
    kx::KxWindow* window_ = nullptr;
};

TEST_F(KxWindowTest, SetWindowPositionMovesSizesOrOnlyChangesTopmost) {
    TestWindow w(L"kx position", 10, 20, 300, 200);
    LONG h = w.handle(), zero = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    VARIANT_BOOL onTop = VARIANT_TRUE, notOnTop = VARIANT_FALSE;

    ASSERT_EQ(S_OK, window_->GetWindowPosition(&h, &x1, &y1, &x2, &y2));
    EXPECT_EQ((std::vector<LONG>{10, 20, 310, 220}), (std::vector<LONG>{x1, y1, x2, y2}));

    ASSERT_EQ(S_OK, window_->SetWindowPosition(&h, &zero, &zero, &zero, &zero, &onTop));
    EXPECT_TRUE(GetWindowLongW(w.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    window_->GetWindowPosition(&h, &x1, &y1, &x2, &y2);
    EXPECT_EQ((std::vector<LONG>{10, 20, 310, 220}), (std::vector<LONG>{x1, y1, x2, y2}));

    LONG a = 50, b = 60, c = 250, d = 150;
    window_->SetWindowPosition(&h, &a, &b, &c, &d, &notOnTop);
    EXPECT_FALSE(GetWindowLongW(w.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    window_->GetWindowPosition(&h, &x1, &y1, &x2, &y2);
    EXPECT_EQ((std::vector<LONG>{50, 60, 300, 210}), (std::vector<LONG>{x1, y1, x2, y2}));

    LONG same = 5;  // equal pairs leave position and size alone
    window_->SetWindowPosition(&h, &same, &same, &same, &same, &notOnTop);
    window_->GetWindowPosition(&h, &x1, &y1, &x2, &y2);
    EXPECT_EQ((std::vector<LONG>{50, 60, 300, 210}), (std::vector<LONG>{x1, y1, x2, y2}));
}

TEST_F(KxWindowTest, GetWindowPositionOfNoWindowGivesZeros) {
    LONG h = 0x7654321, x1 = 9, y1 = 9, x2 = 9, y2 = 9;
    ASSERT_EQ(S_OK, window_->GetWindowPosition(&h, &x1, &y1, &x2, &y2));
    EXPECT_EQ((std::vector<LONG>{0, 0, 0, 0}), (std::vector<LONG>{x1, y1, x2, y2}));
}

struct Layered {
    BYTE alpha = 0;
    COLORREF key = 0;
    DWORD flags = 0;
    bool layered = false;
};

Layered ReadLayered(HWND hwnd) {
    Layered result;
    result.layered = GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED;
    if (result.layered) GetLayeredWindowAttributes(hwnd, &result.key, &result.alpha, &result.flags);
    return result;
}

TEST_F(KxWindowTest, MakeTransparentSetsOpacityAndColourKey) {
    TestWindow w(L"kx transparent", 0, 0, 100, 100);
    LONG h = w.handle(), zero = 0, from255 = 255;
    OLE_COLOR magenta = 0x00FF00FF, none = 0;
    VARIANT_BOOL yes = VARIANT_TRUE, no = VARIANT_FALSE;

    ASSERT_EQ(S_OK, window_->MakeTransparent(&h, 128, &zero, &none, &no));
    Layered half = ReadLayered(w.hwnd());
    EXPECT_TRUE(half.layered);
    EXPECT_EQ(128, half.alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), half.flags);

    window_->MakeTransparent(&h, 300, &zero, &none, &no);  // out of range: unchanged
    EXPECT_EQ(128, ReadLayered(w.hwnd()).alpha);

    window_->MakeTransparent(&h, 255, &from255, &magenta, &yes);  // the main window's call
    Layered keyed = ReadLayered(w.hwnd());
    EXPECT_EQ(255, keyed.alpha);
    EXPECT_EQ(0x00FF00FFu, keyed.key);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA | LWA_COLORKEY), keyed.flags);
}

TEST_F(KxWindowTest, MakeTransparentFadesInStepsThatStopBeforePassingTheTarget) {
    TestWindow w(L"kx fade", 0, 0, 100, 100);
    LONG h = w.handle();
    OLE_COLOR none = 0;
    VARIANT_BOOL no = VARIANT_FALSE;
    struct Case {
        LONG to, from;
        BYTE last;
    } cases[] = {{100, 255, 105}, {255, 50, 250}, {110, 100, 110}};
    for (const Case& c : cases) {
        LONG from = c.from;
        window_->MakeTransparent(&h, c.to, &from, &none, &no);
        EXPECT_EQ(c.last, ReadLayered(w.hwnd()).alpha) << "fade " << c.from << " -> " << c.to;
    }
}

TEST_F(KxWindowTest, CloseWindowAndFindByCaption) {
    TestWindow w(L"kx close me", 0, 0, 50, 50);
    BSTR caption = SysAllocString(L"kx close me");
    LONG found = 0;
    window_->FindWindowCaption(&caption, &found);
    EXPECT_EQ(w.handle(), found);
    VARIANT_BOOL closed = VARIANT_FALSE;
    ASSERT_EQ(S_OK, window_->CloseWindow(&caption, &closed));
    EXPECT_EQ(VARIANT_TRUE, closed);
    EXPECT_FALSE(IsWindow(w.hwnd()));
    SysFreeString(caption);

    BSTR nothing = SysAllocString(L"no window has this caption");
    closed = VARIANT_FALSE;
    window_->CloseWindow(&nothing, &closed);
    EXPECT_EQ(VARIANT_TRUE, closed);
    SysFreeString(nothing);
}

TEST_F(KxWindowTest, WinMoveFormOnlyActsOnTheLeftButton) {
    IDispatch* none = nullptr;
    short right = 2, left = 1;
    EXPECT_EQ(S_OK, window_->WinMoveForm(&none, &right));
    EXPECT_EQ(static_cast<HRESULT>(0x800A005B), window_->WinMoveForm(&none, &left));  // 91: no object
}

TEST_F(KxWindowTest, DesktophWndGivesADeviceContextOnlyWhenAsked) {
    LONG desktop = 0;
    ASSERT_EQ(S_OK, window_->DesktophWnd(nullptr, &desktop));
    EXPECT_EQ(kx::LongFromHandle(GetDesktopWindow()), desktop);

    LONG dc = 0;
    ASSERT_EQ(S_OK, window_->DesktophWnd(&dc, &desktop));
    EXPECT_NE(0, dc);
    ReleaseDC(GetDesktopWindow(), kx::HandleFromLong<HDC>(dc));
}

}  // namespace
