#include <gtest/gtest.h>

#include <string>

#include "GdiTestSupport.h"
#include "MaskFixture.h"
#include "PngFile.h"
#include "ScreenCapture.h"

namespace {

using kxtest::HostedMasks;

void Let(kx::KxGetMask* m, HRESULT (STDMETHODCALLTYPE kx::KxGetMask::*let)(BSTR), const wchar_t* text) {
    kxtest::SetText(m, let, text);
}

uint32_t Rgb(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

// The border is the control's own: a sunken edge in 3-D, a line when flat, none; the box fills the inside.
TEST(MaskPaintTest, BorderByAppearanceAndBorderStyle) {
    const struct {
        long appearance, borderStyle;
        int inset;
        uint32_t corner;
    } cases[] = {
        {1, 1, 2, Rgb(GetSysColor(COLOR_BTNSHADOW))},
        {0, 1, 1, Rgb(GetSysColor(COLOR_WINDOWFRAME))},
        {1, 0, 0, 0xFF0000},
        {0, 0, 0, 0xFF0000},
    };
    for (const auto& c : cases) {
        HostedMasks h;
        kx::KxGetMask* m = h.mask();
        m->put_BackColor(RGB(255, 0, 0));
        m->put_Appearance(static_cast<kxGmAppearance>(c.appearance));
        m->put_BorderStyle(static_cast<kxGmBorderStyle>(c.borderStyle));
        h.Settle();
        RECT window = {}, box = {};
        GetWindowRect(h.ControlWindow(), &window);
        GetWindowRect(h.Box(), &box);
        EXPECT_EQ(window.left + c.inset, box.left) << c.appearance << "/" << c.borderStyle;
        EXPECT_EQ(window.bottom - c.inset, box.bottom) << c.appearance << "/" << c.borderStyle;
        const kxtest::ScreenCapture shot(h.ControlWindow());
        EXPECT_EQ(c.corner, shot.At(0, 0)) << c.appearance << "/" << c.borderStyle;
        const int inside = shot.CountInside({c.inset, c.inset, 170, 21 - c.inset}, 0xFF0000);
        EXPECT_GT(inside, 100) << "the back colour fills the box";
    }
}

TEST(MaskPaintTest, ForeColorDrawsTheText) {
    HostedMasks h;
    kx::KxGetMask* m = h.mask();
    Let(m, &kx::KxGetMask::put_InputMask, L"00000000");
    Let(m, &kx::KxGetMask::put_Value, L"88888888");
    m->put_ForeColor(RGB(0, 0, 255));
    h.Settle();
    const kxtest::ScreenCapture shot(h.Box());
    EXPECT_GT(shot.CountInside({0, 0, 100, 17}, 0x0000FF), 20);
}

// A picture of masks with placeholders and right to left, beside the test program.
TEST(MaskPaintTest, GalleryOfMasks) {
    const struct {
        const wchar_t* mask;
        const wchar_t* value;
        bool rightToLeft;
        long appearance;
    } cases[] = {
        {L"0000/00/00", L"202412", false, 1},
        {L"(000) 000-0000", L"021", false, 0},
        {L"@@-000", L"ab12", false, 1},
        {L"0000/00/00", L"14030101", true, 1},
        {L"@@@@ - 00", L"\u0627\u0628\u062c\u062f12", true, 0},
        {L"?0-?", L"", false, 1},
    };
    HostedMasks h(6);
    for (int i = 0; i < 6; ++i) {
        kx::KxGetMask* m = h.mask(i);
        Let(m, &kx::KxGetMask::put_InputMask, cases[i].mask);
        Let(m, &kx::KxGetMask::put_Value, cases[i].value);
        m->put_RightToLeft(cases[i].rightToLeft ? VARIANT_TRUE : VARIANT_FALSE);
        m->put_Appearance(static_cast<kxGmAppearance>(cases[i].appearance));
    }
    h.Settle();
    EXPECT_EQ(L"(021) ___-____", kxtest::ShownText(h.mask(1)));
    const kxtest::ScreenCapture shot(h.HostWindow());
    EXPECT_TRUE(shot.SavePng(kxtest::BesideThisProgram(L"mask-gallery.png")));
}

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM counter) CALLBACK -> BOOL {
            ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(MaskPaintTest, TwoHundredControlsLeaveNoObjectsBehind) {
    auto cycle = [] {
        auto* mask = new kx::KxGetMask();
        IPersistStreamInit* persist = nullptr;
        mask->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
        persist->InitNew();
        persist->Release();
        mask->put_BackColor(RGB(1, 2, 3));
        mask->put_RightToLeft(VARIANT_TRUE);
        mask->put_FontBold(VARIANT_TRUE);
        mask->Release();
    };
    cycle();  // classes registered, caches filled
    kxtest::PumpMessages(20);
    const DWORD objects = kxtest::GdiObjectCount();
    const int windows = ThreadWindowCount();
    for (int i = 0; i < 200; ++i) cycle();
    kxtest::PumpMessages(20);
    EXPECT_EQ(objects, kxtest::GdiObjectCount());
    EXPECT_EQ(windows, ThreadWindowCount());
}

}  // namespace
