// The two front ends of the alert: defaults, clamps, persistence, the choice protocol, Show's text, the
// reported handles, fonts, the control's fixed size and run-time invisibility, its About.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AboutBoxTestSupport.h"
#include "AmbientProperties.h"
#include "AlertFixture.h"
#include "ControlHost.h"
#include "PersistenceTestSupport.h"
#include "PropertyBag.h"
#include "TestSupport.h"

namespace {

using kxtest::LooseAlert;

std::wstring Describe(const VARIANT& v) {
    VARIANT text;
    VariantInit(&text);
    std::wstring out = L"vt " + std::to_wstring(v.vt) + L" ";
    if (SUCCEEDED(VariantChangeType(&text, const_cast<VARIANT*>(&v), 0, VT_BSTR))) out += text.bstrVal;
    VariantClear(&text);
    return out;
}

struct Expected {
    const wchar_t* name;
    VARIANT value;
};

VARIANT Typed(VARTYPE type, double value) {
    VARIANT v;
    VariantInit(&v);
    VARIANT source;
    source.vt = VT_R8;
    source.dblVal = value;
    VariantChangeType(&v, &source, 0, type);
    return v;
}

// The shared defaults of both front ends, as late-bound callers read them.
std::vector<Expected> SharedDefaults() {
    return {{L"BackColor", kxtest::Long(static_cast<long>(0x80000018))},
            {L"BorderStyle", Typed(VT_I4, 0)},
            {L"Enabled", kxtest::Bool(true)},
            {L"ForeColor", kxtest::Long(static_cast<long>(0x80000017))},
            {L"hdc", Typed(VT_I4, 0)},
            {L"Hwnd", Typed(VT_I4, 0)},
            {L"TimeToClose", Typed(VT_R4, 3)},
            {L"SeparateWindow", kxtest::Bool(false)},
            {L"ShowPosition", Typed(VT_I4, 0)},
            {L"AlwaysOnTop", kxtest::Bool(true)},
            {L"BackStyle", Typed(VT_I4, 0)},
            {L"Text", kxtest::Text(L"")},
            {L"AutoSize", kxtest::Bool(true)},
            {L"WindowWidth", Typed(VT_I4, 300)},
            {L"WindowHeight", Typed(VT_I4, 200)},
            {L"ClickClose", kxtest::Bool(true)},
            {L"ShowStyle", Typed(VT_I4, 0)},
            {L"TimeToShow", Typed(VT_R4, 1)},
            {L"ButtonStyle", Typed(VT_I4, 7)},
            {L"TextButton1", kxtest::Text(L"")},
            {L"TextButton2", kxtest::Text(L"")},
            {L"TextButton3", kxtest::Text(L"")},
            {L"DefaultButton", Typed(VT_I2, 1)},
            {L"TextTitle", kxtest::Text(L"")},
            {L"MaxTransparent", Typed(VT_I2, 255)},
            {L"LastButtonSelect", Typed(VT_I2, 0)}};
}

void ExpectValues(IDispatch* object, std::vector<Expected> expected, const char* label) {
    for (Expected& e : expected) {
        VARIANT got = kxtest::GetProperty(object, e.name);
        const bool same = VarCmp(&got, &e.value, LOCALE_USER_DEFAULT, 0) == static_cast<HRESULT>(VARCMP_EQ);
        const std::wstring name = e.name, described = Describe(got);
        EXPECT_TRUE(same) << label << " " << std::string(name.begin(), name.end()) << ": got "
                          << std::string(described.begin(), described.end());
        VariantClear(&got);
        VariantClear(&e.value);
    }
}

// The face name a font object reports (Wine reports the face it substitutes).
std::wstring FaceOf(IFontDisp* font) {
    IFont* object = nullptr;
    font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&object));
    BSTR name = nullptr;
    object->get_Name(&name);
    object->Release();
    return kxtest::TakeBstr(name);
}

std::wstring FaceOf(const wchar_t* face, double points, short charset) {
    IFontDisp* font = kx::CreateFontObject(face, points, charset);
    const std::wstring name = FaceOf(font);
    font->Release();
    return name;
}

std::wstring FontName(IDispatch* object) {
    VARIANT name = kxtest::GetProperty(object, L"FontName");
    std::wstring text = name.vt == VT_BSTR ? name.bstrVal : L"(none)";
    VariantClear(&name);
    return text;
}

TEST(AlertFrontEnds, ClassDefaults) {
    auto* alert = new kx::KxAlert();
    ExpectValues(alert, SharedDefaults(), "class");
    ExpectValues(alert, {{L"RightToLeft", kxtest::Bool(true)}}, "class");
    VARIANT size = kxtest::GetProperty(alert, L"FontSize");
    EXPECT_NEAR(size.fltVal, 8, 0.5) << "Wine rounds the size to whole pixels";
    EXPECT_EQ(FontName(alert), FaceOf(L"Tahoma", 8, 178));
    IFontDisp* font = nullptr;
    ASSERT_EQ(S_OK, alert->get_Font(&font));
    IFont* object = nullptr;
    font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&object));
    SHORT charset = 0;
    object->get_Charset(&charset);
    EXPECT_EQ(charset, 178);
    object->Release();
    font->Release();
    IPictureDisp* picture = nullptr;
    ASSERT_EQ(S_OK, alert->get_Picture(&picture));
    ASSERT_NE(picture, nullptr) << "an empty picture, not Nothing";
    picture->Release();
    alert->Release();
}

TEST(AlertFrontEnds, ControlDefaultsFollowTheHostsAmbientProperties) {
    for (bool rightToLeft : {false, true}) {
        kxtest::HostWindow window;
        kx::ControlHost host(window.hwnd());
        host.SetRightToLeft(rightToLeft);
        kx::ControlSite* site = host.Place(CLSID_kxAlertWindow, L"Alert1", {0, 0, 32, 32}, nullptr, nullptr);
        ASSERT_NE(site, nullptr);
        ExpectValues(site->Dispatch(), SharedDefaults(), "control");
        ExpectValues(site->Dispatch(), {{L"RightToLeft", kxtest::Bool(rightToLeft)}}, "control");
        EXPECT_EQ(FontName(site->Dispatch()), FaceOf(host.Font())) << "the host's font";
    }
}

TEST(AlertFrontEnds, MaxTransparentIsClampedBySetterButNotByTheBag) {
    auto* alert = new kx::KxAlert();
    LooseAlert control;
    for (IDispatch* object : {static_cast<IDispatch*>(alert), static_cast<IDispatch*>(control.alert)}) {
        for (auto [set, get] : {std::pair{300, 255}, {-5, 0}, {128, 128}, {255, 255}, {0, 0}}) {
            EXPECT_EQ(S_OK, kxtest::PutProperty(object, L"MaxTransparent", kxtest::Long(set)));
            VARIANT value = kxtest::GetProperty(object, L"MaxTransparent");
            EXPECT_EQ(value.iVal, get) << set;
        }
    }
    alert->Release();
    kxtest::SavedBag bag;
    kx::PropertyWriter(bag.bag).Long(L"MaxTransparent", 300);
    auto* loaded = new kx::KxAlertWindow();
    IPersistPropertyBag* persist = nullptr;
    loaded->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    ASSERT_EQ(S_OK, persist->Load(bag.bag, nullptr));
    persist->Release();
    short max = 0;
    loaded->get_MaxTransparent(&max);
    EXPECT_EQ(max, 300);
    loaded->Release();
}

// Every persisted setting away from its default: the 26 keys in order, Singles as Singles, and a second
// control loaded from them saves the same.
TEST(AlertFrontEnds, PropertyBagRoundTrip) {
    LooseAlert a;
    kx::KxAlertWindow* c = a.alert;
    c->put_BackColor(0x123456);
    c->put_BorderStyle(kxAWCircle);
    c->put_Enabled(VARIANT_FALSE);
    c->put_FontBold(VARIANT_TRUE);
    c->put_ForeColor(0x654321);
    IPictureDisp* picture = nullptr;
    PICTDESC desc = {sizeof(PICTDESC), PICTYPE_BITMAP};
    desc.bmp.hbitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture));
    c->putref_Picture(picture);
    picture->Release();
    c->put_RightToLeft(VARIANT_TRUE);
    c->put_TimeToClose(2.5f);
    c->put_SeparateWindow(VARIANT_TRUE);
    c->put_ShowPosition(CenterAndMiddle);
    c->put_AlwaysOnTop(VARIANT_FALSE);
    c->put_BackStyle(Gradient);
    kxtest::SetText(c, &kx::KxAlertWindow::put_Text, L"\u0633\u0644\u0627\u0645");
    c->put_AutoSize(VARIANT_FALSE);
    c->put_WindowWidth(400);
    c->put_WindowHeight(150);
    c->put_ClickClose(VARIANT_FALSE);
    c->put_ShowStyle(NoneStyle);
    c->put_TimeToShow(0.5f);
    c->put_ButtonStyle(kxBtnVista);
    kxtest::SetText(c, &kx::KxAlertWindow::put_TextButton1, L"A");
    kxtest::SetText(c, &kx::KxAlertWindow::put_TextButton2, L"B");
    kxtest::SetText(c, &kx::KxAlertWindow::put_TextButton3, L"C");
    c->put_DefaultButton(2);
    kxtest::SetText(c, &kx::KxAlertWindow::put_TextTitle, L"T");
    c->put_MaxTransparent(200);

    kxtest::SavedBag saved;
    IPersistPropertyBag* persist = nullptr;
    c->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    ASSERT_EQ(S_OK, persist->Save(saved.bag, TRUE, TRUE));
    persist->Release();
    const std::vector<std::wstring> order = {
        L"BackColor",    L"BorderStyle", L"Enabled",     L"Font",          L"ForeColor",     L"Picture",
        L"RightToLeft",  L"TimeToClose", L"SeparateWindow", L"ShowPosition", L"AlwaysOnTop", L"BackStyle",
        L"Text",         L"AutoSize",    L"WindowWidth", L"WindowHeight",  L"ClickClose",    L"ShowStyle",
        L"TimeToShow",   L"ButtonStyle", L"TextButton1", L"TextButton2",   L"TextButton3",   L"DefaultButton",
        L"TextTitle",    L"MaxTransparent"};
    EXPECT_EQ(saved.Keys(), order);
    EXPECT_EQ(saved.bag->Find(L"TimeToClose")->vt, VT_R4);
    EXPECT_EQ(saved.bag->Find(L"TimeToShow")->vt, VT_R4);

    auto* copy = new kx::KxAlertWindow();
    copy->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    ASSERT_EQ(S_OK, persist->Load(saved.bag, nullptr));
    kxtest::SavedBag again;
    ASSERT_EQ(S_OK, persist->Save(again.bag, TRUE, TRUE));
    persist->Release();
    kxtest::ExpectSameProperties(saved.bag, again.bag);
    copy->Release();
}

TEST(AlertFrontEnds, ChoiceProtocolStoresTheNumberAndRaisesACopy) {
    auto* alert = new kx::KxAlert();
    kxtest::ButtonClickSink sink([](short* number) { *number = 9; });
    sink.Connect(static_cast<_kxAlert*>(alert), DIID___kxAlert);
    VARIANT none = kxtest::GetProperty(alert, L"LastButtonSelect");
    EXPECT_EQ(none.vt, VT_I2);
    EXPECT_EQ(none.iVal, 0) << "before any button";
    EXPECT_EQ(S_OK, kxtest::PutProperty(alert, L"ButtonSelect", kxtest::Long(2)));
    EXPECT_EQ(sink.clicks, std::vector<short>{2});
    VARIANT first = kxtest::GetProperty(alert, L"LastButtonSelect");
    VARIANT second = kxtest::GetProperty(alert, L"LastButtonSelect");
    EXPECT_EQ(first.vt, VT_I2);
    EXPECT_EQ(first.iVal, 2) << "what the handler wrote is discarded";
    EXPECT_EQ(second.iVal, 0) << "reading cleared it";
    alert->Release();
}

TEST(AlertFrontEnds, ShowTakesItsTextWithoutReportingAChange) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    kx::ControlSite* site = host.Place(CLSID_kxAlertWindow, L"Alert1", {0, 0, 32, 32}, nullptr, nullptr);
    ASSERT_NE(site, nullptr);
    std::vector<DISPID> changes;
    site->OnPropertyChange([&](DISPID id) { changes.push_back(id); });
    _kxAlertWindow* alert = nullptr;
    site->Control()->QueryInterface(IID__kxAlertWindow, reinterpret_cast<void**>(&alert));
    alert->put_ShowStyle(NoneStyle);
    changes.clear();
    BSTR hello = SysAllocString(L"Hello");
    ASSERT_EQ(S_OK, alert->Show(hello));
    SysFreeString(hello);
    BSTR empty = SysAllocString(L"");
    ASSERT_EQ(S_OK, alert->Show(empty));
    SysFreeString(empty);
    BSTR text = nullptr;
    alert->get_Text(&text);
    EXPECT_EQ(kxtest::TakeBstr(text), L"Hello") << "an empty text keeps Text";
    EXPECT_TRUE(changes.empty()) << "Show reports no property change";
    // Show is the default member.
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXPECT_EQ(S_OK, site->Dispatch()->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr,
                                             nullptr));
    LONG hwnd = 0;
    alert->get_Hwnd(&hwnd);
    kxtest::CloseNow(kx::HandleFromLong<HWND>(hwnd));
    alert->Release();
}

TEST(AlertFrontEnds, HdcHwndAndBackColorAfterAShow) {
    LooseAlert a;
    LONG hdc = -1, hwnd = -1;
    a.alert->get_hdc(&hdc);
    a.alert->get_Hwnd(&hwnd);
    EXPECT_EQ(hdc, 0);
    EXPECT_EQ(hwnd, 0);
    a.alert->put_ShowStyle(NoneStyle);
    ASSERT_EQ(S_OK, a.Show());
    a.alert->get_hdc(&hdc);
    a.alert->get_Hwnd(&hwnd);
    EXPECT_TRUE(IsWindow(kx::HandleFromLong<HWND>(hwnd)));
    EXPECT_EQ(hdc, kx::LongFromHandle(a.State()->ImageDc()));
    OLE_COLOR back = 0;
    a.alert->get_BackColor(&back);
    EXPECT_EQ(back, 0x80000018u) << "BackColor reads back as set";
    kxtest::CloseNow(a.Window());
    LONG after = 0;
    a.alert->get_Hwnd(&after);
    EXPECT_EQ(after, hwnd) << "the last window's value stays";

    a.alert->put_SeparateWindow(VARIANT_TRUE);
    ASSERT_EQ(S_OK, a.Show());
    const HWND first = a.Window();
    ASSERT_EQ(S_OK, a.Show());
    const HWND second = a.Window();
    EXPECT_NE(first, second) << "each Show a window of its own";
    EXPECT_TRUE(IsWindow(first));
    kxtest::CloseNow(first);
    kxtest::CloseNow(second);
}

TEST(AlertFrontEnds, FontNothing) {
    auto* alert = new kx::KxAlert();
    alert->putref_Font(nullptr);
    EXPECT_EQ(FontName(alert), FaceOf(L"Tahoma", 8, 178)) << "the class makes a fresh default font";
    alert->Release();

    LooseAlert control;
    control.alert->putref_Font(nullptr);
    IFontDisp* font = reinterpret_cast<IFontDisp*>(1);
    EXPECT_EQ(S_OK, control.alert->get_Font(&font));
    EXPECT_EQ(font, nullptr);
    BSTR name = nullptr;
    EXPECT_EQ(kx::ErrorHResult(91), control.alert->get_FontName(&name));
    EXPECT_EQ(kx::ErrorHResult(91), control.alert->put_FontBold(VARIANT_TRUE));
    EXPECT_EQ(kx::ErrorHResult(91), control.Show()) << "a show needs a font";
    EXPECT_FALSE(IsWindow(control.Window()));
}

TEST(AlertFrontEnds, BadTimesAndCaptions) {
    LooseAlert control;
    auto* alert = new kx::KxAlert();
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 819.3f};
    for (float seconds : bad) {
        control.alert->put_TimeToShow(seconds);
        EXPECT_EQ(kx::ErrorHResult(6), control.Show()) << seconds;
        alert->put_TimeToShow(seconds);
        kxtest::SetText(alert, &kx::KxAlert::put_TextButton1, L"Yes");
        short result = -1;
        EXPECT_EQ(S_OK, alert->Show(nullptr, &result)) << "the class traps it";
        EXPECT_EQ(result, 0);
    }
    control.alert->put_TimeToShow(1);
    const std::wstring wide(6000, L'W');
    for (auto setter : {&kx::KxAlertWindow::put_TextButton1, &kx::KxAlertWindow::put_TextButton2,
                        &kx::KxAlertWindow::put_TextButton3})
        kxtest::SetText(control.alert, setter, wide.c_str());
    EXPECT_EQ(kx::ErrorHResult(6), control.Show()) << "a button row beyond 16 bits";
    EXPECT_FALSE(IsWindow(control.Window())) << "a window that never showed is unloaded";
    alert->Release();
}

TEST(AlertFrontEnds, ControlKeepsItsSizeAndHidesAtRunTime) {
    for (bool userMode : {true, false}) {
        kxtest::HostWindow window;
        kx::ControlHost host(window.hwnd());
        host.SetUserMode(userMode);
        kx::ControlSite* site = host.Place(CLSID_kxAlertWindow, L"Alert1", {10, 10, 110, 110}, nullptr, nullptr);
        ASSERT_NE(site, nullptr);
        RECT r = {};
        GetClientRect(site->ControlWindow(), &r);
        EXPECT_EQ(r.right, 32);
        EXPECT_EQ(r.bottom, 32);
        site->Move(0, 0, 200, 300);
        GetClientRect(site->ControlWindow(), &r);
        EXPECT_EQ(r.right, 32) << "snaps back to 480 twips";
        EXPECT_EQ(r.bottom, 32);
        EXPECT_EQ(IsWindowVisible(site->ControlWindow()) != FALSE, !userMode);
        IOleObject* ole = nullptr;
        site->Control()->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole));
        DWORD status = 0;
        ole->GetMiscStatus(DVASPECT_CONTENT, &status);
        EXPECT_TRUE(status & OLEMISC_INVISIBLEATRUNTIME);
        ole->Release();
    }
}

TEST(AlertFrontEnds, ControlInWinesAtlAxWin) {
    kxtest::AxCreate create = kxtest::LoadAtlAx();
    ASSERT_NE(create, nullptr);
    kxtest::HostWindow window;
    HWND place = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 0, 0, 60, 60, window.hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    IUnknown* container = nullptr;
    IUnknown* control = nullptr;
    ASSERT_EQ(S_OK, create(L"Korvix32.kxAlertWindow", place, nullptr, &container, &control, IID_NULL, nullptr));
    _kxAlertWindow* alert = nullptr;
    ASSERT_EQ(S_OK, control->QueryInterface(IID__kxAlertWindow, reinterpret_cast<void**>(&alert)));
    alert->put_ShowStyle(NoneStyle);
    BSTR text = SysAllocString(L"atl");
    EXPECT_EQ(S_OK, alert->Show(text));
    SysFreeString(text);
    LONG hwnd = 0;
    alert->get_Hwnd(&hwnd);
    EXPECT_TRUE(IsWindow(kx::HandleFromLong<HWND>(hwnd)));
    kxtest::CloseNow(kx::HandleFromLong<HWND>(hwnd));
    alert->Release();
    control->Release();
    if (container) container->Release();
    DestroyWindow(place);
}

TEST(AlertFrontEnds, AboutShowsTheAlertWindowTitle) {
    auto* alert = new kx::KxAlert();
    HRESULT result = E_FAIL;
    EXPECT_EQ(L"Velmora Group Alert Window", kxtest::AboutTitleShownBy([&] { return alert->About(); }, &result));
    EXPECT_EQ(S_OK, result);
    alert->Release();
}

}  // namespace
