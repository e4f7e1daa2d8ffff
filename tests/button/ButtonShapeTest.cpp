#include <gtest/gtest.h>

#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KxButton.h"
#include "PropertyBag.h"

namespace {

// A button of 100 by 30 pixels in the project's own container.
class ShapedButton {
public:
    explicit ShapedButton(IPropertyBag* bag = nullptr) {
        host_ = new kx::ControlHost(window_.hwnd());
        button_ = new kx::KxButton();
        host_->PlaceObject(static_cast<IOleObject*>(button_), L"cmdShape", {10, 10, 110, 40}, bag, nullptr);
        hwnd_ = kxtest::WindowOf(static_cast<IOleObject*>(button_));
    }
    ~ShapedButton() {
        delete host_;
        button_->Release();
    }
    ShapedButton(const ShapedButton&) = delete;
    ShapedButton& operator=(const ShapedButton&) = delete;
    kx::KxButton* button() const { return button_; }
    HWND hwnd() const { return hwnd_; }

    // Whether the window's region covers the same pixels as the expected one (which this call frees).
    bool HasRegion(HRGN expected) const {
        HRGN actual = CreateRectRgn(0, 0, 0, 0);
        const int kind = GetWindowRgn(hwnd_, actual);
        HRGN difference = CreateRectRgn(0, 0, 0, 0);
        const bool same = kind != ERROR && CombineRgn(difference, actual, expected, RGN_XOR) == NULLREGION;
        DeleteObject(difference);
        DeleteObject(actual);
        DeleteObject(expected);
        return same;
    }

private:
    kxtest::HostWindow window_;
    kx::ControlHost* host_ = nullptr;
    kx::KxButton* button_ = nullptr;
    HWND hwnd_ = nullptr;
};

HRGN Polygon(std::vector<POINT> points) {
    return CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE);
}

HRGN SmallChamfer100x30() {
    return Polygon({{0, 1}, {1, 0}, {99, 0}, {100, 1}, {100, 28}, {98, 30}, {2, 30}, {0, 28}});
}
HRGN LargeChamfer100x30() {
    return Polygon({{0, 2}, {2, 0}, {97, 0}, {100, 3}, {100, 27}, {97, 30}, {4, 30}, {0, 26}});
}
HRGN Round100x30() { return CreateRoundRectRgn(0, 0, 101, 31, 18, 18); }
HRGN Full100x30() { return CreateRectRgn(0, 0, 100, 30); }

TEST(ButtonShapeTest, EachStyleGivesTheWindowItsShape) {
    struct Case {
        long style;
        HRGN (*shape)();
    };
    const Case cases[] = {
        {0, Full100x30},  {1, Full100x30},          {2, Full100x30},          {3, Full100x30},
        {4, Full100x30},  {5, SmallChamfer100x30},  {6, Full100x30},          {7, SmallChamfer100x30},
        {8, LargeChamfer100x30}, {9, LargeChamfer100x30}, {10, Round100x30}, {11, Full100x30},
        {12, SmallChamfer100x30}, {13, Full100x30}, {-1, Full100x30},
    };
    ShapedButton b;
    for (const Case& c : cases) {
        b.button()->put_Style(static_cast<kxBtnStyle>(c.style));
        EXPECT_TRUE(b.HasRegion(c.shape())) << "Style " << c.style;
    }
}

// The points on the right and bottom edges lie outside: the corners really are cut.
TEST(ButtonShapeTest, TheCutCornersAreOutsideTheWindow) {
    ShapedButton b;
    b.button()->put_Style(kxBtnWindowsXP);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(b.hwnd(), region);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 1, 0));
    EXPECT_FALSE(PtInRegion(region, 99, 29));
    EXPECT_TRUE(PtInRegion(region, 97, 29));
    EXPECT_TRUE(PtInRegion(region, 50, 15));
    EXPECT_FALSE(PtInRegion(region, 100, 15));
    DeleteObject(region);
}

TEST(ButtonShapeTest, ALoadedButtonIsShapedAndTheShapeFollowsTheSize) {
    auto* bag = new kx::MemoryPropertyBag();
    VARIANT style = kxtest::Long(kxBtnMacOSX);
    bag->Write(L"style", &style);
    ShapedButton b(bag);
    bag->Release();
    EXPECT_TRUE(b.HasRegion(Round100x30()));

    IOleInPlaceObject* inPlace = nullptr;
    ASSERT_EQ(b.button()->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)), S_OK);
    const RECT larger = {10, 10, 130, 50};
    inPlace->SetObjectRects(&larger, &larger);
    inPlace->Release();
    EXPECT_TRUE(b.HasRegion(CreateRoundRectRgn(0, 0, 121, 41, 18, 18)));
}

// A container that refuses every size the control asks for and puts its own rectangle back.
class RefusingSite : public IOleClientSite, public IOleInPlaceSite {
public:
    RefusingSite(HWND window, IOleInPlaceObject* control, RECT fixed)
        : window_(window), control_(control), fixed_(fixed) {}
    int requests = 0;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
        else return E_NOINTERFACE;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }  // lives on the test's stack
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override { *out = nullptr; return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** out) override { *out = nullptr; return E_NOINTERFACE; }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    STDMETHODIMP GetWindow(HWND* window) override { *window = window_; return S_OK; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT, LPRECT,
                                  LPOLEINPLACEFRAMEINFO) override {
        *frame = nullptr;
        *document = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override {
        ++requests;
        control_->SetObjectRects(&fixed_, &fixed_);
        return S_OK;
    }

private:
    HWND window_;
    IOleInPlaceObject* control_;
    RECT fixed_;
};

TEST(ButtonShapeTest, AContainerThatRefusesTheMinimumSizeCausesNoEndlessResizing) {
    kxtest::HostWindow window;
    auto* button = new kx::KxButton();
    IOleInPlaceObject* inPlace = nullptr;
    button->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace));
    const RECT small = {5, 5, 15, 15};
    RefusingSite site(window.hwnd(), inPlace, small);
    IPersistStreamInit* persist = nullptr;
    button->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
    persist->InitNew();
    persist->Release();
    IOleObject* object = static_cast<IOleObject*>(button);
    object->SetClientSite(&site);
    ASSERT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, window.hwnd(), &small), S_OK);

    // The container sizes the button below its minimum and puts its own rectangle back at every request.
    inPlace->SetObjectRects(&small, &small);
    button->put_Style(kxBtnMacOSX);  // runs the resize with its minimum size once more
    EXPECT_GT(site.requests, 0);
    EXPECT_LT(site.requests, 10);
    EXPECT_NE(kxtest::WindowOf(object), nullptr);

    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);
    inPlace->Release();
    button->Release();
}

}  // namespace
