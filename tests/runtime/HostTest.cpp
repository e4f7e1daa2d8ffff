#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "AmbientProperties.h"
#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "HostEventSink.h"
#include "Korvix32_h.h"
#include "KxButton.h"
#include "PropertyBag.h"

namespace {

void ClickWithMessages(HWND window) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

// A real click through the input queue at the centre of the window.
void ClickWithInput(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    kxtest::SendLeftClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool WaitFor(const std::vector<DISPID>& events, DISPID id) {
    for (int i = 0; i < 100; ++i) {
        for (DISPID e : events)
            if (e == id) return true;
        kxtest::PumpMessages(20);
    }
    return false;
}

std::wstring TextOf(IDispatch* object, const wchar_t* name) {
    VARIANT value = kxtest::GetProperty(object, name);
    std::wstring text = value.vt != VT_BSTR ? L"<not text>" : value.bstrVal ? value.bstrVal : L"";
    VariantClear(&value);
    return text;
}

std::wstring CaptionOf(IDispatch* button) { return TextOf(button, L"Caption"); }

TEST(HostTest, OwnContainerPlacesTheRegisteredButtonByClassIdentity) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    std::vector<DISPID> events;
    std::vector<DISPID> changes;
    HRESULT hr = E_FAIL;
    RECT bounds = {20, 20, 111, 50};
    kx::ControlSite* site = host.Place(CLSID_kxButton, L"cmdOk", bounds, nullptr,
                                       [&](DISPID id, DISPPARAMS*) { events.push_back(id); }, &hr);
    ASSERT_NE(site, nullptr) << std::hex << hr;
    site->OnPropertyChange([&](DISPID id) { changes.push_back(id); });
    IDispatch* button = site->Dispatch();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(CaptionOf(button), L"cmdOk");

    VARIANT title = kxtest::Text(L"Help");
    EXPECT_EQ(kxtest::PutProperty(button, L"ToolTipTitle", title), S_OK);
    VariantClear(&title);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], 0x6803000F);  // reported as "TooltipTitle", matched without case

    HWND control = site->ControlWindow();
    ASSERT_TRUE(IsWindow(control));
    EXPECT_EQ(GetParent(control), window.hwnd());
    RECT r = {};
    GetClientRect(control, &r);
    EXPECT_EQ(r.right, 91);
    EXPECT_EQ(r.bottom, 30);
    ClickWithMessages(control);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), DISPID_CLICK);
}

// The extender's own members by name, as a host's code uses them: place, visibility, enabling and focus in
// the host window's pixels; Enabled reaches the control's own member where it has one.
TEST(HostTest, ExtenderMovesShowsEnablesAndFocusesTheControl) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    kx::ControlSite* site = host.Place(CLSID_kxButton, L"cmdOk", {20, 20, 111, 50}, nullptr, nullptr);
    ASSERT_NE(site, nullptr);
    IDispatch* extender = site->ExtenderDispatch();
    const HWND control = site->ControlWindow();
    const struct {
        const wchar_t* name;
        long value;
    } places[] = {{L"Left", 40}, {L"Top", 30}, {L"Width", 120}, {L"Height", 35}};
    for (const auto& p : places) {
        EXPECT_EQ(kxtest::PutProperty(extender, p.name, kxtest::Long(p.value)), S_OK);
        VARIANT got = kxtest::GetProperty(extender, p.name);
        EXPECT_EQ(got.lVal, p.value) << std::string(p.name, p.name + wcslen(p.name));
    }
    RECT r = {};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 120);
    EXPECT_EQ(r.bottom - r.top, 35);

    EXPECT_EQ(kxtest::PutProperty(extender, L"Visible", kxtest::Bool(false)), S_OK);
    EXPECT_FALSE(IsWindowVisible(control));
    EXPECT_EQ(kxtest::GetProperty(extender, L"Visible").boolVal, VARIANT_FALSE);
    EXPECT_EQ(kxtest::PutProperty(extender, L"Visible", kxtest::Bool(true)), S_OK);
    EXPECT_TRUE(IsWindowVisible(control));

    EXPECT_EQ(kxtest::PutProperty(extender, L"Enabled", kxtest::Bool(false)), S_OK);
    EXPECT_FALSE(IsWindowEnabled(control));
    EXPECT_EQ(kxtest::GetProperty(site->Dispatch(), L"Enabled").boolVal, VARIANT_FALSE) << "the button's own";
    EXPECT_EQ(kxtest::PutProperty(extender, L"Enabled", kxtest::Bool(true)), S_OK);

    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    SetFocus(window.hwnd());
    EXPECT_EQ(extender->Invoke(kxtest::DispIdOf(extender, L"SetFocus"), IID_NULL, 0, DISPATCH_METHOD, &none, nullptr,
                               nullptr, nullptr),
              S_OK);
    EXPECT_EQ(GetFocus(), control);
}

std::wstring ToolTipTextOf(IDispatch* extender) { return TextOf(extender, L"ToolTipText"); }

// The extender's ToolTipText: one for each control, empty at first, any value kept as text; a control reads
// it by name through its site, where a name the extender does not know gives an empty text.
TEST(HostTest, ExtenderKeepsAToolTipTextForEachControl) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    kx::ControlSite* first = host.Place(CLSID_kxButton, L"cmdOk", {20, 20, 111, 50}, nullptr, nullptr);
    kx::ControlSite* second = host.Place(CLSID_kxButton, L"cmdNo", {20, 60, 111, 90}, nullptr, nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    IDispatch* extender = first->ExtenderDispatch();
    EXPECT_EQ(ToolTipTextOf(extender), L"");

    VARIANT text = kxtest::Text(L"\u0630\u062e\u06cc\u0631\u0647 & Save");
    EXPECT_EQ(kxtest::PutProperty(extender, L"ToolTipText", text), S_OK);
    VariantClear(&text);
    EXPECT_EQ(ToolTipTextOf(extender), L"\u0630\u062e\u06cc\u0631\u0647 & Save");
    EXPECT_EQ(ToolTipTextOf(second->ExtenderDispatch()), L"");
    EXPECT_EQ(kxtest::PutProperty(extender, L"tooltiptext", kxtest::Long(42)), S_OK);
    EXPECT_EQ(ToolTipTextOf(extender), L"42");

    kx::AmbientProperties asked;
    asked.SetSite(static_cast<IOleClientSite*>(first));
    EXPECT_EQ(asked.ExtenderText(L"ToolTipText"), L"42");
    EXPECT_EQ(asked.ExtenderText(L"NoSuchMember"), L"");
    asked.SetSite(nullptr);
    EXPECT_EQ(asked.ExtenderText(L"ToolTipText"), L"");
}

TEST(HostTest, OwnContainerGivesDesignTimePropertiesFromABag) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    host.SetUserMode(false);
    auto* bag = new kx::MemoryPropertyBag();
    kx::PropertyWriter writer(bag);
    writer.Text(L"caption", L"\u0627\u062c\u0631\u0627");
    writer.Long(L"style", 12);
    RECT bounds = {0, 0, 91, 30};
    kx::ControlSite* site = host.Place(CLSID_kxButton, L"cmdRun", bounds, bag, nullptr);
    bag->Release();
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(CaptionOf(site->Dispatch()), L"\u0627\u062c\u0631\u0627");
    VARIANT style = kxtest::GetProperty(site->Dispatch(), L"Style");
    EXPECT_EQ(style.lVal, 12);

    auto* saved = new kx::MemoryPropertyBag();
    EXPECT_EQ(site->Save(saved), S_OK);
    ASSERT_NE(saved->Find(L"Caption"), nullptr);
    EXPECT_EQ(saved->KeyAt(0), L"Caption");  // first written: BackColor is at its default
    saved->Release();
}

TEST(HostTest, WineAtlAxWinHostsTheButtonAndItsClickReachesTheSink) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);

    // Out of the way of other test programs' windows, on top: the real click must land here.
    kxtest::HostWindow window(300, 200, 960, 760);
    SetWindowPos(window.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 30, 30, 120, 40, window.hwnd(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(place, nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(create(L"Korvix32.kxButton", place, nullptr, &container, &control, IID_NULL, nullptr), S_OK);
    ASSERT_NE(control, nullptr);

    std::vector<DISPID> events;
    kxtest::HostEventSink sink([&](DISPID id) { events.push_back(id); });
    sink.Advise(control, DIID___kxButton);
    ASSERT_TRUE(sink.Held());

    IDispatch* button = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&button)), S_OK);
    VARIANT caption = kxtest::Text(L"&Go");
    EXPECT_EQ(kxtest::PutProperty(button, L"Caption", caption), S_OK);
    VariantClear(&caption);
    EXPECT_EQ(CaptionOf(button), L"&Go");
    VARIANT right = kxtest::Bool(true);
    EXPECT_EQ(kxtest::PutProperty(button, L"RightToLeft", right), S_OK);
    VARIANT rtl = kxtest::GetProperty(button, L"RightToLeft");
    EXPECT_EQ(rtl.boolVal, VARIANT_TRUE);

    HWND buttonWindow = kxtest::WindowOf(control);
    ASSERT_TRUE(IsWindow(buttonWindow));
    EXPECT_TRUE(IsChild(window.hwnd(), buttonWindow));
    ClickWithMessages(buttonWindow);
    EXPECT_TRUE(WaitFor(events, DISPID_CLICK));

    // Other test programs run at the same time and may move the pointer: a few tries.
    bool clicked = false;
    for (int attempt = 0; attempt < 3 && !clicked; ++attempt) {
        events.clear();
        SetForegroundWindow(window.hwnd());
        ClickWithInput(buttonWindow);
        clicked = WaitFor(events, DISPID_CLICK);
    }
    EXPECT_TRUE(clicked) << "real input";

    sink.Unadvise(control);
    EXPECT_FALSE(sink.Held());
    button->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
    kxtest::PumpMessages(20);
}

// The container hands a saved stream to IPersistStreamInit::Load instead of InitNew.
TEST(HostTest, WineAtlAxWinLoadsTheButtonFromASavedStream) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    auto* saved = new kx::KxButton();
    IPersistStreamInit* persist = nullptr;
    saved->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
    persist->InitNew();
    BSTR text = SysAllocString(L"&Stored");
    saved->put_Caption(text);
    SysFreeString(text);
    saved->put_Style(kxBtnVista);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    ASSERT_EQ(persist->Save(stream, TRUE), S_OK);
    persist->Release();
    saved->Release();
    LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);

    kxtest::HostWindow window;
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 0, 0, 120, 40, window.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(create(L"Korvix32.kxButton", place, stream, &container, &control, IID_NULL, nullptr), S_OK);
    stream->Release();
    IDispatch* button = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&button)), S_OK);
    EXPECT_EQ(CaptionOf(button), L"&Stored");
    VARIANT style = kxtest::GetProperty(button, L"Style");
    EXPECT_EQ(style.lVal, 12);
    button->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
}

}  // namespace
