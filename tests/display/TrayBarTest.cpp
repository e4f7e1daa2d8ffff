// kxTrayBar with its notify-icon calls recorded: when the icon is added, changed and removed, its
// record, the animation through an image list, the icon's mouse actions and the tray's rectangle.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "GdiTestSupport.h"
#include "Handles.h"
#include "KxTrayBar.h"
#include "PersistenceTestSupport.h"
#include "PropertyBag.h"
#include "ScreenCapture.h"
#include "TestSupport.h"
#include "TrayAnimation.h"
#include "TrayIcon.h"

namespace {

struct Call {
    DWORD message;
    NOTIFYICONDATAA record;
};

// Puts a recorder in place of the platform's notify-icon call for the test's life.
class RecordedCalls {
public:
    RecordedCalls() {
        kx::SetNotifyIconCall([this](DWORD message, const NOTIFYICONDATAA& record) {
            calls.push_back({message, record});
            return TRUE;
        });
    }
    ~RecordedCalls() { kx::SetNotifyIconCall(nullptr); }
    std::string Messages() const {
        static const char* kNames[] = {"add", "modify", "delete"};
        std::string text;
        for (const Call& c : calls) text += std::string(text.empty() ? "" : " ") + kNames[c.message];
        return text;
    }
    std::vector<Call> calls;
};

IPictureDisp* IconPicture() {
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_ICON};
    desc.icon.hicon = LoadIconW(nullptr, IDI_APPLICATION);
    IPictureDisp* picture = nullptr;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, FALSE, reinterpret_cast<void**>(&picture));
    return picture;
}

// A tray control loaded from a bag into the project's host, in run or design mode.
class HostedTray {
public:
    explicit HostedTray(bool userMode = true, const wchar_t* tip = L"Abjad") {
        host_.SetUserMode(userMode);
        auto* bag = new kx::MemoryPropertyBag();
        kx::PropertyWriter writer(bag);
        writer.Text(L"ToolTipText", tip);
        IPictureDisp* icon = IconPicture();
        writer.Picture(L"Picture", icon);
        icon->Release();
        site = host_.PlaceObject(static_cast<IOleObject*>(tray), L"trayIcon", {10, 10, 200, 200}, bag,
                                 [this](DISPID id, DISPPARAMS* params) {
                                     events += (events.empty() ? L"" : L" ") + std::to_wstring(id);
                                     if (params->cArgs) events += L"(" + std::to_wstring(*params->rgvarg[0].piVal) + L")";
                                 });
        bag->Release();
    }
    ~HostedTray() {
        host_.Remove(site);
        tray->Release();
    }
    HostedTray(const HostedTray&) = delete;
    HostedTray& operator=(const HostedTray&) = delete;

    HWND Window() const { return site ? site->ControlWindow() : nullptr; }
    kx::KxTrayBar* tray = new kx::KxTrayBar();
    kx::ControlSite* site = nullptr;
    std::wstring events;

private:
    kxtest::HostWindow window_;
    kx::ControlHost host_{window_.hwnd()};
};

TEST(TrayBarTest, ARunModeLoadAddsTheIconOnce) {
    RecordedCalls recorded;
    {
        HostedTray t;
        ASSERT_NE(t.site, nullptr);
        ASSERT_EQ(recorded.Messages(), "add");
        const NOTIFYICONDATAA& r = recorded.calls[0].record;
        EXPECT_EQ(r.cbSize, DWORD(NOTIFYICONDATAA_V1_SIZE));
        EXPECT_EQ(r.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(r.uCallbackMessage, UINT(WM_MOUSEMOVE));
        EXPECT_EQ(r.hWnd, t.Window());
        EXPECT_GE(r.uID, 1u);
        EXPECT_LE(r.uID, 65535u);
        EXPECT_EQ(std::memcmp(r.szTip, "Abjad\0  ", 8), 0);
        EXPECT_EQ(r.szTip[63], ' ');
        EXPECT_FALSE(IsWindowVisible(t.Window())) << "invisible while the host runs";
        LONG hwnd = 0;
        t.tray->get_IconhWnd(&hwnd);
        EXPECT_EQ(kx::HandleFromLong<HWND>(hwnd), t.Window());
    }
    ASSERT_EQ(recorded.Messages(), "add delete") << "the control's end removes its icon";
    EXPECT_EQ(recorded.calls[1].record.uID, recorded.calls[0].record.uID);
}

TEST(TrayBarTest, DesignModeAddsNothing) {
    RecordedCalls recorded;
    HostedTray t(false);
    ASSERT_NE(t.site, nullptr);
    EXPECT_TRUE(IsWindowVisible(t.Window()));
    t.tray->put_VisibleOnTray(VARIANT_FALSE);
    t.tray->put_VisibleOnTray(VARIANT_TRUE);
    EXPECT_EQ(recorded.Messages(), "");
    LONG hwnd = 1, left = 1;
    t.tray->get_IconhWnd(&hwnd);
    t.tray->get_TrayBarRectLeft(&left);
    EXPECT_EQ(hwnd, 0);
    EXPECT_EQ(left, 0);
}

// The icon keeps its identifier: removed, added again, and removed under the same one.
TEST(TrayBarTest, VisibleOnTrayRemovesAndAddsTheSameIcon) {
    RecordedCalls recorded;
    HostedTray t;
    t.tray->put_VisibleOnTray(VARIANT_TRUE);  // equal: nothing at all
    t.tray->put_VisibleOnTray(VARIANT_FALSE);
    t.tray->put_VisibleOnTray(VARIANT_TRUE);
    BSTR tip = SysAllocString(L"   new tip  ");
    t.tray->put_ToolTipText(tip);
    SysFreeString(tip);
    IPictureDisp* icon = IconPicture();
    t.tray->putref_Picture(icon);
    icon->Release();
    t.tray->putref_Picture(nullptr);
    ASSERT_EQ(recorded.Messages(), "add delete add modify modify delete");
    for (const Call& c : recorded.calls) EXPECT_EQ(c.record.uID, recorded.calls[0].record.uID);
    EXPECT_EQ(recorded.calls[3].record.uFlags, UINT(NIF_TIP));
    EXPECT_STREQ(recorded.calls[3].record.szTip, "new tip");
    EXPECT_EQ(recorded.calls[4].record.uFlags, UINT(NIF_ICON));
    VARIANT_BOOL visible = VARIANT_TRUE;
    t.tray->get_VisibleOnTray(&visible);
    EXPECT_EQ(visible, VARIANT_FALSE) << "Picture Nothing turns it off";
    BSTR got = nullptr;
    t.tray->get_ToolTipText(&got);
    EXPECT_STREQ(got, L"new tip");
    SysFreeString(got);
}

// A tooltip longer than the field keeps 63 characters and its NUL.
TEST(TrayBarTest, TheTooltipIsCutToSixtyThreeCharactersAndItsNul) {
    NOTIFYICONDATAA record = {};
    kx::FillTrayTooltip(record, std::wstring(70, L'x'));
    EXPECT_EQ(std::string(record.szTip), std::string(63, 'x'));
    kx::FillTrayTooltip(record, L"\u0627\u0628\u062c\u062f");
    EXPECT_STREQ(record.szTip, "\xc7\xc8\xcc\xcf") << "in code page 1256";
    EXPECT_EQ(record.szTip[5], ' ');
}

TEST(TrayBarTest, TheAnimationStaysWithinItsList) {
    const struct {
        long count;
        bool autoReverse;
        const char* shown;
    } cases[] = {
        {4, false, "0123012"}, {4, true, "0123210123"}, {2, true, "010101"}, {1, true, "0000"}, {1, false, "000"},
    };
    for (const auto& c : cases) {
        kx::TrayAnimation a;
        std::string shown;
        for (size_t i = 0; i < std::strlen(c.shown); ++i) {
            shown += static_cast<char>('0' + a.Shown(c.count));
            a.Advance(c.count, c.autoReverse);
        }
        EXPECT_EQ(shown, c.shown) << c.count << " " << c.autoReverse;
    }
    kx::TrayAnimation a;
    a.index = 3;
    EXPECT_EQ(a.Shown(2), 1) << "images removed since the last step";
}

// An image list double: ListImages.Count and ListImages(i).Picture by name, as a host's list answers.
class Automation : public IDispatch {
public:
    using Getter = std::function<VARIANT(DISPPARAMS*)>;
    std::map<std::wstring, Getter> members;
    virtual ~Automation() = default;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (!left) delete this;
        return left;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        DISPID id = 1;
        for (const auto& m : members) {
            if (_wcsicmp(m.first.c_str(), names[0]) == 0) {
                *ids = id;
                return S_OK;
            }
            ++id;
        }
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override {
        auto it = members.begin();
        for (DISPID i = 1; i < id && it != members.end(); ++i) ++it;
        if (it == members.end()) return DISP_E_MEMBERNOTFOUND;
        try {
            VARIANT value = it->second(params);
            if (result) *result = value;
            else VariantClear(&value);
            return S_OK;
        } catch (const std::exception&) {
            return DISP_E_BADINDEX;
        }
    }

private:
    ULONG refs_ = 1;
};

VARIANT ObjectValue(IDispatch* object) {
    VARIANT v;
    v.vt = VT_DISPATCH;
    v.pdispVal = object;
    object->AddRef();
    return v;
}

// A list of solid pictures; count() may be lowered while the animation runs.
class ImageList {
public:
    explicit ImageList(int n) : count(n) {
        for (int i = 0; i < n; ++i) pictures.push_back(kxtest::SolidPicture(RGB(10 * i, 0, 0)));
        auto* images = new Automation();
        images->members[L"Count"] = [this](DISPPARAMS*) { return kxtest::Long(count); };
        images->members[L"Item"] = [this](DISPPARAMS* params) {
            const long i = params->rgvarg[0].lVal;
            if (i < 1 || i > count) throw std::out_of_range("no such image");
            auto* item = new Automation();
            IPictureDisp* picture = pictures[static_cast<size_t>(i - 1)];
            item->members[L"Picture"] = [picture](DISPPARAMS*) { return ObjectValue(picture); };
            VARIANT v = ObjectValue(item);
            item->Release();
            return v;
        };
        list->members[L"ListImages"] = [images](DISPPARAMS*) { return ObjectValue(images); };
        images_ = images;
    }
    ~ImageList() {
        list->Release();
        images_->Release();
        for (IPictureDisp* p : pictures) p->Release();
    }
    int IndexOf(IPictureDisp* picture) const {
        for (size_t i = 0; i < pictures.size(); ++i)
            if (pictures[i] == picture) return static_cast<int>(i);
        return -1;
    }
    Automation* list = new Automation();
    std::vector<IPictureDisp*> pictures;
    long count;

private:
    Automation* images_ = nullptr;
};

std::string ShownBySteps(HostedTray& t, const ImageList& images, int steps) {
    std::string shown;
    for (int i = 0; i < steps; ++i) {
        t.tray->AnimationStep();
        IPictureDisp* picture = nullptr;
        t.tray->get_Picture(&picture);
        shown += static_cast<char>('1' + images.IndexOf(picture));
        if (picture) picture->Release();
    }
    return shown;
}

TEST(TrayBarTest, TimerStepsShowTheListsImagesInTurn) {
    RecordedCalls recorded;
    const struct {
        int count;
        bool autoReverse;
        const char* shown;
    } cases[] = {{4, false, "123412"}, {4, true, "1234321234"}, {2, true, "1212"}, {1, true, "111"}};
    for (const auto& c : cases) {
        HostedTray t;
        ImageList images(c.count);
        t.tray->putref_ImageList(images.list);
        t.tray->put_AutoReverse(c.autoReverse ? VARIANT_TRUE : VARIANT_FALSE);
        t.tray->put_Interval(500);  // a loaded control without a stored interval has none
        t.tray->put_Animate(VARIANT_TRUE);
        EXPECT_TRUE(t.tray->AnimationRunning());
        t.events.clear();
        EXPECT_EQ(ShownBySteps(t, images, static_cast<int>(std::strlen(c.shown))), c.shown) << c.count;
        EXPECT_EQ(t.events.substr(0, 3), L"1 1") << "PictureChanged each step";
        t.tray->put_Animate(VARIANT_FALSE);
    }
}

TEST(TrayBarTest, AnimationSurvivesAShrinkingOrMissingList) {
    RecordedCalls recorded;
    HostedTray t;
    ImageList images(4);
    t.tray->putref_ImageList(images.list);
    t.tray->put_Animate(VARIANT_TRUE);
    EXPECT_EQ(ShownBySteps(t, images, 3), "123");
    images.count = 2;
    EXPECT_EQ(ShownBySteps(t, images, 3), "212") << "the index kept within the list";
    images.count = 0;
    t.events.clear();
    t.tray->AnimationStep();
    EXPECT_EQ(t.events, L"") << "no images: no step";

    auto* noImages = new Automation();
    t.tray->putref_ImageList(noImages);
    noImages->Release();
    t.tray->AnimationStep();
    EXPECT_EQ(t.events, L"") << "a list without ListImages skips the step";
    EXPECT_EQ(t.tray->put_Interval(-1), static_cast<HRESULT>(0x800A017C));
}

TEST(TrayBarTest, TheIconsMouseMessagesRaiseTheirEvents) {
    RecordedCalls recorded;
    HostedTray t;
    const UINT id = recorded.calls.at(0).record.uID;
    for (UINT message : {513u, 514u, 515u, 516u, 517u, 518u, 519u, 520u, 521u, 512u, 600u})
        SendMessageW(t.Window(), WM_MOUSEMOVE, id, static_cast<LPARAM>(message));
    EXPECT_EQ(t.events, L"3(1) 4(1) 5(1) 3(2) 4(2) 5(2) 3(4) 4(4) 5(4) 2 2");
    t.events.clear();
    t.tray->put_Enabled(VARIANT_FALSE);
    SendMessageW(t.Window(), WM_MOUSEMOVE, id, 513);
    EXPECT_EQ(t.events, L"");
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A taskbar of the test's own, newest of its class, gives the rectangle of its pager.
TEST(TrayBarTest, TheTrayRectangleIsThePagersWhenTheChainExists) {
    for (const char* name : {"Shell_TrayWnd", "TrayNotifyWnd", "SysPager"}) {
        WNDCLASSA cls = {};
        cls.lpfnWndProc = &PlainWindowProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = name;
        RegisterClassA(&cls);
    }
    HWND bar = CreateWindowExA(0, "Shell_TrayWnd", nullptr, WS_POPUP, 0, 900, 1000, 40, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    HWND notify = CreateWindowExA(0, "TrayNotifyWnd", nullptr, WS_CHILD, 800, 2, 190, 36, bar, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HWND pager = CreateWindowExA(0, "SysPager", nullptr, WS_CHILD, 10, 4, 120, 28, notify, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(bar && notify && pager);
    {
        RecordedCalls recorded;
        HostedTray t;
        LONG left = 0, top = 0, right = 0, bottom = 0;
        t.tray->get_TrayBarRectLeft(&left);
        t.tray->get_TrayBarRectTop(&top);
        t.tray->get_TrayBarRectRight(&right);
        t.tray->get_TrayBarRectBottom(&bottom);
        EXPECT_EQ(left, 810);
        EXPECT_EQ(top, 906);
        EXPECT_EQ(right, 930);
        EXPECT_EQ(bottom, 934);
    }
    DestroyWindow(bar);
}

TEST(TrayBarTest, AnimationStepsLeakNoGdiObjects) {
    RecordedCalls recorded;
    HostedTray t;
    ImageList images(4);
    t.tray->putref_ImageList(images.list);
    t.tray->put_Animate(VARIANT_TRUE);
    t.tray->AnimationStep();
    const DWORD before = kxtest::GdiObjectCount();
    for (int i = 0; i < 1000; ++i) t.tray->AnimationStep();
    EXPECT_EQ(kxtest::GdiObjectCount(), before);
}

}  // namespace

namespace {

// The eight keys in their order; Interval 0 is left out and reads back as 0.
TEST(TrayBarTest, EveryKeyRoundTripsInOrder) {
    RecordedCalls recorded;
    kxtest::SavedBag saved;
    ImageList images(2);
    {
        HostedTray t(false, L"tip");
        t.tray->put_VisibleOnTray(VARIANT_FALSE);
        t.tray->putref_ImageList(images.list);
        t.tray->put_Interval(250);
        t.tray->put_Animate(VARIANT_TRUE);
        t.tray->put_AutoReverse(VARIANT_TRUE);
        t.tray->put_Enabled(VARIANT_FALSE);
        ASSERT_EQ(t.site->Save(saved.bag), S_OK);
        const std::vector<std::wstring> keys = {L"VisibleOnTray", L"Picture", L"ToolTipText", L"ImageList",
                                                L"Interval", L"Animate", L"AutoReverse", L"Enabled"};
        EXPECT_EQ(saved.Keys(), keys);
        t.tray->put_Interval(0);
        kxtest::SavedBag zero;
        ASSERT_EQ(t.site->Save(zero.bag), S_OK);
        EXPECT_EQ(zero.bag->Find(L"Interval"), nullptr);
    }
    kx::KxTrayBar* loaded = new kx::KxTrayBar();
    IPersistPropertyBag* persist = nullptr;
    loaded->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    ASSERT_EQ(persist->Load(saved.bag, nullptr), S_OK);
    persist->Release();
    LONG interval = 0;
    loaded->get_Interval(&interval);
    EXPECT_EQ(interval, 250);
    IDispatch* list = nullptr;
    loaded->get_ImageList(&list);
    EXPECT_EQ(list, images.list);
    if (list) list->Release();
    loaded->Release();
}

// Wine's own tray window (no window manager): one child window per icon, hidden when it holds none.
HWND WinesTray() { return FindWindowA("__winex11_standalone_tray", nullptr); }

int IconsInWinesTray() {
    int count = 0;
    for (HWND icon = FindWindowExA(WinesTray(), nullptr, "__winex11_tray_icon", nullptr); icon;
         icon = FindWindowExA(WinesTray(), icon, "__winex11_tray_icon", nullptr))
        ++count;
    return count;
}

// Buttons pressed and let go through the input queue where the pointer is.
void SendButtons(std::initializer_list<DWORD> buttons) {
    for (DWORD flag : buttons) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flag;
        SendInput(1, &input, sizeof(INPUT));
    }
}

// The icon in the tray Wine shows, clicked for real, then gone with the control. Run alone (the
// ctest "wine_tray"), as it takes the pointer and the one tray of the Wine session.
TEST(WineTrayTest, TheIconShowsInWinesTrayAndAnswersClicks) {
    const int before = WinesTray() ? IconsInWinesTray() : 0;
    {
        HostedTray t;
        ASSERT_NE(t.site, nullptr);
        ASSERT_TRUE(kxtest::PumpUntil([&] { return WinesTray() && IconsInWinesTray() == before + 1; }))
            << "the icon appears in __winex11_standalone_tray";
        const HWND tray = WinesTray();
        ASSERT_TRUE(kxtest::PumpUntil([&] { return IsWindowVisible(tray) != FALSE; }));
        HWND icon = nullptr;
        for (int i = 0; i <= before; ++i) icon = FindWindowExA(tray, icon, "__winex11_tray_icon", nullptr);
        ASSERT_NE(icon, nullptr);
        RECT r = {};
        GetWindowRect(icon, &r);
        const POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        kxtest::PumpMessages(200);
        EXPECT_TRUE(kxtest::ScreenCapture(tray).SavePng(kxtest::BesideThisProgram(L"wine-tray.png")));

        SetCursorPos(centre.x, centre.y);
        kxtest::PumpUntil([&] { return !t.events.empty(); }, 2000);  // the move, as MouseMove
        kxtest::PumpMessages(100);
        t.events.clear();
        SendButtons({MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
        EXPECT_TRUE(kxtest::PumpUntil([&] { return t.events.find(L"4(2)") != std::wstring::npos; }, 5000));
        EXPECT_EQ(t.events, L"3(2) 4(2)") << "MouseDown then MouseUp with the right button";

        t.events.clear();
        SendButtons({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
        EXPECT_TRUE(kxtest::PumpUntil([&] { return t.events.find(L"5(1)") != std::wstring::npos; }, 5000))
            << "DblClick with the left button; events: " << std::string(t.events.begin(), t.events.end());
    }
    EXPECT_TRUE(kxtest::PumpUntil([&] { return IconsInWinesTray() == before; }, 5000))
        << "no icon once the control is gone";
}

}  // namespace
