// kxScrollBar in the project's own container and in Wine's AtlAxWin, driven by real pointer input: a click
// on the second arrow steps once with Change twice; holding it repeats only after half a second.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <thread>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "ScrollBarFixture.h"

namespace {

constexpr int kBarWidth = 17, kBarHeight = 200;

struct Recorder {
    std::vector<DISPID> events;
    size_t Changes() const { return std::count(events.begin(), events.end(), 1); }
};

long ValueOf(IDispatch* bar) {
    VARIANT v = kxtest::GetProperty(bar, L"Value");
    return v.lVal;
}

void Button(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

// The second arrow's middle, on screen.
POINT SecondArrow(HWND control) {
    RECT r = {};
    GetWindowRect(control, &r);
    return {r.left + kBarWidth / 2, r.bottom - kBarWidth / 2};
}

// Presses and releases the left button over the second arrow, the release holdMs later from another thread
// (the press's own repeat loop runs this thread's messages until then).
void PressSecondArrow(HWND control, DWORD holdMs) {
    const POINT at = SecondArrow(control);
    SetCursorPos(at.x, at.y);
    kxtest::PumpMessages(50);
    std::thread release([holdMs] {
        Sleep(holdMs);
        Button(MOUSEEVENTF_LEFTUP);
    });
    Button(MOUSEEVENTF_LEFTDOWN);
    kxtest::PumpMessages(holdMs + 300);
    release.join();
    kxtest::PumpMessages(50);
}

void ExpectClickAndHold(HWND control, IDispatch* bar, Recorder& recorder) {
    PressSecondArrow(control, 0);
    EXPECT_EQ(ValueOf(bar), 1);
    EXPECT_EQ(recorder.Changes(), 2u) << "the step and the release";
    PressSecondArrow(control, 300);
    EXPECT_EQ(ValueOf(bar), 2) << "no repeat within half a second";
    PressSecondArrow(control, 1200);
    EXPECT_GT(ValueOf(bar), 4) << "repeats after half a second";
    EXPECT_LT(ValueOf(bar), 100);
}

TEST(ScrollBarHost, OwnContainerTakesRealClicksAndHolds) {
    kxtest::HostWindow window(200, 260, 900, 500);
    SetWindowPos(window.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    kx::ControlHost host(window.hwnd());
    Recorder recorder;
    auto* object = new kx::KxScrollBar();
    const RECT bounds = {20, 20, 20 + kBarWidth, 20 + kBarHeight};
    kx::ControlSite* site = host.PlaceObject(static_cast<_kxScrollBar*>(object), L"vsb", bounds, nullptr,
                                             [&](DISPID id, DISPPARAMS*) { recorder.events.push_back(id); });
    object->Release();
    ASSERT_NE(site, nullptr);
    SetForegroundWindow(window.hwnd());
    ExpectClickAndHold(site->ControlWindow(), site->Dispatch(), recorder);
}

TEST(ScrollBarHost, WineAtlAxWinTakesRealClicksAndHolds) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    kxtest::HostWindow window(200, 260, 900, 500);
    SetWindowPos(window.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 20, 20, kBarWidth, kBarHeight,
                                 window.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(create(L"Korvix32.kxScrollBar", place, nullptr, &container, &control, IID_NULL, nullptr), S_OK);
    kxtest::EventLog log;
    IConnectionPointContainer* points = nullptr;
    control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points));
    IConnectionPoint* point = nullptr;
    points->FindConnectionPoint(DIID___kxScrollBar, &point);
    DWORD cookie = 0;
    point->Advise(&log, &cookie);
    IDispatch* bar = nullptr;
    control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&bar));
    SetForegroundWindow(window.hwnd());

    PressSecondArrow(kxtest::WindowOf(control), 0);
    EXPECT_EQ(ValueOf(bar), 1);
    EXPECT_EQ(log.Count(L"Change"), 2u);
    PressSecondArrow(kxtest::WindowOf(control), 1200);
    EXPECT_GT(ValueOf(bar), 4);

    point->Unadvise(cookie);
    point->Release();
    points->Release();
    bar->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
    kxtest::PumpMessages(20);
}

}  // namespace
