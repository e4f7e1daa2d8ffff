// The label lets go of everything with its last reference: made and released 500 times, alone through the
// registered server and hosted in Wine's atl.dll, it is destroyed every time, the process's GDI objects and
// windows stay where they were, and the server may unload at the end.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "GdiTestSupport.h"
#include "ProcessWindows.h"
#include "ServerModule.h"
#include "Korvix32_h.h"

namespace {

constexpr int kRounds = 500;
constexpr DWORD kGdiMargin = 4;  // caches the platform may fill on the way; a leak per round is 500 and more

// An advise sink handed to a control, which holds it until it is destroyed. The test's own reference is the
// first; a control that is never destroyed keeps the probe alive.
class DestructionProbe final : public IAdviseSink {
public:
    // True while something other than the test holds the probe.
    bool Held() const { return references_ > 1; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IAdviseSink) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IAdviseSink*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    STDMETHODIMP_(void) OnDataChange(FORMATETC*, STGMEDIUM*) override {}
    STDMETHODIMP_(void) OnViewChange(DWORD, LONG) override {}
    STDMETHODIMP_(void) OnRename(IMoniker*) override {}
    STDMETHODIMP_(void) OnSave() override {}
    STDMETHODIMP_(void) OnClose() override {}

    void Watch(IUnknown* control) {
        IOleObject* ole = nullptr;
        ASSERT_EQ(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)), S_OK);
        DWORD cookie = 0;
        EXPECT_EQ(ole->Advise(this, &cookie), S_OK);
        ole->Release();
        EXPECT_TRUE(Held());
    }

private:
    ULONG references_ = 1;
};

// The counts after one round to warm the caches, then after all of them.
class LabelRounds : public testing::Test {
protected:
    template <class Round>
    void RunRounds(Round round) {
        round(-1);
        const DWORD gdi = kxtest::GdiObjectCount(), windows = kxtest::UserObjectCount();
        for (int i = 0; i < kRounds && !HasFailure(); ++i) round(i);
        kxtest::PumpMessages(0);
        EXPECT_LE(kxtest::GdiObjectCount(), gdi + kGdiMargin);
        EXPECT_EQ(kxtest::UserObjectCount(), windows);
        EXPECT_EQ(kxtest::ServerCanUnloadNow(), S_OK);
    }
};

TEST_F(LabelRounds, MadeAndReleasedAloneIsDestroyedEveryTime) {
    RunRounds([](int round) {
        IUnknown* label = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_kxLabel, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   reinterpret_cast<void**>(&label)),
                  S_OK);
        auto* probe = new DestructionProbe();
        probe->Watch(label);
        const HWND window = kxtest::WindowOf(label);
        EXPECT_EQ(label->Release(), 0u) << "round " << round;
        EXPECT_FALSE(probe->Held()) << "round " << round;
        EXPECT_FALSE(IsWindow(window)) << "round " << round;
        probe->Release();
    });
}

TEST_F(LabelRounds, HostedInWinesAtlAxWinIsDestroyedWithItsContainer) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    kxtest::HostWindow window;
    RunRounds([&](int round) {
        HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 0, 0, 120, 40, window.hwnd(),
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
        IUnknown* container = nullptr;
        IUnknown* control = nullptr;
        ASSERT_EQ(create(L"Korvix32.kxLabel", place, nullptr, &container, &control, IID_NULL, nullptr), S_OK);
        auto* probe = new DestructionProbe();
        probe->Watch(control);
        kxtest::PumpMessages(0);  // shown and painted
        control->Release();
        if (container) container->Release();
        DestroyWindow(place);
        EXPECT_FALSE(probe->Held()) << "round " << round;
        probe->Release();
    });
}

}  // namespace
