// The label (and the frame) as containers in the project's own host: controls placed inside them,
// docking to the edges of the host window, and the focus passed over what cannot take it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "Handles.h"
#include "Korvix32_h.h"
#include "ScreenCapture.h"

namespace {

struct ContainerKind {
    const char* name;
    const CLSID* clsid;
};

const ContainerKind kContainers[] = {
    {"label", &CLSID_kxLabel},
    {"frame", &CLSID_kxFrame},
};

RECT RectIn(HWND window, HWND parent) {
    RECT r = {};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// A host window that counts the WM_COMMAND notifications it receives.
LRESULT CALLBACK CountCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_COMMAND) ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(window, message, wParam, lParam);
}

// A container on a host window holding a kxButton and a plain "BUTTON" window.
class Container {
public:
    explicit Container(const ContainerKind& kind, bool userMode = true) {
        SetWindowSubclass(window_.hwnd(), &CountCommands, 1, reinterpret_cast<DWORD_PTR>(&commands));
        host_.SetUserMode(userMode);
        container = host_.Place(*kind.clsid, L"ctlBox", {10, 10, 210, 160}, nullptr,
                                [this](DISPID id, DISPPARAMS*) { containerEvents.push_back(id); });
        if (!container) return;
        kx::Placement inside;
        inside.parent = container;
        button = host_.Place(CLSID_kxButton, L"cmdIn", {20, 30, 110, 60}, nullptr,
                             [this](DISPID id, DISPPARAMS*) { buttonEvents.push_back(id); }, nullptr, inside);
        plain = CreateWindowExW(0, L"BUTTON", L"plain", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 20, 80, 90,
                                30, container->ControlWindow(), nullptr, GetModuleHandleW(nullptr), nullptr);
        outside = host_.Place(CLSID_kxButton, L"cmdOut", {220, 10, 290, 40}, nullptr, nullptr);
    }
    ~Container() { RemoveWindowSubclass(window_.hwnd(), &CountCommands, 1); }

    HWND Host() const { return window_.hwnd(); }
    kx::ControlHost& host() { return host_; }

    kx::ControlSite* container = nullptr;
    kx::ControlSite* button = nullptr;
    kx::ControlSite* outside = nullptr;
    HWND plain = nullptr;
    int commands = 0;
    std::vector<DISPID> containerEvents;
    std::vector<DISPID> buttonEvents;

private:
    kxtest::HostWindow window_{320, 220, 300, 300};
    kx::ControlHost host_{window_.hwnd()};
};

bool Contains(const std::vector<DISPID>& events, DISPID id) {
    for (DISPID e : events)
        if (e == id) return true;
    return false;
}

// Pumps messages, letting the host move the focus on Tab, for at most the given time.
void PumpWithHost(kx::ControlHost& host, DWORD milliseconds) {
    kxtest::PumpMessagesThrough([&](const MSG& msg) { return host.TranslateAccelerator(msg); }, milliseconds);
}

bool HasFocus(HWND window) {
    const HWND focus = GetFocus();
    return focus && (focus == window || IsChild(window, focus));
}

TEST(ContainerTest, ChildrenLiveInTheContainersWindowAndFollowIt) {
    for (const ContainerKind& kind : kContainers) {
        SCOPED_TRACE(kind.name);
        Container c(kind);
        ASSERT_NE(c.container, nullptr);
        ASSERT_NE(c.button, nullptr);
        const HWND box = c.container->ControlWindow();
        const HWND inner = c.button->ControlWindow();
        EXPECT_EQ(GetParent(inner), box);
        EXPECT_EQ(Describe(RectIn(inner, box)), "(20,30)-(110,60)") << "bounds in the container's pixels";
        const HWND own = kx::HandleFromLong<HWND>(kxtest::GetProperty(c.container->Dispatch(), L"Hwnd").lVal);
        if (own != box) {
            EXPECT_EQ(GetWindow(inner, GW_HWNDLAST), own) << "the container's own picture box stays at the bottom";
        }

        EXPECT_EQ(kxtest::PutProperty(c.container->ExtenderDispatch(), L"Left", kxtest::Long(40)), S_OK);
        EXPECT_EQ(Describe(RectIn(inner, c.Host())), "(60,40)-(150,70)") << "moved with its container";
        EXPECT_EQ(kxtest::PutProperty(c.container->ExtenderDispatch(), L"Visible", kxtest::Bool(false)), S_OK);
        EXPECT_FALSE(IsWindowVisible(inner));
        EXPECT_EQ(kxtest::PutProperty(c.container->ExtenderDispatch(), L"Visible", kxtest::Bool(true)), S_OK);
        EXPECT_TRUE(IsWindowVisible(inner));

        // What a plain child window tells its parent reaches the host window.
        SendMessageW(c.plain, BM_CLICK, 0, 0);
        EXPECT_EQ(c.commands, 1);

        c.host().Remove(c.container);
        EXPECT_FALSE(IsWindow(inner) && IsWindowVisible(inner)) << "its children go with it";
    }
}

// A control is placed into a simple frame only, and docked only where it is alignable.
TEST(ContainerTest, PlacementRefusesWhatCannotHoldOrDock) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    kx::ControlSite* button = host.Place(CLSID_kxButton, L"cmd", {0, 0, 50, 20}, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    HRESULT hr = S_OK;
    kx::Placement intoButton;
    intoButton.parent = button;
    EXPECT_EQ(host.Place(CLSID_kxButton, L"cmd2", {0, 0, 50, 20}, nullptr, nullptr, &hr, intoButton), nullptr);
    EXPECT_EQ(hr, E_INVALIDARG);
    kx::Placement docked;
    docked.align = 1;
    EXPECT_EQ(host.Place(CLSID_kxButton, L"cmd3", {0, 0, 50, 20}, nullptr, nullptr, &hr, docked), nullptr);
    EXPECT_EQ(hr, E_INVALIDARG);
    docked.align = 5;
    EXPECT_EQ(host.Place(CLSID_kxLabel, L"lbl", {0, 0, 50, 20}, nullptr, nullptr, &hr, docked), nullptr);
    EXPECT_EQ(hr, E_INVALIDARG);
    EXPECT_EQ(kxtest::DispIdOf(button->ExtenderDispatch(), L"Align"), DISPID_UNKNOWN) << "not alignable";

    kx::ControlSite* label = host.Place(CLSID_kxLabel, L"lbl", {0, 0, 50, 20}, nullptr, nullptr);
    ASSERT_NE(label, nullptr);
    IDispatch* extender = label->ExtenderDispatch();
    for (long bad : {-1L, 5L}) EXPECT_EQ(kxtest::PutProperty(extender, L"Align", kxtest::Long(bad)), 0x800A017C);
    EXPECT_EQ(kxtest::GetProperty(extender, L"Align").lVal, 0);
}

// Disabling a container in run mode stops input to what it holds, takes it out of the tab order and
// moves the focus out of it.
TEST(ContainerTest, ADisabledContainerPassesItsFocusOnAndStopsItsChildren) {
    for (const ContainerKind& kind : kContainers) {
        SCOPED_TRACE(kind.name);
        Container c(kind);
        ASSERT_NE(c.button, nullptr);
        SetForegroundWindow(c.Host());
        SetWindowPos(c.Host(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        const HWND inner = c.button->ControlWindow();
        SetFocus(inner);
        ASSERT_TRUE(HasFocus(inner));
        EXPECT_EQ(kxtest::PutProperty(c.container->ExtenderDispatch(), L"Enabled", kxtest::Bool(false)), S_OK);
        EXPECT_FALSE(HasFocus(c.container->ControlWindow())) << "the focus left the container";
        EXPECT_TRUE(HasFocus(c.outside->ControlWindow()));

        // Tab from the outside button skips the container and everything in it.
        for (int i = 0; i < 3; ++i) {
            c.host().MoveFocus(true);
            EXPECT_TRUE(HasFocus(c.outside->ControlWindow())) << i;
        }

        RECT r = {};
        GetWindowRect(inner, &r);
        c.buttonEvents.clear();
        kxtest::SendLeftClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PumpWithHost(c.host(), 300);
        EXPECT_FALSE(Contains(c.buttonEvents, DISPID_CLICK)) << "a real click on a disabled container's child";
        SetWindowPos(c.Host(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

// At design time a disabled frame keeps its window enabled; in run mode it disables it.
TEST(ContainerTest, TheFramesEnabledDisablesItsWindowInRunModeOnly) {
    for (bool userMode : {false, true}) {
        Container c(kContainers[1], userMode);
        ASSERT_NE(c.container, nullptr);
        EXPECT_EQ(kxtest::PutProperty(c.container->Dispatch(), L"Enabled", kxtest::Bool(false)), S_OK);
        EXPECT_EQ(IsWindowEnabled(c.container->ControlWindow()) != FALSE, !userMode) << userMode;
        EXPECT_EQ(kxtest::GetProperty(c.container->ExtenderDispatch(), L"Enabled").boolVal, VARIANT_FALSE);
    }
}

// Clicks on the frame's title and on the controls inside are theirs: the frame raises Click for its own
// ground only.
TEST(ContainerTest, TheFrameRaisesNoClickForItsTitleOrChildren) {
    Container c(kContainers[1]);
    ASSERT_NE(c.button, nullptr);
    const HWND frame = c.container->ControlWindow();
    const auto click = [](HWND window, int x, int y) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    click(frame, 8, 3);  // on the title "ctlBox"
    click(c.button->ControlWindow(), 5, 5);
    EXPECT_FALSE(Contains(c.containerEvents, DISPID_CLICK));
    EXPECT_TRUE(Contains(c.buttonEvents, DISPID_CLICK));
    click(frame, 150, 120);
    EXPECT_TRUE(Contains(c.containerEvents, DISPID_CLICK));
}

// The label redraws its picture box under the controls it holds.
TEST(ContainerTest, TheLabelsRedrawLeavesItsChildrenVisible) {
    Container c(kContainers[0]);
    ASSERT_NE(c.button, nullptr);
    SetWindowPos(c.Host(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    kxtest::PumpMessages(100);
    const HWND inner = c.button->ControlWindow();
    const std::uint32_t before = kxtest::ScreenCapture(inner).At(45, 15);
    EXPECT_EQ(kxtest::PutProperty(c.container->Dispatch(), L"BackStyle", kxtest::Long(1)), S_OK);
    IDispatch* label = c.container->Dispatch();
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    label->Invoke(kxtest::DispIdOf(label, L"Refresh"), IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr,
                  nullptr);
    EXPECT_EQ(kxtest::ScreenCapture(inner).At(45, 15), before);
    kxtest::PumpMessages(100);
    EXPECT_EQ(kxtest::ScreenCapture(inner).At(45, 15), before) << "after the paint messages too";
    SetWindowPos(c.Host(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// A size of the host and the rectangles the three docked controls take at it.
struct DockedSize {
    int width, height;
    const char* top;
    const char* left;
    const char* bottom;
};

void ResizeAndExpectDocked(HWND host, const std::vector<kx::ControlSite*>& sites, const DockedSize& s) {
    SetWindowPos(host, nullptr, 0, 0, s.width, s.height, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Describe(RectIn(sites[0]->ControlWindow(), host)), s.top);
    EXPECT_EQ(Describe(RectIn(sites[1]->ControlWindow(), host)), s.left);
    EXPECT_EQ(Describe(RectIn(sites[2]->ControlWindow(), host)), s.bottom);
}

// Docked controls take their edges of the host window in the order they were placed, again at
// every size of the host.
TEST(ContainerTest, DockedControlsFollowTheHostsSize) {
    kxtest::HostWindow window(300, 200);
    kx::ControlHost host(window.hwnd());
    const struct {
        const wchar_t* name;
        long align;
        RECT bounds;
    } placed[] = {
        {L"top", 1, {0, 0, 100, 30}}, {L"left", 3, {0, 0, 40, 10}}, {L"bottom", 2, {5, 5, 60, 25}}};
    std::vector<kx::ControlSite*> sites;
    for (const auto& p : placed) {
        kx::Placement docked;
        docked.align = p.align;
        sites.push_back(host.Place(CLSID_kxLabel, p.name, p.bounds, nullptr, nullptr, nullptr, docked));
        ASSERT_NE(sites.back(), nullptr);
    }
    const DockedSize sizes[] = {
        {300, 200, "(0,0)-(300,30)", "(0,30)-(40,200)", "(40,180)-(300,200)"},
        {420, 150, "(0,0)-(420,30)", "(0,30)-(40,150)", "(40,130)-(420,150)"},
        {200, 260, "(0,0)-(200,30)", "(0,30)-(40,260)", "(40,240)-(200,260)"},
    };
    for (const DockedSize& s : sizes) {
        SCOPED_TRACE(std::to_string(s.width) + "x" + std::to_string(s.height));
        ResizeAndExpectDocked(window.hwnd(), sites, s);
    }
    // Undocked, a control keeps its place; docked again by the extender, it takes an edge.
    IDispatch* extender = sites[0]->ExtenderDispatch();
    EXPECT_EQ(kxtest::PutProperty(extender, L"Align", kxtest::Long(0)), S_OK);
    SetWindowPos(window.hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Describe(RectIn(sites[0]->ControlWindow(), window.hwnd())), "(0,0)-(200,30)");
    EXPECT_EQ(Describe(RectIn(sites[1]->ControlWindow(), window.hwnd())), "(0,0)-(40,200)");
    EXPECT_EQ(kxtest::PutProperty(extender, L"Align", kxtest::Long(4)), S_OK);
    EXPECT_EQ(kxtest::GetProperty(extender, L"Align").lVal, 4);
    EXPECT_EQ(Describe(RectIn(sites[0]->ControlWindow(), window.hwnd())), "(100,0)-(300,200)");
}

std::uint32_t ScreenRgb(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// Frames dock as labels do, and a docked frame draws its border at its new size: a top frame, a left
// label and a bottom frame, the host resized twice.
TEST(ContainerTest, DockedFramesRedrawAtTheirNewSize) {
    kxtest::HostWindow window(300, 200);
    kx::ControlHost host(window.hwnd());
    SetWindowPos(window.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const struct {
        const CLSID* clsid;
        const wchar_t* name;
        long align;
        RECT bounds;
    } placed[] = {{&CLSID_kxFrame, L"fraTop", 1, {0, 0, 100, 40}},
                  {&CLSID_kxLabel, L"lblLeft", 3, {0, 0, 40, 10}},
                  {&CLSID_kxFrame, L"fraBottom", 2, {5, 5, 60, 30}}};
    std::vector<kx::ControlSite*> sites;
    for (const auto& p : placed) {
        kx::Placement docked;
        docked.align = p.align;
        sites.push_back(host.Place(*p.clsid, p.name, p.bounds, nullptr, nullptr, nullptr, docked));
        ASSERT_NE(sites.back(), nullptr);
    }
    IDispatch* top = sites[0]->Dispatch();
    EXPECT_EQ(kxtest::PutProperty(top, L"BackStyle", kxtest::Long(0)), S_OK);
    EXPECT_EQ(kxtest::PutProperty(top, L"BorderStyle", kxtest::Long(1)), S_OK);
    const std::uint32_t dark = ScreenRgb(GetSysColor(COLOR_BTNSHADOW));
    const std::uint32_t face = ScreenRgb(GetSysColor(COLOR_BTNFACE));
    const DockedSize sizes[] = {
        {300, 200, "(0,0)-(300,40)", "(0,40)-(40,200)", "(40,175)-(300,200)"},
        {420, 150, "(0,0)-(420,40)", "(0,40)-(40,150)", "(40,125)-(420,150)"},
        {240, 260, "(0,0)-(240,40)", "(0,40)-(40,260)", "(40,235)-(240,260)"},
    };
    for (const DockedSize& s : sizes) {
        SCOPED_TRACE(std::to_string(s.width) + "x" + std::to_string(s.height));
        ResizeAndExpectDocked(window.hwnd(), sites, s);
        kxtest::PumpMessages(100);
        const kxtest::ScreenCapture frame(sites[0]->ControlWindow());
        EXPECT_EQ(frame.At(s.width - 1, 30), dark) << "the right border at the new width";
        EXPECT_EQ(frame.At(s.width - 2, 30), face);
    }
}

// Labels that may not hold the focus pass it on through the host, forward or backward, past each
// other, and never back to themselves.
TEST(ContainerTest, RefusingLabelsPassTheFocusWithoutBouncing) {
    kxtest::HostWindow window(300, 200);
    kx::ControlHost host(window.hwnd());
    SetForegroundWindow(window.hwnd());
    kx::ControlSite* first = host.Place(CLSID_kxLabel, L"lbl1", {0, 0, 50, 20}, nullptr, nullptr);
    kx::ControlSite* second = host.Place(CLSID_kxLabel, L"lbl2", {0, 30, 50, 50}, nullptr, nullptr);
    ASSERT_TRUE(first && second);

    SetFocus(first->ControlWindow());
    EXPECT_EQ(GetFocus(), window.hwnd()) << "two refusing labels and no taker: the host keeps the focus";

    kx::ControlSite* button = host.Place(CLSID_kxButton, L"cmd", {0, 60, 50, 80}, nullptr, nullptr);
    kx::ControlSite* last = host.Place(CLSID_kxButton, L"cmd2", {0, 90, 50, 110}, nullptr, nullptr);
    ASSERT_TRUE(button && last);
    SetFocus(first->ControlWindow());
    EXPECT_TRUE(HasFocus(button->ControlWindow())) << "forward past the second label";

    // Shift+Tab from the button goes back over both labels to the last button.
    host.MoveFocus(false);
    EXPECT_TRUE(HasFocus(last->ControlWindow())) << "backward past both labels";
    SetFocus(button->ControlWindow());
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SetFocus(second->ControlWindow());
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(HasFocus(last->ControlWindow())) << "entered with Shift held, the label passes it backward";
}

}  // namespace

namespace {

// Wine's AtlAxWin offers no simple-frame site and no tab order of its own: a refusing label there
// passes the focus within its parent window and, finding no taker, leaves it with that window.
TEST(ContainerTest, ALabelInWinesAtlAxWinWorksWithoutAFrameSite) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    kxtest::HostWindow window;
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 0, 0, 120, 40, window.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(create(L"Korvix32.kxLabel", place, nullptr, &container, &control, IID_NULL, nullptr), S_OK);
    IOleObject* ole = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)), S_OK);
    DWORD status = 0;
    ole->GetMiscStatus(DVASPECT_CONTENT, &status);
    EXPECT_EQ(status & (OLEMISC_SIMPLEFRAME | OLEMISC_ALIGNABLE), DWORD(OLEMISC_SIMPLEFRAME | OLEMISC_ALIGNABLE));
    ole->Release();

    const HWND label = kxtest::WindowOf(control);
    SetFocus(label);
    kxtest::PumpMessages(50);
    EXPECT_EQ(GetFocus(), place);
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
}

}  // namespace

namespace {

// The frame and the tray icon in Wine's AtlAxWin: made, given a window, and released cleanly.
TEST(ContainerTest, TheFrameAndTheTrayIconLiveInWinesAtlAxWin) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    for (const wchar_t* progId : {L"Korvix32.kxFrame", L"Korvix32.kxTrayBar"}) {
        kxtest::HostWindow window;
        HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 0, 0, 150, 100, window.hwnd(),
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
        IUnknown* container = nullptr;
        IUnknown* control = nullptr;
        ASSERT_EQ(create(progId, place, nullptr, &container, &control, IID_NULL, nullptr), S_OK);
        EXPECT_TRUE(IsChild(window.hwnd(), kxtest::WindowOf(control)));
        IDispatch* object = nullptr;
        ASSERT_EQ(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object)), S_OK);
        EXPECT_EQ(kxtest::GetProperty(object, L"Enabled").boolVal, VARIANT_TRUE);
        object->Release();
        control->Release();
        if (container) container->Release();
        DestroyWindow(place);
    }
}

}  // namespace
