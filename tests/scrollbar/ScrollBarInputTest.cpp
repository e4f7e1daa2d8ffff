// kxScrollBar's input with a scripted clock, button and yield: arrow clicks and holds, track presses and
// holds, the thumb drag, keys on the thumb, the hover timer, and loops that must end however the press ends.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "ScrollBarFixture.h"

namespace {

using kxtest::LooseScrollBar;

// Time moves only while waiting; each yield may run the test's own step (a release, a destroy ...).
class ScriptedPacing : public kx::ScrollPacing {
public:
    double now = 500;
    int passes = 0;
    std::function<bool(int pass)> held = [](int) { return true; };
    std::function<void(int pass)> onYield;

    double Now() override { return now; }
    bool LeftButtonHeld() override { return held(passes); }
    void HandleMessages() override {
        ++passes;
        if (onYield) onYield(passes);
    }
    void Wait(double seconds) override { now += seconds; }
};

struct Bar : LooseScrollBar {
    ScriptedPacing pacing;
    explicit Bar(int w = 17, int h = 300) : LooseScrollBar(w, h) {
        bar->UsePacing(pacing);
        ShowWindow(Window(), SW_SHOWNOACTIVATE);  // a bar out of sight takes no repeats
    }
    void PressLeft(int part, int x = 3, int y = 3) const { ToBox(part, WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
    void ReleaseLeft(int part) const { ToBox(part, WM_LBUTTONUP); }
    void PressTrack(int x, int y, UINT message = WM_LBUTTONDOWN, WPARAM keys = MK_LBUTTON) const {
        SendMessageW(Window(), message, keys, MAKELPARAM(x, y));
    }
};

TEST(ScrollBarInput, AClickOnAnArrowStepsOnceAndRaisesChangeTwice) {
    Bar b;
    b.bar->put_Value(50);
    b.events.names.clear();
    b.pacing.held = [](int) { return false; };
    b.PressLeft(1);
    EXPECT_EQ(b.Value(), 51);
    EXPECT_EQ(b.bar->HitState(), 4);
    b.ReleaseLeft(1);
    EXPECT_EQ(b.Value(), 51);
    EXPECT_EQ(b.events.Count(L"Change"), 2u);
    EXPECT_EQ(b.bar->HitState(), 0);
    EXPECT_FALSE(b.bar->Repeating());
}

TEST(ScrollBarInput, AnArrowAtItsEndRaisesChangeAndStartsNoLoop) {
    Bar b;
    b.PressLeft(0);
    EXPECT_EQ(b.Value(), 0);
    EXPECT_EQ(b.events.Count(L"Change"), 1u);
    EXPECT_EQ(b.pacing.passes, 0);
}

// One step at once, none for half a second, then one a pass until Max, where the loop stops though held.
TEST(ScrollBarInput, HoldingAnArrowRepeatsAfterHalfASecondAndStopsAtMax) {
    Bar b;
    long before = -1;
    b.pacing.onYield = [&](int) {
        if (b.pacing.now - 500 <= 0.5) EXPECT_EQ(b.Value(), 1) << "at " << b.pacing.now - 500;
        before = b.Value();
    };
    b.PressLeft(1);
    EXPECT_EQ(b.Value(), 100);
    EXPECT_EQ(b.events.Count(L"Change"), 100u);
    EXPECT_FALSE(b.bar->Repeating());
    EXPECT_EQ(before, 99);
}

TEST(ScrollBarInput, ARightPressOnAnArrowShowsItPressedAndStepsNothing) {
    Bar b;
    b.PressRight(1);
    EXPECT_EQ(b.bar->HitState(), 4);
    EXPECT_EQ(b.Value(), 0);
    EXPECT_EQ(b.events.Count(L"Change"), 0u);
    EXPECT_FALSE(b.bar->Repeating());
}

// However the loop ends, the repeat goes idle, so the next press repeats again.
TEST(ScrollBarInput, EveryWayAHoldEndsLeavesTheRepeatIdle) {
    const struct {
        const char* what;
        std::function<void(Bar&, int)> onYield;
        std::function<bool(int)> held;
    } cases[] = {
        {"button found up without a release", nullptr, [](int pass) { return pass < 60; }},
        {"release on the box", [](Bar& b, int pass) { if (pass == 60) b.ReleaseLeft(1); }, nullptr},
        {"capture taken", [](Bar& b, int pass) { if (pass == 60) ReleaseCapture(); }, nullptr},
        {"mode cancelled", [](Bar& b, int pass) { if (pass == 60) b.ToBox(1, WM_CANCELMODE); }, nullptr},
        {"disabled", [](Bar& b, int pass) { if (pass == 60) b.bar->put_Enabled(VARIANT_FALSE); }, nullptr},
        {"hidden", [](Bar& b, int pass) { if (pass == 60) ShowWindow(b.Window(), SW_HIDE); }, nullptr},
    };
    for (const auto& c : cases) {
        Bar b;
        b.bar->put_Max(1000);
        if (c.held) b.pacing.held = c.held;
        if (c.onYield) b.pacing.onYield = [&](int pass) { c.onYield(b, pass); };
        b.PressLeft(1);
        const long reached = b.Value();
        EXPECT_GT(reached, 1) << c.what;
        EXPECT_LT(reached, 1000) << c.what;
        EXPECT_FALSE(b.bar->Repeating()) << c.what;
        b.pacing.onYield = nullptr;
        b.pacing.held = [](int) { return false; };
        ShowWindow(b.Window(), SW_SHOWNOACTIVATE);
        b.bar->put_Enabled(VARIANT_TRUE);
        b.ReleaseLeft(1);
        b.pacing.passes = 0;
        b.pacing.held = [](int pass) { return pass < 80; };
        b.PressLeft(1);
        EXPECT_GT(b.Value(), reached + 1) << c.what << ": the next hold repeats again";
    }
}

TEST(ScrollBarInput, AHostDroppingOrDestroyingTheBarDuringAHoldEndsItSafely) {
    Bar b;
    b.pacing.onYield = [&](int pass) { if (pass == 70) DestroyWindow(b.Window()); };
    b.PressLeft(1);
    EXPECT_FALSE(b.bar->Repeating());
    EXPECT_EQ(b.bar->Refresh(), S_OK) << "without its window";

    ScriptedPacing pacing;
    auto* loose = new kx::KxScrollBar();
    loose->UsePacing(pacing);
    ShowWindow(kx::HandleFromLong<HWND>([&] { LONG h = 0; loose->get_Hwnd(&h); return h; }()), SW_SHOWNOACTIVATE);
    pacing.onYield = [&](int pass) { if (pass == 70) loose->Release(); };  // the last reference
    SendMessageW(loose->Box(1).Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SUCCEED() << "no crash";
}

TEST(ScrollBarInput, StepsNearTheThirtyTwoBitLimitsHoldAtTheEnds) {
    Bar b;
    constexpr LONG kHigh = std::numeric_limits<LONG>::max();
    ASSERT_EQ(b.bar->put_Max(kHigh), S_OK);
    ASSERT_EQ(b.bar->put_Min(kHigh - 10), S_OK);
    b.bar->put_SmallChange(kHigh);
    b.bar->put_LargeChange(kHigh);
    b.pacing.held = [](int) { return false; };
    b.PressLeft(1);
    EXPECT_EQ(b.Value(), kHigh);
    b.PressLeft(0);
    EXPECT_EQ(b.Value(), kHigh - 10);
    b.ToBox(2, WM_KEYDOWN, VK_NEXT);
    EXPECT_EQ(b.Value(), kHigh);
}

// A press below the thumb pages down, MouseDown follows once; held, it pages until the thumb reaches the pointer.
TEST(ScrollBarInput, ATrackPressPagesTowardThePointerAndRaisesMouseDownOnce) {
    Bar b;
    b.pacing.held = [](int pass) { return pass < 200; };
    b.PressTrack(8, 250);
    const long value = b.Value();
    EXPECT_GT(value, 60);
    EXPECT_LT(value, 100);
    const kx::PictureBox& thumb = b.bar->Box(2);
    EXPECT_LE(thumb.Top(), 250);
    EXPECT_GE(thumb.Top() + thumb.Height(), 250 - 27) << "the thumb came to the pointer";
    ASSERT_GE(b.events.names.size(), 2u);
    EXPECT_EQ(b.events.names[0], L"Change");
    EXPECT_EQ(b.events.names[1], L"MouseDown 1");
    EXPECT_EQ(b.events.Count(L"MouseDown 1"), 1u);
    EXPECT_FALSE(b.bar->Repeating());
}

TEST(ScrollBarInput, ARightPressOnTheTrackPagesOnceWithoutRepeat) {
    Bar b;
    b.PressTrack(8, 250, WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_EQ(b.Value(), 10);
    EXPECT_EQ(b.events.names, (std::vector<std::wstring>{L"Change", L"MouseDown 2"}));
    EXPECT_EQ(b.pacing.passes, 0);
    b.PressTrack(8, 50, WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_EQ(b.Value(), 10) << "level with the thumb: no page";
}

TEST(ScrollBarInput, AHeldTrackPressGoesOnPagingAtTheEndTillReleased) {
    Bar b;
    b.bar->put_Value(95);
    b.pacing.onYield = [&](int pass) {
        if (pass == 30) SendMessageW(b.Window(), WM_LBUTTONUP, 0, MAKELPARAM(8, 290));
    };
    b.PressTrack(8, 290);
    EXPECT_EQ(b.Value(), 100);
    EXPECT_FALSE(b.bar->Repeating());
    EXPECT_EQ(b.events.Count(L"MouseUp 1"), 1u);
}

// Grab the thumb 5 pixels below its top, free track 200, Min 0, Max 100.
TEST(ScrollBarInput, DraggingTheThumbFollowsThePointer) {
    Bar b;
    b.bar->put_LargeChange(25);  // thumb nearest(66.5) = 66
    ASSERT_EQ(b.bar->Sizes().thumb, 66);
    b.pacing.held = [](int) { return false; };
    b.PressLeft(2, 3, 5);
    EXPECT_EQ(b.bar->HitState(), 6);
    const struct {
        int pointerBelowFirstArrow;
        long value;
    } cases[] = {{105, 50}, {5, 0}, {-40, 0}, {205, 100}, {400, 100}, {45, 20}};
    for (const auto& c : cases) {
        b.events.names.clear();
        const int y = 17 + c.pointerBelowFirstArrow - b.bar->Box(2).Top();
        b.ToBox(2, WM_MOUSEMOVE, MK_LBUTTON, 3, y);
        EXPECT_EQ(b.Value(), c.value) << c.pointerBelowFirstArrow;
        EXPECT_EQ(b.events.names, (std::vector<std::wstring>{L"Change", L"Scroll"}));
    }
    b.ToBox(2, WM_MOUSEMOVE, 0, 3, 3);
    EXPECT_EQ(b.events.Count(L"Scroll"), 1u) << "no drag without the left button";
}

TEST(ScrollBarInput, DraggingOverAZeroLengthTrackLeavesValue) {
    Bar b(17, 78);  // 78 - 34 - 8 ... thumb 8: free 36; make it 0 with a longer thumb
    b.bar->put_LargeChange(100);  // thumb: nearest(44) capped at 10, so the minimum 8
    b.Resize(17, 42);             // L 42: thumb 8, free track 0
    b.bar->put_Value(40);
    b.pacing.held = [](int) { return false; };
    b.PressLeft(2, 3, 2);
    b.ToBox(2, WM_MOUSEMOVE, MK_LBUTTON, 3, 6);
    EXPECT_EQ(b.Value(), 40);
    EXPECT_EQ(b.events.Count(L"Scroll"), 1u);
}

TEST(ScrollBarInput, KeysOnTheThumbStepOrPageAndAlwaysRaiseChange) {
    const struct {
        WPARAM key;
        long value;
    } cases[] = {{VK_DOWN, 51}, {VK_UP, 49}, {VK_NEXT, 60}, {VK_PRIOR, 40},
                 {VK_LEFT, 50}, {VK_RIGHT, 50}, {VK_HOME, 50}, {VK_TAB, 50}, {'A', 50}};
    for (bool horizontal : {false, true}) {
        for (const auto& c : cases) {
            Bar b;
            if (horizontal) b.bar->put_Direction(kxSBHorizontal);
            b.bar->put_Value(50);
            b.events.names.clear();
            b.ToBox(2, WM_KEYDOWN, c.key);
            EXPECT_EQ(b.Value(), c.value) << c.key;
            EXPECT_EQ(b.events.names, std::vector<std::wstring>{L"Change"}) << c.key;
        }
    }
}

TEST(ScrollBarInput, AHotPartGoesBackToNormalWhenThePointerHasLeftIt) {
    Bar b;
    RECT box = {};
    GetWindowRect(b.bar->Box(0).Hwnd(), &box);
    SetCursorPos(box.left + 3, box.top + 3);
    b.Hover(0);
    EXPECT_EQ(b.bar->HitState(), 1);
    EXPECT_TRUE(b.bar->HoverTimerRunning());
    b.bar->HoverTimerTick();
    EXPECT_EQ(b.bar->HitState(), 1) << "still over it";
    SetCursorPos(box.right + 40, box.bottom + 40);
    b.bar->HoverTimerTick();
    EXPECT_EQ(b.bar->HitState(), 0);
    EXPECT_FALSE(b.bar->HoverTimerRunning());
}

TEST(ScrollBarInput, TheSurfaceForwardsKeysAndTrackMovesToTheHost) {
    Bar b;
    SendMessageW(b.Window(), WM_KEYDOWN, VK_F5, 0);
    SendMessageW(b.Window(), WM_CHAR, 'x', 0);
    SendMessageW(b.Window(), WM_KEYUP, VK_F5, 0);
    SendMessageW(b.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 100));
    EXPECT_EQ(b.events.names, (std::vector<std::wstring>{L"KeyDown", L"KeyPress", L"KeyUp", L"MouseMove 0"}));
    EXPECT_EQ(b.bar->HitState(), 0);
}

}  // namespace
