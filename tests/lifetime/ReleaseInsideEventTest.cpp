// A host that lets go of its control inside one of the control's events: the control finishes what it was
// doing (a click, a change, a timer's frame or position, a walk of the network) and is destroyed after it.
#include <gtest/gtest.h>

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>

#include "Containers.h"
#include "EventCases.h"
#include "HostEventSink.h"
#include "Korvix32_h.h"
#include "LifetimeClasses.h"
#include "LifetimeSupport.h"
#include "TestSupport.h"

namespace {

using kxtest::Container;
using kxtest::ContainerKind;
using kxtest::EventCase;
using kxtest::LifetimeClass;

const LifetimeClass& ClassNamed(const char* name) {
    for (const LifetimeClass& cls : kxtest::LifetimeClasses())
        if (std::strcmp(cls.name, name) == 0) return cls;
    throw std::invalid_argument(name);
}

class ReleaseInsideEvent : public ::testing::TestWithParam<std::tuple<ContainerKind, EventCase>> {};

TEST_P(ReleaseInsideEvent, TheControlFinishesAndIsDestroyedAfterIt) {
    const auto& [kind, event] = GetParam();
    const LifetimeClass& cls = ClassNamed(event.className);
    ASSERT_EQ(S_OK, kxtest::ServerCanUnloadNow()) << "an earlier row left an object of the server";
    kxtest::ScratchFolder folder;
    {
        kxtest::HostWindow window(320, 220, 900, 700);
        std::unique_ptr<Container> container = Container::Make(kind, window.hwnd());
        std::unique_ptr<kxtest::SavedControl> saved;
        if (event.fromSave) {
            ASSERT_NE(nullptr, container->Place(cls, nullptr)) << cls.name;
            saved = std::make_unique<kxtest::SavedControl>(container->Control());
            ASSERT_TRUE(saved->Saved()) << cls.name;
            container->Remove();
        }
        ASSERT_NE(nullptr, container->Place(cls, saved.get())) << cls.name;
        kxtest::ReleaseWatch watch;
        ASSERT_TRUE(watch.Watch(container->Control()));
        bool letGo = false;
        container->OnEvent([&](DISPID id) {
            if (id != event.event || letGo) return;
            letGo = true;
            container->Remove();
        });
        if (event.prepare) event.prepare(container->Dispatch(), folder.path());
        kxtest::ShowAndPaint(window.hwnd());
        const HWND control = container->ControlWindow();
        event.trigger(control, container->Dispatch());
        EXPECT_TRUE(kxtest::PumpUntil([&] { return letGo; }, 10000)) << "the event did not come";
        EXPECT_TRUE(kxtest::PumpUntil([&] { return !watch.Held(); }, 5000)) << "the control was not destroyed";
        EXPECT_FALSE(IsWindow(control));
        kxtest::PumpMessages(100);  // whatever the control left queued for itself
    }
    kxtest::ExpectServerIdle(event.name);
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<ContainerKind, EventCase>>& info) {
    std::ostringstream name;
    name << std::get<1>(info.param).name << "_" << std::get<0>(info.param);
    return name.str();
}

INSTANTIATE_TEST_SUITE_P(Server, ReleaseInsideEvent,
                         ::testing::Combine(::testing::Values(ContainerKind::kOwn, ContainerKind::kAtl),
                                            ::testing::ValuesIn(kxtest::EventCases())),
                         CaseName);

// kxAlert waits inside Show for the choice; its host lets go of it inside ButtonClick while Show still waits.
TEST(ReleaseInsideEvent, TheAlertsHostLetsGoInsideButtonClickWhileShowWaits) {
    ASSERT_EQ(S_OK, kxtest::ServerCanUnloadNow()) << "an earlier row left an object of the server";
    IDispatch* alert = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxAlert, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                     reinterpret_cast<void**>(&alert)));
    bool letGo = false;
    kxtest::HostEventSink sink([&](DISPID id) {
        if (id != 1 || letGo) return;
        letGo = true;
        alert->Release();
    });
    sink.Advise(alert);
    kxtest::PutProperty(alert, L"TextButton1", kxtest::Text(L"OK"));
    kxtest::PutProperty(alert, L"TimeToShow", kxtest::Double(0.2));
    std::thread user([] {
        if (const HWND shown = kxtest::SettledAlertWindow())
            if (const HWND button = kxtest::VisibleDescendant(shown, L"KxControlWindow"))
                kxtest::ClickCentre(button);
    });
    std::vector<VARIANT> text = {kxtest::Text(L"Go on?")};
    VARIANT chosen;
    VariantInit(&chosen);
    const HRESULT hr = kxtest::CallMember(alert, L"Show", DISPATCH_METHOD, text, &chosen);
    user.join();
    VariantClear(&text[0]);
    EXPECT_EQ(S_OK, hr);
    EXPECT_TRUE(letGo) << "ButtonClick did not come";
    EXPECT_EQ(1, chosen.iVal);
    EXPECT_TRUE(kxtest::PumpUntil([&] { return !sink.Held(); }, 5000)) << "the alert was not destroyed";
    kxtest::ExpectServerIdle("kxAlert");
    EXPECT_TRUE(kxtest::FreeServer()) << "a window once shown keeps Korvix32.dll loaded";
}

}  // namespace
