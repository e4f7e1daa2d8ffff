// The alert window driven tick by tick: show, final place and opacity, hide, the closing requests, the
// focus, its outlines, and a real-time show with its timed close.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "AlertFixture.h"
#include "ControlHost.h"
#include "KxButton.h"
#include "GdiTestSupport.h"
#include "ScreenCapture.h"

namespace {

using kxtest::LooseAlert;
using kxtest::Tick;

RECT WindowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

// Each channel within 10 of the expected one.
bool Near(std::uint32_t rgb, std::uint32_t expected) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((rgb >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 10)
            return false;
    return true;
}

RECT WorkArea() {
    RECT r = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

TEST(AlertWindow, ShowTakesStepCountTicksAndEndsAtTheTargetInTheWorkArea) {
    LooseAlert a;
    a.alert->put_ShowStyle(FadeAndZoomAndMoveUpToDown);
    ASSERT_EQ(S_OK, a.Show());
    const HWND window = a.Window();
    kx::AlertWindow* state = a.State();
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->StepCount(), 40);
    const RECT full = WindowRect(window);
    EXPECT_FALSE(IsWindowVisible(window)) << "prepared, not shown";
    Tick(window);
    EXPECT_TRUE(IsWindowVisible(window)) << "the first tick shows it";
    EXPECT_TRUE(kxtest::IsLayered(window));
    Tick(window, 38);
    EXPECT_EQ(state->TickCount(), 39);
    EXPECT_NE(WindowRect(window).top * 15, state->Target().y) << "still on its way";
    Tick(window);
    EXPECT_EQ(state->TickCount(), 0);
    EXPECT_EQ(state->ShowState(), 1);
    const RECT r = WindowRect(window), area = WorkArea();
    EXPECT_NEAR(r.left * 15, state->Target().x, 15);
    EXPECT_NEAR(r.top * 15, state->Target().y, 15);
    EXPECT_EQ(r.right, area.right) << "Right And Buttom of the work area (Wine's taskbar is hidden)";
    EXPECT_EQ(r.bottom, area.bottom);
    EXPECT_GE(r.left, area.left);
    EXPECT_GE(r.top, area.top);
    EXPECT_EQ(kxtest::LayeredAlpha(window), 255);
    EXPECT_EQ(r.right - r.left, full.right - full.left) << "full size after the zoom";
    EXPECT_EQ(r.bottom - r.top, full.bottom - full.top);
}

TEST(AlertWindow, MaxTransparentCapsTheFadeBothWays) {
    LooseAlert a;
    a.alert->put_MaxTransparent(128);
    ASSERT_EQ(S_OK, a.Show());
    const HWND window = a.Window();
    const struct {
        int ticks;  // more ticks
        int alpha;
    } show[] = {{1, 6}, {9, 64}, {10, 128}, {19, 128}};  // 6.375 per tick, capped at 128
    for (const auto& step : show) {
        Tick(window, step.ticks);
        EXPECT_EQ(kxtest::LayeredAlpha(window), step.alpha) << a.State()->TickCount();
    }
    Tick(window);  // the 40th: the end of the show
    EXPECT_EQ(kxtest::LayeredAlpha(window), 128);
    SendMessageW(window, WM_CLOSE, 0, 0);
    const struct {
        int ticks;
        int alpha;
    } hide[] = {{19, 128}, {1, 128}, {1, 121}};  // 255 - 6.375 k: below 128 from k = 20 on
    for (const auto& step : hide) {
        Tick(window, step.ticks);
        EXPECT_EQ(kxtest::LayeredAlpha(window), step.alpha) << a.State()->TickCount();
    }
}

TEST(AlertWindow, StylesWithoutFadeNeverBecomeLayered) {
    const struct {
        kxAWShowStyle style;
        bool layered;
    } cases[] = {{FadeAndZoomAndMoveDownToUp, false}, {MoveDownToUp, false}, {Zoom, false},
                 {FadeAndZoomAndMoveUpToDown, true}, {Fade, true}};
    for (const auto& c : cases) {
        LooseAlert a;
        a.alert->put_ShowStyle(c.style);
        a.alert->put_TimeToShow(0.25f);
        ASSERT_EQ(S_OK, a.Show());
        bool everLayered = false;
        for (int i = 0; i < 10; ++i) {
            Tick(a.Window());
            everLayered = everLayered || kxtest::IsLayered(a.Window());
        }
        EXPECT_EQ(everLayered, c.layered) << c.style;
    }
}

TEST(AlertWindow, AClickDuringTheShowHidesFromTheCurrentTickAndASecondOneClosesAtOnce) {
    LooseAlert a;
    a.alert->put_ShowStyle(MoveDownToUp);
    ASSERT_EQ(S_OK, a.Show());
    const HWND window = a.Window();
    kx::AlertWindow* state = a.State();
    Tick(window, 10);
    kxtest::Click(window, 5, state->Places().message.y + 2);
    EXPECT_EQ(state->ShowState(), -1);
    const long top = WindowRect(window).top;
    Tick(window);
    EXPECT_GT(WindowRect(window).top, top) << "moves back";
    Tick(window, 28);
    EXPECT_TRUE(IsWindow(window)) << "tick 39";
    Tick(window);
    EXPECT_FALSE(IsWindow(window)) << "unloaded when TickCount reaches StepCount";

    ASSERT_EQ(S_OK, a.Show());
    const HWND again = a.Window();
    Tick(again, 5);
    EXPECT_EQ(a.State()->TickCount(), 5) << "a new show starts from tick 0";
    kxtest::Click(again, 5, a.State()->Places().message.y + 2);
    EXPECT_TRUE(IsWindow(again));
    kxtest::Click(again, 5, a.State()->Places().message.y + 2);
    EXPECT_FALSE(IsWindow(again));
}

TEST(AlertWindow, NoneStyleShowsOnTheFirstTickAndDoesNotCloseByItself) {
    LooseAlert a;
    a.alert->put_ShowStyle(NoneStyle);
    a.alert->put_TimeToClose(3);
    ASSERT_EQ(S_OK, a.Show());
    const HWND window = a.Window();
    Tick(window);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(a.State()->TickCount(), 40);
    EXPECT_FALSE(kxtest::IsLayered(window));
    EXPECT_FALSE(KillTimer(window, kx::AlertWindow::kMoveTimer)) << "the tick stopped timMove";
    EXPECT_FALSE(KillTimer(window, kx::AlertWindow::kCloseTimer)) << "no timed close";

    LooseAlert timed;
    timed.alert->put_ShowStyle(Fade);
    timed.alert->put_TimeToClose(3);
    ASSERT_EQ(S_OK, timed.Show());
    Tick(timed.Window(), 40);
    EXPECT_TRUE(KillTimer(timed.Window(), kx::AlertWindow::kCloseTimer)) << "armed at the end of the show";
}

// The close timer's interval for odd display times: none for negative or unknown, clamped when huge.
TEST(AlertWindow, TimeToCloseOutOfRange) {
    const struct {
        float seconds;
        bool armed;
    } cases[] = {{-1, false}, {std::numeric_limits<float>::quiet_NaN(), false}, {0, false}, {1e30f, true}};
    for (const auto& c : cases) {
        LooseAlert a;
        a.alert->put_TimeToShow(0);
        a.alert->put_TimeToClose(c.seconds);
        ASSERT_EQ(S_OK, a.Show());
        Tick(a.Window());
        EXPECT_TRUE(IsWindowVisible(a.Window())) << "a StepCount of 1 shows at once";
        EXPECT_EQ(KillTimer(a.Window(), kx::AlertWindow::kCloseTimer) != FALSE, c.armed) << c.seconds;
    }
}

TEST(AlertWindow, FocusEndsOnTheFirstVisibleButtonWhateverDefaultButtonSays) {
    for (short defaultButton : {3, 7, -1}) {
        LooseAlert a;
        kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextButton2, L"No");
        kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextButton3, L"Cancel");
        a.alert->put_DefaultButton(defaultButton);
        a.alert->put_ShowStyle(NoneStyle);
        ASSERT_EQ(S_OK, a.Show());
        kx::AlertWindow* state = a.State();
        Tick(a.Window());
        EXPECT_EQ(GetFocus(), state->ButtonWindow(1)) << defaultButton;
        a.alert->put_ShowStyle(Fade);
        ASSERT_EQ(S_OK, a.Show());
        Tick(a.Window(), 40);
        EXPECT_EQ(state->TickCount(), 0) << "the show finished, DefaultButton " << defaultButton;
        EXPECT_EQ(GetFocus(), state->ButtonWindow(1)) << defaultButton;
        EXPECT_FALSE(IsWindowVisible(state->ButtonWindow(0)));
        EXPECT_TRUE(state->ClickClose()) << "button 1 has no caption: the window may still close by a click";
    }
}

TEST(AlertWindow, AButtonSetsTheOwnersButtonSelectAndClosesTheWindow) {
    LooseAlert a;
    for (auto [setter, text] : {std::pair{&kx::KxAlertWindow::put_TextButton1, L"Yes"},
                                std::pair{&kx::KxAlertWindow::put_TextButton2, L"No"},
                                std::pair{&kx::KxAlertWindow::put_TextButton3, L"Cancel"}})
        kxtest::SetText(a.alert, setter, text);
    a.alert->put_TimeToClose(1);
    ASSERT_EQ(S_OK, a.Show());
    const HWND window = a.Window();
    kx::AlertWindow* state = a.State();
    Tick(window, 40);
    EXPECT_FALSE(state->ClickClose()) << "a window with buttons closes only through them";
    EXPECT_EQ(state->TimeToClose(), 0);
    kxtest::Click(window, 5, state->Places().message.y + 2);
    EXPECT_EQ(state->ShowState(), 1) << "a click on the message does nothing";
    EXPECT_EQ(a.TakeChoice(), 0);
    kxtest::Click(state->ButtonWindow(2), 4, 4);
    EXPECT_EQ(a.TakeChoice(), 3);
    EXPECT_EQ(a.TakeChoice(), 0) << "reading it cleared it";
    EXPECT_EQ(state->ShowState(), -1) << "hiding";

    // An owner without ButtonSelect: the window just closes.
    ASSERT_EQ(S_OK, a.Show());
    Tick(a.Window(), 40);
    auto* stranger = new kx::KxButton();
    a.State()->SetOwner(static_cast<_kxButton*>(stranger));
    stranger->Release();
    kxtest::Click(a.State()->ButtonWindow(0), 4, 4);
    EXPECT_EQ(a.State()->ShowState(), -1);
}

TEST(AlertWindow, OutlinesGiveTheirRegionsAndAnUnknownOneNone) {
    const struct {
        kxAWBorderStyle style;
        int kind;
    } cases[] = {{kxAWRectangle, SIMPLEREGION}, {kxAWRound, COMPLEXREGION}, {kxAWCircle, COMPLEXREGION},
                 {static_cast<kxAWBorderStyle>(5), ERROR}};
    LooseAlert a;
    a.alert->put_ShowStyle(NoneStyle);
    for (const auto& c : cases) {
        a.alert->put_BorderStyle(c.style);
        ASSERT_EQ(S_OK, a.Show());
        Tick(a.Window());
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(a.Window(), region), c.kind) << c.style;
        DeleteObject(region);
    }
}

// The pixels of a shown window: title band, frame, the two gradient halves, the buttons' places.
TEST(AlertWindow, PixelsOfTitleFrameGradientAndButtons) {
    LooseAlert a;
    a.alert->put_ShowStyle(NoneStyle);
    a.alert->put_BackStyle(Gradient);
    a.alert->put_BackColor(RGB(240, 220, 200));
    a.alert->put_AutoSize(VARIANT_FALSE);
    a.alert->put_WindowWidth(300);
    a.alert->put_WindowHeight(200);
    kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextTitle, L"T");
    kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextButton1, L"Yes");
    kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextButton2, L"No");
    ASSERT_EQ(S_OK, a.Show(L""));
    const HWND window = a.Window();
    Tick(window);
    UpdateWindow(window);
    kxtest::PumpMessages(50);
    kx::AlertWindow* state = a.State();
    const kxtest::ScreenCapture shot(window);
    const int titleHeight = state->Content().title.height;
    EXPECT_EQ(shot.At(3, titleHeight / 2), 0xA89A8Cu) << "title band at 70 %";
    EXPECT_EQ(shot.At(0, 100), 0xC0B0A0u) << "frame at 80 %";
    EXPECT_TRUE(Near(shot.At(150, titleHeight + 2), 0xF0DCC8)) << "the upper half starts at the ground";
    EXPECT_EQ(shot.At(150, 100), 0xFFFFF0u) << "lighter (120 %) in the middle";
    EXPECT_TRUE(Near(shot.At(150, 197), 0xF0DCC8)) << "and back to the ground at the bottom";
    for (int i = 0; i < 2; ++i) {
        RECT button = {};
        GetWindowRect(state->ButtonWindow(i), &button);
        const RECT frame = WindowRect(window);
        EXPECT_EQ(button.left - frame.left, state->Places().button[i].x) << i;
        EXPECT_EQ(button.bottom - frame.top, 200 - 5) << i;
    }
}

TEST(AlertWindow, RealTimeShowAndTimedClose) {
    LooseAlert a;
    a.alert->put_TimeToShow(0.2f);
    a.alert->put_TimeToClose(0.3f);
    ASSERT_EQ(S_OK, a.Show());
    const HWND window = a.Window();
    bool shown = false;
    for (int i = 0; i < 500 && IsWindow(window); ++i) {
        shown = shown || IsWindowVisible(window);
        kxtest::PumpMessages(10);
    }
    EXPECT_TRUE(shown);
    EXPECT_FALSE(IsWindow(window)) << "closed by its timer within five seconds";
}

TEST(AlertWindow, GdiObjectsStayFlatOverManyShows) {
    LooseAlert a;
    a.alert->put_ShowStyle(NoneStyle);
    kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextTitle, L"Title");
    kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextButton1, L"OK");
    auto cycle = [&] {
        a.Show();
        Tick(a.Window());
        kxtest::CloseNow(a.Window());
    };
    cycle();
    const DWORD before = kxtest::GdiObjectCount();
    for (int i = 0; i < 200; ++i) cycle();
    EXPECT_LE(kxtest::GdiObjectCount(), before + 4);
}

}  // namespace
