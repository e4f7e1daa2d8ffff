#include <gtest/gtest.h>

#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KxButton.h"

namespace {

template <class Interface>
Interface* Query(IUnknown* object, REFIID iid) {
    Interface* result = nullptr;
    object->QueryInterface(iid, reinterpret_cast<void**>(&result));
    return result;
}

struct Button {
    kx::KxButton* object = new kx::KxButton();
    ~Button() { object->Release(); }
    IUnknown* unknown() { return static_cast<IOleObject*>(object); }
};

TEST(ControlProtocolTest, TheWindowAndSurfaceExistBeforeAnyContainerPlacesTheControl) {
    Button b;
    HWND window = kxtest::WindowOf(b.unknown());
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 91);  // 1365 by 450 twips
    EXPECT_EQ(client.bottom, 30);
    LONG dc = 0;
    b.object->get_hdc(&dc);
    EXPECT_NE(dc, 0);
    SIZEL extent = {};
    auto* ole = Query<IOleObject>(b.unknown(), IID_IOleObject);
    ole->GetExtent(DVASPECT_CONTENT, &extent);
    ole->Release();
    EXPECT_EQ(extent.cx, MulDiv(91, 2540, 96));
}

TEST(ControlProtocolTest, ClassInformationConnectionPointsAndPropertyPages) {
    Button b;
    auto* info = Query<IProvideClassInfo2>(b.unknown(), IID_IProvideClassInfo2);
    ASSERT_NE(info, nullptr);
    GUID events = GUID_NULL;
    EXPECT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
    EXPECT_TRUE(IsEqualGUID(events, DIID___kxButton));
    ITypeInfo* classInfo = nullptr;
    ASSERT_EQ(info->GetClassInfo(&classInfo), S_OK);
    TYPEATTR* attr = nullptr;
    classInfo->GetTypeAttr(&attr);
    EXPECT_TRUE(IsEqualGUID(attr->guid, CLSID_kxButton));
    classInfo->ReleaseTypeAttr(attr);
    classInfo->Release();
    info->Release();

    auto* container = Query<IConnectionPointContainer>(b.unknown(), IID_IConnectionPointContainer);
    IEnumConnectionPoints* points = nullptr;
    ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);
    std::vector<IID> found;
    IConnectionPoint* point = nullptr;
    while (points->Next(1, &point, nullptr) == S_OK) {
        IID iid = IID_NULL;
        point->GetConnectionInterface(&iid);
        found.push_back(iid);
        point->Release();
    }
    points->Release();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(IsEqualIID(found[0], DIID___kxButton));
    EXPECT_TRUE(IsEqualIID(found[1], IID_IPropertyNotifySink));
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, &point), CONNECT_E_NOCONNECTION);
    container->Release();

    auto* pages = Query<ISpecifyPropertyPages>(b.unknown(), IID_ISpecifyPropertyPages);
    CAUUID list = {};
    EXPECT_EQ(pages->GetPages(&list), S_OK);
    EXPECT_EQ(list.cElems, 0u);
    pages->Release();

    DWORD status = 0;
    auto* ole = Query<IOleObject>(b.unknown(), IID_IOleObject);
    ole->GetMiscStatus(DVASPECT_CONTENT, &status);
    EXPECT_TRUE(status & OLEMISC_SETCLIENTSITEFIRST);
    EXPECT_TRUE(status & OLEMISC_ACTIVATEWHENVISIBLE);
    ole->Release();
}

TEST(ControlProtocolTest, FrozenEventsAreNotRaised) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    Button b;
    int clicks = 0;
    RECT bounds = {0, 0, 91, 30};
    host.PlaceObject(b.unknown(), L"cmd", bounds, nullptr, [&](DISPID id, DISPPARAMS*) { clicks += id == DISPID_CLICK; });
    auto* control = Query<IOleControl>(b.unknown(), IID_IOleControl);
    HWND hwnd = kxtest::WindowOf(b.unknown());
    control->FreezeEvents(TRUE);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(clicks, 0);
    control->FreezeEvents(FALSE);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(clicks, 1);
    control->Release();
}

// A release outside the window after a press inside is no click.
TEST(ControlProtocolTest, AReleaseOutsideTheWindowIsNoClick) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    Button b;
    std::vector<DISPID> events;
    RECT bounds = {0, 0, 91, 30};
    host.PlaceObject(b.unknown(), L"cmd", bounds, nullptr, [&](DISPID id, DISPPARAMS*) { events.push_back(id); });
    HWND hwnd = kxtest::WindowOf(b.unknown());
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(200, 3));
    EXPECT_EQ(events, (std::vector<DISPID>{DISPID_MOUSEDOWN, DISPID_MOUSEUP}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(ControlProtocolTest, AControlOutlivesTheWindowItWasPlacedOn) {
    Button b;
    {
        auto* window = new kxtest::HostWindow();
        kx::ControlHost host(window->hwnd());
        RECT bounds = {0, 0, 91, 30};
        ASSERT_NE(host.PlaceObject(b.unknown(), L"cmd", bounds, nullptr, nullptr), nullptr);
        delete window;  // destroys the control's window with it
        BSTR caption = SysAllocString(L"after");
        EXPECT_EQ(b.object->put_Caption(caption), S_OK);
        SysFreeString(caption);
        LONG hwnd = -1;
        b.object->get_Hwnd(&hwnd);
        EXPECT_EQ(hwnd, 0);
    }
    EXPECT_EQ(b.object->Refresh(), S_OK);
}

TEST(ControlProtocolTest, TheHostReleasesEverythingItHolds) {
    Button b;
    {
        kxtest::HostWindow window;
        kx::ControlHost host(window.hwnd());
        RECT bounds = {0, 0, 91, 30};
        host.PlaceObject(b.unknown(), L"cmd", bounds, nullptr, [](DISPID, DISPPARAMS*) {});
    }
    b.object->AddRef();
    EXPECT_EQ(b.object->Release(), 1u);  // only the test's own reference is left
    auto* ole = Query<IOleObject>(b.unknown(), IID_IOleObject);
    IOleClientSite* site = reinterpret_cast<IOleClientSite*>(1);
    ole->GetClientSite(&site);
    EXPECT_EQ(site, nullptr);
    ole->Release();
}

}  // namespace

namespace {

// Ambient properties come from the container when it has them; a change repaints.
TEST(ControlProtocolTest, AmbientPropertiesOfTheOwnContainer) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    host.SetRightToLeft(true);
    IFont* font = nullptr;
    host.Font()->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font));
    font->put_Bold(TRUE);
    font->Release();
    RECT bounds = {0, 0, 91, 30};
    Button b;
    host.PlaceObject(b.unknown(), L"cmd", bounds, nullptr, nullptr);
    VARIANT_BOOL flag = VARIANT_FALSE;
    b.object->get_RightToLeft(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);
    b.object->get_FontBold(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);

    // Run mode: a release leaves the hot state; design mode: every repaint makes it hot.
    HWND hwnd = kxtest::WindowOf(b.unknown());
    VARIANT_BOOL yes = VARIANT_TRUE;
    b.object->put_Enabled(&yes);
    EXPECT_EQ(b.object->ButtonState(), kx::KxButton::kNormal);
    host.SetUserMode(false);
    EXPECT_EQ(b.object->ButtonState(), kx::KxButton::kHot);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(b.object->ButtonState(), kx::KxButton::kHot);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

// Without a container the classic defaults hold: run mode, left to right, a default font.
TEST(ControlProtocolTest, AmbientDefaultsWithoutAContainer) {
    Button b;
    auto* persist = Query<IPersistStreamInit>(b.unknown(), IID_IPersistStreamInit);
    ASSERT_EQ(persist->InitNew(), S_OK);
    EXPECT_EQ(persist->InitNew(), E_UNEXPECTED);  // once only
    persist->Release();
    VARIANT_BOOL flag = VARIANT_TRUE;
    b.object->get_RightToLeft(&flag);
    EXPECT_EQ(flag, VARIANT_FALSE);
    BSTR name = nullptr;
    b.object->get_FontName(&name);
    EXPECT_GT(SysStringLen(name), 0u);
    SysFreeString(name);
    b.object->Refresh();
    EXPECT_EQ(b.object->ButtonState(), kx::KxButton::kHot);  // a new button is hot until the mouse leaves
    BSTR caption = nullptr;
    b.object->get_Caption(&caption);
    EXPECT_EQ(SysStringLen(caption), 0u);  // no extender, no name
    SysFreeString(caption);
}

}  // namespace

namespace {

TEST(ControlProtocolTest, TheExtenderAnswersNameAndHandsOtherMembersToTheControl) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    Button b;
    RECT bounds = {0, 0, 91, 30};
    kx::ControlSite* site = host.PlaceObject(b.unknown(), L"cmdCancel", bounds, nullptr, nullptr);
    ASSERT_NE(site, nullptr);
    IDispatch* extender = site->ExtenderDispatch();
    VARIANT name = kxtest::GetProperty(extender, L"name");
    EXPECT_STREQ(name.bstrVal, L"cmdCancel");
    VariantClear(&name);
    EXPECT_EQ(kxtest::PutProperty(extender, L"Enabled", kxtest::Bool(false)), S_OK);
    VARIANT enabled = kxtest::GetProperty(extender, L"Enabled");
    EXPECT_EQ(enabled.vt, VT_BOOL);
    EXPECT_EQ(enabled.boolVal, VARIANT_FALSE);
}

TEST(ControlProtocolTest, TabMovesTheFocusThroughTheControlsInPlacingOrder) {
    kxtest::HostWindow window;
    SetForegroundWindow(window.hwnd());
    kx::ControlHost host(window.hwnd());
    Button first, second, third;
    RECT bounds = {0, 0, 91, 30};
    host.PlaceObject(first.unknown(), L"a", bounds, nullptr, nullptr);
    OffsetRect(&bounds, 0, 40);
    host.PlaceObject(second.unknown(), L"b", bounds, nullptr, nullptr);
    OffsetRect(&bounds, 0, 40);
    host.PlaceObject(third.unknown(), L"c", bounds, nullptr, nullptr);
    SetFocus(kxtest::WindowOf(first.unknown()));
    ASSERT_TRUE(first.object->HasFocus());
    MSG tab = {window.hwnd(), WM_KEYDOWN, VK_TAB, 0};
    EXPECT_TRUE(host.TranslateAccelerator(tab));
    EXPECT_EQ(GetFocus(), kxtest::WindowOf(second.unknown()));
    EXPECT_FALSE(first.object->HasFocus());
    EXPECT_TRUE(second.object->HasFocus());
    host.TranslateAccelerator(tab);
    host.TranslateAccelerator(tab);
    EXPECT_EQ(GetFocus(), kxtest::WindowOf(first.unknown()));  // wraps around
    EXPECT_TRUE(host.MoveFocus(false));
    EXPECT_EQ(GetFocus(), kxtest::WindowOf(third.unknown()));
}

// The view a container asks for: the surface with a face, a frame and the caption.
TEST(ControlProtocolTest, DrawingTheViewCopiesThePaintedSurface) {
    Button b;
    auto* persist = Query<IPersistStreamInit>(b.unknown(), IID_IPersistStreamInit);
    persist->InitNew();
    persist->Release();
    b.object->put_Style(kxBtnNormal);  // the plain look: button face inside a raised edge
    BSTR caption = SysAllocString(L"WWWW");
    b.object->put_Caption(caption);
    SysFreeString(caption);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 91, 30);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto* view = Query<IViewObject2>(b.unknown(), IID_IViewObject2);
    RECTL bounds = {0, 0, 91, 30};
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0), S_OK);
    view->Release();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(GetPixel(dc, 10, 4), face);
    EXPECT_NE(GetPixel(dc, 0, 0), face);  // the frame
    int textPixels = 0;
    for (int x = 20; x < 70; ++x)
        for (int y = 8; y < 22; ++y) textPixels += GetPixel(dc, x, y) != face;
    EXPECT_GT(textPixels, 20);  // the letters (smoothed: not all in the text colour)
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace

namespace {

// A caller that changes the font object it got from Font changes what the surface draws with.
TEST(ControlProtocolTest, ChangesToTheFontObjectReachTheSurface) {
    Button b;
    auto* persist = Query<IPersistStreamInit>(b.unknown(), IID_IPersistStreamInit);
    persist->InitNew();
    persist->Release();
    IFontDisp* fontDisp = nullptr;
    b.object->get_Font(&fontDisp);
    IFont* font = nullptr;
    fontDisp->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font));
    CY size;
    size.int64 = 30 * 10000;
    font->put_Size(size);
    font->put_Bold(TRUE);
    LONG dc = 0;
    b.object->get_hdc(&dc);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(reinterpret_cast<HDC>(static_cast<LONG_PTR>(dc)), &metrics);
    EXPECT_GT(metrics.tmHeight, 30);
    EXPECT_GE(metrics.tmWeight, FW_BOLD);
    font->Release();
    fontDisp->Release();
    EXPECT_EQ(b.object->Refresh(), S_OK);
}

}  // namespace
