#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "Korvix32_h.h"
#include "KxButton.h"
#include "PropertyBag.h"

namespace {

// A plain dispatch sink that records the events of one control.
class RecordingSink : public IDispatch {
public:
    std::vector<DISPID> events;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != DIID___kxButton) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        events.push_back(id);
        return S_OK;
    }
    ULONG refs() const { return refs_; }

private:
    ULONG refs_ = 1;
};

void ClickWithMessages(HWND window) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

// A real click through the input queue at the centre of the window.
void ClickWithInput(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    kxtest::PumpMessages(50);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool WaitFor(const std::vector<DISPID>& events, DISPID id) {
    for (int i = 0; i < 100; ++i) {
        for (DISPID e : events)
            if (e == id) return true;
        kxtest::PumpMessages(20);
    }
    return false;
}

std::wstring CaptionOf(IDispatch* button) {
    VARIANT caption = kxtest::GetProperty(button, L"Caption");
    std::wstring text = caption.vt == VT_BSTR && caption.bstrVal ? caption.bstrVal : L"";
    VariantClear(&caption);
    return text;
}

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

using kxtest::AxCreate;
using kxtest::LoadAtlAx;

TEST(HostTest, WineAtlAxWinHostsTheButtonAndItsClickReachesTheSink) {
    AxCreate create = LoadAtlAx();
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

    RecordingSink sink;
    IConnectionPointContainer* points = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)), S_OK);
    IConnectionPoint* point = nullptr;
    ASSERT_EQ(points->FindConnectionPoint(DIID___kxButton, &point), S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);

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
    EXPECT_TRUE(WaitFor(sink.events, DISPID_CLICK));

    // Other test programs run at the same time and may move the pointer: a few tries.
    bool clicked = false;
    for (int attempt = 0; attempt < 3 && !clicked; ++attempt) {
        sink.events.clear();
        SetForegroundWindow(window.hwnd());
        ClickWithInput(buttonWindow);
        clicked = WaitFor(sink.events, DISPID_CLICK);
    }
    EXPECT_TRUE(clicked) << "real input";

    point->Unadvise(cookie);
    EXPECT_EQ(sink.refs(), 1u);
    point->Release();
    points->Release();
    button->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
    kxtest::PumpMessages(20);
}

// The container hands a saved stream to IPersistStreamInit::Load instead of InitNew.
TEST(HostTest, WineAtlAxWinLoadsTheButtonFromASavedStream) {
    AxCreate create = LoadAtlAx();
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
