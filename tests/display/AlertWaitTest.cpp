// kxAlert's Show waits for a button while handling the thread's messages. Each way the wait ends: a button,
// the window closing by its timer, another front end taking the shared window, a handler that reads the
// choice first, WM_QUIT; a nested Show; a Show started by a ButtonClick handler; the CPU it spends.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "AlertFixture.h"
#include "TestSupport.h"

namespace {

using kxtest::LooseAlert;

std::map<UINT_PTR, std::function<void()>>& Pending() {
    static std::map<UINT_PTR, std::function<void()>> pending;
    return pending;
}

VOID CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto node = Pending().extract(id);
    if (!node.empty()) node.mapped()();
}

// Runs an action from this thread's message loop (the wait's own) after a delay.
void RunLater(UINT milliseconds, std::function<void()> action) {
    Pending()[SetTimer(nullptr, 0, milliseconds, RunPending)] = std::move(action);
}

// A bound on every wait: a quit message after ten seconds, taken back when the test is done.
class Watchdog {
public:
    Watchdog() : timer_(SetTimer(nullptr, 0, 10000, Fire)) {}
    ~Watchdog() {
        KillTimer(nullptr, timer_);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        for (auto& [id, action] : Pending()) KillTimer(nullptr, id);
        Pending().clear();
        kxtest::CloseNow(kx::AlertWindow::Shared()->Hwnd());
    }

private:
    static VOID CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }
    UINT_PTR timer_;
};

void ClickSharedButton(int index) { kxtest::Click(kx::AlertWindow::Shared()->ButtonWindow(index), 4, 4); }

// A class alert with two buttons that shows at once.
kx::KxAlert* YesNoAlert() {
    auto* alert = new kx::KxAlert();
    kxtest::SetText(alert, &kx::KxAlert::put_TextButton1, L"Yes");
    kxtest::SetText(alert, &kx::KxAlert::put_TextButton2, L"No");
    alert->put_ShowStyle(NoneStyle);
    return alert;
}

short ShowAndWait(kx::KxAlert* alert) {
    short result = -1;
    EXPECT_EQ(S_OK, alert->Show(nullptr, &result));
    return result;
}

TEST(AlertWait, AButtonEndsTheWait) {
    Watchdog bound;
    kx::KxAlert* alert = YesNoAlert();
    RunLater(200, [] { ClickSharedButton(1); });
    EXPECT_EQ(ShowAndWait(alert), 2);
    VARIANT last = kxtest::GetProperty(alert, L"LastButtonSelect");
    EXPECT_EQ(last.iVal, 2);
    alert->Release();
}

TEST(AlertWait, TheWindowClosingByItsTimerEndsTheWait) {
    Watchdog bound;
    auto* alert = new kx::KxAlert();
    kxtest::SetText(alert, &kx::KxAlert::put_TextButton2, L"Later");  // button 1 empty: the timed close stands
    alert->put_TimeToShow(0.05f);
    alert->put_TimeToClose(0.2f);
    EXPECT_EQ(ShowAndWait(alert), 0);
    EXPECT_FALSE(kx::AlertWindow::Shared()->IsLoaded());
    alert->Release();
}

TEST(AlertWait, AnotherFrontEndTakingTheSharedWindowEndsTheWait) {
    Watchdog bound;
    kx::KxAlert* alert = YesNoAlert();
    LooseAlert other;
    other.alert->put_ShowStyle(NoneStyle);
    RunLater(200, [&] { other.Show(L"mine now"); });
    EXPECT_EQ(ShowAndWait(alert), 0);
    EXPECT_EQ(kx::AlertWindow::Shared()->Owner(), static_cast<IDispatch*>(other.alert));
    alert->Release();
}

TEST(AlertWait, AHandlerReadingTheChoiceFirstStillEndsTheWaitWithTheButton) {
    Watchdog bound;
    kx::KxAlert* alert = YesNoAlert();
    short seen = 0;
    kxtest::ButtonClickSink reader([&](short*) {
        VARIANT choice;
        alert->get_LastButtonSelect(&choice);
        seen = choice.iVal;
    });
    reader.Connect(static_cast<_kxAlert*>(alert), DIID___kxAlert);
    RunLater(200, [] { ClickSharedButton(0); });
    EXPECT_EQ(ShowAndWait(alert), 1);
    EXPECT_EQ(seen, 1) << "the handler got the number first";
    alert->Release();
}

TEST(AlertWait, QuitEndsTheWaitAndIsPostedAgain) {
    Watchdog bound;
    kx::KxAlert* alert = YesNoAlert();
    RunLater(200, [] { PostQuitMessage(7); });
    EXPECT_EQ(ShowAndWait(alert), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    alert->Release();
}

TEST(AlertWait, NestedShowsOnOneAlertReturnTheSameNumber) {
    Watchdog bound;
    kx::KxAlert* alert = YesNoAlert();
    short inner = -1;
    RunLater(200, [&] {
        RunLater(200, [] { ClickSharedButton(0); });
        inner = ShowAndWait(alert);
    });
    EXPECT_EQ(ShowAndWait(alert), 1);
    EXPECT_EQ(inner, 1);
    alert->Release();
}

double ThreadCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

TEST(AlertWait, TheWaitSleepsBetweenMessages) {
    Watchdog bound;
    kx::KxAlert* alert = YesNoAlert();
    RunLater(1000, [] { ClickSharedButton(1); });
    const double cpu = ThreadCpuSeconds();
    const DWORD start = GetTickCount();
    EXPECT_EQ(ShowAndWait(alert), 2);
    EXPECT_GE(GetTickCount() - start, 900u);
    EXPECT_LT(ThreadCpuSeconds() - cpu, 0.3) << "CPU seconds over a one-second wait";
    alert->Release();
}

// The click unloads only the show it belongs to: a Show started by the ButtonClick handler stays up.
TEST(AlertWait, AShowStartedByTheClickHandlerStaysUp) {
    LooseAlert a;
    kxtest::SetText(a.alert, &kx::KxAlertWindow::put_TextButton1, L"Again");
    a.alert->put_ShowStyle(NoneStyle);
    kxtest::ButtonClickSink again([&](short*) { a.Show(L"again"); });
    again.Connect(static_cast<_kxAlertWindow*>(a.alert), DIID___kxAlertWindow);
    ASSERT_EQ(S_OK, a.Show(L"first"));
    kxtest::Tick(a.Window());
    kxtest::Click(a.State()->ButtonWindow(0), 4, 4);
    EXPECT_EQ(a.State()->ShowState(), 1) << "the new show is not hidden by the click that started it";
    BSTR text = nullptr;
    a.alert->get_Text(&text);
    EXPECT_EQ(kxtest::TakeBstr(text), L"again");
}

}  // namespace
