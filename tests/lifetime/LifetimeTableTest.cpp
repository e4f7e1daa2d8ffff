// Every creatable class of the server, made through COM from the registered Korvix32.dll: each row leaves no
// object, window, GDI object or window handle of it behind, and the server free to unload.
#include <gtest/gtest.h>

#include <windows.h>
#include <ocidl.h>

#include <string>

#include "Containers.h"
#include "Korvix32_h.h"
#include "LifetimeClasses.h"
#include "LifetimeSupport.h"

namespace {

using kxtest::ClassKind;
using kxtest::Container;
using kxtest::ContainerKind;
using kxtest::LifetimeClass;

std::string RowName(const ::testing::TestParamInfo<LifetimeClass>& info) { return info.param.name; }

IUnknown* Create(const LifetimeClass& cls) {
    IUnknown* object = nullptr;
    EXPECT_EQ(S_OK, CoCreateInstance(cls.Clsid(), nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                     reinterpret_cast<void**>(&object)))
        << cls.name;
    return object;
}

// Releases the only reference: the object goes with it, and lets a watching sink go.
void ExpectLastRelease(IUnknown* object, const kxtest::ReleaseWatch& watch, bool watched, const char* name) {
    EXPECT_EQ(0u, object->Release()) << name << ": references left";
    if (watched) EXPECT_FALSE(watch.Held()) << name << ": not destroyed";
}

class EveryClass : public ::testing::TestWithParam<LifetimeClass> {};

TEST_P(EveryClass, CreatedAndReleasedWithoutBeingPlaced) {
    const LifetimeClass& cls = GetParam();
    kxtest::RunRounds("created and released", [&] {
        IUnknown* object = Create(cls);
        if (!object) return;
        kxtest::ReleaseWatch watch;
        const bool watched = watch.Watch(object);
        ExpectLastRelease(object, watch, watched, cls.name);
    });
}

// The class made and used again once COM has freed the server its last object left: the new image of the
// DLL registers its window classes anew.
void PlaceAndUse(const LifetimeClass& cls);

TEST_P(EveryClass, UnloadedWithItsLastObjectAndLoadedAgain) {
    const LifetimeClass& cls = GetParam();
    ASSERT_EQ(S_OK, kxtest::ServerCanUnloadNow()) << "an earlier row left an object of the server";
    IUnknown* object = Create(cls);
    ASSERT_NE(nullptr, object);
    object->Release();
    ASSERT_TRUE(kxtest::FreeServer()) << "Korvix32.dll stays loaded";
    PlaceAndUse(cls);
    kxtest::ExpectServerIdle("loaded again");
    EXPECT_TRUE(kxtest::FreeServer()) << "Korvix32.dll stays loaded after its second use";
}

INSTANTIATE_TEST_SUITE_P(Server, EveryClass, ::testing::ValuesIn(kxtest::LifetimeClasses()), RowName);

// A control in one container: placed, shown, its property put, resized and saved in both forms; removed; then
// placed again from the save, checked to hold the property, and removed.
void PlaceShowResizeSaveLoadAndRemove(ContainerKind kind, const LifetimeClass& cls) {
    kxtest::HostWindow window(320, 220);
    std::unique_ptr<Container> container = Container::Make(kind, window.hwnd());
    IUnknown* control = container->Place(cls, nullptr);
    ASSERT_NE(nullptr, control) << cls.name;
    kxtest::ReleaseWatch watch;
    const bool watched = watch.Watch(control);
    const HWND controlWindow = container->ControlWindow();
    kxtest::ShowAndPaint(window.hwnd());
    kxtest::UseMember(container->Dispatch(), cls);
    container->Resize(200, 90);
    kxtest::ShowAndPaint(window.hwnd());
    const kxtest::SavedControl saved(control);
    EXPECT_TRUE(saved.Saved()) << cls.name;
    container->Remove();
    EXPECT_FALSE(watch.Held() && watched) << cls.name << ": not destroyed when removed";
    EXPECT_FALSE(IsWindow(controlWindow)) << cls.name;

    IUnknown* loaded = container->Place(cls, &saved);
    ASSERT_NE(nullptr, loaded) << cls.name << " from the save";
    VARIANT expected = cls.value();
    EXPECT_EQ(kxtest::AsText(expected), kxtest::TakeText(kxtest::GetProperty(container->Dispatch(), cls.member)))
        << cls.name << " loaded";
    VariantClear(&expected);
    kxtest::ShowAndPaint(window.hwnd());
    container->Remove();
}

class EveryControl : public ::testing::TestWithParam<LifetimeClass> {};

TEST_P(EveryControl, PlacedShownResizedSavedLoadedAndRemovedInTheOwnContainer) {
    kxtest::RunRounds("own container", [&] { PlaceShowResizeSaveLoadAndRemove(ContainerKind::kOwn, GetParam()); });
}

TEST_P(EveryControl, PlacedShownResizedSavedLoadedAndRemovedInAtlAxWin) {
    kxtest::RunRounds("AtlAxWin", [&] { PlaceShowResizeSaveLoadAndRemove(ContainerKind::kAtl, GetParam()); });
}

INSTANTIATE_TEST_SUITE_P(Server, EveryControl, ::testing::ValuesIn(kxtest::LifetimeClassesOf(ClassKind::kControl)),
                         RowName);

// The dialog's side of a property page: nothing but what the page asks for.
class PageSite : public IPropertyPageSite {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IPropertyPageSite) return E_NOINTERFACE;
        *out = static_cast<IPropertyPageSite*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP OnStatusChange(DWORD) override { return S_OK; }
    STDMETHODIMP GetLocaleID(LCID* locale) override {
        *locale = LOCALE_USER_DEFAULT;
        return S_OK;
    }
    STDMETHODIMP GetPageContainer(IUnknown** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
};

// A page over a lookup combo: given its site and object, shown on a window, applied, taken down and released,
// and the combo with it.
void OpenAndClosePage(const LifetimeClass& cls) {
    IPropertyPage* page = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(cls.Clsid(), nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                                     reinterpret_cast<void**>(&page)))
        << cls.name;
    IUnknown* combo = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_kxGetCombo, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                     reinterpret_cast<void**>(&combo)));
    PageSite site;
    kxtest::HostWindow window(420, 320);
    EXPECT_EQ(S_OK, page->SetPageSite(&site));
    const RECT place = {0, 0, 400, 300};
    EXPECT_EQ(S_OK, page->Activate(window.hwnd(), &place, FALSE));
    EXPECT_EQ(S_OK, page->SetObjects(1, &combo));
    EXPECT_EQ(S_OK, page->Show(SW_SHOW));
    kxtest::ShowAndPaint(window.hwnd());
    page->Apply();
    EXPECT_EQ(S_OK, page->Deactivate());
    EXPECT_EQ(S_OK, page->SetObjects(0, nullptr));
    EXPECT_EQ(S_OK, page->SetPageSite(nullptr));
    EXPECT_EQ(0u, page->Release()) << cls.name;
    EXPECT_EQ(0u, combo->Release()) << "the page let the combo go";
}

class EveryPropertyPage : public ::testing::TestWithParam<LifetimeClass> {};

TEST_P(EveryPropertyPage, GivenObjectsActivatedDeactivatedAndReleased) {
    kxtest::RunRounds("property page", [&] { OpenAndClosePage(GetParam()); });
}

void PlaceAndUse(const LifetimeClass& cls) {
    switch (cls.kind) {
        case ClassKind::kControl: {
            kxtest::HostWindow window(320, 220);
            std::unique_ptr<Container> container = Container::Make(ContainerKind::kOwn, window.hwnd());
            ASSERT_NE(nullptr, container->Place(cls, nullptr)) << cls.name;
            kxtest::ShowAndPaint(window.hwnd());
            kxtest::UseMember(container->Dispatch(), cls);
            container->Resize(180, 80);
            kxtest::ShowAndPaint(window.hwnd());
            container->Remove();
            return;
        }
        case ClassKind::kAutomation: {
            IDispatch* object = nullptr;
            ASSERT_EQ(S_OK, CoCreateInstance(cls.Clsid(), nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                             reinterpret_cast<void**>(&object)));
            kxtest::UseMember(object, cls);
            EXPECT_EQ(0u, object->Release()) << cls.name;
            return;
        }
        case ClassKind::kPropertyPage:
            OpenAndClosePage(cls);
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Server, EveryPropertyPage,
                         ::testing::ValuesIn(kxtest::LifetimeClassesOf(ClassKind::kPropertyPage)), RowName);

}  // namespace
