#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>

#include "ControlTestSupport.h"
#include "ErrorInfo.h"
#include "ProgressBarFixture.h"

namespace {

// A small late-bound object: named members answered by a handler.
class Scriptable : public IDispatch {
public:
    using Member = std::function<HRESULT(WORD flags, DISPPARAMS* params, VARIANT* result)>;
    void Add(const wchar_t* name, DISPID id, Member member) {
        ids_[name] = id;
        members_[id] = std::move(member);
    }
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }  // lives on the test's stack
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        const auto found = ids_.find(names[0]);
        if (found == ids_.end()) return DISP_E_UNKNOWNNAME;
        *ids = found->second;
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override {
        const auto found = members_.find(id);
        return found == members_.end() ? DISP_E_MEMBERNOTFOUND : found->second(flags, params, result);
    }

private:
    std::map<std::wstring, DISPID> ids_;
    std::map<DISPID, Member> members_;
    ULONG refs_ = 1;
};

// A common-controls status bar with three parts and the object a host would hand over for it: Panels
// a collection whose Item takes the index (the common-controls shape), or Panels taking the index itself.
class StatusBarFixture {
public:
    explicit StatusBarFixture(HWND host, bool indexedPanels = false) {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, host, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
        int parts[] = {100, 260, -1};
        SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
        panel.Add(L"Width", 1, [this](WORD flags, DISPPARAMS* params, VARIANT*) {
            if (!(flags & DISPATCH_PROPERTYPUT) || params->cArgs != 1) return DISP_E_MEMBERNOTFOUND;
            VARIANT width;
            VariantInit(&width);
            if (FAILED(VariantChangeType(&width, &params->rgvarg[0], 0, VT_R8))) return DISP_E_TYPEMISMATCH;
            widthSet = width.dblVal;
            return S_OK;
        });
        const Scriptable::Member item = [this](WORD, DISPPARAMS* params, VARIANT* result) {
            if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
            VARIANT index;
            VariantInit(&index);
            VariantChangeType(&index, &params->rgvarg[0], 0, VT_I4);
            if (index.lVal < 1 || index.lVal > 3) return DISP_E_BADINDEX;
            panelAsked = index.lVal;
            result->vt = VT_DISPATCH;
            result->pdispVal = &panel;
            panel.AddRef();
            return S_OK;
        };
        panels.Add(L"Item", DISPID_VALUE, item);
        if (indexedPanels) {
            object.Add(L"Panels", 2, item);
        } else {
            object.Add(L"Panels", 2, [this](WORD, DISPPARAMS* params, VARIANT* result) {
                if (params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
                result->vt = VT_DISPATCH;
                result->pdispVal = &panels;
                panels.AddRef();
                return S_OK;
            });
        }
        object.Add(L"Hwnd", 3, [this](WORD, DISPPARAMS*, VARIANT* result) {
            result->vt = VT_I4;
            result->lVal = kx::LongFromHandle(bar);
            return S_OK;
        });
    }
    ~StatusBarFixture() {
        if (IsWindow(bar)) DestroyWindow(bar);
    }
    RECT Part(int index) const {
        RECT r = {};
        SendMessageW(bar, SB_GETRECT, index, reinterpret_cast<LPARAM>(&r));
        return r;
    }

    HWND bar = nullptr;
    Scriptable object, panels, panel;
    double widthSet = 0;
    long panelAsked = 0;
};

HRESULT ShowIn(kxtest::LooseProgressBar& p, IDispatch* statusBar, long panel) {
    LONG panelNumber = panel;
    return p.bar->ShowProgressInStatusBar(&statusBar, &panelNumber);
}

TEST(ProgressBarStatusBarTest, TheBarMovesIntoThePanelAndIsCentredOnIt) {
    for (bool indexedPanels : {false, true}) {
        kxtest::HostWindow host(400, 200);
        StatusBarFixture status(host.hwnd(), indexedPanels);
        ASSERT_TRUE(IsWindow(status.bar));
        kxtest::LooseProgressBar p(60, 12);
        ASSERT_EQ(ShowIn(p, &status.object, 2), S_OK) << indexedPanels;
        EXPECT_EQ(status.panelAsked, 2);
        EXPECT_EQ(status.widthSet, 60 * 15 + 100) << "the control's width plus 100 twips";

        const HWND window = p.Window();
        EXPECT_EQ(GetParent(window), status.bar);
        EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD);
        RECT placed = {};
        GetWindowRect(window, &placed);
        MapWindowPoints(nullptr, status.bar, reinterpret_cast<POINT*>(&placed), 2);
        const RECT part = status.Part(1);
        EXPECT_NEAR(placed.left, (part.left + part.right) / 2.0 - 30, 0.5) << indexedPanels;
        EXPECT_NEAR(placed.top, (part.top + part.bottom) / 2.0 - 6, 0.5) << indexedPanels;
        EXPECT_EQ(placed.right - placed.left, 60);
    }
}

TEST(ProgressBarStatusBarTest, LateBoundFailuresAreReported) {
    kxtest::HostWindow host(400, 200);
    StatusBarFixture status(host.hwnd());
    kxtest::LooseProgressBar p(60, 12);
    EXPECT_EQ(ShowIn(p, &status.object, 7), kx::ErrorHResult(kx::kErrSubscript));
    EXPECT_EQ(ShowIn(p, &status.panel, 1), kx::ErrorHResult(438)) << "no Panels";
    EXPECT_EQ(ShowIn(p, nullptr, 1), kx::ErrorHResult(91));
    EXPECT_NE(GetParent(p.Window()), status.bar);
    StatusBarFixture indexed(host.hwnd(), true);
    EXPECT_EQ(ShowIn(p, &indexed.object, 0), kx::ErrorHResult(kx::kErrSubscript));
    EXPECT_NE(GetParent(p.Window()), indexed.bar);
}

// The status bar takes the control's window with it; the control lives on and paints into its buffer.
TEST(ProgressBarStatusBarTest, DestroyingTheStatusBarFirstLeavesAWorkingControl) {
    kxtest::HostWindow host(400, 200);
    StatusBarFixture status(host.hwnd());
    {
        kxtest::LooseProgressBar p(60, 12);
        ASSERT_EQ(ShowIn(p, &status.object, 1), S_OK);
        const HWND window = p.Window();
        DestroyWindow(status.bar);
        EXPECT_FALSE(IsWindow(window));
        kxtest::PumpMessages(20);
        for (long look = 0; look <= 10; ++look) {
            EXPECT_EQ(p.bar->put_Scrolling(static_cast<kxScrolling>(look)), S_OK);
            EXPECT_EQ(p.bar->put_Value(look * 10), S_OK);
        }
        EXPECT_EQ(p.bar->put_hdc(0), S_OK);
        EXPECT_EQ(ShowIn(p, &status.object, 1), S_OK) << "a dead status bar: messages go nowhere";
    }
    kxtest::PumpMessages(20);
}

}  // namespace
