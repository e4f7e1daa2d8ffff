#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ButtonTooltip.h"
#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "Handles.h"
#include "KxButton.h"
#include "MouseLeaveTracker.h"
#include "PropertyBag.h"
#include "WindowSubclasser.h"

namespace {

constexpr DISPID kMouseEnter = 1;
constexpr DISPID kMouseLeave = 2;

// Moves the real pointer (a hardware move, as the mouse makes it) to a point of the screen.
void MovePointerTo(POINT at) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, width - 1);
    input.mi.dy = MulDiv(at.y, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

// Handles messages until the condition holds or the time is up; whether it holds.
bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000) {
    const DWORD end = GetTickCount() + milliseconds;
    while (!condition()) {
        if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
        kxtest::PumpMessages(10);
    }
    return true;
}

POINT CentreOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// One run-mode button loaded from a bag, on a topmost host window in a corner of the screen where
// the windows of tests running beside this one do not come.
class TrackedButton {
public:
    explicit TrackedButton(std::function<void(TrackedButton&, DISPID)> react = nullptr)
        : window_(300, 200, 960, 780), react_(std::move(react)) {
        SetWindowPos(window_.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        host_ = new kx::ControlHost(window_.hwnd());
        button_ = new kx::KxButton();
        auto* bag = new kx::MemoryPropertyBag();
        VARIANT body = kxtest::Text(L"Saves the file");
        bag->Write(L"ToolTipBody", &body);
        VariantClear(&body);
        RECT bounds = {20, 20, 120, 50};
        site_ = host_->PlaceObject(static_cast<IOleObject*>(button_), L"cmdHover", bounds, bag,
                                   [this](DISPID id, DISPPARAMS*) {
                                       if (id == kMouseEnter || id == kMouseLeave) events_.push_back(id);
                                       if (react_) react_(*this, id);
                                   });
        bag->Release();
        hwnd_ = kxtest::WindowOf(static_cast<IOleObject*>(button_));
        MovePointerTo(Outside());
        kxtest::PumpMessages(100);
        events_.clear();
    }
    ~TrackedButton() {
        MovePointerTo(Outside());
        if (site_) host_->Remove(site_);
        delete host_;
        if (button_) button_->Release();
    }
    TrackedButton(const TrackedButton&) = delete;
    TrackedButton& operator=(const TrackedButton&) = delete;

    kx::KxButton* button() const { return button_; }
    HWND hwnd() const { return hwnd_; }
    HWND host() const { return window_.hwnd(); }
    const std::vector<DISPID>& events() const { return events_; }
    POINT Outside() const {
        RECT r = {};
        GetWindowRect(window_.hwnd(), &r);
        return {r.left + 200, r.top + 150};
    }
    // The host lets go of the button: removes it from the window and drops its reference.
    void Destroy() {
        host_->Remove(site_);
        site_ = nullptr;
        button_->Release();
        button_ = nullptr;
    }

    bool Enter() {
        const size_t before = Count(kMouseEnter);
        MovePointerTo(CentreOf(hwnd_));
        return PumpUntil([&] { return Count(kMouseEnter) > before; });
    }
    bool Leave() {
        const size_t before = Count(kMouseLeave);
        MovePointerTo(Outside());
        return PumpUntil([&] { return Count(kMouseLeave) > before; });
    }
    size_t Count(DISPID id) const { return static_cast<size_t>(std::count(events_.begin(), events_.end(), id)); }

private:
    kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::KxButton* button_ = nullptr;
    kx::ControlSite* site_ = nullptr;
    HWND hwnd_ = nullptr;
    std::vector<DISPID> events_;
    std::function<void(TrackedButton&, DISPID)> react_;
};

// Top-level tooltip windows of this thread.
std::vector<HWND> ThreadTooltips() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) CALLBACK -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST(ButtonHoverTest, APointerMovedOntoAndOffTheButtonRaisesOneEnterAndOneLeave) {
    TrackedButton b;
    ASSERT_TRUE(b.button()->TracksHover());
    ASSERT_TRUE(b.Enter());
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kHot);
    MovePointerTo({CentreOf(b.hwnd()).x + 5, CentreOf(b.hwnd()).y + 2});  // moving inside: no second entry
    kxtest::PumpMessages(200);
    ASSERT_TRUE(b.Leave());
    EXPECT_EQ(b.events(), (std::vector<DISPID>{kMouseEnter, kMouseLeave}));
    EXPECT_EQ(b.button()->ButtonState(), kx::KxButton::kNormal);
}

TEST(ButtonHoverTest, ThreeEntriesLeaveOneTooltipWindow) {
    const size_t before = ThreadTooltips().size();
    TrackedButton b;
    EXPECT_EQ(b.button()->ToolTipWindow(), nullptr);  // none before the first entry
    std::vector<HWND> made;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(b.Enter()) << i;
        made.push_back(b.button()->ToolTipWindow());
        ASSERT_TRUE(b.Leave()) << i;
    }
    EXPECT_EQ(b.Count(kMouseEnter), 3u);
    EXPECT_EQ(b.Count(kMouseLeave), 3u);
    EXPECT_EQ(ThreadTooltips().size(), before + 1);
    EXPECT_FALSE(IsWindow(made[0]));
    EXPECT_FALSE(IsWindow(made[1]));
    EXPECT_TRUE(IsWindow(made[2]));
    EXPECT_EQ(SendMessageW(made[2], TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST(ButtonHoverTest, TheTooltipGoesWithTheButton) {
    const size_t before = ThreadTooltips().size();
    TrackedButton b;
    ASSERT_TRUE(b.Enter());
    ASSERT_TRUE(b.Leave());
    EXPECT_EQ(ThreadTooltips().size(), before + 1);
    b.Destroy();  // the host window lives on
    EXPECT_EQ(ThreadTooltips().size(), before);
}

// The button outlives the handler and finishes its entry (the tooltip) before it goes, taking
// its window and tooltip with it.
TEST(ButtonHoverTest, AHostThatDestroysTheButtonInMouseEnterCausesNoCrash) {
    const size_t before = ThreadTooltips().size();
    TrackedButton b([](TrackedButton& self, DISPID id) {
        if (id == kMouseEnter) self.Destroy();
    });
    ASSERT_TRUE(b.Enter());
    EXPECT_EQ(b.button(), nullptr);
    EXPECT_FALSE(IsWindow(b.hwnd()));
    EXPECT_EQ(ThreadTooltips().size(), before);
    MovePointerTo(b.Outside());
    kxtest::PumpMessages(300);
    EXPECT_EQ(b.Count(kMouseLeave), 0u);
}

// A repaint is seen on the surface: a mark drawn on it is painted over.
bool RepaintsOn(kx::KxButton* button, HWND window, UINT message) {
    LONG dc = 0;
    button->get_hdc(&dc);
    const HDC surface = kx::HandleFromLong<HDC>(dc);
    const COLORREF mark = RGB(255, 0, 255);
    SetPixel(surface, 4, 15, mark);
    SendMessageW(window, message, 0, 0);
    return GetPixel(surface, 4, 15) != mark;
}

TEST(ButtonHoverTest, ThemeAndSystemColourChangesRepaintATrackedButton) {
    TrackedButton b;
    EXPECT_TRUE(RepaintsOn(b.button(), b.hwnd(), WM_THEMECHANGED));
    EXPECT_TRUE(RepaintsOn(b.button(), b.hwnd(), WM_SYSCOLORCHANGE));
    EXPECT_FALSE(RepaintsOn(b.button(), b.hwnd(), WM_USER));
}

// Only a button loaded in run mode is hooked: not one loaded in a designer, nor one newly placed.
TEST(ButtonHoverTest, DesignModeAndNewButtonsAreNotTracked) {
    struct Case {
        const char* name;
        bool userMode;
        bool loaded;
    };
    for (const Case& c : {Case{"loaded in a designer", false, true}, Case{"newly placed at run time", true, false}}) {
        kxtest::HostWindow window;
        kx::ControlHost host(window.hwnd());
        host.SetUserMode(c.userMode);
        auto* button = new kx::KxButton();
        auto* bag = new kx::MemoryPropertyBag();
        host.PlaceObject(static_cast<IOleObject*>(button), L"cmdDesign", {0, 0, 90, 30}, c.loaded ? bag : nullptr,
                         nullptr);
        bag->Release();
        EXPECT_FALSE(button->TracksHover()) << c.name;
        EXPECT_FALSE(RepaintsOn(button, kxtest::WindowOf(static_cast<IOleObject*>(button)), WM_THEMECHANGED))
            << c.name;
        button->Release();
    }
}

// A window whose messages are counted; its procedure is the one the hooks must restore.
struct CountingOwner : kx::SubclassOwner {
    std::vector<std::pair<bool, UINT>> calls;
    std::function<void(bool, bool&, LRESULT&, UINT)> react;
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND, UINT& message, WPARAM&,
                          LPARAM&) override {
        calls.emplace_back(before, message);
        if (react) react(before, handled, result, message);
    }
    size_t CallsFor(UINT message) const {
        size_t n = 0;
        for (const auto& call : calls) n += call.second == message;
        return n;
    }
};

LRESULT CALLBACK Answers7(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return 7;
    return DefWindowProcW(window, message, wParam, lParam);
}

struct PlainWindow {
    HWND hwnd;
    PlainWindow() {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = Answers7;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"KxSubclassTestWindow";
        RegisterClassW(&cls);
        hwnd = CreateWindowExW(0, cls.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, cls.hInstance,
                               nullptr);
    }
    ~PlainWindow() { DestroyWindow(hwnd); }
    LRESULT Send(UINT message) { return SendMessageW(hwnd, message, 0, 0); }
};

TEST(ButtonHoverTest, HooksCallTheOwnerForRegisteredMessagesInTheirPhase) {
    PlainWindow w;
    const LONG_PTR procedure = GetWindowLongPtrW(w.hwnd, GWLP_WNDPROC);
    CountingOwner owner;
    {
        kx::WindowSubclasser hooks(owner);
        ASSERT_EQ(hooks.Subclass(w.hwnd), 0);
        hooks.AddMessage(w.hwnd, WM_USER, kx::WindowSubclasser::kAfter);
        hooks.AddMessage(w.hwnd, WM_USER, kx::WindowSubclasser::kAfter);  // registered once
        hooks.AddMessage(w.hwnd, WM_USER + 1, kx::WindowSubclasser::kBoth);
        EXPECT_EQ(w.Send(WM_USER), 7);
        w.Send(WM_USER + 1);
        w.Send(WM_USER + 2);
        EXPECT_EQ(owner.calls, (std::vector<std::pair<bool, UINT>>{
                                   {false, WM_USER}, {true, WM_USER + 1}, {false, WM_USER + 1}}));

        // The after phase may change the result; a handled before phase skips the window and the after phase.
        owner.calls.clear();
        owner.react = [](bool before, bool& handled, LRESULT& result, UINT message) {
            if (message == WM_USER && !before) result = 8;
            if (message == WM_USER + 1 && before) handled = true, result = 9;
        };
        EXPECT_EQ(w.Send(WM_USER), 8);
        EXPECT_EQ(w.Send(WM_USER + 1), 9);
        EXPECT_EQ(owner.calls.size(), 2u);

        // Every message in the before phase.
        owner.react = nullptr;
        owner.calls.clear();
        hooks.AddMessage(w.hwnd, kx::WindowSubclasser::kEveryMessage, kx::WindowSubclasser::kBefore);
        w.Send(WM_USER + 5);
        w.Send(WM_USER + 6);
        EXPECT_EQ(owner.CallsFor(WM_USER + 5) + owner.CallsFor(WM_USER + 6), 2u);

        hooks.UnsubclassAll();
        EXPECT_EQ(GetWindowLongPtrW(w.hwnd, GWLP_WNDPROC), procedure);
        owner.calls.clear();
        w.Send(WM_USER);
        EXPECT_TRUE(owner.calls.empty());
        EXPECT_EQ(hooks.FindWindowEntry(w.hwnd, false), -1);
        EXPECT_EQ(hooks.FindWindowEntry(w.hwnd, true), 0);  // the record is free again
    }
}

TEST(ButtonHoverTest, AWindowHookedTwiceChainsTwoHooksAndMayBeUnhookedFromItsOwnCallback) {
    PlainWindow w;
    const LONG_PTR procedure = GetWindowLongPtrW(w.hwnd, GWLP_WNDPROC);
    CountingOwner owner;
    kx::WindowSubclasser hooks(owner);
    EXPECT_EQ(hooks.Subclass(w.hwnd), 0);
    EXPECT_EQ(hooks.Subclass(w.hwnd), 1);
    hooks.AddMessage(w.hwnd, WM_USER, kx::WindowSubclasser::kAfter);  // reaches the last record only
    w.Send(WM_USER);
    EXPECT_EQ(owner.CallsFor(WM_USER), 1u);

    // Removing every hook while one of them is calling back: no call after, no crash.
    owner.react = [&](bool, bool&, LRESULT&, UINT message) {
        if (message == WM_USER) hooks.UnsubclassAll();
    };
    EXPECT_EQ(w.Send(WM_USER), 7);
    EXPECT_EQ(GetWindowLongPtrW(w.hwnd, GWLP_WNDPROC), procedure);
    owner.calls.clear();
    w.Send(WM_USER);
    EXPECT_TRUE(owner.calls.empty());

    // A window that is not hooked: registering and removing are ignored.
    hooks.AddMessage(w.hwnd, WM_USER, kx::WindowSubclasser::kAfter);
    hooks.Unsubclass(w.hwnd);
}

TEST(ButtonHoverTest, TrackingFollowsTheExportsAndTheSystemVersion) {
    struct Case {
        bool user32, comctl32, available, usesUser32;
    };
    const Case cases[] = {
        {true, true, true, true}, {true, false, true, true}, {false, true, true, false}, {false, false, false, false}};
    for (const Case& c : cases) {
        const kx::MouseLeaveTracker tracker = kx::MouseLeaveTracker::FromExports(c.user32, c.comctl32);
        EXPECT_EQ(tracker.Available(), c.available) << c.user32 << c.comctl32;
        EXPECT_EQ(tracker.UsesUser32(), c.usesUser32) << c.user32 << c.comctl32;
    }
    EXPECT_TRUE(kx::MouseLeaveTracker::FromSystem().UsesUser32());
    EXPECT_FALSE(kx::VersionAllowsHoverTracking(L"5.2"));
    for (const wchar_t* version : {L"5.1", L"6.0", L"10.0", L""}) EXPECT_TRUE(kx::VersionAllowsHoverTracking(version));
    EXPECT_TRUE(kx::IsFunctionExported("TrackMouseEvent", "User32"));
    EXPECT_FALSE(kx::IsFunctionExported("TrackMouseEvent", "NoSuchModule"));
    EXPECT_FALSE(kx::IsFunctionExported("NoSuchFunction", "User32"));
}

struct TooltipCase {
    const char* name;
    kx::TooltipSettings settings;
    DWORD style;
    COLORREF text;
    COLORREF back;
};

// (Wine's tooltips do not answer TTM_GETTITLE, so the title is not read back here.)
TEST(ButtonHoverTest, TheTooltipFollowsItsProperties) {
    kxtest::HostWindow window;
    const COLORREF infoText = GetSysColor(COLOR_INFOTEXT);
    const COLORREF infoBack = GetSysColor(COLOR_INFOBK);
    const TooltipCase cases[] = {
        {"balloon with system colours", {L"body", L"", 0, 1, 0x80000018, 0x80000017}, 0x43, infoText,
         infoBack},
        {"standard", {L"body", L"", 0, 0, 0x80000018, 0x80000017}, 0x03, infoText, infoBack},
        {"any other type is standard", {L"body", L"", 0, 7, 0x80000018, 0x80000017}, 0x03, infoText,
         infoBack},
        {"plain colours", {L"body", L"", 0, 1, RGB(1, 2, 3), RGB(200, 0, 0)}, 0x43, RGB(200, 0, 0),
         RGB(1, 2, 3)},
    };
    for (const TooltipCase& c : cases) {
        kx::ButtonTooltip tooltip;
        tooltip.Create(window.hwnd(), c.settings);
        const HWND tip = tooltip.Window();
        ASSERT_TRUE(IsWindow(tip)) << c.name;
        EXPECT_EQ(GetWindowLongW(tip, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON), c.style) << c.name;
        EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1) << c.name;
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip, TTM_GETTIPTEXTCOLOR, 0, 0)), c.text) << c.name;
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip, TTM_GETTIPBKCOLOR, 0, 0)), c.back) << c.name;
    }
}

TEST(ButtonHoverTest, TheToolCoversTheWindowAndCarriesTheBody) {
    kxtest::HostWindow window(120, 40);
    kx::ButtonTooltip tooltip;
    tooltip.Create(window.hwnd(), {L"\x0630\x062e\x064a\x0631\x0647 Save", L"Title", 1, 1, 0x80000018, 0x80000017});
    wchar_t text[80] = {};
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageW(tooltip.Window(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.hwnd, window.hwnd());
    EXPECT_EQ(tool.uId, 0u);
    EXPECT_TRUE(tool.uFlags & TTF_SUBCLASS);
    EXPECT_EQ(tool.rect.right, 120);
    EXPECT_EQ(tool.rect.bottom, 40);
    EXPECT_STREQ(text, L"\x0630\x062e\x064a\x0631\x0647 Save");
}

// A colour of 0 leaves the tooltip's own colours; the made window goes when the tooltip object does.
TEST(ButtonHoverTest, ZeroColoursKeepTheTooltipsOwnAndTheWindowGoesWithTheObject) {
    kxtest::HostWindow window;
    HWND tip = nullptr;
    {
        kx::ButtonTooltip tooltip;
        tooltip.Create(window.hwnd(), {L"x", L"", 0, 1, 0, 0});
        tip = tooltip.Window();
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip, TTM_GETTIPTEXTCOLOR, 0, 0)), GetSysColor(COLOR_INFOTEXT));
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip, TTM_GETTIPBKCOLOR, 0, 0)), GetSysColor(COLOR_INFOBK));
    }
    EXPECT_FALSE(IsWindow(tip));
}

}  // namespace
