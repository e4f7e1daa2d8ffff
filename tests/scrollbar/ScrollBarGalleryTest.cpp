#include <gtest/gtest.h>

#include "GdiTestSupport.h"
#include "PngFile.h"
#include "ScrollBarFixture.h"
#include "TestSupport.h"

namespace {

// The track with its three boxes on it, as the window shows them.
void Compose(HDC target, int left, int top, kxtest::LooseScrollBar& s) {
    const kx::DrawingSurface& track = s.bar->TrackSurface();
    BitBlt(target, left, top, track.Width(), track.Height(), track.Dc(), 0, 0, SRCCOPY);
    for (int part = 0; part < 3; ++part) {
        kx::PictureBox& box = s.bar->Box(part);
        BitBlt(target, left + box.Left(), top + box.Top(), box.ScaleWidth(), box.ScaleHeight(), box.Dc(), 0, 0,
               SRCCOPY);
    }
}

// Each look, both ways round, normal, disabled, and each part hot and pressed, for people to look at.
TEST(ScrollBarGalleryTest, FiveLooksBothWaysInEveryState) {
    constexpr int kLong = 120, kThick = 17, kMargin = 6, kStates = 8;
    const kxScrollStyle looks[] = {kxSBNormal, kxSBSoft, kxSBFlat, kxSBJava, kxSBOfficeXP};
    const int cell = kLong + kMargin;
    kxtest::Canvas gallery(kMargin + kStates * (kThick + kMargin + cell), kMargin + 5 * cell, 32,
                           RGB(0xE0, 0xE0, 0xE0));
    for (int row = 0; row < 5; ++row) {
        for (int state = 0; state < kStates; ++state) {
            for (int horizontal = 0; horizontal < 2; ++horizontal) {
                kxtest::LooseScrollBar s(horizontal ? kLong : kThick, horizontal ? kThick : kLong);
                s.bar->put_Style(looks[row]);
                if (horizontal) s.bar->put_Direction(kxSBHorizontal);
                s.bar->put_Value(40);
                if (state == 1) s.bar->put_Enabled(VARIANT_FALSE);
                if (state >= 2 && state < 5) s.Hover(state - 2);
                if (state >= 5) s.PressRight(state - 5);
                const int left = kMargin + state * (kThick + kMargin + cell);
                Compose(gallery.dc(), horizontal ? left + kThick + kMargin : left, kMargin + row * cell, s);
            }
        }
    }
    GdiFlush();
    HBITMAP picture = static_cast<HBITMAP>(GetCurrentObject(gallery.dc(), OBJ_BITMAP));
    EXPECT_TRUE(kxtest::SavePng(picture, kxtest::BesideThisProgram(L"scrollbar-gallery.png")));
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// A hundred bars made and dropped leave no window behind.
TEST(ScrollBarGalleryTest, CreatingAndDroppingBarsLeavesNoWindows) {
    auto windows = [] {
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
        return count;
    };
    { kxtest::LooseScrollBar warm; }
    const int before = windows();
    const DWORD objects = kxtest::GdiObjectCount();
    for (int i = 0; i < 100; ++i) {
        kxtest::LooseScrollBar s;
        s.Hover(0);
    }
    EXPECT_EQ(windows(), before);
    EXPECT_EQ(kxtest::GdiObjectCount(), objects);
}

}  // namespace
