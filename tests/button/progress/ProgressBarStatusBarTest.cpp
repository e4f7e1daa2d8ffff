#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ControlTestSupport.h"
#include "ErrorInfo.h"
#include "ProgressBarFixture.h"
#include "ScriptObject.h"

namespace {

using kxtest::ScriptObject;

// A common-controls status bar with three parts and the object a host would hand over for it: Panels
// a collection whose Item takes the index (the common-controls shape), or Panels taking the index itself.
// Its objects know their names through GetIDsOfNames, or through IDispatchEx only as script objects do.
class StatusBarFixture {
public:
    explicit StatusBarFixture(HWND host, bool indexedPanels = false,
                              ScriptObject::Names names = ScriptObject::Names::ByGetIDsOfNames)
        : object(names), panels(names), panel(names) {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, host, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
        int parts[] = {100, 260, -1};
        SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
        panel.Add(L"Width", 1, [this](WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*) {
            if (!(flags & DISPATCH_PROPERTYPUT) || params->cArgs != 1) return DISP_E_MEMBERNOTFOUND;
            VARIANT width;
            VariantInit(&width);
            if (FAILED(VariantChangeType(&width, &params->rgvarg[0], 0, VT_R8))) return DISP_E_TYPEMISMATCH;
            widthSet = width.dblVal;
            return S_OK;
        });
        const ScriptObject::Member item = [this](WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*) {
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
            object.Add(L"Panels", 2, [this](WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*) {
                if (params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
                result->vt = VT_DISPATCH;
                result->pdispVal = &panels;
                panels.AddRef();
                return S_OK;
            });
        }
        object.AddLong(L"Hwnd", 3, kx::LongFromHandle(bar));
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
    ScriptObject object, panels, panel;
    double widthSet = 0;
    long panelAsked = 0;
};

HRESULT ShowIn(kxtest::LooseProgressBar& p, IDispatch* statusBar, long panel) {
    LONG panelNumber = panel;
    return p.bar->ShowProgressInStatusBar(&statusBar, &panelNumber);
}

TEST(ProgressBarStatusBarTest, TheBarMovesIntoThePanelAndIsCentredOnIt) {
    struct Case {
        bool indexedPanels;
        ScriptObject::Names names;
    };
    const Case cases[] = {{false, ScriptObject::Names::ByGetIDsOfNames},
                          {true, ScriptObject::Names::ByGetIDsOfNames},
                          {false, ScriptObject::Names::ByGetDispIDOnly},
                          {true, ScriptObject::Names::ByGetDispIDOnly}};
    for (const Case& c : cases) {
        const bool indexedPanels = c.indexedPanels;
        SCOPED_TRACE(testing::Message() << "indexed panels " << indexedPanels << ", names through "
                                        << (c.names == ScriptObject::Names::ByGetDispIDOnly ? "IDispatchEx only"
                                                                                           : "GetIDsOfNames"));
        kxtest::HostWindow host(400, 200);
        StatusBarFixture status(host.hwnd(), indexedPanels, c.names);
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
