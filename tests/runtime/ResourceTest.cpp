#include <gtest/gtest.h>

#include "GdiTestSupport.h"

#include <vector>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "KxButton.h"

namespace {

// Wine's GetGuiResources is a stub: count the free GDI handles instead, by taking brushes until
// none is left and giving them back. A bound keeps it finite where there is no limit.
constexpr int kProbeLimit = 100000;

int FreeGdiHandles() {
    std::vector<HBRUSH> brushes;
    brushes.reserve(kProbeLimit);
    while (static_cast<int>(brushes.size()) < kProbeLimit) {
        HBRUSH brush = CreateSolidBrush(RGB(brushes.size() & 0xFF, 1, 2));
        if (!brush) break;
        brushes.push_back(brush);
    }
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return static_cast<int>(brushes.size());
}

void PlaceUseAndRemoveButtons(int count) {
    kxtest::HostWindow window;
    for (int i = 0; i < count; ++i) {
        kx::ControlHost host(window.hwnd());
        auto* button = new kx::KxButton();
        RECT bounds = {0, 0, 91, 30};
        host.PlaceObject(static_cast<IOleObject*>(button), L"cmd", bounds, nullptr, [](DISPID, DISPPARAMS*) {});
        BSTR caption = SysAllocString(L"&Go");
        button->put_Caption(caption);
        SysFreeString(caption);
        button->put_FontBold(VARIANT_TRUE);
        button->put_FontSize(12);
        VARIANT_BOOL no = VARIANT_FALSE;
        button->put_Enabled(&no);
        button->put_Style(kxBtnVista);
        UpdateWindow(kxtest::WindowOf(static_cast<IOleObject*>(button)));
        button->Release();
    }
}

TEST(ResourceTest, PlacingPaintingAndRemovingButtonsLeaksNoGdiObjects) {
    PlaceUseAndRemoveButtons(3);  // first-use caches (fonts, stock objects) before measuring
    const int before = FreeGdiHandles();
    if (before >= kProbeLimit) GTEST_SKIP() << "no GDI handle limit to measure against";
    PlaceUseAndRemoveButtons(40);
    const int after = FreeGdiHandles();
    EXPECT_LE(before - after, 4) << "GDI objects left behind by 40 buttons";
}

TEST(ResourceTest, AThousandRepaintsLeaveTheGdiObjectCountWhereItWas) {
    kxtest::HostWindow window;
    kx::ControlHost host(window.hwnd());
    auto* button = new kx::KxButton();
    RECT bounds = {0, 0, 91, 30};
    host.PlaceObject(static_cast<IOleObject*>(button), L"cmd", bounds, nullptr, [](DISPID, DISPPARAMS*) {});
    const HWND hwnd = kxtest::WindowOf(static_cast<IOleObject*>(button));
    for (int i = 0; i < 5; ++i) button->Refresh();  // first-use caches
    const DWORD before = kxtest::GdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        button->Refresh();
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
    EXPECT_EQ(before, kxtest::GdiObjectCount());
    button->Release();
}

}  // namespace
